#pragma once

#include <cstdint>
#include <functional>

// The basic types of the telephony functions: 32-bit words, signed results
// and 32-bit handles, as the line and phone functions have always used them.
namespace platform::tapi {

using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
// Pointer-sized values handed through unchanged (callback instances).
using DWORD_PTR = std::uintptr_t;

using HLINEAPP = DWORD;
using HLINE = DWORD;
using HCALL = DWORD;
using HPHONEAPP = DWORD;
using HPHONE = DWORD;

// Receives every message of a line or phone application: the device handle
// (line, call or phone), the message number, the callback instance (the line's
// or phone's instance from lineOpen/phoneOpen, or the application's instance
// from lineInitializeEx/phoneInitializeEx for messages of no open device) and
// three message parameters. Always called from the event loop of the thread
// that initialised the application, never from inside a service function.
using LINECALLBACK =
    std::function<void(DWORD hDevice, DWORD dwMessage, DWORD_PTR dwInstance, DWORD_PTR dwParam1,
                       DWORD_PTR dwParam2, DWORD_PTR dwParam3)>;
using PHONECALLBACK = LINECALLBACK;

} // namespace platform::tapi
