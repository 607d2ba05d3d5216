#include "platform/wave/WaveFormat.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace platform::wave {

WAVEFORMATEX WAVEFORMATEX::fromBytes(const char* data, qsizetype size)
{
    uchar raw[kSize] = {};
    if (data && size > 0)
        std::memcpy(raw, data, size_t(std::min<qsizetype>(size, kSize)));
    WAVEFORMATEX f;
    f.wFormatTag = qFromLittleEndian<quint16>(raw + 0);
    f.nChannels = qFromLittleEndian<quint16>(raw + 2);
    f.nSamplesPerSec = qFromLittleEndian<quint32>(raw + 4);
    f.nAvgBytesPerSec = qFromLittleEndian<quint32>(raw + 8);
    f.nBlockAlign = qFromLittleEndian<quint16>(raw + 12);
    f.wBitsPerSample = qFromLittleEndian<quint16>(raw + 14);
    f.cbSize = qFromLittleEndian<quint16>(raw + 16);
    return f;
}

QByteArray WAVEFORMATEX::toBytes() const
{
    QByteArray out(kSize, '\0');
    auto* raw = reinterpret_cast<uchar*>(out.data());
    qToLittleEndian<quint16>(wFormatTag, raw + 0);
    qToLittleEndian<quint16>(nChannels, raw + 2);
    qToLittleEndian<quint32>(nSamplesPerSec, raw + 4);
    qToLittleEndian<quint32>(nAvgBytesPerSec, raw + 8);
    qToLittleEndian<quint16>(nBlockAlign, raw + 12);
    qToLittleEndian<quint16>(wBitsPerSample, raw + 14);
    qToLittleEndian<quint16>(cbSize, raw + 16);
    return out;
}

WAVEFORMATEX makePcmFormat(quint32 samplesPerSec, quint16 bitsPerSample, quint16 channels)
{
    WAVEFORMATEX f;
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = channels;
    f.nSamplesPerSec = samplesPerSec;
    f.wBitsPerSample = bitsPerSample;
    f.nBlockAlign = quint16(channels * ((bitsPerSample + 7) / 8));
    f.nAvgBytesPerSec = samplesPerSec * f.nBlockAlign;
    f.cbSize = 0;
    return f;
}

bool isConsistentPcm(const WAVEFORMATEX& f)
{
    if (f.wFormatTag != WAVE_FORMAT_PCM || f.nChannels == 0 || f.nSamplesPerSec == 0 ||
        f.wBitsPerSample == 0 || f.wBitsPerSample % 8 != 0)
        return false;
    const quint64 blockAlign = quint64(f.nChannels) * (f.wBitsPerSample / 8);
    return f.nBlockAlign == blockAlign &&
           quint64(f.nAvgBytesPerSec) == quint64(f.nSamplesPerSec) * blockAlign;
}

QString describeFormat(const WAVEFORMATEX& f)
{
    const QString tag = f.wFormatTag == WAVE_FORMAT_PCM
                            ? QStringLiteral("PCM")
                            : QStringLiteral("tag %1").arg(f.wFormatTag);
    return QStringLiteral("%1 %2 Hz %3 bit %4 ch")
        .arg(tag)
        .arg(f.nSamplesPerSec)
        .arg(f.wBitsPerSample)
        .arg(f.nChannels);
}

} // namespace platform::wave
