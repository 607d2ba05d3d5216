#pragma once

#include "platform/wave/ByteRateClock.h"
#include "platform/wave/WaveFormat.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>

class QEvent;

namespace platform::wave {

struct SimWaveDeviceConfig {
    QString name;
    // The PCM formats the device takes; any other is refused with WAVERR_BADFORMAT.
    QList<WAVEFORMATEX> formats = telephoneFormats();

    // What a telephone line's audio channel carries: PCM 8000 Hz mono, 16 and 8 bit.
    static QList<WAVEFORMATEX> telephoneFormats();
};

// What the simulated output and input devices share: configuration, the open
// state, the buffer queue with its header rules, the byte-rate clock with the
// timer that wakes the device when the next buffer is due, and the posting of
// notifications to the callback object.
class SimWaveDevice : public QObject {
    Q_OBJECT
public:
    ~SimWaveDevice() override;

    const QString& name() const { return m_config.name; }
    const QList<WAVEFORMATEX>& formats() const { return m_config.formats; }
    bool supports(const WAVEFORMATEX& format) const;
    // WAVE_FORMAT_* bits and the largest channel count, for the capabilities.
    quint32 capsFormats() const;
    quint16 capsChannels() const;

    bool isOpen() const { return m_handle != 0; }
    quint32 rawHandle() const { return m_handle; }
    // The format of the current (or last) opening.
    const WAVEFORMATEX& format() const { return m_format; }
    int queuedBuffers() const { return int(m_queue.size()); }
    // How many times the device has been opened.
    int openCount() const { return m_openCount; }

    MMRESULT prepare(WAVEHDR* header);
    MMRESULT unprepare(WAVEHDR* header);

protected:
    SimWaveDevice(SimWaveDeviceConfig config, quint32 openMessage, quint32 closeMessage);

    void openAs(quint32 handle, const WAVEFORMATEX& format, QObject* sink, quintptr instance);
    MMRESULT closeDevice();
    // Checks and queues a buffer (WHDR_INQUEUE set, WHDR_DONE cleared).
    MMRESULT enqueue(WAVEHDR* header);
    // Takes the first queued buffer off the queue as done and notifies.
    void completeFront(quint32 message);
    void post(quint32 message, WAVEHDR* header);
    // Wakes the device when `bytes` (counted from the clock's start) are due.
    void wakeAt(qint64 bytes);

    // Moves the stream forward to the clock's present; called by the timer.
    virtual void advance() = 0;
    virtual QEvent* makeEvent(quint32 message, WAVEHDR* header, quintptr instance) const = 0;

    std::deque<WAVEHDR*> m_queue;
    ByteRateClock m_clock;
    qint64 m_consumed = 0; // bytes moved since the clock's start
    QTimer m_timer;

private:
    SimWaveDeviceConfig m_config;
    quint32 m_openMessage;
    quint32 m_closeMessage;
    quint32 m_handle = 0;
    WAVEFORMATEX m_format;
    QPointer<QObject> m_sink;
    quintptr m_instance = 0;
    int m_openCount = 0;
};

} // namespace platform::wave
