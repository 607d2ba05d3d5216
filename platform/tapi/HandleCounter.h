#pragma once

#include "platform/tapi/TapiTypes.h"

namespace platform::tapi {

// Hands out the 32-bit handles of applications, lines, calls and phones: one
// sequence for all kinds, so a handle of one kind is never valid as another,
// and never 0.
class HandleCounter {
public:
    DWORD take()
    {
        const DWORD handle = m_next++;
        if (m_next == 0)
            m_next = kFirst;
        return handle;
    }

private:
    static constexpr DWORD kFirst = 0x00010001;
    DWORD m_next = kFirst;
};

} // namespace platform::tapi
