#include "platform/tapi/TapiService.h"

#include "platform/tapi/AddressTranslator.h"
#include "platform/tapi/Codepage1252.h"
#include "platform/tapi/DiallingLocationsDialog.h"
#include "platform/tapi/DialogRunner.h"
#include "platform/tapi/VarStructWriter.h"
#include "platform/tapi/VersionNegotiation.h"

#include <QDialog>

namespace platform::tapi {

namespace {

using Lock = std::unique_lock<std::recursive_mutex>;

} // namespace

TapiService::TapiService(ServiceProvider& provider, TelephonyConfig config, DialogRunner& dialogs)
    : m_provider(provider), m_config(std::move(config)), m_dialogs(dialogs),
      m_phones(provider, m_handles)
{
    Lock lock(m_provider.mutex());
    m_provider.attach(this);
}

TapiService::~TapiService()
{
    Lock lock(m_provider.mutex());
    m_provider.attach(nullptr);
    for (auto& [handle, app] : m_apps)
        app.mailbox->close();
}

// --- Lookups and checks ----------------------------------------------------------

TapiService::LineApp* TapiService::findApp(HLINEAPP hLineApp)
{
    const auto it = m_apps.find(hLineApp);
    return it == m_apps.end() ? nullptr : &it->second;
}

TapiService::OpenLine* TapiService::findLine(HLINE hLine)
{
    const auto it = m_lines.find(hLine);
    return it == m_lines.end() ? nullptr : &it->second;
}

TapiService::CallHandle* TapiService::findCall(HCALL hCall)
{
    const auto it = m_callHandles.find(hCall);
    return it == m_callHandles.end() ? nullptr : &it->second;
}

HCALL TapiService::handleOf(HLINE line, CallKey call) const
{
    for (const auto& [handle, record] : m_callHandles) {
        if (record.line == line && record.call == call)
            return handle;
    }
    return 0;
}

LONG TapiService::checkVersions(DWORD deviceId, DWORD apiVersion, DWORD extVersion) const
{
    if (!deviceAcceptsApiVersion(m_provider.lineApiVersions(deviceId), apiVersion))
        return LINEERR_INCOMPATIBLEAPIVERSION;
    if (extVersion != 0 && !m_provider.acceptsLineExtVersion(deviceId, extVersion))
        return LINEERR_INCOMPATIBLEEXTVERSION;
    return 0;
}

void TapiService::post(HLINE hLine, DWORD hDevice, DWORD message, DWORD p1, DWORD p2, DWORD p3)
{
    const OpenLine* line = findLine(hLine);
    if (!line)
        return;
    if (LineApp* app = findApp(line->app))
        app->mailbox->post(hDevice, message, line->instance, p1, p2, p3);
}

void TapiService::notifyLines(DWORD deviceId, HLINE except, DWORD state)
{
    for (const auto& [handle, line] : m_lines) {
        if (handle != except && line.deviceId == deviceId && (line.lineStates & state))
            post(handle, handle, LINE_LINEDEVSTATE, state, 0, 0);
    }
}

// --- Applications and devices ------------------------------------------------------

LONG TapiService::lineInitializeEx(HLINEAPP* lphLineApp, DWORD_PTR hInstance,
                                   LINECALLBACK lpfnCallback, const char* lpszFriendlyAppName,
                                   DWORD* lpdwNumDevs, DWORD* lpdwAPIVersion,
                                   LINEINITIALIZEEXPARAMS* params)
{
    Lock lock(m_provider.mutex());
    static constexpr InitializeErrors errors{LINEERR_INVALPOINTER, LINEERR_STRUCTURETOOSMALL,
                                             LINEERR_INVALPARAM, LINEERR_INCOMPATIBLEAPIVERSION};
    return initializeApp(errors, m_apps, m_handles, m_provider.lineDeviceCount(), lphLineApp,
                         hInstance, std::move(lpfnCallback), lpszFriendlyAppName, lpdwNumDevs,
                         lpdwAPIVersion, params);
}

LONG TapiService::lineShutdown(HLINEAPP hLineApp)
{
    Lock lock(m_provider.mutex());
    LineApp* app = findApp(hLineApp);
    if (!app)
        return LINEERR_INVALAPPHANDLE;
    std::vector<HLINE> lines;
    for (const auto& [handle, line] : m_lines) {
        if (line.app == hLineApp)
            lines.push_back(handle);
    }
    for (HLINE line : lines)
        closeLineRecord(line);
    std::erase_if(m_requests, [&](const auto& entry) { return entry.second.app == hLineApp; });
    if (LineApp* still = findApp(hLineApp)) {
        still->mailbox->close();
        m_apps.erase(hLineApp);
    }
    return 0;
}

LONG TapiService::checkDeviceQuery(HLINEAPP hLineApp, bool hasResult, DWORD deviceId)
{
    if (!findApp(hLineApp))
        return LINEERR_INVALAPPHANDLE;
    if (!hasResult)
        return LINEERR_INVALPOINTER;
    if (deviceId >= m_provider.lineDeviceCount())
        return LINEERR_BADDEVICEID;
    return 0;
}

LONG TapiService::lineNegotiateAPIVersion(HLINEAPP hLineApp, DWORD dwDeviceID,
                                          DWORD dwAPILowVersion, DWORD dwAPIHighVersion,
                                          DWORD* lpdwAPIVersion, LINEEXTENSIONID* lpExtensionID)
{
    Lock lock(m_provider.mutex());
    if (const LONG result = checkDeviceQuery(hLineApp, lpdwAPIVersion && lpExtensionID, dwDeviceID))
        return result;
    const DWORD version = negotiateApiVersion(m_provider.lineApiVersions(dwDeviceID),
                                              dwAPILowVersion, dwAPIHighVersion);
    if (version == 0)
        return LINEERR_INCOMPATIBLEAPIVERSION;
    *lpdwAPIVersion = version;
    *lpExtensionID = m_provider.lineExtensionId(dwDeviceID);
    return 0;
}

LONG TapiService::lineNegotiateExtVersion(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                          DWORD dwExtLowVersion, DWORD dwExtHighVersion,
                                          DWORD* lpdwExtVersion)
{
    Lock lock(m_provider.mutex());
    if (const LONG result = checkDeviceQuery(hLineApp, lpdwExtVersion, dwDeviceID))
        return result;
    if (!deviceAcceptsApiVersion(m_provider.lineApiVersions(dwDeviceID), dwAPIVersion))
        return LINEERR_INCOMPATIBLEAPIVERSION;
    const VersionRange range = m_provider.lineExtVersions(dwDeviceID);
    if (range.isEmpty())
        return LINEERR_OPERATIONUNAVAIL;
    const DWORD version = negotiateExtVersion(range, dwExtLowVersion, dwExtHighVersion);
    if (version == 0)
        return LINEERR_INCOMPATIBLEEXTVERSION;
    *lpdwExtVersion = version;
    return 0;
}

LONG TapiService::lineGetDevCaps(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                 DWORD dwExtVersion, LINEDEVCAPS* lpLineDevCaps)
{
    Lock lock(m_provider.mutex());
    if (const LONG result = checkDeviceQuery(hLineApp, lpLineDevCaps, dwDeviceID))
        return result;
    if (const LONG result = checkVersions(dwDeviceID, dwAPIVersion, dwExtVersion))
        return result;
    const DWORD fixed = fixedSizeLineDevCaps(dwAPIVersion);
    if (lpLineDevCaps->dwTotalSize < fixed)
        return LINEERR_STRUCTURETOOSMALL;
    const LineDeviceCaps caps = m_provider.lineDevCaps(dwDeviceID);
    VarStructWriter writer(lpLineDevCaps, caps.fixed, fixed);
    LINEDEVCAPS& c = *lpLineDevCaps;
    writer.append(c.dwProviderInfoSize, c.dwProviderInfoOffset, caps.providerInfo);
    writer.append(c.dwSwitchInfoSize, c.dwSwitchInfoOffset, caps.switchInfo);
    writer.append(c.dwLineNameSize, c.dwLineNameOffset, caps.lineName);
    writer.append(c.dwTerminalCapsSize, c.dwTerminalCapsOffset, QByteArray());
    writer.append(c.dwTerminalTextSize, c.dwTerminalTextOffset, QByteArray());
    writer.append(c.dwDevSpecificSize, c.dwDevSpecificOffset, caps.devSpecific);
    writer.append(c.dwDeviceClassesSize, c.dwDeviceClassesOffset, caps.deviceClasses);
    writer.finish();
    return 0;
}

LONG TapiService::lineGetAddressCaps(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAddressID,
                                     DWORD dwAPIVersion, DWORD dwExtVersion,
                                     LINEADDRESSCAPS* lpAddressCaps)
{
    Lock lock(m_provider.mutex());
    if (const LONG result = checkDeviceQuery(hLineApp, lpAddressCaps, dwDeviceID))
        return result;
    if (const LONG result = checkVersions(dwDeviceID, dwAPIVersion, dwExtVersion))
        return result;
    if (dwAddressID >= m_provider.lineDevCaps(dwDeviceID).fixed.dwNumAddresses)
        return LINEERR_INVALADDRESSID;
    const DWORD fixed = fixedSizeLineAddressCaps(dwAPIVersion);
    if (lpAddressCaps->dwTotalSize < fixed)
        return LINEERR_STRUCTURETOOSMALL;
    const AddressCaps caps = m_provider.addressCaps(dwDeviceID, dwAddressID);
    VarStructWriter writer(lpAddressCaps, caps.fixed, fixed);
    LINEADDRESSCAPS& c = *lpAddressCaps;
    writer.append(c.dwAddressSize, c.dwAddressOffset, caps.address);
    writer.append(c.dwDevSpecificSize, c.dwDevSpecificOffset, caps.devSpecific);
    writer.append(c.dwCompletionMsgTextSize, c.dwCompletionMsgTextOffset, QByteArray());
    writer.append(c.dwCallTreatmentListSize, c.dwCallTreatmentListOffset, QByteArray());
    writer.append(c.dwDeviceClassesSize, c.dwDeviceClassesOffset, caps.deviceClasses);
    writer.finish();
    return 0;
}

// --- Lines --------------------------------------------------------------------------

LONG TapiService::lineOpen(HLINEAPP hLineApp, DWORD dwDeviceID, HLINE* lphLine, DWORD dwAPIVersion,
                           DWORD dwExtVersion, DWORD_PTR dwCallbackInstance, DWORD dwPrivileges,
                           DWORD dwMediaModes, const LINECALLPARAMS* /*lpCallParams*/)
{
    Lock lock(m_provider.mutex());
    if (!findApp(hLineApp))
        return LINEERR_INVALAPPHANDLE;
    if (!lphLine)
        return LINEERR_INVALPOINTER;
    const DWORD privileges = dwPrivileges;
    if (privileges != LINECALLPRIVILEGE_NONE && privileges != LINECALLPRIVILEGE_MONITOR &&
        privileges != LINECALLPRIVILEGE_OWNER &&
        privileges != (LINECALLPRIVILEGE_MONITOR | LINECALLPRIVILEGE_OWNER))
        return LINEERR_INVALPRIVSELECT;

    // The line mapper picks the first device that serves the versions and media modes.
    DWORD device = dwDeviceID;
    if (dwDeviceID == LINEMAPPER) {
        device = LINEMAPPER;
        for (DWORD d = 0; d < m_provider.lineDeviceCount(); ++d) {
            const DWORD media = m_provider.lineDevCaps(d).fixed.dwMediaModes;
            if (checkVersions(d, dwAPIVersion, dwExtVersion) == 0 && (dwMediaModes & ~media) == 0) {
                device = d;
                break;
            }
        }
        if (device == LINEMAPPER)
            return LINEERR_LINEMAPPERFAILED;
    }
    if (device >= m_provider.lineDeviceCount())
        return LINEERR_BADDEVICEID;
    if (const LONG result = checkVersions(device, dwAPIVersion, dwExtVersion))
        return result;
    if (privileges & LINECALLPRIVILEGE_OWNER) {
        const DWORD media = m_provider.lineDevCaps(device).fixed.dwMediaModes;
        if (dwMediaModes == 0 || (dwMediaModes & ~media))
            return LINEERR_INVALMEDIAMODE;
    }
    if (const LONG result = m_provider.openLineDevice(device))
        return result;

    const HLINE handle = m_handles.take();
    OpenLine& line = m_lines[handle];
    line.app = hLineApp;
    line.deviceId = device;
    line.apiVersion = dwAPIVersion;
    line.extVersion = dwExtVersion;
    line.instance = dwCallbackInstance;
    line.privileges = privileges;
    line.mediaModes = (privileges & LINECALLPRIVILEGE_OWNER) ? dwMediaModes : 0;
    *lphLine = handle;
    notifyLines(device, handle, LINEDEVSTATE_OPEN);
    return 0;
}

void TapiService::closeLineRecord(HLINE hLine)
{
    OpenLine* line = findLine(hLine);
    if (!line)
        return;
    const DWORD device = line->deviceId;
    // Calls this line alone owns are dropped with it.
    std::vector<CallKey> toDrop;
    std::vector<CallKey> released;
    for (auto it = m_callHandles.begin(); it != m_callHandles.end();) {
        const CallHandle& handle = it->second;
        if (handle.line != hLine) {
            ++it;
            continue;
        }
        CallData data;
        if (handle.privilege == LINECALLPRIVILEGE_OWNER && ownerCount(handle.call) == 1 &&
            m_provider.callData(handle.call, &data) && data.state != LINECALLSTATE_IDLE)
            toDrop.push_back(handle.call);
        released.push_back(handle.call);
        it = m_callHandles.erase(it);
    }
    std::erase_if(m_seen, [&](const auto& entry) { return entry.first == hLine; });
    m_lines.erase(hLine);
    for (CallKey call : toDrop)
        m_provider.drop(0, call);
    for (CallKey call : released)
        forgetCallIfDone(call);
    m_provider.closeLineDevice(device);
    notifyLines(device, 0, LINEDEVSTATE_CLOSE);
}

LONG TapiService::lineClose(HLINE hLine)
{
    Lock lock(m_provider.mutex());
    if (!findLine(hLine))
        return LINEERR_INVALLINEHANDLE;
    closeLineRecord(hLine);
    return 0;
}

LONG TapiService::lineSetStatusMessages(HLINE hLine, DWORD dwLineStates, DWORD dwAddressStates)
{
    Lock lock(m_provider.mutex());
    OpenLine* line = findLine(hLine);
    if (!line)
        return LINEERR_INVALLINEHANDLE;
    if (dwLineStates & ~m_provider.lineDevCaps(line->deviceId).fixed.dwLineStates)
        return LINEERR_INVALLINESTATE;
    if (dwAddressStates & ~m_provider.addressCaps(line->deviceId, 0).fixed.dwAddressStates)
        return LINEERR_INVALADDRESSSTATE;
    line->lineStates = dwLineStates;
    line->addressStates = dwAddressStates;
    return 0;
}

LONG TapiService::lineGetID(HLINE hLine, DWORD dwAddressID, HCALL hCall, DWORD dwSelect,
                            VARSTRING* lpDeviceID, const char* lpszDeviceClass)
{
    Lock lock(m_provider.mutex());
    if (!lpDeviceID || !lpszDeviceClass)
        return LINEERR_INVALPOINTER;
    DWORD device = 0;
    DWORD address = 0;
    CallKey call = 0;
    switch (dwSelect) {
    case LINECALLSELECT_LINE:
    case LINECALLSELECT_ADDRESS: {
        const OpenLine* line = findLine(hLine);
        if (!line)
            return LINEERR_INVALLINEHANDLE;
        device = line->deviceId;
        if (dwSelect == LINECALLSELECT_ADDRESS) {
            if (dwAddressID >= m_provider.lineDevCaps(device).fixed.dwNumAddresses)
                return LINEERR_INVALADDRESSID;
            address = dwAddressID;
        }
        break;
    }
    case LINECALLSELECT_CALL: {
        const CallHandle* handle = findCall(hCall);
        if (!handle)
            return LINEERR_INVALCALLHANDLE;
        device = findLine(handle->line)->deviceId;
        call = handle->call;
        break;
    }
    default:
        return LINEERR_INVALCALLSELECT;
    }
    if (lpDeviceID->dwTotalSize < sizeof(VARSTRING))
        return LINEERR_STRUCTURETOOSMALL;
    DWORD id = 0;
    if (const LONG result =
            m_provider.deviceIdOfClass(device, address, call, QByteArray(lpszDeviceClass), &id))
        return result;
    VARSTRING fixed{};
    fixed.dwStringFormat = STRINGFORMAT_BINARY;
    VarStructWriter writer(lpDeviceID, fixed, sizeof(VARSTRING));
    writer.append(lpDeviceID->dwStringSize, lpDeviceID->dwStringOffset,
                  QByteArray(reinterpret_cast<const char*>(&id), sizeof id));
    writer.finish();
    return 0;
}

// --- Dialling locations and dialogs --------------------------------------------------

LONG TapiService::lineTranslateAddress(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                       const char* lpszAddressIn, DWORD dwCard,
                                       DWORD dwTranslateOptions,
                                       LINETRANSLATEOUTPUT* lpTranslateOutput)
{
    Lock lock(m_provider.mutex());
    if (hLineApp != 0 && !findApp(hLineApp))
        return LINEERR_INVALAPPHANDLE;
    if (dwDeviceID >= m_provider.lineDeviceCount())
        return LINEERR_BADDEVICEID;
    if (!deviceAcceptsApiVersion(m_provider.lineApiVersions(dwDeviceID), dwAPIVersion))
        return LINEERR_INCOMPATIBLEAPIVERSION;
    if (!lpszAddressIn || !lpTranslateOutput)
        return LINEERR_INVALPOINTER;
    if (lpTranslateOutput->dwTotalSize < sizeof(LINETRANSLATEOUTPUT))
        return LINEERR_STRUCTURETOOSMALL;
    constexpr DWORD known = LINETRANSLATEOPTION_CARDOVERRIDE |
                            LINETRANSLATEOPTION_CANCELCALLWAITING | LINETRANSLATEOPTION_FORCELOCAL |
                            LINETRANSLATEOPTION_FORCELD;
    if (dwTranslateOptions & ~known)
        return LINEERR_INVALPARAM;
    // There are no calling cards: only "none" (0) may be chosen.
    if ((dwTranslateOptions & LINETRANSLATEOPTION_CARDOVERRIDE) && dwCard != 0)
        return LINEERR_INVALCARD;

    const DiallingLocations locations = m_config.locations();
    const DiallingLocation* current = locations.current();
    if (!current)
        return LINEERR_INIFILECORRUPT;
    const TranslatedAddress translated =
        AddressTranslator(*current).translate(fromTapiText(lpszAddressIn), dwTranslateOptions);
    if (translated.result)
        return translated.result;
    LINETRANSLATEOUTPUT fixed{};
    fixed.dwCurrentCountry = translated.currentCountry;
    fixed.dwDestCountry = translated.destCountry;
    fixed.dwTranslateResults = translated.translateResults;
    VarStructWriter writer(lpTranslateOutput, fixed, sizeof(LINETRANSLATEOUTPUT));
    LINETRANSLATEOUTPUT& out = *lpTranslateOutput;
    writer.append(out.dwDialableStringSize, out.dwDialableStringOffset,
                  toTapiText(translated.dialable));
    writer.append(out.dwDisplayableStringSize, out.dwDisplayableStringOffset,
                  toTapiText(translated.displayable));
    writer.finish();
    return 0;
}

LONG TapiService::lineTranslateDialog(HLINEAPP hLineApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                      QWidget* hwndOwner, const char* lpszAddressIn)
{
    Lock lock(m_provider.mutex());
    if (hLineApp != 0 && !findApp(hLineApp))
        return LINEERR_INVALAPPHANDLE;
    if (dwDeviceID >= m_provider.lineDeviceCount())
        return LINEERR_BADDEVICEID;
    if (!deviceAcceptsApiVersion(m_provider.lineApiVersions(dwDeviceID), dwAPIVersion))
        return LINEERR_INCOMPATIBLEAPIVERSION;
    const DiallingLocations before = m_config.locations();
    // The dialog runs without the lock: calls and messages go on meanwhile.
    lock.unlock();
    DiallingLocationsDialog dialog(before, fromTapiText(lpszAddressIn), hwndOwner);
    if (m_dialogs.run(dialog) != QDialog::Accepted)
        return 0;
    const DiallingLocations after = dialog.locations();
    lock.lock();
    if (after == before)
        return 0;
    m_config.setLocations(after);
    for (const auto& [handle, line] : m_lines) {
        if (line.lineStates & LINEDEVSTATE_TRANSLATECHANGE)
            post(handle, handle, LINE_LINEDEVSTATE, LINEDEVSTATE_TRANSLATECHANGE, 0, 0);
    }
    return 0;
}

LONG TapiService::lineConfigDialog(DWORD dwDeviceID, QWidget* hwndOwner,
                                   const char* lpszDeviceClass)
{
    {
        Lock lock(m_provider.mutex());
        if (dwDeviceID >= m_provider.lineDeviceCount())
            return LINEERR_BADDEVICEID;
    }
    const QByteArray deviceClass = QByteArray(lpszDeviceClass ? lpszDeviceClass : "").toLower();
    if (!deviceClass.isEmpty() && deviceClass != "tapi/line")
        return LINEERR_INVALDEVICECLASS;
    return m_provider.configDialog(dwDeviceID, hwndOwner, m_dialogs);
}

// --- Phones -------------------------------------------------------------------------

LONG TapiService::phoneInitializeEx(HPHONEAPP* lphPhoneApp, DWORD_PTR hInstance,
                                    PHONECALLBACK lpfnCallback, const char* lpszFriendlyAppName,
                                    DWORD* lpdwNumDevs, DWORD* lpdwAPIVersion,
                                    PHONEINITIALIZEEXPARAMS* lpPhoneInitializeExParams)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneInitializeEx(lphPhoneApp, hInstance, std::move(lpfnCallback),
                                      lpszFriendlyAppName, lpdwNumDevs, lpdwAPIVersion,
                                      lpPhoneInitializeExParams);
}

