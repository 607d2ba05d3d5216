// The call functions of TapiService.
#include "platform/tapi/TapiService.h"

#include "platform/tapi/Codepage1252.h"
#include "platform/tapi/VarStructWriter.h"

#include <QDateTime>
#include <QDeadlineTimer>

#include <bit>
#include <cstring>

namespace platform::tapi {

namespace {

using Lock = std::unique_lock<std::recursive_mutex>;

// Milliseconds since an arbitrary start, as a 32-bit tick count.
DWORD tickCount()
{
    return static_cast<DWORD>(QDeadlineTimer::current().deadline());
}

QByteArray textOf(const char* text)
{
    return QByteArray(text ? text : "");
}

SYSTEMTIME systemTime(const QDateTime& when)
{
    SYSTEMTIME t{};
    if (!when.isValid())
        return t;
    const QDate date = when.date();
    const QTime time = when.time();
    t.wYear = static_cast<WORD>(date.year());
    t.wMonth = static_cast<WORD>(date.month());
    t.wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);
    t.wDay = static_cast<WORD>(date.day());
    t.wHour = static_cast<WORD>(time.hour());
    t.wMinute = static_cast<WORD>(time.minute());
    t.wSecond = static_cast<WORD>(time.second());
    t.wMilliseconds = static_cast<WORD>(time.msec());
    return t;
}

// The text of a variable part of the caller's call parameters, or an error
// when the part lies outside the structure.
bool paramText(const LINECALLPARAMS& params, DWORD size, DWORD offset, QByteArray* text)
{
    text->clear();
    if (size == 0)
        return true;
    if (static_cast<quint64>(offset) + size > params.dwTotalSize || offset < sizeof(DWORD) * 2)
        return false;
    const char* base = reinterpret_cast<const char*>(&params);
    *text = QByteArray(base + offset, static_cast<qsizetype>(size));
    if (const qsizetype nul = text->indexOf('\0'); nul >= 0)
        text->truncate(nul);
    return true;
}

LONG checkUserUserInfo(const char* info, DWORD size)
{
    if (size > 0 && !info)
        return LINEERR_INVALPOINTER;
    // The exchange carries no user-user information.
    if (size > 0)
        return LINEERR_USERUSERINFOTOOBIG;
    return 0;
}

} // namespace

// --- Helpers -----------------------------------------------------------------------------

DWORD TapiService::ownerCount(CallKey call) const
{
    DWORD owners = 0;
    for (const auto& [handle, record] : m_callHandles) {
        if (record.call == call && record.privilege == LINECALLPRIVILEGE_OWNER)
            ++owners;
    }
    return owners;
}

LONG TapiService::checkOwner(HCALL hCall, CallHandle** handle)
{
    CallHandle* found = findCall(hCall);
    if (!found)
        return LINEERR_INVALCALLHANDLE;
    if (found->privilege != LINECALLPRIVILEGE_OWNER)
        return LINEERR_NOTOWNER;
    *handle = found;
    return 0;
}

LONG TapiService::startRequest(HLINE line, const std::function<LONG(RequestId)>& start,
                               HCALL* resultTarget)
{
    const OpenLine* open = findLine(line);
    if (!open)
        return LINEERR_INVALLINEHANDLE;
    const RequestId id = m_nextRequest;
    m_nextRequest = m_nextRequest >= 0x7FFFFFFF ? 1 : m_nextRequest + 1;
    Request& request = m_requests[id];
    request.app = open->app;
    request.line = line;
    request.resultTarget = resultTarget;
    if (const LineApp* app = findApp(open->app))
        request.appName = app->name;
    const LONG result = start(id);
    if (result < 0) {
        m_requests.erase(id);
        return result;
    }
    return static_cast<LONG>(id);
}

LONG TapiService::ownerRequest(HCALL hCall, CallRequest start, const char* userUserInfo,
                               DWORD userUserInfoSize)
{
    Lock lock(m_provider.mutex());
    CallHandle* handle = nullptr;
    if (const LONG result = checkOwner(hCall, &handle))
        return result;
    if (const LONG result = checkUserUserInfo(userUserInfo, userUserInfoSize))
        return result;
    const CallKey call = handle->call;
    return startRequest(handle->line, [&](RequestId id) { return (m_provider.*start)(id, call); });
}

