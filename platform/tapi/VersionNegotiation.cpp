#include "platform/tapi/VersionNegotiation.h"

#include "platform/tapi/TapiConstants.h"

#include <algorithm>
#include <array>

namespace platform::tapi {

namespace {

constexpr std::array<DWORD, 7> kKnownVersions = {TAPI_VERSION1_0, TAPI_VERSION1_4, TAPI_VERSION2_0,
                                                 TAPI_VERSION2_1, TAPI_VERSION2_2, TAPI_VERSION3_0,
                                                 TAPI_VERSION3_1};

} // namespace

bool isKnownApiVersion(DWORD version)
{
    return std::find(kKnownVersions.begin(), kKnownVersions.end(), version) != kKnownVersions.end();
}

DWORD negotiateApiVersion(VersionRange device, DWORD low, DWORD high)
{
    if (device.isEmpty() || low > high)
        return 0;
    const DWORD from = std::max(low, device.low);
    const DWORD to = std::min({high, device.high, TAPI_CURRENT_VERSION});
    for (auto it = kKnownVersions.rbegin(); it != kKnownVersions.rend(); ++it) {
        if (*it >= from && *it <= to)
            return *it;
    }
    return 0;
}

bool deviceAcceptsApiVersion(VersionRange device, DWORD version)
{
    return isKnownApiVersion(version) && device.contains(version) &&
           version <= TAPI_CURRENT_VERSION;
}

DWORD negotiateExtVersion(VersionRange device, DWORD low, DWORD high)
{
    if (device.isEmpty() || low > high)
        return 0;
    const DWORD from = std::max(low, device.low);
    const DWORD to = std::min(high, device.high);
    return from <= to ? to : 0;
}

} // namespace platform::tapi
