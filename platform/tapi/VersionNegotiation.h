#pragma once

#include "platform/tapi/ServiceProvider.h"

namespace platform::tapi {

// The API versions the service knows (1.3 to 3.1), lowest first.
bool isKnownApiVersion(DWORD version);

// The highest known API version that the application's range [low, high],
// the device's range and the service all accept; 0 when there is none.
DWORD negotiateApiVersion(VersionRange device, DWORD low, DWORD high);

// Whether a device works with this API version (a known one in its range,
// not above the service's own).
bool deviceAcceptsApiVersion(VersionRange device, DWORD version);

// The highest extension version in both ranges; 0 when they do not meet.
DWORD negotiateExtVersion(VersionRange device, DWORD low, DWORD high);

} // namespace platform::tapi