LONG TapiService::ownerRequest(HCALL hCall, const char* address, AddressRequest start)
{
    Lock lock(m_provider.mutex());
    CallHandle* handle = nullptr;
    if (const LONG result = checkOwner(hCall, &handle))
        return result;
    if (!address)
        return LINEERR_INVALPOINTER;
    const CallKey call = handle->call;
    const QByteArray destination(address);
    return startRequest(handle->line,
                        [&](RequestId id) { return (m_provider.*start)(id, call, destination); });
}

LONG TapiService::startDevSpecific(HLINE line, void* params, DWORD size,
                                   const std::function<LONG(RequestId, QByteArray&)>& start)
{
    if (size > 0 && !params)
        return LINEERR_INVALPOINTER;
    QByteArray block(static_cast<const char*>(params), static_cast<qsizetype>(size));
    const LONG result = startRequest(line, [&](RequestId id) { return start(id, block); });
    if (result > 0 && size > 0)
        std::memcpy(params, block.constData(), std::min<size_t>(size, block.size()));
    return result;
}

void TapiService::notifyOwnership(CallKey call, HCALL changed, DWORD infoStates)
{
    for (const auto& [handle, record] : m_callHandles) {
        if (record.call == call && handle != changed && record.announced)
            post(record.line, handle, LINE_CALLINFO, infoStates, 0, 0);
    }
}

void TapiService::forgetCallIfDone(CallKey call)
{
    for (const auto& [handle, record] : m_callHandles) {
        if (record.call == call)
            return;
    }
    CallData data;
    if (m_provider.callData(call, &data) && data.state != LINECALLSTATE_IDLE)
        return;
    m_provider.releaseCall(call);
    m_callDevices.erase(call);
    m_callAppNames.erase(call);
    std::erase_if(m_seen, [&](const auto& entry) { return entry.second == call; });
}

LONG TapiService::parseCallParams(const OpenLine& line, const LINECALLPARAMS* params,
                                  CallSettings* settings) const
{
    const LINEDEVCAPS caps = m_provider.lineDevCaps(line.deviceId).fixed;
    settings->addressId = 0;
    settings->bearerMode = LINEBEARERMODE_VOICE;
    settings->mediaMode = LINEMEDIAMODE_INTERACTIVEVOICE;
    if (!params)
        return 0;
    if (params->dwTotalSize < fixedSizeLineCallParams(line.apiVersion))
        return LINEERR_STRUCTURETOOSMALL;
    if (params->dwBearerMode) {
        if (!std::has_single_bit(params->dwBearerMode) ||
            !(params->dwBearerMode & caps.dwBearerModes))
            return LINEERR_INVALBEARERMODE;
        settings->bearerMode = params->dwBearerMode;
    }
    if (params->dwMediaMode) {
        if (!std::has_single_bit(params->dwMediaMode) || !(params->dwMediaMode & caps.dwMediaModes))
            return LINEERR_INVALMEDIAMODE;
        settings->mediaMode = params->dwMediaMode;
    }
    const DWORD mode = params->dwAddressMode ? params->dwAddressMode : LINEADDRESSMODE_ADDRESSID;
    if (mode != LINEADDRESSMODE_ADDRESSID && mode != LINEADDRESSMODE_DIALABLEADDR)
        return LINEERR_INVALADDRESSMODE;
    if (!(mode & caps.dwAddressModes))
        return LINEERR_INVALADDRESSMODE;
    if (mode == LINEADDRESSMODE_ADDRESSID) {
        if (params->dwAddressID >= caps.dwNumAddresses)
            return LINEERR_INVALADDRESSID;
        settings->addressId = params->dwAddressID;
        return 0;
    }
    QByteArray orig;
    if (!paramText(*params, params->dwOrigAddressSize, params->dwOrigAddressOffset, &orig))
        return LINEERR_INVALCALLPARAMS;
    if (orig.isEmpty())
        return 0;
    for (DWORD a = 0; a < caps.dwNumAddresses; ++a) {
        QByteArray address = m_provider.addressCaps(line.deviceId, a).address;
        address.truncate(address.indexOf('\0') < 0 ? address.size() : address.indexOf('\0'));
        if (address == orig) {
            settings->addressId = a;
            return 0;
        }
    }
    return LINEERR_INVALADDRESS;
}

// --- Call information and handles --------------------------------------------------------

