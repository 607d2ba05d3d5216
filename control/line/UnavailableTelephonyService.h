#pragma once

#include "platform/tapi/TelephonyService.h"

namespace platform::tapi {

// The telephony service of a host whose configured provider cannot be
// created: there is no driver behind it, so every function fails with
// LINEERR_NODRIVER (PHONEERR_NODRIVER for the phone functions) and the
// control reports that through OnTapiMessage like any other failure.
class UnavailableTelephonyService final : public TelephonyService {
public:
    LONG lineInitializeEx(HLINEAPP* lphLineApp, DWORD_PTR hInstance, LINECALLBACK lpfnCallback,
                          const char* lpszFriendlyAppName, DWORD* lpdwNumDevs,
                          DWORD* lpdwAPIVersion,
                          LINEINITIALIZEEXPARAMS* lpLineInitializeExParams) override;
    LONG lineShutdown(HLINEAPP hLineApp) override;
    LONG lineNegotiateAPIVersion(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPILowVersion,
                                 DWORD dwAPIHighVersion, DWORD* lpdwAPIVersion,
                                 LINEEXTENSIONID* lpExtensionID) override;
    LONG lineNegotiateExtVersion(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                 DWORD dwExtLowVersion, DWORD dwExtHighVersion,
                                 DWORD* lpdwExtVersion) override;
    LONG lineGetDevCaps(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion, DWORD dwExtVersion,
                        LINEDEVCAPS* lpLineDevCaps) override;
    LONG lineGetAddressCaps(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAddressID,
                            DWORD dwAPIVersion, DWORD dwExtVersion,
                            LINEADDRESSCAPS* lpAddressCaps) override;
    LONG lineOpen(HLINEAPP hLineApp, DWORD dwDeviceID, HLINE* lphLine, DWORD dwAPIVersion,
                  DWORD dwExtVersion, DWORD_PTR dwCallbackInstance, DWORD dwPrivileges,
                  DWORD dwMediaModes, const LINECALLPARAMS* lpCallParams) override;
    LONG lineClose(HLINE hLine) override;
    LONG lineSetStatusMessages(HLINE hLine, DWORD dwLineStates, DWORD dwAddressStates) override;
    LONG lineGetID(HLINE hLine, DWORD dwAddressID, HCALL hCall, DWORD dwSelect,
                   VARSTRING* lpDeviceID, const char* lpszDeviceClass) override;
    LONG lineGetCallInfo(HCALL hCall, LINECALLINFO* lpCallInfo) override;
    LONG lineGetCallStatus(HCALL hCall, LINECALLSTATUS* lpCallStatus) override;
    LONG lineDeallocateCall(HCALL hCall) override;
    LONG lineSetCallPrivilege(HCALL hCall, DWORD dwCallPrivilege) override;
    LONG lineMakeCall(HLINE hLine, HCALL* lphCall, const char* lpszDestAddress, DWORD dwCountryCode,
                      const LINECALLPARAMS* lpCallParams) override;
    LONG lineDial(HCALL hCall, const char* lpszDestAddress, DWORD dwCountryCode) override;
    LONG lineDrop(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize) override;
    LONG lineAnswer(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize) override;
    LONG lineAccept(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize) override;
    LONG lineHold(HCALL hCall) override;
    LONG lineUnhold(HCALL hCall) override;
    LONG lineSwapHold(HCALL hActiveCall, HCALL hHeldCall) override;
    LONG lineBlindTransfer(HCALL hCall, const char* lpszDestAddress, DWORD dwCountryCode) override;
    LONG lineSetupTransfer(HCALL hCall, HCALL* lphConsultCall,
                           const LINECALLPARAMS* lpCallParams) override;
    LONG lineCompleteTransfer(HCALL hCall, HCALL hConsultCall, HCALL* lphConfCall,
                              DWORD dwTransferMode) override;
    LONG linePark(HCALL hCall, DWORD dwParkMode, const char* lpszDirAddress,
                  VARSTRING* lpNonDirAddress) override;
    LONG lineUnpark(HLINE hLine, DWORD dwAddressID, HCALL* lphCall,
                    const char* lpszDestAddress) override;
    LONG lineRedirect(HCALL hCall, const char* lpszDestAddress, DWORD dwCountryCode) override;
    LONG lineGenerateDigits(HCALL hCall, DWORD dwDigitMode, const char* lpszDigits,
                            DWORD dwDuration) override;
    LONG lineMonitorDigits(HCALL hCall, DWORD dwDigitModes) override;
    LONG lineDevSpecific(HLINE hLine, DWORD dwAddressID, HCALL hCall, void* lpParams,
                         DWORD dwSize) override;
    LONG lineDevSpecificFeature(HLINE hLine, DWORD dwFeature, void* lpParams,
                                DWORD dwSize) override;
    LONG lineTranslateAddress(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                              const char* lpszAddressIn, DWORD dwCard, DWORD dwTranslateOptions,
                              LINETRANSLATEOUTPUT* lpTranslateOutput) override;
    LONG lineTranslateDialog(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                             QWidget* hwndOwner, const char* lpszAddressIn) override;
    LONG lineConfigDialog(DWORD dwDeviceID, QWidget* hwndOwner,
                          const char* lpszDeviceClass) override;
    LONG phoneInitializeEx(HPHONEAPP* lphPhoneApp, DWORD_PTR hInstance, PHONECALLBACK lpfnCallback,
                           const char* lpszFriendlyAppName, DWORD* lpdwNumDevs,
                           DWORD* lpdwAPIVersion,
                           PHONEINITIALIZEEXPARAMS* lpPhoneInitializeExParams) override;
    LONG phoneShutdown(HPHONEAPP hPhoneApp) override;
    LONG phoneNegotiateAPIVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPILowVersion,
                                  DWORD dwAPIHighVersion, DWORD* lpdwAPIVersion,
                                  PHONEEXTENSIONID* lpExtensionID) override;
    LONG phoneNegotiateExtVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                  DWORD dwExtLowVersion, DWORD dwExtHighVersion,
                                  DWORD* lpdwExtVersion) override;
    LONG phoneGetDevCaps(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                         DWORD dwExtVersion, PHONECAPS* lpPhoneCaps) override;
    LONG phoneOpen(HPHONEAPP hPhoneApp, DWORD dwDeviceID, HPHONE* lphPhone, DWORD dwAPIVersion,
                   DWORD dwExtVersion, DWORD_PTR dwCallbackInstance, DWORD dwPrivilege) override;
    LONG phoneClose(HPHONE hPhone) override;
    LONG phoneSetStatusMessages(HPHONE hPhone, DWORD dwPhoneStates, DWORD dwButtonModes,
                                DWORD dwButtonStates) override;
    LONG phoneGetDisplay(HPHONE hPhone, VARSTRING* lpDisplay) override;
    LONG phoneGetLamp(HPHONE hPhone, DWORD dwButtonLampID, DWORD* lpdwLampMode) override;
    LONG phoneGetButtonInfo(HPHONE hPhone, DWORD dwButtonLampID,
                            PHONEBUTTONINFO* lpButtonInfo) override;
};

} // namespace platform::tapi
