#include "platform/tapi/sim/SimExchange.h"

#include "platform/tapi/Codepage1252.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/sim/SimRules.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace platform::tapi::sim {

using namespace rules;

// The calls as the service works them.

// --- Calls ---------------------------------------------------------------------------

bool SimExchange::callData(CallKey id, CallData* data) const
{
    Lock lock(m_mutex);
    const Call* call = findCall(id);
    if (!call)
        return false;
    data->deviceId = call->line;
    data->addressId = call->address;
    data->state = call->state;
    data->stateMode = call->mode;
    data->stateEntered = call->entered;
    data->callFeatures = featuresOf(*call);
    data->bearerMode = call->bearerMode;
    data->mediaMode = call->mediaMode;
    data->origin = call->origin;
    data->reason = call->reason;
    data->relatedCallId = call->relatedCall;
    data->caller = partyData(call->caller.number, call->caller.name, call->caller.flags);
    data->called = partyData(call->called.number, call->called.name, call->called.flags);
    data->connected =
        partyData(call->connected.number, call->connected.name, call->connected.flags);
    data->redirection =
        partyData(call->redirection.number, call->redirection.name, call->redirection.flags);
    data->redirecting =
        partyData(call->redirecting.number, call->redirecting.name, call->redirecting.flags);
    data->chargingInfo = toTapiText(call->chargingInfo);
    data->displayableAddress =
        toTapiText(call->outgoing ? call->called.number : call->caller.number);
    return true;
}

void SimExchange::dialDigits(Call& call, const QString& digits)
{
    // A trailing ';' leaves the number open for more digits.
    QString number = digits.trimmed();
    const bool partial = number.endsWith(u';');
    if (partial)
        number.chop(1);
    call.called.number += number;
    call.called.flags = partyFlags(call.called.number, QString());
    if (call.state != LINECALLSTATE_DIALING)
        setState(call, LINECALLSTATE_DIALING, 0);
    if (partial)
        return;
    const CallKey id = call.id;
    if (Call* c = findCall(id); c && c->state == LINECALLSTATE_DIALING)
        setState(*c, LINECALLSTATE_PROCEEDING, 0);
    if (Call* c = findCall(id); c && c->state == LINECALLSTATE_PROCEEDING)
        setState(*c, LINECALLSTATE_RINGBACK, 0);
}

LONG SimExchange::makeCall(RequestId request, DWORD deviceId, const QByteArray& destination,
                           const CallSettings& settings)
{
    Lock lock(m_mutex);
    purge();
    if (!validLine(deviceId))
        return LINEERR_BADDEVICEID;
    const SimLineConfig& line = lineConfig(deviceId);
    const QString dest = fromCodepage1252(destination);
    if (!dest.trimmed().isEmpty() && !isDialable(dest))
        return LINEERR_INVALADDRESS;
    if (activeCallCount(deviceId) >= 1)
        return LINEERR_CALLUNAVAIL;

    Call& call = newCall(deviceId, settings.addressId);
    call.outgoing = true;
    call.origin = LINECALLORIGIN_OUTBOUND;
    call.reason = LINECALLREASON_DIRECT;
    if (settings.bearerMode)
        call.bearerMode = settings.bearerMode;
    if (settings.mediaMode)
        call.mediaMode = settings.mediaMode;
    const QString own = line.addresses.value(int(settings.addressId));
    call.caller = {own, QString(), partyFlags(own, QString())};
    const CallKey id = call.id;
    if (m_events)
        m_events->callCreated(id, deviceId, request);
    completeRequest(request, 0);
    if (Call* c = findCall(id))
        setState(*c, LINECALLSTATE_DIALTONE, LINEDIALTONEMODE_NORMAL);
    if (Call* c = findCall(id); c && !dest.trimmed().isEmpty())
        dialDigits(*c, dest);
    return 0;
}

LONG SimExchange::dial(RequestId request, CallKey id, const QByteArray& destination)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    const QString dest = fromCodepage1252(destination);
    if (!isDialable(dest))
        return LINEERR_INVALADDRESS;
    const DWORD state = call->state;
    if (state == LINECALLSTATE_CONNECTED) {
        // Digits on an established call go to the far end as tones.
        QString tones;
        for (QChar c : dest) {
            if (isDtmfDigit(c))
                tones.append(c.toUpper());
        }
        call->digitsSent += tones;
        completeRequest(request, 0);
        return 0;
    }
    if (state != LINECALLSTATE_DIALTONE && state != LINECALLSTATE_DIALING)
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    dialDigits(*call, dest);
    return 0;
}

LONG SimExchange::drop(RequestId request, CallKey id)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (call->state == LINECALLSTATE_IDLE)
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    if (call->state & kAlertingStates)
        call->note = u"rejected"_s;
    setState(*call, LINECALLSTATE_IDLE, 0);
    return 0;
}

