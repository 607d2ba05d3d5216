#pragma once

#include <QString>

#include <optional>

class LintaroPrivate;

// The wave device (deviceClass "wave/out" or "wave/in") that the open line
// names, or failing that the current call. Only the lowest byte of the ID is
// taken. When neither names one, the telephony error is reported from
// "getWaveID" and the result is empty.
std::optional<quint8> lineWaveDeviceId(LintaroPrivate& d, const char* deviceClass);

// Bytes of one block of `seconds` of the format: rate x block align x
// channels x seconds, rounded to the nearest integer (halves to even), then
// lowered to a whole number of blocks. 0 when the format gives no usable
// block (no block align, nothing, or more than a sane buffer holds), which
// only a malformed file can ask for.
quint32 waveBlockBytes(quint32 samplesPerSec, quint16 blockAlign, quint16 channels, double seconds);
