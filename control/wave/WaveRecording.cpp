// Wave recording. Not built yet: until it is, no device is ever opened and the
// methods do nothing.
#include "control/wave/WaveRecording.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"

// --- The control's methods --------------------------------------------------------

void Lintaro::WaveRecStart(const QString& CFileName)
{
    d->recording.WaveRecStart(CFileName);
}

QVariant Lintaro::WaveRecStop()
{
    return d->recording.WaveRecStop();
}

// --- Recording (not built yet) -------------------------------------------------------

void WaveRecording::WaveRecStart(const QString&) {}

QVariant WaveRecording::WaveRecStop()
{
    return QVariant();
}

bool WaveRecording::deviceOpen() const
{
    return false;
}

void WaveRecording::StopWaveIn() {}

void WaveRecording::controlShuttingDown() {}
