#pragma once

#include "platform/tapi/TapiTypes.h"

// The buffer sizes (dwTotalSize) the control passes with each variable-size
// structure; drivers have always seen these, so they stay as they are.
namespace TapiSize {
inline constexpr platform::tapi::DWORD LINEDEVCAPS = 3285;
inline constexpr platform::tapi::DWORD LINEADDRESSCAPS = 8369;
inline constexpr platform::tapi::DWORD LINECALLINFO = 3397;
inline constexpr platform::tapi::DWORD LINECALLSTATUS = 56;
inline constexpr platform::tapi::DWORD LINECALLPARAMS = 3254;
inline constexpr platform::tapi::DWORD LINETRANSLATEOUTPUT = 553;
inline constexpr platform::tapi::DWORD VARSTRING = 3097;
inline constexpr platform::tapi::DWORD PHONECAPS = 657;
inline constexpr platform::tapi::DWORD PHONEBUTTONINFO = 553;
} // namespace TapiSize
