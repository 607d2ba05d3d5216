#pragma once

#include "control/lintaro_export.h"
#include "platform/tapi/TapiTypes.h"

#include <QString>

// The texts of the capability reports: a set of flags written as the chain of
// the tokens of its set bits, in the order of the set's table (not the order
// of the bits), without separators; bits a table does not list are ignored.
// The tokens are the ones hosts have always parsed, letter for letter, the
// misspelt ones included (">BEARERMODE>", "<ONHLODPENDTRANSFER>",
// "<RELAEASEUSERUSERINFO>", "<SETTRAETMENT>").
namespace CapabilityTokens {

LINTARO_TESTS_EXPORT QString addressModes(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString bearerModes(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString mediaModes(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString callStates(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString callInfoStates(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString parkModes(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString callFeatures(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString dialToneModes(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString busyModes(platform::tapi::DWORD value);
LINTARO_TESTS_EXPORT QString disconnectModes(platform::tapi::DWORD value);

} // namespace CapabilityTokens
