#include "platform/tapi/TapiStructs.h"

#include "platform/tapi/TapiConstants.h"

namespace platform::tapi {

DWORD fixedSizeLineDevCaps(DWORD apiVersion)
{
    if (apiVersion >= TAPI_VERSION3_0)
        return sizeof(LINEDEVCAPS);
    if (apiVersion >= TAPI_VERSION2_2)
        return offsetof(LINEDEVCAPS, dwAddressTypes);
    if (apiVersion >= TAPI_VERSION2_0)
        return offsetof(LINEDEVCAPS, PermanentLineGuid);
    if (apiVersion >= TAPI_VERSION1_4)
        return offsetof(LINEDEVCAPS, dwSettableDevStatus);
    return offsetof(LINEDEVCAPS, dwLineFeatures);
}

DWORD fixedSizeLineAddressCaps(DWORD apiVersion)
{
    if (apiVersion >= TAPI_VERSION2_0)
        return sizeof(LINEADDRESSCAPS);
    if (apiVersion >= TAPI_VERSION1_4)
        return offsetof(LINEADDRESSCAPS, dwPredictiveAutoTransferStates);
    return offsetof(LINEADDRESSCAPS, dwAddressFeatures);
}

DWORD fixedSizeLineCallInfo(DWORD apiVersion)
{
    if (apiVersion >= TAPI_VERSION3_0)
        return sizeof(LINECALLINFO);
    if (apiVersion >= TAPI_VERSION2_0)
        return offsetof(LINECALLINFO, dwCallerIDAddressType);
    return offsetof(LINECALLINFO, dwCallTreatment);
}

DWORD fixedSizeLineCallStatus(DWORD apiVersion)
{
    if (apiVersion >= TAPI_VERSION2_0)
        return sizeof(LINECALLSTATUS);
    return offsetof(LINECALLSTATUS, dwCallFeatures2);
}

DWORD fixedSizeLineCallParams(DWORD apiVersion)
{
    if (apiVersion >= TAPI_VERSION3_0)
        return sizeof(LINECALLPARAMS);
    if (apiVersion >= TAPI_VERSION2_0)
        return offsetof(LINECALLPARAMS, dwAddressType);
    return offsetof(LINECALLPARAMS, dwPredictiveAutoTransferStates);
}

DWORD fixedSizePhoneCaps(DWORD apiVersion)
{
    if (apiVersion >= TAPI_VERSION2_2)
        return sizeof(PHONECAPS);
    if (apiVersion >= TAPI_VERSION2_0)
        return offsetof(PHONECAPS, PermanentPhoneGuid);
    return offsetof(PHONECAPS, dwDeviceClassesSize);
}

DWORD fixedSizePhoneButtonInfo(DWORD apiVersion)
{
    if (apiVersion >= TAPI_VERSION1_4)
        return sizeof(PHONEBUTTONINFO);
    return offsetof(PHONEBUTTONINFO, dwButtonState);
}

} // namespace platform::tapi
