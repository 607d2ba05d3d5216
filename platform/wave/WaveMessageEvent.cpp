#include "platform/wave/WaveMessageEvent.h"

namespace platform::wave {

QEvent::Type WaveMessageEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

WaveMessageEvent::WaveMessageEvent(quint32 message, HWAVEOUT device, WAVEHDR* header,
                                   quintptr instance)
    : QEvent(eventType()), m_message(message), m_device(quint32(device)), m_header(header),
      m_instance(instance)
{
}

WaveMessageEvent::WaveMessageEvent(quint32 message, HWAVEIN device, WAVEHDR* header,
                                   quintptr instance)
    : QEvent(eventType()), m_message(message), m_device(quint32(device)), m_header(header),
      m_instance(instance)
{
}

} // namespace platform::wave
