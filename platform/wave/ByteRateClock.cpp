#include "platform/wave/ByteRateClock.h"

#include <algorithm>
#include <limits>

namespace platform::wave {

static constexpr qint64 kNsPerSecond = 1'000'000'000;

void ByteRateClock::start(quint32 bytesPerSecond)
{
    m_rate = bytesPerSecond;
    m_timer.start();
}

qint64 ByteRateClock::bytesAt(qint64 ns, quint32 rate)
{
    if (ns <= 0 || rate == 0)
        return 0;
    return ns / kNsPerSecond * rate + ns % kNsPerSecond * rate / kNsPerSecond;
}

qint64 ByteRateClock::nanosecondsFor(qint64 bytes, quint32 rate)
{
    if (bytes <= 0 || rate == 0)
        return 0;
    const qint64 rest = bytes % rate * kNsPerSecond;
    return bytes / rate * kNsPerSecond + (rest + rate - 1) / rate;
}

qint64 ByteRateClock::bytesElapsed() const
{
    return isRunning() ? bytesAt(m_timer.nsecsElapsed(), m_rate) : 0;
}

int ByteRateClock::msUntil(qint64 bytes) const
{
    if (!isRunning())
        return 0;
    const qint64 remaining = nanosecondsFor(bytes, m_rate) - m_timer.nsecsElapsed();
    if (remaining <= 0)
        return 0;
    const qint64 ms = (remaining + 999'999) / 1'000'000;
    return int(std::min<qint64>(ms, std::numeric_limits<int>::max()));
}

} // namespace platform::wave
