#pragma once

#include <QString>
#include <QVariant>

class LintaroPrivate;

// Recording a connected call into a new wave file (PCM 8000 Hz, 16 bit, mono)
// from the wave input device the line names; OnWaveRecStart and
// OnWaveRecStop are raised directly. TapiLineDrop stops the input device
// before it drops the call; nothing else of the line stops a recording.
class WaveRecording {
public:
    explicit WaveRecording(LintaroPrivate& d) : d(d) {}

    void WaveRecStart(const QString& CFileName);
    // Always an empty variant.
    QVariant WaveRecStop();

    // The recording device counts as open once a recording has opened it.
    bool deviceOpen() const;
    // Stops the input device and finishes the file (used by TapiLineDrop).
    void StopWaveIn();
    // The control shuts down (shutdownControl, destruction) while a recording
    // may still run: the place to finish its file so that it is not left
    // without its chunk sizes.
    void controlShuttingDown();

private:
    LintaroPrivate& d;
};
