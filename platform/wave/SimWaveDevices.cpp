#include "platform/wave/SimWaveDevices.h"

namespace platform::wave {

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
    if (handle == HWAVEOUT{})
        return nullptr;
    for (const auto& d : m_outputs)
        if (d->rawHandle() == quint32(handle))
            return d.get();
    return nullptr;
}

SimWaveInDevice* SimWaveDevices::find(HWAVEIN handle) const
{
    if (handle == HWAVEIN{})
        return nullptr;
    for (const auto& d : m_inputs)
        if (d->rawHandle() == quint32(handle))
            return d.get();
    return nullptr;
}

MMRESULT SimWaveDevices::checkOpen(const SimWaveDevice* device, bool hasHandle,
                                   const WAVEFORMATEX* format, QObject* callbackWindow,
                                   quint32 flags) const
{
    const bool query = flags & WAVE_FORMAT_QUERY;
    const quint32 callback = flags & CALLBACK_TYPEMASK;
    const quint32 known =
        CALLBACK_TYPEMASK | WAVE_FORMAT_QUERY | WAVE_ALLOWSYNC | WAVE_MAPPED | WAVE_FORMAT_DIRECT;
    if (!device)
        return MMSYSERR_BADDEVICEID;
    if ((flags & ~known) != 0 || (callback != CALLBACK_NULL && callback != CALLBACK_WINDOW))
        return MMSYSERR_INVALFLAG;
    if (!format || (!query && !hasHandle) || (callback == CALLBACK_WINDOW && !callbackWindow))
        return MMSYSERR_INVALPARAM;
    if (!device->supports(*format))
        return WAVERR_BADFORMAT;
    if (!query && device->isOpen())
        return MMSYSERR_ALLOCATED;
    return MMSYSERR_NOERROR;
}

quint32 SimWaveDevices::waveOutGetNumDevs() const
{
    return quint32(m_outputs.size());
}

MMRESULT SimWaveDevices::waveOutGetDevCaps(quint32 deviceId, WAVEOUTCAPS* caps) const
{
    const SimWaveOutDevice* d = outputDevice(deviceId);
    if (!d)
        return MMSYSERR_BADDEVICEID;
    if (!caps)
        return MMSYSERR_INVALPARAM;
    *caps = WAVEOUTCAPS{};
    caps->szPname = d->name();
    caps->dwFormats = d->capsFormats();
    caps->wChannels = d->capsChannels();
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveDevices::waveOutOpen(HWAVEOUT* handle, quint32 deviceId, const WAVEFORMATEX* format,
                                     QObject* callbackWindow, quintptr instance, quint32 flags)
{
    if (handle)
        *handle = HWAVEOUT{};
    SimWaveOutDevice* d = outputDevice(deviceId);
    const MMRESULT r = checkOpen(d, handle != nullptr, format, callbackWindow, flags);
    if (r != MMSYSERR_NOERROR || (flags & WAVE_FORMAT_QUERY))
        return r;
    const quint32 raw = m_nextHandle++;
    QObject* sink = (flags & CALLBACK_TYPEMASK) == CALLBACK_WINDOW ? callbackWindow : nullptr;
    const MMRESULT opened = d->open(raw, *format, sink, instance);
    if (opened == MMSYSERR_NOERROR)
        *handle = HWAVEOUT(raw);
    return opened;
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
    const SimWaveInDevice* d = inputDevice(deviceId);
    if (!d)
        return MMSYSERR_BADDEVICEID;
    if (!caps)
        return MMSYSERR_INVALPARAM;
    *caps = WAVEINCAPS{};
    caps->szPname = d->name();
    caps->dwFormats = d->capsFormats();
    caps->wChannels = d->capsChannels();
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveDevices::waveInOpen(HWAVEIN* handle, quint32 deviceId, const WAVEFORMATEX* format,
                                    QObject* callbackWindow, quintptr instance, quint32 flags)
{
    if (handle)
        *handle = HWAVEIN{};
    SimWaveInDevice* d = inputDevice(deviceId);
    const MMRESULT r = checkOpen(d, handle != nullptr, format, callbackWindow, flags);
    if (r != MMSYSERR_NOERROR || (flags & WAVE_FORMAT_QUERY))
        return r;
    const quint32 raw = m_nextHandle++;
    QObject* sink = (flags & CALLBACK_TYPEMASK) == CALLBACK_WINDOW ? callbackWindow : nullptr;
    const MMRESULT opened = d->open(raw, *format, sink, instance);
    if (opened == MMSYSERR_NOERROR)
        *handle = HWAVEIN(raw);
    return opened;
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
