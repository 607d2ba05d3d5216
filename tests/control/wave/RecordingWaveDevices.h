#pragma once

#include "platform/wave/WaveDevices.h"

#include <QString>

#include <functional>
#include <map>

namespace wavetest {

// The real wave devices, with every call the control makes written to a
// trace ("waveOutWrite 4800") and, where a test asks for it, one call
// answered with an error instead of reaching the device (a device that
// refuses to start, say, which the simulated devices never do).
class RecordingWaveDevices final : public platform::wave::WaveDevices {
public:
    using Trace = std::function<void(const QString&)>;
    RecordingWaveDevices(platform::wave::WaveDevices& real, Trace trace);

    // The call named (e.g. "waveInStart") fails with `result` after `passing`
    // more calls of that name have gone through.
    void failCall(const QString& call, platform::wave::MMRESULT result, int passing = 0);

    quint32 waveOutGetNumDevs() const override;
    platform::wave::MMRESULT waveOutGetDevCaps(quint32 deviceId,
                                               platform::wave::WAVEOUTCAPS* caps) const override;
    platform::wave::MMRESULT waveOutOpen(platform::wave::HWAVEOUT* handle, quint32 deviceId,
                                         const platform::wave::WAVEFORMATEX* format,
                                         QObject* callbackWindow, quintptr instance,
                                         quint32 flags) override;
    platform::wave::MMRESULT waveOutPrepareHeader(platform::wave::HWAVEOUT device,
                                                  platform::wave::WAVEHDR* header) override;
    platform::wave::MMRESULT waveOutUnprepareHeader(platform::wave::HWAVEOUT device,
                                                    platform::wave::WAVEHDR* header) override;
    platform::wave::MMRESULT waveOutWrite(platform::wave::HWAVEOUT device,
                                          platform::wave::WAVEHDR* header) override;
    platform::wave::MMRESULT waveOutReset(platform::wave::HWAVEOUT device) override;
    platform::wave::MMRESULT waveOutClose(platform::wave::HWAVEOUT device) override;

    quint32 waveInGetNumDevs() const override;
    platform::wave::MMRESULT waveInGetDevCaps(quint32 deviceId,
                                              platform::wave::WAVEINCAPS* caps) const override;
    platform::wave::MMRESULT waveInOpen(platform::wave::HWAVEIN* handle, quint32 deviceId,
                                        const platform::wave::WAVEFORMATEX* format,
                                        QObject* callbackWindow, quintptr instance,
                                        quint32 flags) override;
    platform::wave::MMRESULT waveInPrepareHeader(platform::wave::HWAVEIN device,
                                                 platform::wave::WAVEHDR* header) override;
    platform::wave::MMRESULT waveInUnprepareHeader(platform::wave::HWAVEIN device,
                                                   platform::wave::WAVEHDR* header) override;
    platform::wave::MMRESULT waveInAddBuffer(platform::wave::HWAVEIN device,
                                             platform::wave::WAVEHDR* header) override;
    platform::wave::MMRESULT waveInStart(platform::wave::HWAVEIN device) override;
    platform::wave::MMRESULT waveInStop(platform::wave::HWAVEIN device) override;
    platform::wave::MMRESULT waveInReset(platform::wave::HWAVEIN device) override;
    platform::wave::MMRESULT waveInClose(platform::wave::HWAVEIN device) override;

private:
    // Traces the call and hands it to the real devices, unless it is to fail.
    platform::wave::MMRESULT forward(const QString& call,
                                     const std::function<platform::wave::MMRESULT()>& real,
                                     const QString& detail = QString());

    struct Failure {
        platform::wave::MMRESULT result;
        int passing;
    };
    platform::wave::WaveDevices& m_real;
    Trace m_trace;
    std::map<QString, Failure> m_failures;
};

} // namespace wavetest
