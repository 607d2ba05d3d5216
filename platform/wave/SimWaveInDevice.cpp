#include "platform/wave/SimWaveInDevice.h"

#include "platform/wave/WaveMessageEvent.h"

namespace platform::wave {

SimWaveInDevice::SimWaveInDevice(SimWaveDeviceConfig config)
    : SimWaveDevice(std::move(config), MM_WIM_OPEN, MM_WIM_CLOSE), m_source(WaveSource::silence())
{
}

QEvent* SimWaveInDevice::makeEvent(quint32 message, WAVEHDR* header, quintptr instance) const
{
    return new WaveMessageEvent(message, HWAVEIN(rawHandle()), header, instance);
}

void SimWaveInDevice::setSource(std::shared_ptr<const WaveSource> source)
{
    advance(); // what was due so far was heard from the old source
    m_source = source ? std::move(source) : WaveSource::silence();
}

MMRESULT SimWaveInDevice::open(quint32 handle, const WAVEFORMATEX& format, QObject* sink,
                               quintptr instance)
{
    if (isOpen())
        return MMSYSERR_ALLOCATED;
    m_started = false;
    m_sourcePosition = 0;
    openAs(handle, format, sink, instance);
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveInDevice::addBuffer(WAVEHDR* header)
{
    const MMRESULT r = enqueue(header);
    if (r != MMSYSERR_NOERROR)
        return r;
    header->dwBytesRecorded = 0;
    runClockIfNeeded();
    schedule();
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveInDevice::start()
{
    m_started = true;
    runClockIfNeeded();
    schedule();
    return MMSYSERR_NOERROR;
}

void SimWaveInDevice::runClockIfNeeded()
{
    if (m_started && !m_queue.empty() && !m_clock.isRunning()) {
        m_clock.start(format().nAvgBytesPerSec);
        m_consumed = 0;
    }
}

void SimWaveInDevice::advance()
{
    if (!m_started || !m_clock.isRunning())
        return;
    qint64 due = m_clock.bytesElapsed() - m_consumed;
    while (!m_queue.empty()) {
        WAVEHDR* head = m_queue.front();
        const qint64 take = std::min<qint64>(head->dwBufferLength - head->dwBytesRecorded, due);
        if (take > 0) {
            char* at = head->lpData + head->dwBytesRecorded;
            m_source->render(at, m_sourcePosition, take, format());
            m_captured.append(at, take);
            head->dwBytesRecorded += quint32(take);
            m_sourcePosition += take;
            m_consumed += take;
            due -= take;
        }
        if (head->dwBytesRecorded < head->dwBufferLength)
            break;
        completeFront(MM_WIM_DATA);
    }
    if (m_queue.empty())
        m_clock.stop();
    schedule();
}

void SimWaveInDevice::schedule()
{
    if (!m_started || m_queue.empty()) {
        m_timer.stop();
        return;
    }
    const WAVEHDR* head = m_queue.front();
    wakeAt(m_consumed + (head->dwBufferLength - head->dwBytesRecorded));
}

MMRESULT SimWaveInDevice::stop()
{
    advance();
    m_started = false;
    m_timer.stop();
    m_clock.stop();
    if (!m_queue.empty() && m_queue.front()->dwBytesRecorded > 0)
        completeFront(MM_WIM_DATA);
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveInDevice::reset()
{
    advance();
    m_started = false;
    m_timer.stop();
    m_clock.stop();
    while (!m_queue.empty())
        completeFront(MM_WIM_DATA);
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveInDevice::close()
{
    const MMRESULT r = closeDevice();
    if (r == MMSYSERR_NOERROR)
        m_started = false;
    return r;
}

} // namespace platform::wave
