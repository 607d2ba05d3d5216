#include "RecordingWaveDevices.h"

using namespace platform::wave;

namespace wavetest {

RecordingWaveDevices::RecordingWaveDevices(WaveDevices& real, Trace trace)
    : m_real(real), m_trace(std::move(trace))
{
}

void RecordingWaveDevices::failCall(const QString& call, MMRESULT result, int passing)
{
    m_failures[call] = Failure{result, passing};
}

bool RecordingWaveDevices::intercept(const QString& call, const QString& detail, MMRESULT* result)
{
    m_trace(detail.isEmpty() ? call : call + QLatin1Char(' ') + detail);
    const auto it = m_failures.find(call);
    if (it == m_failures.end())
        return false;
    if (it->second.passing > 0) {
        --it->second.passing;
        return false;
    }
    *result = it->second.result;
    m_failures.erase(it);
    return true;
}

quint32 RecordingWaveDevices::waveOutGetNumDevs() const
{
    return m_real.waveOutGetNumDevs();
}

MMRESULT RecordingWaveDevices::waveOutGetDevCaps(quint32 deviceId, WAVEOUTCAPS* caps) const
{
    return m_real.waveOutGetDevCaps(deviceId, caps);
}

MMRESULT RecordingWaveDevices::waveOutOpen(HWAVEOUT* handle, quint32 deviceId,
                                           const WAVEFORMATEX* format, QObject* callbackWindow,
                                           quintptr instance, quint32 flags)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveOutOpen"), QString::number(deviceId), &r))
        return r;
    return m_real.waveOutOpen(handle, deviceId, format, callbackWindow, instance, flags);
}

MMRESULT RecordingWaveDevices::waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveOutPrepareHeader"), QString(), &r))
        return r;
    return m_real.waveOutPrepareHeader(device, header);
}

MMRESULT RecordingWaveDevices::waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveOutUnprepareHeader"), QString(), &r))
        return r;
    return m_real.waveOutUnprepareHeader(device, header);
}

MMRESULT RecordingWaveDevices::waveOutWrite(HWAVEOUT device, WAVEHDR* header)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveOutWrite"),
                  header ? QString::number(header->dwBufferLength) : QString(), &r))
        return r;
    return m_real.waveOutWrite(device, header);
}

MMRESULT RecordingWaveDevices::waveOutReset(HWAVEOUT device)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveOutReset"), QString(), &r))
        return r;
    return m_real.waveOutReset(device);
}

MMRESULT RecordingWaveDevices::waveOutClose(HWAVEOUT device)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveOutClose"), QString(), &r))
        return r;
    return m_real.waveOutClose(device);
}

quint32 RecordingWaveDevices::waveInGetNumDevs() const
{
    return m_real.waveInGetNumDevs();
}

MMRESULT RecordingWaveDevices::waveInGetDevCaps(quint32 deviceId, WAVEINCAPS* caps) const
{
    return m_real.waveInGetDevCaps(deviceId, caps);
}

MMRESULT RecordingWaveDevices::waveInOpen(HWAVEIN* handle, quint32 deviceId,
                                          const WAVEFORMATEX* format, QObject* callbackWindow,
                                          quintptr instance, quint32 flags)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveInOpen"), QString::number(deviceId), &r))
        return r;
    return m_real.waveInOpen(handle, deviceId, format, callbackWindow, instance, flags);
}

MMRESULT RecordingWaveDevices::waveInPrepareHeader(HWAVEIN device, WAVEHDR* header)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveInPrepareHeader"), QString(), &r))
        return r;
    return m_real.waveInPrepareHeader(device, header);
}

MMRESULT RecordingWaveDevices::waveInUnprepareHeader(HWAVEIN device, WAVEHDR* header)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveInUnprepareHeader"), QString(), &r))
        return r;
    return m_real.waveInUnprepareHeader(device, header);
}

MMRESULT RecordingWaveDevices::waveInAddBuffer(HWAVEIN device, WAVEHDR* header)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveInAddBuffer"), QString(), &r))
        return r;
    return m_real.waveInAddBuffer(device, header);
}

MMRESULT RecordingWaveDevices::waveInStart(HWAVEIN device)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveInStart"), QString(), &r))
        return r;
    return m_real.waveInStart(device);
}

MMRESULT RecordingWaveDevices::waveInStop(HWAVEIN device)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveInStop"), QString(), &r))
        return r;
    return m_real.waveInStop(device);
}

MMRESULT RecordingWaveDevices::waveInReset(HWAVEIN device)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveInReset"), QString(), &r))
        return r;
    return m_real.waveInReset(device);
}

MMRESULT RecordingWaveDevices::waveInClose(HWAVEIN device)
{
    MMRESULT r = 0;
    if (intercept(QStringLiteral("waveInClose"), QString(), &r))
        return r;
    return m_real.waveInClose(device);
}

} // namespace wavetest
