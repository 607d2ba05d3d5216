#pragma once

#include "platform/tapi/HandleCounter.h"
#include "platform/tapi/MessageMailbox.h"
#include "platform/tapi/PhoneService.h"
#include "platform/tapi/ServiceProvider.h"
#include "platform/tapi/TapiApp.h"
#include "platform/tapi/TelephonyConfig.h"
#include "platform/tapi/TelephonyService.h"

#include <QByteArray>

#include <functional>
#include <map>
#include <memory>
#include <set>

namespace platform::tapi {

class DialogRunner;

// The telephony service over one service provider: applications, line and
// call handles, privileges, request IDs, version checks, the structure size
// rules and message delivery, plus the dialling locations of `config`.
//
// Privileges: an application that opened a line as monitor gets a monitor
// handle to every call on the line; an owner line gets ownership of a call
// offered in one of its media modes (the first such line), and of every call
// it makes. Acting on a call needs ownership (LINEERR_NOTOWNER otherwise);
// lineSetCallPrivilege changes it. A new call reaches a line as LINE_APPNEWCALL
// (for version 2.0 and up) and LINE_CALLSTATE with its privilege in dwParam3.
class TapiService final : public TelephonyService, private ProviderEvents {
public:
    TapiService(ServiceProvider& provider, TelephonyConfig config, DialogRunner& dialogs);
    ~TapiService() override;

    TapiService(const TapiService&) = delete;
    TapiService& operator=(const TapiService&) = delete;

    const TelephonyConfig& config() const { return m_config; }

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

private:
    using LineApp = TapiApp;
    struct OpenLine {
        HLINEAPP app = 0;
        DWORD deviceId = 0;
        DWORD apiVersion = 0;
        DWORD extVersion = 0;
        DWORD_PTR instance = 0;
        DWORD privileges = 0;
        DWORD mediaModes = 0;
        DWORD lineStates = 0;
        DWORD addressStates = 0;
    };
    struct CallHandle {
        HLINE line = 0;
        CallKey call = 0;
        DWORD privilege = 0;
        DWORD monitorDigitModes = 0;
        bool announced = false;
    };
    struct Request {
        HLINEAPP app = 0;
        HLINE line = 0;
        QByteArray appName;
        HCALL* resultTarget = nullptr; // receives resultHandle with a successful reply
        HCALL resultHandle = 0;
    };

    // ProviderEvents
    void callCreated(CallKey call, DWORD deviceId, RequestId originRequest) override;
    void callStateChanged(CallKey call, DWORD state, DWORD mode) override;
    void callInfoChanged(CallKey call, DWORD infoStates) override;
    void requestCompleted(RequestId request, LONG result) override;
    void lineDevStateChanged(DWORD deviceId, DWORD state, DWORD param2, DWORD param3) override;
    void digitReceived(CallKey call, char digit, DWORD digitMode) override;
    void lineClosedByProvider(DWORD deviceId) override;
    void phoneStateChanged(DWORD phoneId, DWORD state, DWORD param) override;
    void phoneButtonChanged(DWORD phoneId, DWORD buttonId, DWORD mode, DWORD state) override;

    LineApp* findApp(HLINEAPP hLineApp);
    OpenLine* findLine(HLINE hLine);
    CallHandle* findCall(HCALL hCall);
    HCALL handleOf(HLINE line, CallKey call) const;
    LONG checkVersions(DWORD deviceId, DWORD apiVersion, DWORD extVersion) const;
    // What a query about a line device checks first: the application, that
    // there is somewhere to put the answer, the device.
    LONG checkDeviceQuery(HLINEAPP hLineApp, bool hasResult, DWORD deviceId);
    LONG checkOwner(HCALL hCall, CallHandle** handle);
    LONG parseCallParams(const OpenLine& line, const LINECALLPARAMS* params,
                         CallSettings* settings) const;
    // Registers a request, runs it and returns its ID or the error.
    LONG startRequest(HLINE line, const std::function<LONG(RequestId)>& start,
                      HCALL* resultTarget = nullptr);
    using CallRequest = LONG (ServiceProvider::*)(RequestId, CallKey);
    using AddressRequest = LONG (ServiceProvider::*)(RequestId, CallKey, const QByteArray&);
    // A request on a call that only an owner may make: the handle is checked,
    // then the user-user information (which the exchange does not carry) or
    // the destination address, then the provider starts the request.
    LONG ownerRequest(HCALL hCall, CallRequest start, const char* userUserInfo = nullptr,
                      DWORD userUserInfoSize = 0);
    LONG ownerRequest(HCALL hCall, const char* address, AddressRequest start);
    // A device-specific request: the provider may change the parameter block,
    // which goes back to the caller once the request has started.
    LONG startDevSpecific(HLINE line, void* params, DWORD size,
                          const std::function<LONG(RequestId, QByteArray&)>& start);
    void post(HLINE hLine, DWORD hDevice, DWORD message, DWORD p1, DWORD p2, DWORD p3);
    void notifyOwnership(CallKey call, HCALL changed, DWORD infoStates);
    DWORD ownerCount(CallKey call) const;
    void forgetCallIfDone(CallKey call);
    void closeLineRecord(HLINE hLine);
    void notifyLines(DWORD deviceId, HLINE except, DWORD state);

    ServiceProvider& m_provider;
    TelephonyConfig m_config;
    DialogRunner& m_dialogs;
    HandleCounter m_handles;
    PhoneService m_phones;
    std::map<HLINEAPP, TapiApp> m_apps;
    std::map<HLINE, OpenLine> m_lines;
    std::map<HCALL, CallHandle> m_callHandles;
    std::map<CallKey, DWORD> m_callDevices;       // device of every call the service knows
    std::map<CallKey, QByteArray> m_callAppNames; // the application that made the call
    std::set<std::pair<HLINE, CallKey>> m_seen;   // lines that were offered a call
    std::map<RequestId, Request> m_requests;
    RequestId m_nextRequest = 1;
};

} // namespace platform::tapi
