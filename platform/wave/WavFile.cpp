#include "platform/wave/WavFile.h"

#include "platform/wave/Mmio.h"

#include <QFile>

#include <limits>

namespace platform::wave {

MMRESULT WavFile::read(const QString& path, WavFile* out)
{
    if (!out)
        return MMSYSERR_INVALPARAM;
    MMIOINFO info;
    HMMIO file = mmioOpen(path, &info, MMIO_READ);
    if (!file)
        return info.wErrorRet;

    auto fail = [&](MMRESULT code) {
        mmioClose(file);
        return code;
    };
    MMCKINFO riff;
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (MMRESULT r = mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF))
        return fail(r);
    MMCKINFO fmt;
    fmt.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (MMRESULT r = mmioDescend(file, &fmt, &riff, MMIO_FINDCHUNK))
        return fail(r);
    if (fmt.cksize < 16)
        return fail(MMIOERR_CANNOTREAD);
    char raw[WAVEFORMATEX::kSize] = {};
    const qint32 want = qint32(std::min<quint32>(fmt.cksize, WAVEFORMATEX::kSize));
    if (mmioRead(file, raw, want) != want)
        return fail(MMIOERR_CANNOTREAD);
    if (MMRESULT r = mmioAscend(file, &fmt))
        return fail(r);
    MMCKINFO data;
    data.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (MMRESULT r = mmioDescend(file, &data, &riff, MMIO_FINDCHUNK))
        return fail(r);
    if (data.cksize > quint32(std::numeric_limits<qint32>::max()))
        return fail(MMIOERR_OUTOFMEMORY);
    QByteArray samples(qsizetype(data.cksize), Qt::Uninitialized);
    if (mmioRead(file, samples.data(), qint32(data.cksize)) != qint32(data.cksize))
        return fail(MMIOERR_CANNOTREAD);
    mmioClose(file);
    out->format = WAVEFORMATEX::fromBytes(raw, want);
    out->data = samples;
    return MMSYSERR_NOERROR;
}

MMRESULT WavFile::write(const QString& path) const
{
    MMIOINFO info;
    HMMIO file = mmioOpen(path, &info, MMIO_CREATE | MMIO_WRITE);
    if (!file)
        return info.wErrorRet;
    auto fail = [&](MMRESULT code) {
        mmioClose(file);
        QFile::remove(path);
        return code;
    };
    if (data.size() > std::numeric_limits<qint32>::max() - 64)
        return fail(MMIOERR_CANNOTWRITE);

    MMCKINFO riff;
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    if (MMRESULT r = mmioCreateChunk(file, &riff, MMIO_CREATERIFF))
        return fail(r);
    MMCKINFO fmt;
    fmt.ckid = mmioFOURCC('f', 'm', 't', ' ');
    fmt.cksize = WAVEFORMATEX::kSize;
    if (MMRESULT r = mmioCreateChunk(file, &fmt, 0))
        return fail(r);
    const QByteArray raw = format.toBytes();
    if (mmioWrite(file, raw.constData(), qint32(raw.size())) != raw.size())
        return fail(MMIOERR_CANNOTWRITE);
    if (MMRESULT r = mmioAscend(file, &fmt))
        return fail(r);
    MMCKINFO chunk;
    chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (MMRESULT r = mmioCreateChunk(file, &chunk, 0))
        return fail(r);
    if (mmioWrite(file, data.constData(), qint32(data.size())) != data.size())
        return fail(MMIOERR_CANNOTWRITE);
    if (MMRESULT r = mmioAscend(file, &chunk))
        return fail(r);
    if (MMRESULT r = mmioAscend(file, &riff))
        return fail(r);
    if (MMRESULT r = mmioClose(file)) {
        QFile::remove(path);
        return r;
    }
    return MMSYSERR_NOERROR;
}

} // namespace platform::wave
