#include "platform/tapi/PhoneService.h"

#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/VarStructWriter.h"
#include "platform/tapi/VersionNegotiation.h"

namespace platform::tapi {

namespace {

constexpr DWORD kAllButtonModes = PHONEBUTTONMODE_DUMMY | PHONEBUTTONMODE_CALL |
                                  PHONEBUTTONMODE_FEATURE | PHONEBUTTONMODE_KEYPAD |
                                  PHONEBUTTONMODE_LOCAL | PHONEBUTTONMODE_DISPLAY;
constexpr DWORD kAllButtonStates = PHONEBUTTONSTATE_UP | PHONEBUTTONSTATE_DOWN |
                                   PHONEBUTTONSTATE_UNKNOWN | PHONEBUTTONSTATE_UNAVAIL;

} // namespace

PhoneService::PhoneService(ServiceProvider& provider, HandleCounter& handles)
    : m_provider(provider), m_handles(handles)
{
}

PhoneService::~PhoneService() = default;

LONG PhoneService::phoneInitializeEx(HPHONEAPP* lphPhoneApp, DWORD_PTR hInstance,
                                     PHONECALLBACK lpfnCallback, const char* lpszFriendlyAppName,
                                     DWORD* lpdwNumDevs, DWORD* lpdwAPIVersion,
                                     PHONEINITIALIZEEXPARAMS* params)
{
    static constexpr InitializeErrors errors{PHONEERR_INVALPOINTER, PHONEERR_STRUCTURETOOSMALL,
                                             PHONEERR_INVALPARAM, PHONEERR_INCOMPATIBLEAPIVERSION};
    return initializeApp(errors, m_apps, m_handles, m_provider.phoneDeviceCount(), lphPhoneApp,
                         hInstance, std::move(lpfnCallback), lpszFriendlyAppName, lpdwNumDevs,
                         lpdwAPIVersion, params);
}

LONG PhoneService::phoneShutdown(HPHONEAPP hPhoneApp)
{
    const auto app = m_apps.find(hPhoneApp);
    if (app == m_apps.end())
        return PHONEERR_INVALAPPHANDLE;
    std::erase_if(m_phones, [&](const auto& entry) { return entry.second.app == hPhoneApp; });
    app->second.mailbox->close();
    m_apps.erase(app);
    return 0;
}

LONG PhoneService::checkDeviceQuery(HPHONEAPP hPhoneApp, bool hasResult, DWORD phoneId) const
{
    if (!m_apps.count(hPhoneApp))
        return PHONEERR_INVALAPPHANDLE;
    if (!hasResult)
        return PHONEERR_INVALPOINTER;
    if (phoneId >= m_provider.phoneDeviceCount())
        return PHONEERR_BADDEVICEID;
    return 0;
}

LONG PhoneService::checkVersions(DWORD phoneId, DWORD apiVersion, DWORD extVersion) const
{
    if (!deviceAcceptsApiVersion(m_provider.phoneApiVersions(phoneId), apiVersion))
        return PHONEERR_INCOMPATIBLEAPIVERSION;
    if (extVersion != 0 && !m_provider.phoneExtVersions(phoneId).contains(extVersion))
        return PHONEERR_INCOMPATIBLEEXTVERSION;
    return 0;
}

LONG PhoneService::phoneNegotiateAPIVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID,
                                            DWORD dwAPILowVersion, DWORD dwAPIHighVersion,
                                            DWORD* lpdwAPIVersion, PHONEEXTENSIONID* lpExtensionID)
{
    if (const LONG result =
            checkDeviceQuery(hPhoneApp, lpdwAPIVersion && lpExtensionID, dwDeviceID))
        return result;
    const DWORD version = negotiateApiVersion(m_provider.phoneApiVersions(dwDeviceID),
                                              dwAPILowVersion, dwAPIHighVersion);
    if (version == 0)
        return PHONEERR_INCOMPATIBLEAPIVERSION;
    *lpdwAPIVersion = version;
    *lpExtensionID = m_provider.phoneExtensionId(dwDeviceID);
    return 0;
}