LONG SimExchange::answer(RequestId request, CallKey id)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (!(call->state & kAlertingStates))
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    setState(*call, LINECALLSTATE_CONNECTED, LINECONNECTEDMODE_ACTIVE);
    return 0;
}

LONG SimExchange::accept(RequestId request, CallKey id)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (call->state != LINECALLSTATE_OFFERING)
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    setState(*call, LINECALLSTATE_ACCEPTED, 0);
    if (Call* c = findCall(id); c && c->state == LINECALLSTATE_ACCEPTED && !c->alerting)
        startAlerting(*c);
    return 0;
}

LONG SimExchange::hold(RequestId request, CallKey id)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (call->state != LINECALLSTATE_CONNECTED)
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    setState(*call, LINECALLSTATE_ONHOLD, 0);
    return 0;
}

LONG SimExchange::unhold(RequestId request, CallKey id)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (!(call->state & kHeldStates))
        return LINEERR_INVALCALLSTATE;
    if (activeCallCount(call->line) >= 1)
        return LINEERR_CALLUNAVAIL;
    completeRequest(request, 0);
    setState(*call, LINECALLSTATE_CONNECTED, LINECONNECTEDMODE_ACTIVE);
    return 0;
}

LONG SimExchange::swapHold(RequestId request, CallKey activeId, CallKey heldId)
{
    Lock lock(m_mutex);
    purge();
    Call* active = findCall(activeId);
    Call* held = findCall(heldId);
    if (!active)
        return LINEERR_INVALCALLHANDLE;
    if (!held || held == active)
        return LINEERR_INVALCONSULTCALLHANDLE;
    if (active->state != LINECALLSTATE_CONNECTED || !(held->state & kHeldStates) ||
        active->line != held->line)
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    setState(*active, LINECALLSTATE_ONHOLD, 0);
    setState(*held, LINECALLSTATE_CONNECTED, LINECONNECTEDMODE_ACTIVE);
    return 0;
}

LONG SimExchange::blindTransfer(RequestId request, CallKey id, const QByteArray& destination)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    const QString dest = fromCodepage1252(destination);
    if (!isDialable(dest))
        return LINEERR_INVALADDRESS;
    if (call->state != LINECALLSTATE_CONNECTED)
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    call->note = u"transferred to "_s + dest.trimmed();
    setState(*call, LINECALLSTATE_IDLE, 0);
    return 0;
}

LONG SimExchange::setupTransfer(RequestId request, CallKey id)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (call->state != LINECALLSTATE_CONNECTED)
        return LINEERR_INVALCALLSTATE;
    const DWORD line = call->line;
    const DWORD address = call->address;
    Call& consult = newCall(line, address);
    consult.outgoing = true;
    consult.origin = LINECALLORIGIN_OUTBOUND;
    consult.reason = LINECALLREASON_DIRECT;
    const QString own = lineConfig(line).addresses.value(int(address));
    consult.caller = {own, QString(), partyFlags(own, QString())};
    consult.relatedCall = id;
    const CallKey consultId = consult.id;
    if (Call* held = findCall(id))
        held->relatedCall = consultId;
    if (m_events)
        m_events->callCreated(consultId, line, request);
    completeRequest(request, 0);
    if (Call* held = findCall(id))
        setState(*held, LINECALLSTATE_ONHOLDPENDTRANSFER, 0);
    if (Call* c = findCall(consultId))
        setState(*c, LINECALLSTATE_DIALTONE, LINEDIALTONEMODE_INTERNAL);
    return 0;
}

LONG SimExchange::completeTransfer(RequestId request, CallKey heldId, CallKey consultId,
                                   DWORD transferMode)
{
    Lock lock(m_mutex);
    purge();
    Call* held = findCall(heldId);
    Call* consult = findCall(consultId);
    if (!held)
        return LINEERR_INVALCALLHANDLE;
    if (!consult || consult == held)
        return LINEERR_INVALCONSULTCALLHANDLE;
    if (!isSingleFlag(transferMode) || !(transferMode & lineConfig(held->line).transferModes))
        return LINEERR_INVALTRANSFERMODE;
    if (!(held->state & kHeldStates) ||
        !(consult->state & (LINECALLSTATE_CONNECTED | kProgressStates)) ||
        held->line != consult->line)
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    const QString target = consult->called.number;
    held->note = u"transferred to "_s + target;
    consult->note = u"transferred"_s;
    setState(*held, LINECALLSTATE_IDLE, 0);
    if (Call* c = findCall(consultId))
        setState(*c, LINECALLSTATE_IDLE, 0);
    return 0;
}

