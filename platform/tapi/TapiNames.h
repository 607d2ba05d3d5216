#pragma once

#include "platform/tapi/TapiTypes.h"

#include <QString>

// Names of the constants, for logs and diagnostic windows.
namespace platform::tapi {

// "LINE_CALLSTATE", "PHONE_STATE", ...; the number in decimal if unknown.
QString messageName(DWORD message);
// "OFFERING", "CONNECTED", ... for one LINECALLSTATE_ value; the number otherwise.
QString callStateName(DWORD state);
// "LINEERR_INVALCALLHANDLE", "PHONEERR_...", "TAPIERR_..." for a failure;
// empty for 0 and for codes that have no name.
QString errorName(LONG code);

} // namespace platform::tapi