LONG TapiService::phoneShutdown(HPHONEAPP hPhoneApp)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneShutdown(hPhoneApp);
}

LONG TapiService::phoneNegotiateAPIVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID,
                                           DWORD dwAPILowVersion, DWORD dwAPIHighVersion,
                                           DWORD* lpdwAPIVersion, PHONEEXTENSIONID* lpExtensionID)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneNegotiateAPIVersion(hPhoneApp, dwDeviceID, dwAPILowVersion,
                                             dwAPIHighVersion, lpdwAPIVersion, lpExtensionID);
}

LONG TapiService::phoneNegotiateExtVersion(HPHONEAPP hPhoneApp, DWORD dwDeviceID,
                                           DWORD dwAPIVersion, DWORD dwExtLowVersion,
                                           DWORD dwExtHighVersion, DWORD* lpdwExtVersion)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneNegotiateExtVersion(hPhoneApp, dwDeviceID, dwAPIVersion, dwExtLowVersion,
                                             dwExtHighVersion, lpdwExtVersion);
}

LONG TapiService::phoneGetDevCaps(HPHONEAPP hPhoneApp, DWORD dwDeviceID, DWORD dwAPIVersion,
                                  DWORD dwExtVersion, PHONECAPS* lpPhoneCaps)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneGetDevCaps(hPhoneApp, dwDeviceID, dwAPIVersion, dwExtVersion, lpPhoneCaps);
}

