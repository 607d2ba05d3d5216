#include "platform/wave/Mmio.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstdio>
#include <limits>

namespace platform::wave {

// RIFF sizes and offsets are 32-bit; nothing in a RIFF file lies beyond this.
static constexpr qint64 kRiffLimit = std::numeric_limits<quint32>::max();

class MmioFile {
public:
    MmioFile(const QString& name, bool canRead, bool canWrite)
        : file(name), readable(canRead), writable(canWrite)
    {
    }
    QFile file;
    // The caller's access; the file itself may be open for more (Qt truncates a
    // file opened write-only, so MMIO_WRITE opens it for reading and writing).
    bool readable;
    bool writable;
};

namespace {

bool readExactly(QFile& file, qint64 pos, char* out, qint64 count)
{
    return file.seek(pos) && file.read(out, count) == count;
}

bool writeExactly(QFile& file, const char* data, qint64 count)
{
    return file.write(data, count) == count;
}

quint32 le32(const char* raw)
{
    return qFromLittleEndian<quint32>(raw);
}

} // namespace

HMMIO mmioOpen(const QString& fileName, MMIOINFO* info, quint32 flags)
{
    MMIOINFO scratch;
    MMIOINFO& result = info ? *info : scratch;
    result.wErrorRet = MMSYSERR_NOERROR;
    result.hmmio = nullptr;

    constexpr quint32 shareMask = 0x70;
    constexpr quint32 known = MMIO_WRITE | MMIO_READWRITE | shareMask | MMIO_CREATE | MMIO_ALLOCBUF;
    const quint32 access = flags & (MMIO_WRITE | MMIO_READWRITE);
    if ((flags & ~known) != 0 || access == (MMIO_WRITE | MMIO_READWRITE) || fileName.isEmpty()) {
        result.wErrorRet = fileName.isEmpty() ? MMIOERR_FILENOTFOUND : MMSYSERR_INVALFLAG;
        return nullptr;
    }

    const QFileInfo fi(fileName);
    const bool create = flags & MMIO_CREATE;
    if (!create && !fi.exists()) {
        result.wErrorRet = MMIOERR_FILENOTFOUND;
        return nullptr;
    }
    if (fi.isDir()) {
        result.wErrorRet = MMIOERR_CANNOTOPEN;
        return nullptr;
    }

    const bool readable = access != MMIO_WRITE;
    const bool writable = access != MMIO_READ;
    QIODevice::OpenMode mode = QIODevice::Unbuffered;
    mode |= writable ? QIODevice::ReadWrite : QIODevice::ReadOnly;
    if (create) {
        if (writable) {
            mode |= QIODevice::Truncate;
        } else {
            // Creating needs write access even when the caller only reads afterwards.
            QFile maker(fileName);
            if (!maker.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                result.wErrorRet = MMIOERR_CANNOTOPEN;
                return nullptr;
            }
        }
    }

    auto* handle = new MmioFile(fileName, readable, writable);
    if (!handle->file.open(mode)) {
        delete handle;
        result.wErrorRet = MMIOERR_CANNOTOPEN;
        return nullptr;
    }
    result.hmmio = handle;
    return handle;
}

MMRESULT mmioClose(HMMIO file, quint32 /*flags*/)
{
    if (!file)
        return MMSYSERR_INVALHANDLE;
    file->file.unsetError();
    const bool flushed = !file->writable || file->file.flush();
    file->file.close();
    const bool ok = flushed && file->file.error() == QFileDevice::NoError;
    delete file;
    return ok ? MMSYSERR_NOERROR : MMIOERR_CANNOTWRITE;
}

qint32 mmioRead(HMMIO file, char* buffer, qint32 count)
{
    if (!file || count < 0 || (count > 0 && !buffer) || !file->readable)
        return -1;
    if (count == 0)
        return 0;
    const qint64 got = file->file.read(buffer, count);
    return got < 0 ? -1 : qint32(got);
}

qint32 mmioWrite(HMMIO file, const char* buffer, qint32 count)
{
    if (!file || count < 0 || (count > 0 && !buffer) || !file->writable)
        return -1;
    if (file->file.pos() + count > kRiffLimit)
        return -1;
    if (count == 0)
        return 0;
    const qint64 put = file->file.write(buffer, count);
    return put < 0 ? -1 : qint32(put);
}

qint32 mmioSeek(HMMIO file, qint32 offset, int origin)
{
    if (!file)
        return -1;
    qint64 base = 0;
    switch (origin) {
    case SEEK_SET:
        base = 0;
        break;
    case SEEK_CUR:
        base = file->file.pos();
        break;
    case SEEK_END:
        base = file->file.size();
        break;
    default:
        return -1;
    }
    const qint64 target = base + offset;
    if (target < 0 || target > std::numeric_limits<qint32>::max() || !file->file.seek(target))
        return -1;
    return qint32(target);
}

MMRESULT mmioDescend(HMMIO file, MMCKINFO* ck, const MMCKINFO* parent, quint32 flags)
{
    if (!file)
        return MMSYSERR_INVALHANDLE;
    if (!ck)
        return MMSYSERR_INVALPARAM;
    const quint32 find = flags & (MMIO_FINDCHUNK | MMIO_FINDRIFF | MMIO_FINDLIST);
    if (flags != find ||
        (find != 0 && find != MMIO_FINDCHUNK && find != MMIO_FINDRIFF && find != MMIO_FINDLIST))
        return MMSYSERR_INVALFLAG;
    QFile& f = file->file;
    if (!file->readable)
        return MMIOERR_CANNOTREAD;

    qint64 limit = std::min(f.size(), kRiffLimit);
    if (parent)
        limit = std::min(limit, qint64(parent->dwDataOffset) + parent->cksize);
    const FOURCC wantId = find == MMIO_FINDRIFF   ? FOURCC_RIFF
                          : find == MMIO_FINDLIST ? FOURCC_LIST
                                                  : ck->ckid;
    const FOURCC wantType = ck->fccType;

    qint64 pos = f.pos();
    for (;;) {
        // A header that does not fit is no chunk at all: the list simply ends.
        if (pos + 8 > limit)
            return MMIOERR_CHUNKNOTFOUND;
        char header[8];
        if (!readExactly(f, pos, header, 8))
            return MMIOERR_CANNOTREAD;
        const FOURCC id = le32(header);
        const quint32 size = le32(header + 4);
        const qint64 dataOffset = pos + 8;
        const qint64 end = dataOffset + qint64(size);
        const bool isList = id == FOURCC_RIFF || id == FOURCC_LIST;
        const bool idMatches = find == 0 || id == wantId;
        // A chunk in the way that claims more than there is ends the search; the
        // chunk looked for claiming more than there is means a truncated file.
        if (end > limit)
            return idMatches ? MMIOERR_CANNOTREAD : MMIOERR_CHUNKNOTFOUND;
        if (idMatches) {
            FOURCC type = 0;
            if (isList) {
                char raw[4];
                if (size < 4 || !readExactly(f, dataOffset, raw, 4))
                    return MMIOERR_CANNOTREAD;
                type = le32(raw);
            }
            if (find == MMIO_FINDCHUNK || find == 0 || type == wantType) {
                ck->ckid = id;
                ck->cksize = size;
                ck->fccType = type;
                ck->dwDataOffset = quint32(dataOffset);
                ck->dwFlags = 0;
                if (!f.seek(isList ? dataOffset + 4 : dataOffset))
                    return MMIOERR_CANNOTSEEK;
                return MMSYSERR_NOERROR;
            }
        }
        pos = end + (size & 1);
    }
}

MMRESULT mmioAscend(HMMIO file, MMCKINFO* ck, quint32 flags)
{
    if (!file)
        return MMSYSERR_INVALHANDLE;
    if (!ck)
        return MMSYSERR_INVALPARAM;
    if (flags != 0)
        return MMSYSERR_INVALFLAG;
    QFile& f = file->file;
    qint64 end = 0;
    if (ck->dwFlags & MMIO_DIRTY) {
        const qint64 pos = f.pos();
        if (pos < qint64(ck->dwDataOffset) || ck->dwDataOffset < 8)
            return MMIOERR_CANNOTSEEK;
        const qint64 size = pos - ck->dwDataOffset;
        if (size > kRiffLimit || !file->writable)
            return MMIOERR_CANNOTWRITE;
        if (quint32(size) != ck->cksize) {
            char raw[4];
            qToLittleEndian<quint32>(quint32(size), raw);
            if (!f.seek(ck->dwDataOffset - 4))
                return MMIOERR_CANNOTSEEK;
            if (!writeExactly(f, raw, 4))
                return MMIOERR_CANNOTWRITE;
            if (!f.seek(pos))
                return MMIOERR_CANNOTSEEK;
        }
        ck->cksize = quint32(size);
        ck->dwFlags &= ~MMIO_DIRTY;
        if (size & 1) {
            const char pad = 0;
            if (!writeExactly(f, &pad, 1))
                return MMIOERR_CANNOTWRITE;
        }
        end = pos + (size & 1);
    } else {
        end = qint64(ck->dwDataOffset) + ck->cksize + (ck->cksize & 1);
    }
    if (!f.seek(end))
        return MMIOERR_CANNOTSEEK;
    return MMSYSERR_NOERROR;
}

MMRESULT mmioCreateChunk(HMMIO file, MMCKINFO* ck, quint32 flags)
{
    if (!file)
        return MMSYSERR_INVALHANDLE;
    if (!ck)
        return MMSYSERR_INVALPARAM;
    if (flags != 0 && flags != MMIO_CREATERIFF && flags != MMIO_CREATELIST)
        return MMSYSERR_INVALFLAG;
    QFile& f = file->file;
    const qint64 pos = f.pos();
    const bool isList = flags != 0;
    const qint64 headerSize = isList ? 12 : 8;
    if (!file->writable || pos + headerSize > kRiffLimit)
        return MMIOERR_CANNOTWRITE;

    const FOURCC id = flags == MMIO_CREATERIFF   ? FOURCC_RIFF
                      : flags == MMIO_CREATELIST ? FOURCC_LIST
                                                 : ck->ckid;
    char header[12];
    qToLittleEndian<quint32>(id, header);
    qToLittleEndian<quint32>(ck->cksize, header + 4);
    qToLittleEndian<quint32>(ck->fccType, header + 8);
    if (!writeExactly(f, header, headerSize))
        return MMIOERR_CANNOTWRITE;
    ck->ckid = id;
    ck->dwDataOffset = quint32(pos + 8);
    ck->dwFlags = MMIO_DIRTY;
    return MMSYSERR_NOERROR;
}

FOURCC mmioStringToFOURCC(const char* text, quint32 flags)
{
    char c[4] = {' ', ' ', ' ', ' '};
    for (int i = 0; text && i < 4 && text[i] != '\0'; ++i) {
        char ch = text[i];
        if ((flags & MMIO_TOUPPER) && ch >= 'a' && ch <= 'z')
            ch = char(ch - 'a' + 'A');
        c[i] = ch;
    }
    return mmioFOURCC(c[0], c[1], c[2], c[3]);
}

} // namespace platform::wave
