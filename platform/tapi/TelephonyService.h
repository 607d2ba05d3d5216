#pragma once

#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/TapiStructs.h"
#include "platform/tapi/TapiTypes.h"

class QWidget;

namespace platform::tapi {

// The line and phone functions of the telephony service, under their usual
// names and with their usual arguments. This is the seam a telephony client
// (the Lintaro control) receives at construction.
//
// Conventions, as the functions have always had them:
// - A result of 0 (or, for asynchronous functions, a positive request ID) is
//   success; a negative LINEERR_*/PHONEERR_* value is failure.
// - Asynchronous functions return a request ID at once and report the outcome
//   later with LINE_REPLY (dwParam1 = request ID, dwParam2 = 0 or an error),
//   always after the function has returned and in the order of the requests.
//   A call handle they produce (lineMakeCall, lineSetupTransfer, lineUnpark)
//   is written to the caller's variable when that LINE_REPLY is delivered, so
//   the variable must stay valid until then.
// - Texts are 8-bit strings in Windows-1252, NUL-terminated.
// - Variable-size structures: see TapiStructs.h. A dwTotalSize below the fixed
//   part fails with LINEERR_STRUCTURETOOSMALL (PHONEERR_ for phone functions);
//   otherwise the fixed part is filled, dwNeededSize tells the full need, each
//   variable part is appended only if it fits (its Size/Offset stay 0 if not)
//   and dwUsedSize tells what was written.
// - Messages reach the callback given at initialisation through the event loop
//   of the thread that initialised; never inside a service function. Their
//   parameters carry 32-bit values: the result in LINE_REPLY's dwParam2 is a
//   LONG (static_cast<LONG> it back).
// - Handles are 32-bit and never 0 when valid.
class TelephonyService {
public:
    virtual ~TelephonyService() = default;

    // --- Lines: initialisation, devices, versions -------------------------------

    // Registers an application. lpdwAPIVersion: in, the highest version the
    // application supports (1.3 or later); out, the highest the service
    // supports. hInstance is handed to the callback with messages of no open
    // line. Only LINEINITIALIZEEXOPTION_USEHIDDENWINDOW is served.
    virtual LONG lineInitializeEx(HLINEAPP* lphLineApp, DWORD_PTR hInstance,
                                  LINECALLBACK lpfnCallback, const char* lpszFriendlyAppName,
                                  DWORD* lpdwNumDevs, DWORD* lpdwAPIVersion,
                                  LINEINITIALIZEEXPARAMS* lpLineInitializeExParams) = 0;
    // Closes every line of the application and stops its messages.
    virtual LONG lineShutdown(HLINEAPP hLineApp) = 0;
    virtual LONG lineNegotiateAPIVersion(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPILowVersion,
                                         DWORD dwAPIHighVersion, DWORD* lpdwAPIVersion,
                                         LINEEXTENSIONID* lpExtensionID) = 0;
    virtual LONG lineNegotiateExtVersion(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                         DWORD dwExtLowVersion, DWORD dwExtHighVersion,
                                         DWORD* lpdwExtVersion) = 0;
    virtual LONG lineGetDevCaps(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                DWORD dwExtVersion, LINEDEVCAPS* lpLineDevCaps) = 0;
    virtual LONG lineGetAddressCaps(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAddressID,
                                    DWORD dwAPIVersion, DWORD dwExtVersion,
                                    LINEADDRESSCAPS* lpAddressCaps) = 0;

    // --- Lines: open, close, status ------------------------------------------

    // dwPrivileges: LINECALLPRIVILEGE_NONE, or MONITOR and/or OWNER (owners
    // must name media modes the device supports). dwCallbackInstance comes
    // back with every message of this line.
    virtual LONG lineOpen(HLINEAPP hLineApp, DWORD dwDeviceID, HLINE* lphLine, DWORD dwAPIVersion,
                          DWORD dwExtVersion, DWORD_PTR dwCallbackInstance, DWORD dwPrivileges,
                          DWORD dwMediaModes, const LINECALLPARAMS* lpCallParams) = 0;
    virtual LONG lineClose(HLINE hLine) = 0;
    // Line states are filtered with this mask (all off after lineOpen);
    // LINEDEVSTATE_REINIT always comes through.
    virtual LONG lineSetStatusMessages(HLINE hLine, DWORD dwLineStates, DWORD dwAddressStates) = 0;
    // Device IDs of the classes "tapi/line", "tapi/phone", "wave/out" and
    // "wave/in" as a DWORD in binary string format.
    virtual LONG lineGetID(HLINE hLine, DWORD dwAddressID, HCALL hCall, DWORD dwSelect,
                           VARSTRING* lpDeviceID, const char* lpszDeviceClass) = 0;

    // --- Calls: information and handles --------------------------------------

    virtual LONG lineGetCallInfo(HCALL hCall, LINECALLINFO* lpCallInfo) = 0;
    virtual LONG lineGetCallStatus(HCALL hCall, LINECALLSTATUS* lpCallStatus) = 0;
    // Releases a call handle; the sole owner may do so only when the call is idle.
    virtual LONG lineDeallocateCall(HCALL hCall) = 0;
    virtual LONG lineSetCallPrivilege(HCALL hCall, DWORD dwCallPrivilege) = 0;

    // --- Calls: control (asynchronous unless noted) ------------------------------

