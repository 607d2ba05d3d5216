// The provider's events: they keep the handles up to date and queue the
// messages each application is to see.
#include "platform/tapi/TapiService.h"

#include <QDeadlineTimer>

namespace platform::tapi {

namespace {

// Milliseconds since an arbitrary start, as a 32-bit tick count.
DWORD tickCount()
{
    return static_cast<DWORD>(QDeadlineTimer::current().deadline());
}

} // namespace

// --- Events from the provider ------------------------------------------------------------

void TapiService::callCreated(CallKey call, DWORD deviceId, RequestId originRequest)
{
    m_callDevices[call] = deviceId;
    const auto request = m_requests.find(originRequest);
    if (originRequest == 0 || request == m_requests.end())
        return;
    // The requesting line owns the new call; it learns the handle from LINE_REPLY.
    const HCALL handle = m_handles.take();
    CallHandle& record = m_callHandles[handle];
    record.line = request->second.line;
    record.call = call;
    record.privilege = LINECALLPRIVILEGE_OWNER;
    record.announced = true;
    request->second.resultHandle = handle;
    m_seen.insert({record.line, call});
    m_callAppNames[call] = request->second.appName;
}

void TapiService::callStateChanged(CallKey call, DWORD state, DWORD mode)
{
    const auto device = m_callDevices.find(call);
    if (device == m_callDevices.end())
        return;
    CallData data;
    const bool known = m_provider.callData(call, &data);
    for (const auto& [hLine, line] : m_lines) {
        if (line.deviceId != device->second)
            continue;
        HCALL hCall = handleOf(hLine, call);
        if (!hCall && !m_seen.count({hLine, call})) {
            m_seen.insert({hLine, call});
            DWORD privilege = 0;
            const bool offered = state & (LINECALLSTATE_OFFERING | LINECALLSTATE_ACCEPTED);
            if ((line.privileges & LINECALLPRIVILEGE_OWNER) && offered && known &&
                (data.mediaMode & line.mediaModes) && ownerCount(call) == 0)
                privilege = LINECALLPRIVILEGE_OWNER;
            else if (line.privileges & LINECALLPRIVILEGE_MONITOR)
                privilege = LINECALLPRIVILEGE_MONITOR;
            if (privilege == 0)
                continue;
            hCall = m_handles.take();
            CallHandle& record = m_callHandles[hCall];
            record.line = hLine;
            record.call = call;
            record.privilege = privilege;
        }
        if (!hCall)
            continue;
        CallHandle& record = m_callHandles[hCall];
        DWORD newPrivilege = 0;
        if (!record.announced) {
            record.announced = true;
            newPrivilege = record.privilege;
            if (line.apiVersion >= TAPI_VERSION2_0)
                post(hLine, hLine, LINE_APPNEWCALL, known ? data.addressId : 0, hCall,
                     record.privilege);
        }
        post(hLine, hCall, LINE_CALLSTATE, state, mode, newPrivilege);
    }
    if (state == LINECALLSTATE_IDLE)
        forgetCallIfDone(call);
}

void TapiService::callInfoChanged(CallKey call, DWORD infoStates)
{
    for (const auto& [handle, record] : m_callHandles) {
        if (record.call == call && record.announced)
            post(record.line, handle, LINE_CALLINFO, infoStates, 0, 0);
    }
}

void TapiService::requestCompleted(RequestId requestId, LONG result)
{
    const auto found = m_requests.find(requestId);
    if (found == m_requests.end())
        return;
    const Request request = found->second;
    m_requests.erase(found);
    LineApp* app = findApp(request.app);
    if (!app)
        return;
    const OpenLine* line = findLine(request.line);
    const DWORD_PTR instance = line ? line->instance : app->instance;
    std::function<void()> publish;
    if (result == 0 && request.resultTarget && request.resultHandle) {
        HCALL* target = request.resultTarget;
        const HCALL handle = request.resultHandle;
        publish = [target, handle] { *target = handle; };
    } else if (request.resultHandle) {
        m_callHandles.erase(request.resultHandle);
    }
    app->mailbox->post(0, LINE_REPLY, instance, requestId, static_cast<DWORD>(result), 0,
                       std::move(publish));
}

void TapiService::lineDevStateChanged(DWORD deviceId, DWORD state, DWORD param2, DWORD param3)
{
    for (const auto& [handle, line] : m_lines) {
        if (line.deviceId != deviceId)
            continue;
        if (state == LINEDEVSTATE_REINIT) {
            if (LineApp* app = findApp(line.app))
                app->mailbox->post(0, LINE_LINEDEVSTATE, 0, state, param2, param3);
        } else if (line.lineStates & state) {
            post(handle, handle, LINE_LINEDEVSTATE, state, param2, param3);
        }
    }
}

void TapiService::digitReceived(CallKey call, char digit, DWORD /*digitMode*/)
{
    const DWORD tick = tickCount();
    const auto code = static_cast<DWORD>(static_cast<unsigned char>(digit));
    for (const auto& [handle, record] : m_callHandles) {
        if (record.call != call || !record.announced)
            continue;
        if (record.monitorDigitModes & LINEDIGITMODE_DTMF)
            post(record.line, handle, LINE_MONITORDIGITS, code, LINEDIGITMODE_DTMF, tick);
        if (record.monitorDigitModes & LINEDIGITMODE_DTMFEND)
            post(record.line, handle, LINE_MONITORDIGITS, code, LINEDIGITMODE_DTMFEND, tick);
    }
}

void TapiService::lineClosedByProvider(DWORD deviceId)
{
    std::vector<HLINE> closed;
    for (const auto& [handle, line] : m_lines) {
        if (line.deviceId == deviceId)
            closed.push_back(handle);
    }
    for (HLINE hLine : closed) {
        post(hLine, hLine, LINE_CLOSE, 0, 0, 0);
        std::erase_if(m_callHandles, [&](const auto& entry) { return entry.second.line == hLine; });
        std::erase_if(m_seen, [&](const auto& entry) { return entry.first == hLine; });
        m_lines.erase(hLine);
    }
    for (auto it = m_callDevices.begin(); it != m_callDevices.end();) {
        if (it->second == deviceId) {
            m_callAppNames.erase(it->first);
            it = m_callDevices.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace platform::tapi
