#include "platform/wave/WaveNotifySink.h"

namespace platform::wave {

WaveNotifySink::WaveNotifySink(QObject* parent) : QObject(parent) {}

bool WaveNotifySink::event(QEvent* e)
{
    if (e->type() != WaveMessageEvent::eventType())
        return QObject::event(e);
    const auto* m = static_cast<WaveMessageEvent*>(e);
    emit waveMessage(m->message(), quint32(m->waveOut()), m->header());
    return true;
}

} // namespace platform::wave
