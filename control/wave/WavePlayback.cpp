// Wave playback. Not built yet: until it is, no device is ever opened, so
// wave output is never active and the methods do nothing.
#include "control/wave/WavePlayback.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"

// --- The control's methods --------------------------------------------------------

void Lintaro::WavePlayStop()
{
    d->playback.WavePlayStop();
}

void Lintaro::WavePlayStart(const QString& CFileName)
{
    d->playback.WavePlayStart(CFileName);
}

// --- Playback (not built yet) --------------------------------------------------------

void WavePlayback::WavePlayStart(const QString&) {}

void WavePlayback::WavePlayStop() {}

bool WavePlayback::outputActive() const
{
    return false;
}

quint32 WavePlayback::outputHandle() const
{
    return 0;
}

void WavePlayback::StopWaveOut() {}

void WavePlayback::releaseTimer() {}