LONG SimExchange::park(RequestId request, CallKey id, DWORD parkMode,
                       const QByteArray& directedAddress, QByteArray* parkedAt)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (!isSingleFlag(parkMode) || !(parkMode & lineConfig(call->line).parkModes))
        return LINEERR_INVALPARKMODE;
    if (call->state != LINECALLSTATE_CONNECTED)
        return LINEERR_INVALCALLSTATE;
    QString slot;
    if (parkMode == LINEPARKMODE_DIRECTED) {
        slot = fromCodepage1252(directedAddress).trimmed();
        if (!isDialable(slot))
            return LINEERR_INVALADDRESS;
    } else {
        do
            slot = QString::number(m_nextParkSlot++);
        while (m_parked.count(slot));
        if (parkedAt)
            *parkedAt = toTapiText(slot);
    }
    if (m_parked.count(slot)) {
        completeRequest(request, LINEERR_OPERATIONFAILED);
        return 0;
    }
    m_parked[slot] = *call;
    completeRequest(request, 0);
    call->note = u"parked at "_s + slot;
    setState(*call, LINECALLSTATE_IDLE, 0);
    return 0;
}

LONG SimExchange::unpark(RequestId request, DWORD deviceId, DWORD addressId,
                         const QByteArray& address)
{
    Lock lock(m_mutex);
    purge();
    if (!validLine(deviceId))
        return LINEERR_BADDEVICEID;
    const QString slot = fromCodepage1252(address).trimmed();
    if (!isDialable(slot))
        return LINEERR_INVALADDRESS;
    const auto parked = m_parked.find(slot);
    if (parked == m_parked.end() || activeCallCount(deviceId) >= 1) {
        completeRequest(request, LINEERR_OPERATIONFAILED);
        return 0;
    }
    const Call was = parked->second;
    m_parked.erase(parked);
    Call& call = newCall(deviceId, addressId);
    call.outgoing = was.outgoing;
    call.origin = was.origin;
    call.reason = LINECALLREASON_UNPARK;
    call.caller = was.caller;
    call.called = was.called;
    call.connected = was.outgoing ? was.connected : was.caller;
    call.note = u"unparked from "_s + slot;
    const CallKey id = call.id;
    if (m_events)
        m_events->callCreated(id, deviceId, request);
    completeRequest(request, 0);
    if (Call* c = findCall(id))
        setState(*c, LINECALLSTATE_CONNECTED, LINECONNECTEDMODE_ACTIVE);
    return 0;
}

LONG SimExchange::redirect(RequestId request, CallKey id, const QByteArray& destination)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    const QString dest = fromCodepage1252(destination);
    if (!isDialable(dest))
        return LINEERR_INVALADDRESS;
    if (!(call->state & kAlertingStates))
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    call->note = u"redirected to "_s + dest.trimmed();
    setState(*call, LINECALLSTATE_IDLE, 0);
    return 0;
}

LONG SimExchange::generateDigits(CallKey id, DWORD digitMode, const QByteArray& digits)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (digitMode != LINEDIGITMODE_DTMF && digitMode != LINEDIGITMODE_PULSE)
        return LINEERR_INVALDIGITMODE;
    if (call->state != LINECALLSTATE_CONNECTED)
        return LINEERR_INVALCALLSTATE;
    const QString text = fromCodepage1252(digits);
    QString sent;
    for (QChar c : text) {
        if (c == u',')
            continue; // a pause
        const bool valid = digitMode == LINEDIGITMODE_PULSE ? c.isDigit() : isDtmfDigit(c);
        if (!valid)
            return LINEERR_INVALDIGITS;
        sent.append(c.toUpper());
    }
    call->digitsSent += sent;
    return 0;
}

LONG SimExchange::devSpecific(RequestId request, DWORD deviceId, DWORD addressId, CallKey call,
                              QByteArray& params)
{
    Lock lock(m_mutex);
    if (!validLine(deviceId))
        return LINEERR_BADDEVICEID;
    DevSpecificRequest record{deviceId, addressId, call, false, 0, params};
    m_devSpecific.append(record);
    const LONG result = m_devSpecificHandler ? m_devSpecificHandler(record, params) : 0;
    completeRequest(request, result);
    return 0;
}

LONG SimExchange::devSpecificFeature(RequestId request, DWORD deviceId, DWORD feature,
                                     QByteArray& params)
{
    Lock lock(m_mutex);
    if (!validLine(deviceId))
        return LINEERR_BADDEVICEID;
    DevSpecificRequest record{deviceId, 0, 0, true, feature, params};
    m_devSpecific.append(record);
    const LONG result = m_devSpecificHandler ? m_devSpecificHandler(record, params) : 0;
    completeRequest(request, result);
    return 0;
}

void SimExchange::releaseCall(CallKey id)
{
    Lock lock(m_mutex);
    const auto it = m_calls.find(id);
    if (it != m_calls.end() && it->second.state == LINECALLSTATE_IDLE)
        it->second.released = true;
}

} // namespace platform::tapi::sim
