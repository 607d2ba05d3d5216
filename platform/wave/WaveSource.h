#pragma once

#include "platform/wave/WaveFormat.h"

#include <QByteArray>

#include <memory>

namespace platform::wave {

// What a simulated input device hears: a signal rendered on demand at any byte
// position of the stream, in the format the device was opened with.
class WaveSource {
public:
    virtual ~WaveSource() = default;

    // Writes `count` bytes of the stream that starts at byte 0, from `position`.
    virtual void render(char* out, qint64 position, qint64 count,
                        const WAVEFORMATEX& format) const = 0;

    static std::shared_ptr<const WaveSource> silence();
    // A sine of the given frequency (Hz) and amplitude (0..1 of full scale) in
    // every channel, for 8- and 16-bit PCM (other formats hear silence).
    static std::shared_ptr<const WaveSource> tone(double frequency, double amplitude = 0.5);
    // The bytes of data in their own format; after the end silence, or the data
    // again from its start with loop. A device opened with another format hears
    // silence (the sim does not convert).
    static std::shared_ptr<const WaveSource> samples(const WAVEFORMATEX& format, QByteArray data,
                                                     bool loop = false);
    // The samples of a WAV file; null, with the reason in *error, when the file
    // cannot be read.
    static std::shared_ptr<const WaveSource> fromWavFile(const QString& path, MMRESULT* error,
                                                         bool loop = false);
};

// The byte value of silence in a PCM format (0x80 for 8 bit, else 0).
char silenceByte(const WAVEFORMATEX& format);

} // namespace platform::wave
