// The structures keep the published layout: the control reads fields by
// offset, exactly as it would from the platform's own structures.
#include "platform/tapi/TapiStructs.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"

#include <gtest/gtest.h>

#include <cstddef>

using namespace platform::tapi;

// clang-format off
static_assert(offsetof(VARSTRING, dwStringFormat) == 12);
static_assert(offsetof(VARSTRING, dwStringSize) == 16);
static_assert(offsetof(VARSTRING, dwStringOffset) == 20);
static_assert(offsetof(LINEINITIALIZEEXPARAMS, dwOptions) == 12);

static_assert(offsetof(LINEDEVCAPS, dwProviderInfoSize) == 12);
static_assert(offsetof(LINEDEVCAPS, dwSwitchInfoOffset) == 24);
static_assert(offsetof(LINEDEVCAPS, dwLineNameSize) == 32);
static_assert(offsetof(LINEDEVCAPS, dwLineNameOffset) == 36);
static_assert(offsetof(LINEDEVCAPS, dwAddressModes) == 44);
static_assert(offsetof(LINEDEVCAPS, dwNumAddresses) == 48);
static_assert(offsetof(LINEDEVCAPS, dwBearerModes) == 52);
static_assert(offsetof(LINEDEVCAPS, dwMediaModes) == 60);
static_assert(offsetof(LINEDEVCAPS, dwLineStates) == 128);
static_assert(offsetof(LINEDEVCAPS, MinDialParams) == 156);
static_assert(offsetof(LINEDEVCAPS, dwDevSpecificOffset) == 232);
static_assert(offsetof(LINEDEVCAPS, dwLineFeatures) == 236);
static_assert(offsetof(LINEDEVCAPS, dwDeviceClassesOffset) == 248);
static_assert(offsetof(LINEDEVCAPS, PermanentLineGuid) == 252);
static_assert(offsetof(LINEDEVCAPS, dwAvailableTracking) == 288);

static_assert(offsetof(LINEADDRESSCAPS, dwAddressSize) == 16);
static_assert(offsetof(LINEADDRESSCAPS, dwAddressOffset) == 20);
static_assert(offsetof(LINEADDRESSCAPS, dwCallInfoStates) == 40);
static_assert(offsetof(LINEADDRESSCAPS, dwCallStates) == 64);
static_assert(offsetof(LINEADDRESSCAPS, dwDialToneModes) == 68);
static_assert(offsetof(LINEADDRESSCAPS, dwBusyModes) == 72);
static_assert(offsetof(LINEADDRESSCAPS, dwDisconnectModes) == 80);
static_assert(offsetof(LINEADDRESSCAPS, dwAddrCapFlags) == 104);
static_assert(offsetof(LINEADDRESSCAPS, dwCallFeatures) == 108);
static_assert(offsetof(LINEADDRESSCAPS, dwParkModes) == 124);
static_assert(offsetof(LINEADDRESSCAPS, dwAddressFeatures) == 176);
static_assert(offsetof(LINEADDRESSCAPS, dwAvailableMediaModes) == 224);

static_assert(offsetof(LINECALLINFO, hLine) == 12);
static_assert(offsetof(LINECALLINFO, dwCallID) == 40);
static_assert(offsetof(LINECALLINFO, DialParams) == 64);
static_assert(offsetof(LINECALLINFO, dwOrigin) == 80);
static_assert(offsetof(LINECALLINFO, dwReason) == 84);
static_assert(offsetof(LINECALLINFO, dwCallerIDFlags) == 108);
static_assert(offsetof(LINECALLINFO, dwCallerIDSize) == 112);
static_assert(offsetof(LINECALLINFO, dwCallerIDOffset) == 116);
static_assert(offsetof(LINECALLINFO, dwCallerIDNameSize) == 120);
static_assert(offsetof(LINECALLINFO, dwCalledIDFlags) == 128);
static_assert(offsetof(LINECALLINFO, dwConnectedIDFlags) == 148);
static_assert(offsetof(LINECALLINFO, dwRedirectionIDFlags) == 168);
static_assert(offsetof(LINECALLINFO, dwRedirectingIDFlags) == 188);
static_assert(offsetof(LINECALLINFO, dwChargingInfoSize) == 272);
static_assert(offsetof(LINECALLINFO, dwChargingInfoOffset) == 276);
static_assert(offsetof(LINECALLINFO, dwCallTreatment) == 296);
static_assert(offsetof(LINECALLINFO, dwCallerIDAddressType) == 324);

static_assert(offsetof(LINECALLSTATUS, dwCallState) == 12);
static_assert(offsetof(LINECALLSTATUS, dwCallFeatures) == 24);
static_assert(offsetof(LINECALLSTATUS, tStateEntryTime) == 40);

