#pragma once

#include <QElapsedTimer>

namespace platform::wave {

// Converts monotonic time since a start point into bytes of a stream at a fixed
// byte rate and back. Every figure is computed from the start point, so a
// stream's timing never accumulates rounding or timer lateness.
class ByteRateClock {
public:
    void start(quint32 bytesPerSecond);
    void stop() { m_timer.invalidate(); }
    bool isRunning() const { return m_timer.isValid(); }

    // Bytes due since start (0 when stopped).
    qint64 bytesElapsed() const;
    // Milliseconds, rounded up, until `bytes` are due; 0 when they already are.
    int msUntil(qint64 bytes) const;

    static qint64 bytesAt(qint64 nanoseconds, quint32 bytesPerSecond);
    static qint64 nanosecondsFor(qint64 bytes, quint32 bytesPerSecond);

private:
    QElapsedTimer m_timer;
    quint32 m_rate = 0;
};

} // namespace platform::wave
