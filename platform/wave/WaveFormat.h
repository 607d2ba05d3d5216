#pragma once

#include "platform/wave/MmSystem.h"

#include <QByteArray>
#include <QString>

namespace platform::wave {

// The format of a wave stream. In a file (the "fmt " chunk) and wherever a
// caller keeps it as raw bytes it is 18 little-endian bytes; fromBytes/toBytes
// convert, so the struct itself may keep its natural layout.
struct WAVEFORMATEX {
    static constexpr int kSize = 18;

    quint16 wFormatTag = 0;
    quint16 nChannels = 0;
    quint32 nSamplesPerSec = 0;
    quint32 nAvgBytesPerSec = 0;
    quint16 nBlockAlign = 0;
    quint16 wBitsPerSample = 0;
    quint16 cbSize = 0;

    // Reads the first min(size, 18) bytes; missing trailing fields stay 0 (a PCM
    // "fmt " chunk often has 16 bytes, without cbSize).
    static WAVEFORMATEX fromBytes(const char* data, qsizetype size = kSize);
    QByteArray toBytes() const;

    friend bool operator==(const WAVEFORMATEX&, const WAVEFORMATEX&) = default;
};

// A PCM format with consistent block align and byte rate.
WAVEFORMATEX makePcmFormat(quint32 samplesPerSec, quint16 bitsPerSample, quint16 channels);

// True for PCM whose block align and byte rate follow from channels, rate and bits
// (cbSize is ignored for PCM, as the devices ignore it).
bool isConsistentPcm(const WAVEFORMATEX& format);

// For messages and test output: "PCM 8000 Hz 16 bit 1 ch".
QString describeFormat(const WAVEFORMATEX& format);

// A buffer handed to a wave device. The caller owns the header and its data and
// keeps both alive and untouched from write/add until the device sets WHDR_DONE.
struct WAVEHDR {
    char* lpData = nullptr;
    quint32 dwBufferLength = 0;
    quint32 dwBytesRecorded = 0;
    quintptr dwUser = 0;
    quint32 dwFlags = 0;
    quint32 dwLoops = 0;
    WAVEHDR* lpNext = nullptr;
    quintptr reserved = 0;
};

struct WAVEOUTCAPS {
    quint16 wMid = 0;
    quint16 wPid = 0;
    quint32 vDriverVersion = 0;
    QString szPname;
    quint32 dwFormats = 0;
    quint16 wChannels = 0;
    quint32 dwSupport = 0;
};

struct WAVEINCAPS {
    quint16 wMid = 0;
    quint16 wPid = 0;
    quint32 vDriverVersion = 0;
    QString szPname;
    quint32 dwFormats = 0;
    quint16 wChannels = 0;
};

// Handles of open devices; the zero value means none.
enum class HWAVEOUT : quint32 {};
enum class HWAVEIN : quint32 {};

} // namespace platform::wave