static_assert(offsetof(LINECALLPARAMS, dwBearerMode) == 4);
static_assert(offsetof(LINECALLPARAMS, dwMediaMode) == 16);
static_assert(offsetof(LINECALLPARAMS, dwAddressMode) == 24);
static_assert(offsetof(LINECALLPARAMS, dwAddressID) == 28);
static_assert(offsetof(LINECALLPARAMS, dwOrigAddressSize) == 48);
static_assert(offsetof(LINECALLPARAMS, dwPredictiveAutoTransferStates) == 112);

static_assert(offsetof(LINETRANSLATEOUTPUT, dwDialableStringSize) == 12);
static_assert(offsetof(LINETRANSLATEOUTPUT, dwDialableStringOffset) == 16);
static_assert(offsetof(LINETRANSLATEOUTPUT, dwDisplayableStringSize) == 20);
static_assert(offsetof(LINETRANSLATEOUTPUT, dwTranslateResults) == 36);

static_assert(offsetof(PHONECAPS, dwPhoneNameOffset) == 36);
static_assert(offsetof(PHONECAPS, dwDisplayNumRows) == 72);
static_assert(offsetof(PHONECAPS, dwDisplayNumColumns) == 76);
static_assert(offsetof(PHONECAPS, dwNumButtonLamps) == 84);
static_assert(offsetof(PHONECAPS, dwDeviceClassesSize) == 144);
static_assert(offsetof(PHONECAPS, PermanentPhoneGuid) == 180);

static_assert(offsetof(PHONEBUTTONINFO, dwButtonMode) == 12);
static_assert(offsetof(PHONEBUTTONINFO, dwButtonFunction) == 16);
static_assert(offsetof(PHONEBUTTONINFO, dwButtonState) == 36);

// A few codes checked against their published values.
static_assert(LINEERR_INVALDIALPARAMS == static_cast<LONG>(0x80000025));
static_assert(LINEERR_INVALAGENTID == static_cast<LONG>(0x80000057));
static_assert(LINEERR_DIALVOICEDETECT == static_cast<LONG>(0x8000005C));
static_assert(LINEERR_INCOMPATIBLEEXTVERSION == static_cast<LONG>(0x8000000D));
static_assert(PHONEERR_STRUCTURETOOSMALL == static_cast<LONG>(0x90000021));
static_assert(LINEDEVSTATE_REINIT == 0x00040000);
static_assert(LINEADDRCAPFLAGS_ACCEPTTOALERT == 0x00100000);
static_assert(LINE_REPLY == 12 && LINE_MONITORDIGITS == 9 && PHONE_STATE == 18);
// clang-format on

// The fixed part grows with the API version; older callers pass smaller buffers.
TEST(TapiStructs, FixedPartDependsOnTheApiVersion)
{
    struct Case {
        DWORD (*size)(DWORD);
        DWORD version;
        DWORD expected;
    };
    const Case cases[] = {
        {fixedSizeLineDevCaps, TAPI_VERSION1_0, 236},
        {fixedSizeLineDevCaps, TAPI_VERSION1_4, 240},
        {fixedSizeLineDevCaps, TAPI_VERSION2_0, 252},
        {fixedSizeLineDevCaps, TAPI_VERSION2_2, 268},
        {fixedSizeLineDevCaps, TAPI_VERSION3_1, 292},
        {fixedSizeLineAddressCaps, TAPI_VERSION1_0, 176},
        {fixedSizeLineAddressCaps, TAPI_VERSION1_4, 180},
        {fixedSizeLineAddressCaps, TAPI_VERSION2_0, 228},
        {fixedSizeLineCallInfo, TAPI_VERSION1_4, 296},
        {fixedSizeLineCallInfo, TAPI_VERSION2_2, 324},
        {fixedSizeLineCallInfo, TAPI_VERSION3_0, 344},
        {fixedSizeLineCallStatus, TAPI_VERSION1_4, 36},
        {fixedSizeLineCallStatus, TAPI_VERSION2_0, 56},
        {fixedSizeLineCallParams, TAPI_VERSION1_4, 112},
        {fixedSizeLineCallParams, TAPI_VERSION2_0, 176},
        {fixedSizeLineCallParams, TAPI_VERSION3_0, 180},
        {fixedSizePhoneCaps, TAPI_VERSION1_4, 144},
        {fixedSizePhoneCaps, TAPI_VERSION2_0, 180},
        {fixedSizePhoneCaps, TAPI_VERSION2_2, 196},
        {fixedSizePhoneButtonInfo, TAPI_VERSION1_0, 36},
        {fixedSizePhoneButtonInfo, TAPI_VERSION1_4, 40},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.size(c.version), c.expected) << std::hex << c.version;
}
