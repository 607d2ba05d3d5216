#pragma once

#include <QString>

class LintaroPrivate;

// Playing a wave file into a connected call through the wave output device
// the line names: OnWavePlayStart through the relay lblWavePlStart,
// OnWavePlayDone from the playback timer. The line code stops playback when
// the line is closed or shut down and when a call becomes idle.
class WavePlayback {
public:
    explicit WavePlayback(LintaroPrivate& d) : d(d) {}

    void WavePlayStart(const QString& CFileName);
    void WavePlayStop();

    // Wave output counts as active while its device handle is set.
    bool outputActive() const;
    // The output device handle (0 = none), for the log.
    quint32 outputHandle() const;
    // Stops an active playback; the timer then raises OnWavePlayDone.
    void StopWaveOut();
    // Lets go of the playback timer (shutdownControl and destruction).
    void releaseTimer();

private:
    LintaroPrivate& d;
};
