#include "platform/tapi/MessageMailbox.h"

#include <QMetaObject>
#include <QObject>

#include <atomic>

namespace platform::tapi {

struct MessageMailbox::Shared {
    std::atomic<bool> open{true};
    LINECALLBACK callback;
};

MessageMailbox::MessageMailbox(LINECALLBACK callback)
    : m_shared(std::make_shared<Shared>()), m_context(new QObject) // lives in the creating thread
{
    m_shared->callback = std::move(callback);
}

MessageMailbox::~MessageMailbox()
{
    close();
}

void MessageMailbox::post(DWORD hDevice, DWORD message, DWORD_PTR instance, DWORD_PTR param1,
                          DWORD_PTR param2, DWORD_PTR param3, std::function<void()> beforeDelivery)
{
    if (!m_context || !m_shared->open)
        return;
    std::weak_ptr<Shared> weak = m_shared;
    QMetaObject::invokeMethod(
        m_context,
        [weak, hDevice, message, instance, param1, param2, param3,
         before = std::move(beforeDelivery)] {
            const std::shared_ptr<Shared> shared = weak.lock();
            if (!shared || !shared->open)
                return;
            if (before)
                before();
            // A copy: the callback may shut the application down.
            const LINECALLBACK callback = shared->callback;
            if (callback)
                callback(hDevice, message, instance, param1, param2, param3);
        },
        Qt::QueuedConnection);
}

void MessageMailbox::close()
{
    if (!m_context)
        return;
    m_shared->open = false;
    m_context->deleteLater();
    m_context = nullptr;
    m_shared.reset();
}

} // namespace platform::tapi
