#pragma once

#include "platform/tapi/HandleCounter.h"
#include "platform/tapi/ServiceProvider.h"
#include "platform/tapi/TapiApp.h"
#include "platform/tapi/TapiStructs.h"

#include <map>

namespace platform::tapi {

// The phone functions of the service: phone applications, open phones and
// their PHONE_STATE / PHONE_BUTTON messages. TapiService forwards to it; the
// caller holds the provider's mutex.
class PhoneService {
public:
    PhoneService(ServiceProvider& provider, HandleCounter& handles);
    ~PhoneService();

    LONG phoneInitializeEx(HPHONEAPP* lphPhoneApp, DWORD_PTR hInstance, PHONECALLBACK lpfnCallback,
                           const char* lpszFriendlyAppName, DWORD* lpdwNumDevs,
                           DWORD* lpdwAPIVersion,
                           PHONEINITIALIZEEXPARAMS* lpPhoneInitializeExParams);
    LONG phoneShutdown(HPHONEAPP hPhoneApp);
    LONG phoneNegotiateAPIVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPILowVersion,
                                  DWORD dwAPIHighVersion, DWORD* lpdwAPIVersion,
                                  PHONEEXTENSIONID* lpExtensionID);
    LONG phoneNegotiateExtVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                  DWORD dwExtLowVersion, DWORD dwExtHighVersion,
                                  DWORD* lpdwExtVersion);
    LONG phoneGetDevCaps(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                         DWORD dwExtVersion, PHONECAPS* lpPhoneCaps);
    LONG phoneOpen(HPHONEAPP hPhoneApp, DWORD dwDeviceID, HPHONE* lphPhone, DWORD dwAPIVersion,
                   DWORD dwExtVersion, DWORD_PTR dwCallbackInstance, DWORD dwPrivilege);
    LONG phoneClose(HPHONE hPhone);
    LONG phoneSetStatusMessages(HPHONE hPhone, DWORD dwPhoneStates, DWORD dwButtonModes,
                                DWORD dwButtonStates);
    LONG phoneGetDisplay(HPHONE hPhone, VARSTRING* lpDisplay);
    LONG phoneGetLamp(HPHONE hPhone, DWORD dwButtonLampID, DWORD* lpdwLampMode);
    LONG phoneGetButtonInfo(HPHONE hPhone, DWORD dwButtonLampID, PHONEBUTTONINFO* lpButtonInfo);

    void phoneStateChanged(DWORD phoneId, DWORD state, DWORD param);
    void phoneButtonChanged(DWORD phoneId, DWORD buttonId, DWORD mode, DWORD state);

private:
    struct Phone {
        HPHONEAPP app = 0;
        DWORD phoneId = 0;
        DWORD apiVersion = 0;
        DWORD extVersion = 0;
        DWORD_PTR instance = 0;
        DWORD privilege = 0;
        DWORD phoneStates = 0;
        DWORD buttonModes = 0;
        DWORD buttonStates = 0;
    };

    LONG checkVersions(DWORD phoneId, DWORD apiVersion, DWORD extVersion) const;
    // What a call about a phone device checks first: the application, that
    // there is somewhere to put the answer, the device.
    LONG checkDeviceQuery(HPHONEAPP hPhoneApp, bool hasResult, DWORD phoneId) const;
    Phone* findPhone(HPHONE hPhone);
    void post(HPHONE hPhone, const Phone& phone, DWORD message, DWORD p1, DWORD p2, DWORD p3);

    ServiceProvider& m_provider;
    HandleCounter& m_handles;
    std::map<HPHONEAPP, TapiApp> m_apps;
    std::map<HPHONE, Phone> m_phones;
};

} // namespace platform::tapi
