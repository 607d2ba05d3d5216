#pragma once

#include "platform/wave/SimWaveDevice.h"

#include <QByteArray>

namespace platform::wave {

// A simulated wave output device: plays queued buffers one after the other in
// real time at the format's byte rate (4800 bytes of 8 kHz 16-bit mono take
// 0.3 s), returns each with MM_WOM_DONE when its play time is over, and keeps
// every byte it played. When the queue runs empty the device waits; the next
// buffer starts a new stretch of playing.
class SimWaveOutDevice final : public SimWaveDevice {
    Q_OBJECT
public:
    explicit SimWaveOutDevice(SimWaveDeviceConfig config);

    // Everything played since creation or clearPlayed(), across openings.
    const QByteArray& played() const { return m_played; }
    void clearPlayed() { m_played.clear(); }

    MMRESULT open(quint32 handle, const WAVEFORMATEX& format, QObject* sink, quintptr instance);
    MMRESULT write(WAVEHDR* header);
    MMRESULT reset();
    MMRESULT close();

protected:
    void advance() override;
    QEvent* makeEvent(quint32 message, WAVEHDR* header, quintptr instance) const override;

private:
    void schedule();

    QByteArray m_played;
    qint64 m_headOffset = 0; // bytes of the first queued buffer already played
};

} // namespace platform::wave
