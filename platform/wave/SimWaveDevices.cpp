#include "platform/wave/SimWaveDevices.h"

namespace platform::wave {

namespace {

// Output and input devices are kept alike; these serve both lists.

template <typename Device>
Device* withHandle(const std::vector<std::unique_ptr<Device>>& devices, quint32 raw)
{
    if (raw == 0)
        return nullptr;
    for (const auto& d : devices)
        if (d->rawHandle() == raw)
            return d.get();
    return nullptr;
}

template <typename Caps> MMRESULT fillCaps(const SimWaveDevice* d, Caps* caps)
{
    if (!d)
        return MMSYSERR_BADDEVICEID;
    if (!caps)
        return MMSYSERR_INVALPARAM;
    *caps = Caps{};
    caps->szPname = d->name();
    caps->dwFormats = d->capsFormats();
    caps->wChannels = d->capsChannels();
    return MMSYSERR_NOERROR;
}

} // namespace

template <typename Handle, typename Device>
MMRESULT SimWaveDevices::openDevice(Device* d, Handle* handle, const WAVEFORMATEX* format,
                                    QObject* callbackWindow, quintptr instance, quint32 flags)
{
    if (handle)
        *handle = Handle{};
    const bool query = flags & WAVE_FORMAT_QUERY;
    const quint32 callback = flags & CALLBACK_TYPEMASK;
    const quint32 known =
        CALLBACK_TYPEMASK | WAVE_FORMAT_QUERY | WAVE_ALLOWSYNC | WAVE_MAPPED | WAVE_FORMAT_DIRECT;
    if (!d)
        return MMSYSERR_BADDEVICEID;
    if ((flags & ~known) != 0 || (callback != CALLBACK_NULL && callback != CALLBACK_WINDOW))
        return MMSYSERR_INVALFLAG;
    if (!format || (!query && !handle) || (callback == CALLBACK_WINDOW && !callbackWindow))
        return MMSYSERR_INVALPARAM;
    if (!d->supports(*format))
        return WAVERR_BADFORMAT;
    if (query)
        return MMSYSERR_NOERROR;
    if (d->isOpen())
        return MMSYSERR_ALLOCATED;
    const quint32 raw = m_nextHandle++;
    QObject* sink = callback == CALLBACK_WINDOW ? callbackWindow : nullptr;
    const MMRESULT opened = d->open(raw, *format, sink, instance);
    if (opened == MMSYSERR_NOERROR)
        *handle = Handle(raw);
    return opened;
}

SimWaveDevices::SimWaveDevices() = default;
SimWaveDevices::~SimWaveDevices() = default;

quint32 SimWaveDevices::addOutputDevice(SimWaveDeviceConfig config)
{
    m_outputs.push_back(std::make_unique<SimWaveOutDevice>(std::move(config)));
    return quint32(m_outputs.size() - 1);
}

quint32 SimWaveDevices::addInputDevice(SimWaveDeviceConfig config)
{
    m_inputs.push_back(std::make_unique<SimWaveInDevice>(std::move(config)));
    return quint32(m_inputs.size() - 1);
}

SimWaveDevices::LineDevices SimWaveDevices::addLineDevices(const QString& lineName,
                                                           const QList<WAVEFORMATEX>& formats)
{
    const quint32 out = addOutputDevice({lineName + QStringLiteral(" Wave Out"), formats});
    const quint32 in = addInputDevice({lineName + QStringLiteral(" Wave In"), formats});
    return {out, in};
}

SimWaveOutDevice* SimWaveDevices::outputDevice(quint32 deviceId) const
{
    return deviceId < m_outputs.size() ? m_outputs[deviceId].get() : nullptr;
}

SimWaveInDevice* SimWaveDevices::inputDevice(quint32 deviceId) const
{
    return deviceId < m_inputs.size() ? m_inputs[deviceId].get() : nullptr;
}

SimWaveOutDevice* SimWaveDevices::find(HWAVEOUT handle) const
{
    return withHandle(m_outputs, quint32(handle));
}

SimWaveInDevice* SimWaveDevices::find(HWAVEIN handle) const
{
    return withHandle(m_inputs, quint32(handle));
}

quint32 SimWaveDevices::waveOutGetNumDevs() const
{
    return quint32(m_outputs.size());
}

MMRESULT SimWaveDevices::waveOutGetDevCaps(quint32 deviceId, WAVEOUTCAPS* caps) const
{
    return fillCaps(outputDevice(deviceId), caps);
}

MMRESULT SimWaveDevices::waveOutOpen(HWAVEOUT* handle, quint32 deviceId, const WAVEFORMATEX* format,
                                     QObject* callbackWindow, quintptr instance, quint32 flags)
{
    return openDevice(outputDevice(deviceId), handle, format, callbackWindow, instance, flags);
}

MMRESULT SimWaveDevices::waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header)
{
    SimWaveOutDevice* d = find(device);
    return d ? d->prepare(header) : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header)
{
    SimWaveOutDevice* d = find(device);
    return d ? d->unprepare(header) : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveOutWrite(HWAVEOUT device, WAVEHDR* header)
{
    SimWaveOutDevice* d = find(device);
    return d ? d->write(header) : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveOutReset(HWAVEOUT device)
{
    SimWaveOutDevice* d = find(device);
    return d ? d->reset() : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveOutClose(HWAVEOUT device)
{
    SimWaveOutDevice* d = find(device);
    return d ? d->close() : MMSYSERR_INVALHANDLE;
}

quint32 SimWaveDevices::waveInGetNumDevs() const
{
    return quint32(m_inputs.size());
}

MMRESULT SimWaveDevices::waveInGetDevCaps(quint32 deviceId, WAVEINCAPS* caps) const
{
    return fillCaps(inputDevice(deviceId), caps);
}

MMRESULT SimWaveDevices::waveInOpen(HWAVEIN* handle, quint32 deviceId, const WAVEFORMATEX* format,
                                    QObject* callbackWindow, quintptr instance, quint32 flags)
{
    return openDevice(inputDevice(deviceId), handle, format, callbackWindow, instance, flags);
}

MMRESULT SimWaveDevices::waveInPrepareHeader(HWAVEIN device, WAVEHDR* header)
{
    SimWaveInDevice* d = find(device);
    return d ? d->prepare(header) : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveInUnprepareHeader(HWAVEIN device, WAVEHDR* header)
{
    SimWaveInDevice* d = find(device);
    return d ? d->unprepare(header) : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveInAddBuffer(HWAVEIN device, WAVEHDR* header)
{
    SimWaveInDevice* d = find(device);
    return d ? d->addBuffer(header) : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveInStart(HWAVEIN device)
{
    SimWaveInDevice* d = find(device);
    return d ? d->start() : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveInStop(HWAVEIN device)
{
    SimWaveInDevice* d = find(device);
    return d ? d->stop() : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveInReset(HWAVEIN device)
{
    SimWaveInDevice* d = find(device);
    return d ? d->reset() : MMSYSERR_INVALHANDLE;
}

MMRESULT SimWaveDevices::waveInClose(HWAVEIN device)
{
    SimWaveInDevice* d = find(device);
    return d ? d->close() : MMSYSERR_INVALHANDLE;
}

} // namespace platform::wave