LONG TapiService::lineGetCallInfo(HCALL hCall, LINECALLINFO* lpCallInfo)
{
    Lock lock(m_provider.mutex());
    const CallHandle* handle = findCall(hCall);
    if (!handle)
        return LINEERR_INVALCALLHANDLE;
    if (!lpCallInfo)
        return LINEERR_INVALPOINTER;
    const OpenLine* line = findLine(handle->line);
    const DWORD fixed = fixedSizeLineCallInfo(line->apiVersion);
    if (lpCallInfo->dwTotalSize < fixed)
        return LINEERR_STRUCTURETOOSMALL;
    CallData data;
    if (!m_provider.callData(handle->call, &data))
        return LINEERR_INVALCALLHANDLE;
    const AddressCaps address = m_provider.addressCaps(data.deviceId, data.addressId);
    const LINEDEVCAPS device = m_provider.lineDevCaps(data.deviceId).fixed;

    DWORD owners = 0;
    DWORD monitors = 0;
    for (const auto& [h, record] : m_callHandles) {
        if (record.call != handle->call)
            continue;
        if (record.privilege == LINECALLPRIVILEGE_OWNER)
            ++owners;
        else
            ++monitors;
    }
    LINECALLINFO info{};
    info.hLine = handle->line;
    info.dwLineDeviceID = data.deviceId;
    info.dwAddressID = data.addressId;
    info.dwBearerMode = data.bearerMode;
    info.dwRate = data.rate;
    info.dwMediaMode = data.mediaMode;
    info.dwCallID = handle->call;
    info.dwRelatedCallID = data.relatedCallId;
    info.dwCallStates = address.fixed.dwCallStates;
    info.dwMonitorDigitModes = handle->monitorDigitModes;
    info.DialParams = device.DefaultDialParams;
    info.dwOrigin = data.origin;
    info.dwReason = data.reason;
    info.dwNumOwners = owners;
    info.dwNumMonitors = monitors;
    info.dwTrunk = 0xFFFFFFFF; // unknown
    info.dwCallerIDFlags = data.caller.flags;
    info.dwCalledIDFlags = data.called.flags;
    info.dwConnectedIDFlags = data.connected.flags;
    info.dwRedirectionIDFlags = data.redirection.flags;
    info.dwRedirectingIDFlags = data.redirecting.flags;
    const DWORD phoneNumber = 0x1;
    info.dwCallerIDAddressType = data.caller.number.isEmpty() ? 0 : phoneNumber;
    info.dwCalledIDAddressType = data.called.number.isEmpty() ? 0 : phoneNumber;
    info.dwConnectedIDAddressType = data.connected.number.isEmpty() ? 0 : phoneNumber;
    info.dwRedirectionIDAddressType = data.redirection.number.isEmpty() ? 0 : phoneNumber;
    info.dwRedirectingIDAddressType = data.redirecting.number.isEmpty() ? 0 : phoneNumber;

    QByteArray appName =
        m_callAppNames.count(handle->call) ? m_callAppNames.at(handle->call) : QByteArray();
    if (!appName.isEmpty())
        appName.append('\0');

    VarStructWriter writer(lpCallInfo, info, fixed);
    LINECALLINFO& c = *lpCallInfo;
    writer.append(c.dwCallerIDSize, c.dwCallerIDOffset, data.caller.number);
    writer.append(c.dwCallerIDNameSize, c.dwCallerIDNameOffset, data.caller.name);
    writer.append(c.dwCalledIDSize, c.dwCalledIDOffset, data.called.number);
    writer.append(c.dwCalledIDNameSize, c.dwCalledIDNameOffset, data.called.name);
    writer.append(c.dwConnectedIDSize, c.dwConnectedIDOffset, data.connected.number);
    writer.append(c.dwConnectedIDNameSize, c.dwConnectedIDNameOffset, data.connected.name);
    writer.append(c.dwRedirectionIDSize, c.dwRedirectionIDOffset, data.redirection.number);
    writer.append(c.dwRedirectionIDNameSize, c.dwRedirectionIDNameOffset, data.redirection.name);
    writer.append(c.dwRedirectingIDSize, c.dwRedirectingIDOffset, data.redirecting.number);
    writer.append(c.dwRedirectingIDNameSize, c.dwRedirectingIDNameOffset, data.redirecting.name);
    writer.append(c.dwAppNameSize, c.dwAppNameOffset, appName);
    writer.append(c.dwDisplayableAddressSize, c.dwDisplayableAddressOffset,
                  data.displayableAddress);
    writer.append(c.dwCalledPartySize, c.dwCalledPartyOffset, data.calledParty);
    writer.append(c.dwCommentSize, c.dwCommentOffset, data.comment);
    writer.append(c.dwChargingInfoSize, c.dwChargingInfoOffset, data.chargingInfo);
    writer.finish();
    return 0;
}

