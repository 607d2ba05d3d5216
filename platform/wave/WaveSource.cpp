#include "platform/wave/WaveSource.h"

#include "platform/wave/WavFile.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace platform::wave {

char silenceByte(const WAVEFORMATEX& format)
{
    return format.wFormatTag == WAVE_FORMAT_PCM && format.wBitsPerSample == 8 ? char(0x80) : 0;
}

namespace {

class SilenceSource final : public WaveSource {
public:
    void render(char* out, qint64, qint64 count, const WAVEFORMATEX& format) const override
    {
        std::memset(out, silenceByte(format), size_t(count));
    }
};

class ToneSource final : public WaveSource {
public:
    ToneSource(double frequency, double amplitude)
        : m_frequency(frequency), m_amplitude(std::clamp(amplitude, 0.0, 1.0))
    {
    }

    void render(char* out, qint64 position, qint64 count, const WAVEFORMATEX& f) const override
    {
        const int bytes = f.wBitsPerSample / 8;
        if (!isConsistentPcm(f) || (bytes != 1 && bytes != 2)) {
            std::memset(out, silenceByte(f), size_t(count));
            return;
        }
        // Render whole frames around the requested range, then copy the range.
        const qint64 align = f.nBlockAlign;
        const qint64 firstFrame = position / align;
        const qint64 endFrame = (position + count + align - 1) / align;
        QByteArray frames((endFrame - firstFrame) * align, Qt::Uninitialized);
        auto* raw = reinterpret_cast<uchar*>(frames.data());
        for (qint64 n = firstFrame; n < endFrame; ++n) {
            // The phase from integer sample numbers keeps the wave exactly periodic.
            const double phase = std::fmod(double(n) * m_frequency, double(f.nSamplesPerSec)) /
                                 double(f.nSamplesPerSec);
            const double s = m_amplitude * std::sin(2 * std::numbers::pi * phase);
            for (int ch = 0; ch < f.nChannels; ++ch) {
                uchar* at = raw + (n - firstFrame) * align + ch * bytes;
                if (bytes == 2)
                    qToLittleEndian<qint16>(qint16(std::lround(s * 32767)), at);
                else
                    *at = uchar(128 + std::lround(s * 127));
            }
        }
        std::memcpy(out, frames.constData() + (position - firstFrame * align), size_t(count));
    }

private:
    double m_frequency;
    double m_amplitude;
};

class SampleSource final : public WaveSource {
public:
    SampleSource(const WAVEFORMATEX& format, QByteArray data, bool loop)
        : m_format(format), m_data(std::move(data)), m_loop(loop)
    {
    }

    void render(char* out, qint64 position, qint64 count, const WAVEFORMATEX& f) const override
    {
        const bool sameFormat =
            f.wFormatTag == m_format.wFormatTag && f.nChannels == m_format.nChannels &&
            f.nSamplesPerSec == m_format.nSamplesPerSec &&
            f.wBitsPerSample == m_format.wBitsPerSample && f.nBlockAlign == m_format.nBlockAlign;
        const qint64 size = m_data.size();
        qint64 done = 0;
        while (done < count) {
            qint64 at = position + done;
            if (sameFormat && size > 0 && m_loop)
                at %= size;
            if (!sameFormat || at >= size) {
                std::memset(out + done, silenceByte(f), size_t(count - done));
                return;
            }
            const qint64 n = std::min(count - done, size - at);
            std::memcpy(out + done, m_data.constData() + at, size_t(n));
            done += n;
        }
    }

private:
    WAVEFORMATEX m_format;
    QByteArray m_data;
    bool m_loop;
};

} // namespace

std::shared_ptr<const WaveSource> WaveSource::silence()
{
    return std::make_shared<SilenceSource>();
}

std::shared_ptr<const WaveSource> WaveSource::tone(double frequency, double amplitude)
{
    return std::make_shared<ToneSource>(frequency, amplitude);
}

std::shared_ptr<const WaveSource> WaveSource::samples(const WAVEFORMATEX& format, QByteArray data,
                                                      bool loop)
{
    return std::make_shared<SampleSource>(format, std::move(data), loop);
}

std::shared_ptr<const WaveSource> WaveSource::fromWavFile(const QString& path, MMRESULT* error,
                                                          bool loop)
{
    WavFile file;
    const MMRESULT r = WavFile::read(path, &file);
    if (error)
        *error = r;
    if (r != MMSYSERR_NOERROR)
        return nullptr;
    return samples(file.format, std::move(file.data), loop);
}

} // namespace platform::wave