LONG PhoneService::phoneNegotiateExtVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID,
                                            DWORD dwAPIVersion, DWORD dwExtLowVersion,
                                            DWORD dwExtHighVersion, DWORD* lpdwExtVersion)
{
    if (const LONG result = checkDeviceQuery(hPhoneApp, lpdwExtVersion, dwDeviceID))
        return result;
    if (!deviceAcceptsApiVersion(m_provider.phoneApiVersions(dwDeviceID), dwAPIVersion))
        return PHONEERR_INCOMPATIBLEAPIVERSION;
    const VersionRange range = m_provider.phoneExtVersions(dwDeviceID);
    if (range.isEmpty())
        return PHONEERR_OPERATIONUNAVAIL;
    const DWORD version = negotiateExtVersion(range, dwExtLowVersion, dwExtHighVersion);
    if (version == 0)
        return PHONEERR_INCOMPATIBLEEXTVERSION;
    *lpdwExtVersion = version;
    return 0;
}

LONG PhoneService::phoneGetDevCaps(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                   DWORD dwExtVersion, PHONECAPS* lpPhoneCaps)
{
    if (const LONG result = checkDeviceQuery(hPhoneApp, lpPhoneCaps, dwDeviceID))
        return result;
    if (const LONG result = checkVersions(dwDeviceID, dwAPIVersion, dwExtVersion))
        return result;
    const DWORD fixed = fixedSizePhoneCaps(dwAPIVersion);
    if (lpPhoneCaps->dwTotalSize < fixed)
        return PHONEERR_STRUCTURETOOSMALL;
    const PhoneDeviceCaps caps = m_provider.phoneDevCaps(dwDeviceID);
    VarStructWriter writer(lpPhoneCaps, caps.fixed, fixed);
    PHONECAPS& c = *lpPhoneCaps;
    writer.append(c.dwProviderInfoSize, c.dwProviderInfoOffset, caps.providerInfo);
    writer.append(c.dwPhoneInfoSize, c.dwPhoneInfoOffset, caps.phoneInfo);
    writer.append(c.dwPhoneNameSize, c.dwPhoneNameOffset, caps.phoneName);
    writer.append(c.dwButtonModesSize, c.dwButtonModesOffset, caps.buttonModes);
    writer.append(c.dwButtonFunctionsSize, c.dwButtonFunctionsOffset, caps.buttonFunctions);
    writer.append(c.dwLampModesSize, c.dwLampModesOffset, caps.lampModes);
    writer.append(c.dwSetDataSize, c.dwSetDataOffset, QByteArray());
    writer.append(c.dwGetDataSize, c.dwGetDataOffset, QByteArray());
    writer.append(c.dwDevSpecificSize, c.dwDevSpecificOffset, caps.devSpecific);
    writer.append(c.dwDeviceClassesSize, c.dwDeviceClassesOffset, caps.deviceClasses);
    writer.finish();
    return 0;
}

LONG PhoneService::phoneOpen(HPHONEAPP hPhoneApp, DWORD dwDeviceID, HPHONE* lphPhone,
                             DWORD dwAPIVersion, DWORD dwExtVersion, DWORD_PTR dwCallbackInstance,
                             DWORD dwPrivilege)
{
    if (const LONG result = checkDeviceQuery(hPhoneApp, lphPhone, dwDeviceID))
        return result;
    if (const LONG result = checkVersions(dwDeviceID, dwAPIVersion, dwExtVersion))
        return result;
    if (dwPrivilege != PHONEPRIVILEGE_MONITOR && dwPrivilege != PHONEPRIVILEGE_OWNER)
        return PHONEERR_INVALPRIVILEGE;
    if (dwPrivilege == PHONEPRIVILEGE_OWNER) {
        for (const auto& [handle, phone] : m_phones) {
            if (phone.phoneId == dwDeviceID && phone.privilege == PHONEPRIVILEGE_OWNER)
                return PHONEERR_INUSE;
        }
    }
    const HPHONE handle = m_handles.take();
    Phone& phone = m_phones[handle];
    phone.app = hPhoneApp;
    phone.phoneId = dwDeviceID;
    phone.apiVersion = dwAPIVersion;
    phone.extVersion = dwExtVersion;
    phone.instance = dwCallbackInstance;
    phone.privilege = dwPrivilege;
    *lphPhone = handle;
    return 0;
}

PhoneService::Phone* PhoneService::findPhone(HPHONE hPhone)
{
    const auto it = m_phones.find(hPhone);
    return it == m_phones.end() ? nullptr : &it->second;
}

LONG PhoneService::phoneClose(HPHONE hPhone)
{
    if (!m_phones.erase(hPhone))
        return PHONEERR_INVALPHONEHANDLE;
    return 0;
}