LONG TapiService::lineGetCallStatus(HCALL hCall, LINECALLSTATUS* lpCallStatus)
{
    Lock lock(m_provider.mutex());
    const CallHandle* handle = findCall(hCall);
    if (!handle)
        return LINEERR_INVALCALLHANDLE;
    if (!lpCallStatus)
        return LINEERR_INVALPOINTER;
    const DWORD fixed = fixedSizeLineCallStatus(findLine(handle->line)->apiVersion);
    if (lpCallStatus->dwTotalSize < fixed)
        return LINEERR_STRUCTURETOOSMALL;
    CallData data;
    if (!m_provider.callData(handle->call, &data))
        return LINEERR_INVALCALLHANDLE;
    LINECALLSTATUS status{};
    status.dwCallState = data.state;
    status.dwCallStateMode = data.stateMode;
    status.dwCallPrivilege = handle->privilege;
    status.dwCallFeatures = data.callFeatures;
    status.tStateEntryTime = systemTime(data.stateEntered);
    VarStructWriter writer(lpCallStatus, status, fixed);
    writer.append(lpCallStatus->dwDevSpecificSize, lpCallStatus->dwDevSpecificOffset, QByteArray());
    writer.finish();
    return 0;
}

LONG TapiService::lineDeallocateCall(HCALL hCall)
{
    Lock lock(m_provider.mutex());
    const CallHandle* handle = findCall(hCall);
    if (!handle)
        return LINEERR_INVALCALLHANDLE;
    const CallKey call = handle->call;
    const bool owner = handle->privilege == LINECALLPRIVILEGE_OWNER;
    CallData data;
    const bool idle = !m_provider.callData(call, &data) || data.state == LINECALLSTATE_IDLE;
    // The last owner may not walk away from a call that is still going on.
    if (owner && ownerCount(call) == 1 && !idle)
        return LINEERR_INVALCALLSTATE;
    m_callHandles.erase(hCall);
    if (!idle) {
        notifyOwnership(call, 0,
                        owner ? LINECALLINFOSTATE_NUMOWNERDECR : LINECALLINFOSTATE_NUMMONITORS);
    }
    forgetCallIfDone(call);
    return 0;
}

LONG TapiService::lineSetCallPrivilege(HCALL hCall, DWORD dwCallPrivilege)
{
    Lock lock(m_provider.mutex());
    CallHandle* handle = findCall(hCall);
    if (!handle)
        return LINEERR_INVALCALLHANDLE;
    if (dwCallPrivilege != LINECALLPRIVILEGE_MONITOR && dwCallPrivilege != LINECALLPRIVILEGE_OWNER)
        return LINEERR_INVALCALLPRIVILEGE;
    if (handle->privilege == dwCallPrivilege)
        return 0;
    handle->privilege = dwCallPrivilege;
    const DWORD change = dwCallPrivilege == LINECALLPRIVILEGE_OWNER
                             ? LINECALLINFOSTATE_NUMOWNERINCR | LINECALLINFOSTATE_NUMMONITORS
                             : LINECALLINFOSTATE_NUMOWNERDECR | LINECALLINFOSTATE_NUMMONITORS;
    notifyOwnership(handle->call, hCall, change);
    return 0;
}

// --- Call control ----------------------------------------------------------------------

LONG TapiService::lineMakeCall(HLINE hLine, HCALL* lphCall, const char* lpszDestAddress,
                               DWORD /*dwCountryCode*/, const LINECALLPARAMS* lpCallParams)
{
    Lock lock(m_provider.mutex());
    const OpenLine* line = findLine(hLine);
    if (!line)
        return LINEERR_INVALLINEHANDLE;
    if (!lphCall)
        return LINEERR_INVALPOINTER;
    CallSettings settings;
    if (const LONG result = parseCallParams(*line, lpCallParams, &settings))
        return result;
    const DWORD device = line->deviceId;
    const QByteArray destination = textOf(lpszDestAddress);
    return startRequest(
        hLine, [&](RequestId id) { return m_provider.makeCall(id, device, destination, settings); },
        lphCall);
}

LONG TapiService::lineDial(HCALL hCall, const char* lpszDestAddress, DWORD /*dwCountryCode*/)
{
    return ownerRequest(hCall, lpszDestAddress, &ServiceProvider::dial);
}

