#pragma once

#include "platform/wave/WaveFormat.h"

#include <QEvent>

namespace platform::wave {

// A device notification (MM_WOM_OPEN/DONE/CLOSE, MM_WIM_OPEN/DATA/CLOSE) as it
// reaches the callback object of a device opened with CALLBACK_WINDOW: posted to
// that object, so it is handled by its thread's event loop, never inside the
// device call that caused it. Callers may post one themselves (for example a
// done notification that starts a stream).
class WaveMessageEvent final : public QEvent {
public:
    static QEvent::Type eventType();

    WaveMessageEvent(quint32 message, HWAVEOUT device, WAVEHDR* header = nullptr,
                     quintptr instance = 0);
    WaveMessageEvent(quint32 message, HWAVEIN device, WAVEHDR* header = nullptr,
                     quintptr instance = 0);

    quint32 message() const { return m_message; }
    HWAVEOUT waveOut() const { return HWAVEOUT(m_device); }
    HWAVEIN waveIn() const { return HWAVEIN(m_device); }
    // The buffer of MM_WOM_DONE / MM_WIM_DATA; null for open and close.
    WAVEHDR* header() const { return m_header; }
    // The instance value given when the device was opened.
    quintptr instance() const { return m_instance; }

private:
    quint32 m_message;
    quint32 m_device;
    WAVEHDR* m_header;
    quintptr m_instance;
};

} // namespace platform::wave
