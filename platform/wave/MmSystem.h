#pragma once

// Result codes, flags and notification numbers of the wave devices and the RIFF
// file functions, at the values Windows publishes for them (callers compare and
// report these numbers, so they must not change).

#include <QtGlobal>

namespace platform::wave {

using MMRESULT = quint32;
using FOURCC = quint32;

// Four characters packed little-endian, first character in the lowest byte.
constexpr FOURCC mmioFOURCC(char a, char b, char c, char d)
{
    return quint32(quint8(a)) | quint32(quint8(b)) << 8 | quint32(quint8(c)) << 16 |
           quint32(quint8(d)) << 24;
}

// System results.
inline constexpr MMRESULT MMSYSERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_ERROR = 1;
inline constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
inline constexpr MMRESULT MMSYSERR_NOTENABLED = 3;
inline constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
inline constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
inline constexpr MMRESULT MMSYSERR_NODRIVER = 6;
inline constexpr MMRESULT MMSYSERR_NOMEM = 7;
inline constexpr MMRESULT MMSYSERR_NOTSUPPORTED = 8;
inline constexpr MMRESULT MMSYSERR_BADERRNUM = 9;
inline constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT MMSYSERR_HANDLEBUSY = 12;
inline constexpr MMRESULT MMSYSERR_INVALIDALIAS = 13;

// Wave device results.
inline constexpr MMRESULT WAVERR_BADFORMAT = 32;
inline constexpr MMRESULT WAVERR_STILLPLAYING = 33;
inline constexpr MMRESULT WAVERR_UNPREPARED = 34;
inline constexpr MMRESULT WAVERR_SYNC = 35;

// RIFF file results.
inline constexpr MMRESULT MMIOERR_FILENOTFOUND = 257;
inline constexpr MMRESULT MMIOERR_OUTOFMEMORY = 258;
inline constexpr MMRESULT MMIOERR_CANNOTOPEN = 259;
inline constexpr MMRESULT MMIOERR_CANNOTCLOSE = 260;
inline constexpr MMRESULT MMIOERR_CANNOTREAD = 261;
inline constexpr MMRESULT MMIOERR_CANNOTWRITE = 262;
inline constexpr MMRESULT MMIOERR_CANNOTSEEK = 263;
inline constexpr MMRESULT MMIOERR_CANNOTEXPAND = 264;
inline constexpr MMRESULT MMIOERR_CHUNKNOTFOUND = 265;
inline constexpr MMRESULT MMIOERR_UNBUFFERED = 266;
inline constexpr MMRESULT MMIOERR_PATHNOTFOUND = 267;
inline constexpr MMRESULT MMIOERR_ACCESSDENIED = 268;
inline constexpr MMRESULT MMIOERR_SHARINGVIOLATION = 269;
inline constexpr MMRESULT MMIOERR_NETWORKERROR = 270;
inline constexpr MMRESULT MMIOERR_TOOMANYOPENFILES = 271;
inline constexpr MMRESULT MMIOERR_INVALIDFILE = 272;

// Notifications of the devices (the message numbers of the notification events).
inline constexpr quint32 MM_WOM_OPEN = 0x3BB;
inline constexpr quint32 MM_WOM_CLOSE = 0x3BC;
inline constexpr quint32 MM_WOM_DONE = 0x3BD;
inline constexpr quint32 MM_WIM_OPEN = 0x3BE;
inline constexpr quint32 MM_WIM_CLOSE = 0x3BF;
inline constexpr quint32 MM_WIM_DATA = 0x3C0;

// Open flags of the wave devices.
inline constexpr quint32 CALLBACK_TYPEMASK = 0x00070000;
inline constexpr quint32 CALLBACK_NULL = 0x00000000;
inline constexpr quint32 CALLBACK_WINDOW = 0x00010000;
inline constexpr quint32 CALLBACK_THREAD = 0x00020000;
inline constexpr quint32 CALLBACK_FUNCTION = 0x00030000;
inline constexpr quint32 CALLBACK_EVENT = 0x00050000;
inline constexpr quint32 WAVE_FORMAT_QUERY = 0x0001;
inline constexpr quint32 WAVE_ALLOWSYNC = 0x0002;
inline constexpr quint32 WAVE_MAPPED = 0x0004;
inline constexpr quint32 WAVE_FORMAT_DIRECT = 0x0008;
inline constexpr quint32 WAVE_MAPPER = 0xFFFFFFFF;

inline constexpr quint16 WAVE_FORMAT_PCM = 1;

// Standard format bits of the device capabilities (rate in kHz, Mono/Stereo, bits).
inline constexpr quint32 WAVE_FORMAT_1M08 = 0x00000001;
inline constexpr quint32 WAVE_FORMAT_1S08 = 0x00000002;
inline constexpr quint32 WAVE_FORMAT_1M16 = 0x00000004;
inline constexpr quint32 WAVE_FORMAT_1S16 = 0x00000008;
inline constexpr quint32 WAVE_FORMAT_2M08 = 0x00000010;
inline constexpr quint32 WAVE_FORMAT_2S08 = 0x00000020;
inline constexpr quint32 WAVE_FORMAT_2M16 = 0x00000040;
inline constexpr quint32 WAVE_FORMAT_2S16 = 0x00000080;
inline constexpr quint32 WAVE_FORMAT_4M08 = 0x00000100;
inline constexpr quint32 WAVE_FORMAT_4S08 = 0x00000200;
inline constexpr quint32 WAVE_FORMAT_4M16 = 0x00000400;
inline constexpr quint32 WAVE_FORMAT_4S16 = 0x00000800;

// Flags of a wave buffer header.
inline constexpr quint32 WHDR_DONE = 0x00000001;
inline constexpr quint32 WHDR_PREPARED = 0x00000002;
inline constexpr quint32 WHDR_BEGINLOOP = 0x00000004;
inline constexpr quint32 WHDR_ENDLOOP = 0x00000008;
inline constexpr quint32 WHDR_INQUEUE = 0x00000010;

// Open flags of the RIFF file functions.
inline constexpr quint32 MMIO_READ = 0x00000000;
inline constexpr quint32 MMIO_WRITE = 0x00000001;
inline constexpr quint32 MMIO_READWRITE = 0x00000002;
inline constexpr quint32 MMIO_COMPAT = 0x00000000;
inline constexpr quint32 MMIO_EXCLUSIVE = 0x00000010;
inline constexpr quint32 MMIO_DENYWRITE = 0x00000020;
inline constexpr quint32 MMIO_DENYREAD = 0x00000030;
inline constexpr quint32 MMIO_DENYNONE = 0x00000040;
inline constexpr quint32 MMIO_PARSE = 0x00000100;
inline constexpr quint32 MMIO_DELETE = 0x00000200;
inline constexpr quint32 MMIO_CREATE = 0x00001000;
inline constexpr quint32 MMIO_EXIST = 0x00004000;
inline constexpr quint32 MMIO_ALLOCBUF = 0x00010000;
inline constexpr quint32 MMIO_GETTEMP = 0x00020000;

// Chunk flags and the flags of descend, create and string conversion.
inline constexpr quint32 MMIO_DIRTY = 0x10000000;
inline constexpr quint32 MMIO_FINDCHUNK = 0x0010;
inline constexpr quint32 MMIO_FINDRIFF = 0x0020;
inline constexpr quint32 MMIO_FINDLIST = 0x0040;
inline constexpr quint32 MMIO_CREATERIFF = 0x0020;
inline constexpr quint32 MMIO_CREATELIST = 0x0040;
inline constexpr quint32 MMIO_TOUPPER = 0x0010;
inline constexpr quint32 MMIO_FHOPEN = 0x0010;

inline constexpr FOURCC FOURCC_RIFF = mmioFOURCC('R', 'I', 'F', 'F');
inline constexpr FOURCC FOURCC_LIST = mmioFOURCC('L', 'I', 'S', 'T');

} // namespace platform::wave
