#pragma once

#include "platform/wave/SimWaveDevice.h"
#include "platform/wave/WaveSource.h"

#include <QByteArray>

#include <memory>

namespace platform::wave {

// A simulated wave input device: while started, fills the queued buffers one
// after the other in real time at the format's byte rate (1600 bytes of 8 kHz
// 16-bit mono in 0.1 s) with the samples of its source and returns each full
// buffer with MM_WIM_DATA. Each opening hears the source from its beginning.
// While no buffer is queued the device waits, so nothing of the source is lost
// (the sim has no overrun).
class SimWaveInDevice final : public SimWaveDevice {
    Q_OBJECT
public:
    explicit SimWaveInDevice(SimWaveDeviceConfig config);

    // The signal the device hears from now on (the default is silence).
    void setSource(std::shared_ptr<const WaveSource> source);
    // Everything delivered into buffers since creation or clearCaptured().
    const QByteArray& captured() const { return m_captured; }
    void clearCaptured() { m_captured.clear(); }
    bool isStarted() const { return m_started; }

    MMRESULT open(quint32 handle, const WAVEFORMATEX& format, QObject* sink, quintptr instance);
    MMRESULT addBuffer(WAVEHDR* header);
    MMRESULT start();
    MMRESULT stop();
    MMRESULT reset();
    MMRESULT close();

protected:
    void advance() override;
    QEvent* makeEvent(quint32 message, WAVEHDR* header, quintptr instance) const override;

private:
    void runClockIfNeeded();
    void schedule();

    std::shared_ptr<const WaveSource> m_source;
    QByteArray m_captured;
    qint64 m_sourcePosition = 0;
    bool m_started = false;
};

} // namespace platform::wave
