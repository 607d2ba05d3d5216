#pragma once

#include "control/lintaro_export.h"
#include "platform/tapi/TapiTypes.h"

#include <QString>

// The kinds of value RaiseModeEvent turns into a text.
enum class ModeKind {
    Offering,
    Dialtone,
    Busy,
    SpecialInfo,
    Connected,
    Disconnect,
    Reason,
    Origin
};

// The fixed text of a call-state mode, reason or origin. A value is matched as
// a whole, not bit by bit: a value that is not in the kind's table gives
// "not_supported" (special information, reason and origin: ""). The texts are
// the ones hosts have always compared against, letter for letter ("NORMAL "
// with its blank, "BADADRESS", "UNRECHABLE").
LINTARO_TESTS_EXPORT QString modeText(ModeKind kind, platform::tapi::DWORD value);