LONG TapiService::lineDrop(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize)
{
    return ownerRequest(hCall, &ServiceProvider::drop, lpsUserUserInfo, dwSize);
}

LONG TapiService::lineAnswer(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize)
{
    return ownerRequest(hCall, &ServiceProvider::answer, lpsUserUserInfo, dwSize);
}

LONG TapiService::lineAccept(HCALL hCall, const char* lpsUserUserInfo, DWORD dwSize)
{
    return ownerRequest(hCall, &ServiceProvider::accept, lpsUserUserInfo, dwSize);
}

LONG TapiService::lineHold(HCALL hCall)
{
    return ownerRequest(hCall, &ServiceProvider::hold);
}

LONG TapiService::lineUnhold(HCALL hCall)
{
    return ownerRequest(hCall, &ServiceProvider::unhold);
}

LONG TapiService::lineSwapHold(HCALL hActiveCall, HCALL hHeldCall)
{
    Lock lock(m_provider.mutex());
    CallHandle* active = nullptr;
    if (const LONG result = checkOwner(hActiveCall, &active))
        return result;
    CallHandle* held = nullptr;
    if (const LONG result = checkOwner(hHeldCall, &held))
        return result == LINEERR_INVALCALLHANDLE ? LINEERR_INVALCONSULTCALLHANDLE : result;
    const CallKey activeCall = active->call;
    const CallKey heldCall = held->call;
    return startRequest(
        active->line, [&](RequestId id) { return m_provider.swapHold(id, activeCall, heldCall); });
}

LONG TapiService::lineBlindTransfer(HCALL hCall, const char* lpszDestAddress,
                                    DWORD /*dwCountryCode*/)
{
    return ownerRequest(hCall, lpszDestAddress, &ServiceProvider::blindTransfer);
}

LONG TapiService::lineSetupTransfer(HCALL hCall, HCALL* lphConsultCall,
                                    const LINECALLPARAMS* lpCallParams)
{
    Lock lock(m_provider.mutex());
    CallHandle* handle = nullptr;
    if (const LONG result = checkOwner(hCall, &handle))
        return result;
    if (!lphConsultCall)
        return LINEERR_INVALPOINTER;
    CallSettings settings;
    if (const LONG result = parseCallParams(*findLine(handle->line), lpCallParams, &settings))
        return result;
    const CallKey call = handle->call;
    return startRequest(
        handle->line, [&](RequestId id) { return m_provider.setupTransfer(id, call); },
        lphConsultCall);
}

LONG TapiService::lineCompleteTransfer(HCALL hCall, HCALL hConsultCall, HCALL* lphConfCall,
                                       DWORD dwTransferMode)
{
    Lock lock(m_provider.mutex());
    CallHandle* held = nullptr;
    if (const LONG result = checkOwner(hCall, &held))
        return result;
    CallHandle* consult = nullptr;
    if (const LONG result = checkOwner(hConsultCall, &consult))
        return result == LINEERR_INVALCALLHANDLE ? LINEERR_INVALCONSULTCALLHANDLE : result;
    if (dwTransferMode == LINETRANSFERMODE_CONFERENCE && !lphConfCall)
        return LINEERR_INVALPOINTER;
    const CallKey heldCall = held->call;
    const CallKey consultCall = consult->call;
    return startRequest(held->line, [&](RequestId id) {
        return m_provider.completeTransfer(id, heldCall, consultCall, dwTransferMode);
    });
}

LONG TapiService::linePark(HCALL hCall, DWORD dwParkMode, const char* lpszDirAddress,
                           VARSTRING* lpNonDirAddress)
{
    Lock lock(m_provider.mutex());
    CallHandle* handle = nullptr;
    if (const LONG result = checkOwner(hCall, &handle))
        return result;
    if (dwParkMode == LINEPARKMODE_DIRECTED && !lpszDirAddress)
        return LINEERR_INVALPOINTER;
    if (dwParkMode == LINEPARKMODE_NONDIRECTED) {
        if (!lpNonDirAddress)
            return LINEERR_INVALPOINTER;
        if (lpNonDirAddress->dwTotalSize < sizeof(VARSTRING))
            return LINEERR_STRUCTURETOOSMALL;
    }
    const CallKey call = handle->call;
    const QByteArray directed = textOf(lpszDirAddress);
    QByteArray parkedAt;
    const LONG result = startRequest(handle->line, [&](RequestId id) {
        return m_provider.park(id, call, dwParkMode, directed, &parkedAt);
    });
    if (result > 0 && dwParkMode == LINEPARKMODE_NONDIRECTED) {
        VARSTRING fixed{};
        fixed.dwStringFormat = STRINGFORMAT_ASCII;
        VarStructWriter writer(lpNonDirAddress, fixed, sizeof(VARSTRING));
        writer.append(lpNonDirAddress->dwStringSize, lpNonDirAddress->dwStringOffset, parkedAt);
        writer.finish();
    }
    return result;
}