LONG TapiService::phoneOpen(HPHONEAPP hPhoneApp, DWORD dwDeviceID, HPHONE* lphPhone,
                            DWORD dwAPIVersion, DWORD dwExtVersion, DWORD_PTR dwCallbackInstance,
                            DWORD dwPrivilege)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneOpen(hPhoneApp, dwDeviceID, lphPhone, dwAPIVersion, dwExtVersion,
                              dwCallbackInstance, dwPrivilege);
}

LONG TapiService::phoneClose(HPHONE hPhone)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneClose(hPhone);
}

LONG TapiService::phoneSetStatusMessages(HPHONE hPhone, DWORD dwPhoneStates, DWORD dwButtonModes,
                                         DWORD dwButtonStates)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneSetStatusMessages(hPhone, dwPhoneStates, dwButtonModes, dwButtonStates);
}

LONG TapiService::phoneGetDisplay(HPHONE hPhone, VARSTRING* lpDisplay)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneGetDisplay(hPhone, lpDisplay);
}

LONG TapiService::phoneGetLamp(HPHONE hPhone, DWORD dwButtonLampID, DWORD* lpdwLampMode)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneGetLamp(hPhone, dwButtonLampID, lpdwLampMode);
}

LONG TapiService::phoneGetButtonInfo(HPHONE hPhone, DWORD dwButtonLampID,
                                     PHONEBUTTONINFO* lpButtonInfo)
{
    Lock lock(m_provider.mutex());
    return m_phones.phoneGetButtonInfo(hPhone, dwButtonLampID, lpButtonInfo);
}

void TapiService::phoneStateChanged(DWORD phoneId, DWORD state, DWORD param)
{
    m_phones.phoneStateChanged(phoneId, state, param);
}

void TapiService::phoneButtonChanged(DWORD phoneId, DWORD buttonId, DWORD mode, DWORD state)
{
    m_phones.phoneButtonChanged(phoneId, buttonId, mode, state);
}

} // namespace platform::tapi
