#pragma once

// The RIFF file functions: unbuffered file access with chunk navigation, over
// real files. Results are MMIOERR_* / MMSYSERR_* codes; the file functions that
// transfer bytes return a count or -1.
//
// Robustness: nothing is entered or skipped unless its header lies wholly inside
// the file (and inside the parent chunk, when one is given). The chunk looked for
// whose declared size runs past the file or its parent gives MMIOERR_CANNOTREAD
// (a truncated file); any other chunk that does so ends the search with
// MMIOERR_CHUNKNOTFOUND. So callers never stream beyond the data that exists.

#include "platform/wave/MmSystem.h"

#include <QString>

namespace platform::wave {

class MmioFile; // opaque, owned by the handle until mmioClose
using HMMIO = MmioFile*;

struct MMIOINFO {
    quint32 dwFlags = 0;
    FOURCC fccIOProc = 0;
    // Why mmioOpen failed (MMIOERR_FILENOTFOUND, MMIOERR_CANNOTOPEN, MMSYSERR_INVALFLAG).
    MMRESULT wErrorRet = 0;
    HMMIO hmmio = nullptr;
};

struct MMCKINFO {
    FOURCC ckid = 0;
    quint32 cksize = 0;
    FOURCC fccType = 0; // form type of "RIFF" and "LIST" chunks
    quint32 dwDataOffset = 0;
    quint32 dwFlags = 0; // MMIO_DIRTY while a created chunk's size may need writing
};

// Opens a file. flags: MMIO_READ, MMIO_WRITE or MMIO_READWRITE, optionally
// MMIO_CREATE (create or truncate); the sharing flags and MMIO_ALLOCBUF are
// accepted and have no effect. Returns nullptr on failure with the reason in
// info->wErrorRet (info may be null).
HMMIO mmioOpen(const QString& fileName, MMIOINFO* info, quint32 flags);

// Closes the file and frees the handle (also when the result is an error).
MMRESULT mmioClose(HMMIO file, quint32 flags = 0);

// Bytes read (0 at the end of the file) or -1.
qint32 mmioRead(HMMIO file, char* buffer, qint32 count);
// Bytes written or -1 (also when the file would outgrow what RIFF sizes can hold).
qint32 mmioWrite(HMMIO file, const char* buffer, qint32 count);
// origin: SEEK_SET, SEEK_CUR or SEEK_END. The new position or -1.
qint32 mmioSeek(HMMIO file, qint32 offset, int origin);

// Enters a chunk. flags 0: the chunk at the current position; MMIO_FINDCHUNK:
// the next chunk with ck->ckid; MMIO_FINDRIFF / MMIO_FINDLIST: the next "RIFF" /
// "LIST" chunk with form type ck->fccType. The search stays inside parent when
// given. On success ck describes the chunk and the position is at its data (after
// the form type for "RIFF" and "LIST").
MMRESULT mmioDescend(HMMIO file, MMCKINFO* ck, const MMCKINFO* parent, quint32 flags);

// Leaves a chunk: for a created (dirty) chunk the size becomes the current
// position minus its data offset and is written into its header when it
// changed, plus a pad byte for an odd size; then the position moves past the
// chunk (and its pad byte).
MMRESULT mmioAscend(HMMIO file, MMCKINFO* ck, quint32 flags = 0);

// Writes a chunk header at the current position. flags 0 (id ck->ckid),
// MMIO_CREATERIFF or MMIO_CREATELIST (form type ck->fccType). ck->cksize is
// written as given; the chunk is marked dirty for mmioAscend.
MMRESULT mmioCreateChunk(HMMIO file, MMCKINFO* ck, quint32 flags);

// The first four characters, blank-padded; MMIO_TOUPPER turns letters upper case.
FOURCC mmioStringToFOURCC(const char* text, quint32 flags = 0);

} // namespace platform::wave
