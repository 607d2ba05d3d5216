#include "platform/wave/SimWaveDevice.h"

#include <QCoreApplication>

#include <algorithm>

namespace platform::wave {

QList<WAVEFORMATEX> SimWaveDeviceConfig::telephoneFormats()
{
    return {makePcmFormat(8000, 16, 1), makePcmFormat(8000, 8, 1)};
}

SimWaveDevice::SimWaveDevice(SimWaveDeviceConfig config, quint32 openMessage, quint32 closeMessage)
    : m_config(std::move(config)), m_openMessage(openMessage), m_closeMessage(closeMessage)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { advance(); });
}

SimWaveDevice::~SimWaveDevice() = default;

bool SimWaveDevice::supports(const WAVEFORMATEX& f) const
{
    if (!isConsistentPcm(f))
        return false;
    return std::any_of(
        m_config.formats.begin(), m_config.formats.end(), [&](const WAVEFORMATEX& s) {
            return s.nChannels == f.nChannels && s.nSamplesPerSec == f.nSamplesPerSec &&
                   s.wBitsPerSample == f.wBitsPerSample;
        });
}

quint32 SimWaveDevice::capsFormats() const
{
    quint32 bits = 0;
    for (const WAVEFORMATEX& f : m_config.formats) {
        int rateIndex = -1;
        switch (f.nSamplesPerSec) {
        case 11025:
            rateIndex = 0;
            break;
        case 22050:
            rateIndex = 1;
            break;
        case 44100:
            rateIndex = 2;
            break;
        case 48000:
            rateIndex = 3;
            break;
        case 96000:
            rateIndex = 4;
            break;
        default:
            break;
        }
        if (rateIndex < 0 || f.nChannels > 2 || (f.wBitsPerSample != 8 && f.wBitsPerSample != 16))
            continue;
        const int bit = rateIndex * 4 + (f.wBitsPerSample == 16 ? 2 : 0) + (f.nChannels - 1);
        bits |= 1u << bit;
    }
    return bits;
}

quint16 SimWaveDevice::capsChannels() const
{
    quint16 channels = 0;
    for (const WAVEFORMATEX& f : m_config.formats)
        channels = std::max(channels, f.nChannels);
    return channels;
}

void SimWaveDevice::openAs(quint32 handle, const WAVEFORMATEX& format, QObject* sink,
                           quintptr instance)
{
    m_handle = handle;
    m_format = format;
    m_sink = sink;
    m_instance = instance;
    m_consumed = 0;
    m_clock.stop();
    ++m_openCount;
    post(m_openMessage, nullptr);
}

MMRESULT SimWaveDevice::closeDevice()
{
    if (!m_queue.empty())
        return WAVERR_STILLPLAYING;
    m_timer.stop();
    m_clock.stop();
    post(m_closeMessage, nullptr);
    m_handle = 0;
    m_sink = nullptr;
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveDevice::prepare(WAVEHDR* header)
{
    if (!header || (!header->lpData && header->dwBufferLength > 0))
        return MMSYSERR_INVALPARAM;
    header->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveDevice::unprepare(WAVEHDR* header)
{
    if (!header)
        return MMSYSERR_INVALPARAM;
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags &= ~WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveDevice::enqueue(WAVEHDR* header)
{
    if (!header || (!header->lpData && header->dwBufferLength > 0))
        return MMSYSERR_INVALPARAM;
    if (!(header->dwFlags & WHDR_PREPARED))
        return WAVERR_UNPREPARED;
    if (header->dwFlags & WHDR_INQUEUE)
        return WAVERR_STILLPLAYING;
    header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
    m_queue.push_back(header);
    return MMSYSERR_NOERROR;
}

void SimWaveDevice::completeFront(quint32 message)
{
    WAVEHDR* header = m_queue.front();
    m_queue.pop_front();
    header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    post(message, header);
}

void SimWaveDevice::post(quint32 message, WAVEHDR* header)
{
    if (m_sink)
        QCoreApplication::postEvent(m_sink, makeEvent(message, header, m_instance));
}

void SimWaveDevice::wakeAt(qint64 bytes)
{
    m_timer.start(m_clock.msUntil(bytes));
}

} // namespace platform::wave
