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

MMRESULT RecordingWaveDevices::forward(const QString& call, const std::function<MMRESULT()>& real,
                                       const QString& detail)
{
    m_trace(detail.isEmpty() ? call : call + QLatin1Char(' ') + detail);
    const auto it = m_failures.find(call);
    if (it == m_failures.end())
        return real();
    if (it->second.passing > 0) {
        --it->second.passing;
        return real();
    }
    const MMRESULT result = it->second.result;
    m_failures.erase(it);
    return result;
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
    return forward(
        QStringLiteral("waveOutOpen"),
        [&] {
            return m_real.waveOutOpen(handle, deviceId, format, callbackWindow, instance, flags);
        },
        QString::number(deviceId));
}

MMRESULT RecordingWaveDevices::waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header)
{
    return forward(QStringLiteral("waveOutPrepareHeader"),
                   [&] { return m_real.waveOutPrepareHeader(device, header); });
}

MMRESULT RecordingWaveDevices::waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header)
{
    return forward(QStringLiteral("waveOutUnprepareHeader"),
                   [&] { return m_real.waveOutUnprepareHeader(device, header); });
}

MMRESULT RecordingWaveDevices::waveOutWrite(HWAVEOUT device, WAVEHDR* header)
{
    return forward(
        QStringLiteral("waveOutWrite"), [&] { return m_real.waveOutWrite(device, header); },
        header ? QString::number(header->dwBufferLength) : QString());
}

MMRESULT RecordingWaveDevices::waveOutReset(HWAVEOUT device)
{
    return forward(QStringLiteral("waveOutReset"), [&] { return m_real.waveOutReset(device); });
}

MMRESULT RecordingWaveDevices::waveOutClose(HWAVEOUT device)
{
    return forward(QStringLiteral("waveOutClose"), [&] { return m_real.waveOutClose(device); });
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
    return forward(
        QStringLiteral("waveInOpen"),
        [&] {
            return m_real.waveInOpen(handle, deviceId, format, callbackWindow, instance, flags);
        },
        QString::number(deviceId));
}

MMRESULT RecordingWaveDevices::waveInPrepareHeader(HWAVEIN device, WAVEHDR* header)
{
    return forward(QStringLiteral("waveInPrepareHeader"),
                   [&] { return m_real.waveInPrepareHeader(device, header); });
}

MMRESULT RecordingWaveDevices::waveInUnprepareHeader(HWAVEIN device, WAVEHDR* header)
{
    return forward(QStringLiteral("waveInUnprepareHeader"),
                   [&] { return m_real.waveInUnprepareHeader(device, header); });
}

MMRESULT RecordingWaveDevices::waveInAddBuffer(HWAVEIN device, WAVEHDR* header)
{
    return forward(QStringLiteral("waveInAddBuffer"),
                   [&] { return m_real.waveInAddBuffer(device, header); });
}

MMRESULT RecordingWaveDevices::waveInStart(HWAVEIN device)
{
    return forward(QStringLiteral("waveInStart"), [&] { return m_real.waveInStart(device); });
}

MMRESULT RecordingWaveDevices::waveInStop(HWAVEIN device)
{
    return forward(QStringLiteral("waveInStop"), [&] { return m_real.waveInStop(device); });
}

MMRESULT RecordingWaveDevices::waveInReset(HWAVEIN device)
{
    return forward(QStringLiteral("waveInReset"), [&] { return m_real.waveInReset(device); });
}

MMRESULT RecordingWaveDevices::waveInClose(HWAVEIN device)
{
    return forward(QStringLiteral("waveInClose"), [&] { return m_real.waveInClose(device); });
}

} // namespace wavetest