LONG TapiService::lineUnpark(HLINE hLine, DWORD dwAddressID, HCALL* lphCall,
                             const char* lpszDestAddress)
{
    Lock lock(m_provider.mutex());
    const OpenLine* line = findLine(hLine);
    if (!line)
        return LINEERR_INVALLINEHANDLE;
    if (!lphCall || !lpszDestAddress)
        return LINEERR_INVALPOINTER;
    if (dwAddressID >= m_provider.lineDevCaps(line->deviceId).fixed.dwNumAddresses)
        return LINEERR_INVALADDRESSID;
    const DWORD device = line->deviceId;
    const QByteArray address(lpszDestAddress);
    return startRequest(
        hLine, [&](RequestId id) { return m_provider.unpark(id, device, dwAddressID, address); },
        lphCall);
}

LONG TapiService::lineRedirect(HCALL hCall, const char* lpszDestAddress, DWORD /*dwCountryCode*/)
{
    return ownerRequest(hCall, lpszDestAddress, &ServiceProvider::redirect);
}

LONG TapiService::lineGenerateDigits(HCALL hCall, DWORD dwDigitMode, const char* lpszDigits,
                                     DWORD /*dwDuration*/)
{
    Lock lock(m_provider.mutex());
    CallHandle* handle = nullptr;
    if (const LONG result = checkOwner(hCall, &handle))
        return result;
    if (!lpszDigits)
        return 0; // nothing is being generated that could be cancelled
    if (const LONG result = m_provider.generateDigits(handle->call, dwDigitMode, lpszDigits))
        return result;
    post(handle->line, hCall, LINE_GENERATE, LINEGENERATETERM_DONE, 0, tickCount());
    return 0;
}

LONG TapiService::lineMonitorDigits(HCALL hCall, DWORD dwDigitModes)
{
    Lock lock(m_provider.mutex());
    CallHandle* handle = findCall(hCall);
    if (!handle)
        return LINEERR_INVALCALLHANDLE;
    const DWORD supported =
        m_provider.lineDevCaps(findLine(handle->line)->deviceId).fixed.dwMonitorDigitModes;
    if (dwDigitModes & ~supported)
        return LINEERR_INVALDIGITMODE;
    CallData data;
    if (!m_provider.callData(handle->call, &data) || data.state == LINECALLSTATE_IDLE)
        return LINEERR_INVALCALLSTATE;
    handle->monitorDigitModes = dwDigitModes;
    return 0;
}

LONG TapiService::lineDevSpecific(HLINE hLine, DWORD dwAddressID, HCALL hCall, void* lpParams,
                                  DWORD dwSize)
{
    Lock lock(m_provider.mutex());
    const OpenLine* line = findLine(hLine);
    if (!line)
        return LINEERR_INVALLINEHANDLE;
    if (dwAddressID >= m_provider.lineDevCaps(line->deviceId).fixed.dwNumAddresses)
        return LINEERR_INVALADDRESSID;
    CallKey call = 0;
    if (hCall != 0) {
        const CallHandle* handle = findCall(hCall);
        if (!handle || findLine(handle->line)->deviceId != line->deviceId)
            return LINEERR_INVALCALLHANDLE;
        call = handle->call;
    }
    const DWORD device = line->deviceId;
    return startDevSpecific(hLine, lpParams, dwSize, [&](RequestId id, QByteArray& params) {
        return m_provider.devSpecific(id, device, dwAddressID, call, params);
    });
}

LONG TapiService::lineDevSpecificFeature(HLINE hLine, DWORD dwFeature, void* lpParams, DWORD dwSize)
{
    Lock lock(m_provider.mutex());
    const OpenLine* line = findLine(hLine);
    if (!line)
        return LINEERR_INVALLINEHANDLE;
    const DWORD device = line->deviceId;
    return startDevSpecific(hLine, lpParams, dwSize, [&](RequestId id, QByteArray& params) {
        return m_provider.devSpecificFeature(id, device, dwFeature, params);
    });
}

} // namespace platform::tapi
