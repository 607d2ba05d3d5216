#pragma once

#include "platform/wave/SimWaveInDevice.h"
#include "platform/wave/SimWaveOutDevice.h"
#include "platform/wave/WaveDevices.h"

#include <memory>
#include <vector>

namespace platform::wave {

// The wave devices of the simulated exchange: a list of output and a list of
// input devices, created by the composition (typically one of each per line, at
// the IDs the line configuration names). Device IDs are positions in the lists.
// Devices live on the thread that created the registry and are driven by its
// event loop.
class SimWaveDevices final : public WaveDevices {
public:
    struct LineDevices {
        quint32 waveOut;
        quint32 waveIn;
    };

    SimWaveDevices();
    ~SimWaveDevices() override;
    SimWaveDevices(const SimWaveDevices&) = delete;
    SimWaveDevices& operator=(const SimWaveDevices&) = delete;

    quint32 addOutputDevice(SimWaveDeviceConfig config);
    quint32 addInputDevice(SimWaveDeviceConfig config);
    // One output and one input for a line, named "<line> Wave Out" / "<line> Wave In".
    LineDevices
    addLineDevices(const QString& lineName,
                   const QList<WAVEFORMATEX>& formats = SimWaveDeviceConfig::telephoneFormats());

    // The device with that ID, or null. Tests read played bytes and set sources here.
    SimWaveOutDevice* outputDevice(quint32 deviceId) const;
    SimWaveInDevice* inputDevice(quint32 deviceId) const;

    quint32 waveOutGetNumDevs() const override;
    MMRESULT waveOutGetDevCaps(quint32 deviceId, WAVEOUTCAPS* caps) const override;
    MMRESULT waveOutOpen(HWAVEOUT* handle, quint32 deviceId, const WAVEFORMATEX* format,
                         QObject* callbackWindow, quintptr instance, quint32 flags) override;
    MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header) override;
    MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header) override;
    MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header) override;
    MMRESULT waveOutReset(HWAVEOUT device) override;
    MMRESULT waveOutClose(HWAVEOUT device) override;

    quint32 waveInGetNumDevs() const override;
    MMRESULT waveInGetDevCaps(quint32 deviceId, WAVEINCAPS* caps) const override;
    MMRESULT waveInOpen(HWAVEIN* handle, quint32 deviceId, const WAVEFORMATEX* format,
                        QObject* callbackWindow, quintptr instance, quint32 flags) override;
    MMRESULT waveInPrepareHeader(HWAVEIN device, WAVEHDR* header) override;
    MMRESULT waveInUnprepareHeader(HWAVEIN device, WAVEHDR* header) override;
    MMRESULT waveInAddBuffer(HWAVEIN device, WAVEHDR* header) override;
    MMRESULT waveInStart(HWAVEIN device) override;
    MMRESULT waveInStop(HWAVEIN device) override;
    MMRESULT waveInReset(HWAVEIN device) override;
    MMRESULT waveInClose(HWAVEIN device) override;

private:
    SimWaveOutDevice* find(HWAVEOUT handle) const;
    SimWaveInDevice* find(HWAVEIN handle) const;
    // Opening an output or an input device, or asking whether it would open.
    template <typename Handle, typename Device>
    MMRESULT openDevice(Device* d, Handle* handle, const WAVEFORMATEX* format,
                        QObject* callbackWindow, quintptr instance, quint32 flags);

    std::vector<std::unique_ptr<SimWaveOutDevice>> m_outputs;
    std::vector<std::unique_ptr<SimWaveInDevice>> m_inputs;
    quint32 m_nextHandle = 1;
};

} // namespace platform::wave
