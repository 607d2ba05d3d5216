#pragma once

#include "platform/wave/WaveMessageEvent.h"

#include <QObject>

namespace platform::wave {

// A callback object for CALLBACK_WINDOW that turns each posted device
// notification into the signal waveMessage, emitted from the event loop.
class WaveNotifySink final : public QObject {
    Q_OBJECT
public:
    explicit WaveNotifySink(QObject* parent = nullptr);

signals:
    // device is the raw handle value (HWAVEOUT or HWAVEIN, by message).
    void waveMessage(quint32 message, quint32 device, platform::wave::WAVEHDR* header);

protected:
    bool event(QEvent* e) override;
};

} // namespace platform::wave
