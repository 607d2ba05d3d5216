#include "platform/wave/SimWaveOutDevice.h"

#include "platform/wave/WaveMessageEvent.h"

namespace platform::wave {

SimWaveOutDevice::SimWaveOutDevice(SimWaveDeviceConfig config)
    : SimWaveDevice(std::move(config), MM_WOM_OPEN, MM_WOM_CLOSE)
{
}

QEvent* SimWaveOutDevice::makeEvent(quint32 message, WAVEHDR* header, quintptr instance) const
{
    return new WaveMessageEvent(message, HWAVEOUT(rawHandle()), header, instance);
}

MMRESULT SimWaveOutDevice::open(quint32 handle, const WAVEFORMATEX& format, QObject* sink,
                                quintptr instance)
{
    if (isOpen())
        return MMSYSERR_ALLOCATED;
    m_headOffset = 0;
    openAs(handle, format, sink, instance);
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveOutDevice::write(WAVEHDR* header)
{
    const MMRESULT r = enqueue(header);
    if (r != MMSYSERR_NOERROR)
        return r;
    if (!m_clock.isRunning()) {
        m_clock.start(format().nAvgBytesPerSec);
        m_consumed = 0;
    }
    schedule();
    return MMSYSERR_NOERROR;
}

void SimWaveOutDevice::advance()
{
    if (!m_clock.isRunning())
        return;
    qint64 due = m_clock.bytesElapsed() - m_consumed;
    while (!m_queue.empty()) {
        WAVEHDR* head = m_queue.front();
        const qint64 take = std::min<qint64>(head->dwBufferLength - m_headOffset, due);
        if (take > 0) {
            m_played.append(head->lpData + m_headOffset, take);
            m_headOffset += take;
            m_consumed += take;
            due -= take;
        }
        if (m_headOffset < head->dwBufferLength)
            break;
        m_headOffset = 0;
        completeFront(MM_WOM_DONE);
    }
    if (m_queue.empty())
        m_clock.stop();
    schedule();
}

void SimWaveOutDevice::schedule()
{
    if (m_queue.empty()) {
        m_timer.stop();
        return;
    }
    wakeAt(m_consumed + (m_queue.front()->dwBufferLength - m_headOffset));
}

MMRESULT SimWaveOutDevice::reset()
{
    advance();
    m_timer.stop();
    m_clock.stop();
    m_headOffset = 0;
    while (!m_queue.empty())
        completeFront(MM_WOM_DONE);
    return MMSYSERR_NOERROR;
}

MMRESULT SimWaveOutDevice::close()
{
    return closeDevice();
}

} // namespace platform::wave
