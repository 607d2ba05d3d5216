#pragma once

#include "platform/tapi/TapiTypes.h"

#include <functional>
#include <memory>

class QObject;

namespace platform::tapi {

// Delivers the messages of one application to its callback through the event
// loop of the thread that created the mailbox, one at a time and in the order
// they were posted. Posting never calls the callback itself.
class MessageMailbox {
public:
    explicit MessageMailbox(LINECALLBACK callback);
    ~MessageMailbox();

    MessageMailbox(const MessageMailbox&) = delete;
    MessageMailbox& operator=(const MessageMailbox&) = delete;

    // beforeDelivery runs just before the callback (for results that become
    // visible with the message, such as a new call handle).
    void post(DWORD hDevice, DWORD message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR param2,
              DWORD_PTR param3, std::function<void()> beforeDelivery = {});

    // Drops every message not yet delivered and every later one.
    void close();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    QObject* m_context = nullptr;
};

} // namespace platform::tapi
