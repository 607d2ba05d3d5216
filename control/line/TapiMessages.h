#pragma once

#include "control/lintaro_export.h"
#include "platform/tapi/TapiTypes.h"

#include <QString>

// The control's own codes of OnTapiMessage.
namespace LintaroCode {
inline constexpr platform::tapi::LONG SUCCESS = 1001;
inline constexpr platform::tapi::LONG READONLY = 1003;
inline constexpr platform::tapi::LONG NO_CHANGEDRIVER_LINE_ISOPEN = 1004;
inline constexpr platform::tapi::LONG PHONE_DETECTED = 1005;
inline constexpr platform::tapi::LONG NO_DEVICE_OPENED = 1006;
inline constexpr platform::tapi::LONG NO_WAVE_DEVICE_AV = 1007;
inline constexpr platform::tapi::LONG WAVEPLAY_ALREADY_ACTIV = 1008;
inline constexpr platform::tapi::LONG ERROR_LOAD_WAVEFILE = 1009;
inline constexpr platform::tapi::LONG DRIVER_ALREADY_OPENED = 1010;
inline constexpr platform::tapi::LONG WAVEONLY_ON_CONNECTED = 1011;
inline constexpr platform::tapi::LONG ERROR_WRITE_LOGFILE = 1012;
inline constexpr platform::tapi::LONG LINE_CLOSED_FROM_TSP = 1013;
inline constexpr platform::tapi::LONG DEVICEID_OUTOFRANGE = 1014;
inline constexpr platform::tapi::LONG TAPI_ALREADY_INITIALIZED = 1015;
inline constexpr platform::tapi::LONG ERROR_CREATE_WAVEFILE = 1016;
inline constexpr platform::tapi::LONG WAVEREC_ALREADY_ACTIV = 1017;
// Multimedia "invalid handle": never reported.
inline constexpr platform::tapi::LONG SILENT = 5;
} // namespace LintaroCode

// The message name OnTapiMessage carries for a code: the control's own names,
// the names of the telephony, request, wave, multimedia and RIFF file error
// constants, and "Unknown TAPI Error!" for every other code. The control keeps
// its names as its hosts have always seen them: 1010 ends with a blank, 35 is
// "WAVERR_LASTERROR", 0 is "TAPIERR_CONNECTED" and -3 shares the name of -2.
LINTARO_EXPORT QString tapiMessageName(platform::tapi::LONG code);