LONG PhoneService::phoneSetStatusMessages(HPHONE hPhone, DWORD dwPhoneStates, DWORD dwButtonModes,
                                          DWORD dwButtonStates)
{
    Phone* phone = findPhone(hPhone);
    if (!phone)
        return PHONEERR_INVALPHONEHANDLE;
    const PhoneDeviceCaps caps = m_provider.phoneDevCaps(phone->phoneId);
    if (dwPhoneStates & ~caps.fixed.dwPhoneStates)
        return PHONEERR_INVALPHONESTATE;
    if (dwButtonModes & ~kAllButtonModes)
        return PHONEERR_INVALBUTTONMODE;
    if ((dwButtonStates & ~kAllButtonStates) || (dwButtonModes != 0 && dwButtonStates == 0))
        return PHONEERR_INVALBUTTONSTATE;
    phone->phoneStates = dwPhoneStates;
    phone->buttonModes = dwButtonModes;
    phone->buttonStates = dwButtonStates;
    return 0;
}

LONG PhoneService::phoneGetDisplay(HPHONE hPhone, VARSTRING* lpDisplay)
{
    Phone* phone = findPhone(hPhone);
    if (!phone)
        return PHONEERR_INVALPHONEHANDLE;
    if (!lpDisplay)
        return PHONEERR_INVALPOINTER;
    if (lpDisplay->dwTotalSize < sizeof(VARSTRING))
        return PHONEERR_STRUCTURETOOSMALL;
    VARSTRING fixed{};
    fixed.dwStringFormat = STRINGFORMAT_ASCII;
    VarStructWriter writer(lpDisplay, fixed, sizeof(VARSTRING));
    writer.append(lpDisplay->dwStringSize, lpDisplay->dwStringOffset,
                  m_provider.phoneDisplay(phone->phoneId));
    writer.finish();
    return 0;
}

LONG PhoneService::phoneGetLamp(HPHONE hPhone, DWORD dwButtonLampID, DWORD* lpdwLampMode)
{
    Phone* phone = findPhone(hPhone);
    if (!phone)
        return PHONEERR_INVALPHONEHANDLE;
    if (!lpdwLampMode)
        return PHONEERR_INVALPOINTER;
    return m_provider.phoneLamp(phone->phoneId, dwButtonLampID, lpdwLampMode);
}

LONG PhoneService::phoneGetButtonInfo(HPHONE hPhone, DWORD dwButtonLampID,
                                      PHONEBUTTONINFO* lpButtonInfo)
{
    Phone* phone = findPhone(hPhone);
    if (!phone)
        return PHONEERR_INVALPHONEHANDLE;
    if (!lpButtonInfo)
        return PHONEERR_INVALPOINTER;
    const DWORD fixed = fixedSizePhoneButtonInfo(phone->apiVersion);
    if (lpButtonInfo->dwTotalSize < fixed)
        return PHONEERR_STRUCTURETOOSMALL;
    ButtonInfo info;
    if (const LONG result = m_provider.phoneButtonInfo(phone->phoneId, dwButtonLampID, &info))
        return result;
    PHONEBUTTONINFO source{};
    source.dwButtonMode = info.mode;
    source.dwButtonFunction = info.function;
    source.dwButtonState = info.state;
    VarStructWriter writer(lpButtonInfo, source, fixed);
    writer.append(lpButtonInfo->dwButtonTextSize, lpButtonInfo->dwButtonTextOffset, info.text);
    writer.append(lpButtonInfo->dwDevSpecificSize, lpButtonInfo->dwDevSpecificOffset, QByteArray());
    writer.finish();
    return 0;
}

void PhoneService::post(HPHONE hPhone, const Phone& phone, DWORD message, DWORD p1, DWORD p2,
                        DWORD p3)
{
    const auto app = m_apps.find(phone.app);
    if (app != m_apps.end())
        app->second.mailbox->post(hPhone, message, phone.instance, p1, p2, p3);
}

void PhoneService::phoneStateChanged(DWORD phoneId, DWORD state, DWORD param)
{
    for (const auto& [handle, phone] : m_phones) {
        if (phone.phoneId == phoneId && (phone.phoneStates & state))
            post(handle, phone, PHONE_STATE, state, param, 0);
    }
}

void PhoneService::phoneButtonChanged(DWORD phoneId, DWORD buttonId, DWORD mode, DWORD state)
{
    for (const auto& [handle, phone] : m_phones) {
        if (phone.phoneId == phoneId && (phone.buttonModes & mode) && (phone.buttonStates & state))
            post(handle, phone, PHONE_BUTTON, buttonId, mode, state);
    }
}

} // namespace platform::tapi
