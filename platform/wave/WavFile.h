#pragma once

#include "platform/wave/WaveFormat.h"

#include <QByteArray>
#include <QString>

namespace platform::wave {

// A whole RIFF/WAVE file in memory: the format of its "fmt " chunk and the
// contents of its "data" chunk. Read and written with the RIFF file functions.
struct WavFile {
    WAVEFORMATEX format;
    QByteArray data;

    // MMSYSERR_NOERROR, or the code of the step that failed: MMIOERR_FILENOTFOUND,
    // MMIOERR_CHUNKNOTFOUND (not RIFF/WAVE, no "fmt " or "data"), MMIOERR_CANNOTREAD
    // (truncated, sizes beyond the file, a "fmt " chunk under 16 bytes).
    static MMRESULT read(const QString& path, WavFile* out);

    // Writes "RIFF" form "WAVE" with an 18-byte "fmt " chunk and a "data" chunk.
    // A file that could not be written completely is removed.
    MMRESULT write(const QString& path) const;
};

} // namespace platform::wave