    virtual LONG lineMakeCall(HLINE hLine, HCALL* lphCall, const char* lpszDestAddress,
                              DWORD dwCountryCode, const LINECALLPARAMS* lpCallParams) = 0;
    virtual LONG lineDial(HCALL hCall, const char* lpszDestAddress, DWORD dwCountryCode) = 0;
    virtual LONG lineDrop(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize) = 0;
    virtual LONG lineAnswer(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize) = 0;
    virtual LONG lineAccept(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize) = 0;
    virtual LONG lineHold(HCALL hCall) = 0;
    virtual LONG lineUnhold(HCALL hCall) = 0;
    virtual LONG lineSwapHold(HCALL hActiveCall, HCALL hHeldCall) = 0;
    virtual LONG lineBlindTransfer(HCALL hCall, const char* lpszDestAddress,
                                   DWORD dwCountryCode) = 0;
    virtual LONG lineSetupTransfer(HCALL hCall, HCALL* lphConsultCall,
                                   const LINECALLPARAMS* lpCallParams) = 0;
    // lphConfCall is only written for LINETRANSFERMODE_CONFERENCE.
    virtual LONG lineCompleteTransfer(HCALL hCall, HCALL hConsultCall, HCALL* lphConfCall,
                                      DWORD dwTransferMode) = 0;
    virtual LONG linePark(HCALL hCall, DWORD dwParkMode, const char* lpszDirAddress,
                          VARSTRING* lpNonDirAddress) = 0;
    virtual LONG lineUnpark(HLINE hLine, DWORD dwAddressID, HCALL* lphCall,
                            const char* lpszDestAddress) = 0;
    virtual LONG lineRedirect(HCALL hCall, const char* lpszDestAddress, DWORD dwCountryCode) = 0;
    // Synchronous; LINE_GENERATE follows when the digits have been sent.
    virtual LONG lineGenerateDigits(HCALL hCall, DWORD dwDigitMode, const char* lpszDigits,
                                    DWORD dwDuration) = 0;
    // Synchronous; each digit detected then arrives as LINE_MONITORDIGITS
    // (dwParam1 digit, dwParam2 digit mode, dwParam3 tick count). 0 stops.
    virtual LONG lineMonitorDigits(HCALL hCall, DWORD dwDigitModes) = 0;
    // The driver may write into lpParams; it does so before the function returns.
    virtual LONG lineDevSpecific(HLINE hLine, DWORD dwAddressID, HCALL hCall, void* lpParams,
                                 DWORD dwSize) = 0;
    virtual LONG lineDevSpecificFeature(HLINE hLine, DWORD dwFeature, void* lpParams,
                                        DWORD dwSize) = 0;

    // --- Dialling locations and dialogs --------------------------------------

    // Turns a canonical address ("+49 (30) 1234567") into a dialable string
    // using the current dialling location; other input passes unchanged.
    virtual LONG lineTranslateAddress(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                      const char* lpszAddressIn, DWORD dwCard,
                                      DWORD dwTranslateOptions,
                                      LINETRANSLATEOUTPUT* lpTranslateOutput) = 0;
    // Modal dialog that edits the dialling locations; returns when it closes.
    virtual LONG lineTranslateDialog(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                     QWidget* hwndOwner, const char* lpszAddressIn) = 0;
    // Modal dialog of the line device's settings (class "tapi/line" or none).
    virtual LONG lineConfigDialog(DWORD dwDeviceID, QWidget* hwndOwner,
                                  const char* lpszDeviceClass) = 0;

    // --- Phones ------------------------------------------------------------------

    virtual LONG phoneInitializeEx(HPHONEAPP* lphPhoneApp, DWORD_PTR hInstance,
                                   PHONECALLBACK lpfnCallback, const char* lpszFriendlyAppName,
                                   DWORD* lpdwNumDevs, DWORD* lpdwAPIVersion,
                                   PHONEINITIALIZEEXPARAMS* lpPhoneInitializeExParams) = 0;
    virtual LONG phoneShutdown(HPHONEAPP hPhoneApp) = 0;
    virtual LONG phoneNegotiateAPIVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID,
                                          DWORD dwAPILowVersion, DWORD dwAPIHighVersion,
                                          DWORD* lpdwAPIVersion,
                                          PHONEEXTENSIONID* lpExtensionID) = 0;
    virtual LONG phoneNegotiateExtVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                          DWORD dwExtLowVersion, DWORD dwExtHighVersion,
                                          DWORD* lpdwExtVersion) = 0;
    virtual LONG phoneGetDevCaps(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                 DWORD dwExtVersion, PHONECAPS* lpPhoneCaps) = 0;
    // dwPrivilege: PHONEPRIVILEGE_MONITOR or PHONEPRIVILEGE_OWNER (one owner at a time).
    virtual LONG phoneOpen(HPHONEAPP hPhoneApp, DWORD dwDeviceID, HPHONE* lphPhone,
                           DWORD dwAPIVersion, DWORD dwExtVersion, DWORD_PTR dwCallbackInstance,
                           DWORD dwPrivilege) = 0;
    virtual LONG phoneClose(HPHONE hPhone) = 0;
    // PHONE_STATE messages are filtered with dwPhoneStates, PHONE_BUTTON
    // messages with the button modes and states (all off after phoneOpen).
    virtual LONG phoneSetStatusMessages(HPHONE hPhone, DWORD dwPhoneStates, DWORD dwButtonModes,
                                        DWORD dwButtonStates) = 0;
    virtual LONG phoneGetDisplay(HPHONE hPhone, VARSTRING* lpDisplay) = 0;
    virtual LONG phoneGetLamp(HPHONE hPhone, DWORD dwButtonLampID, DWORD* lpdwLampMode) = 0;
    virtual LONG phoneGetButtonInfo(HPHONE hPhone, DWORD dwButtonLampID,
                                    PHONEBUTTONINFO* lpButtonInfo) = 0;
};

} // namespace platform::tapi
