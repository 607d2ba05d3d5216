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

// A call this side makes: the caller is the line's own address.
SimExchange::Call& SimExchange::newOutgoingCall(DWORD line, DWORD address)
{
    Call& call = newCall(line, address);
    call.outgoing = true;
    call.origin = LINECALLORIGIN_OUTBOUND;
    call.reason = LINECALLREASON_DIRECT;
    const QString own = lineConfig(line).addresses.value(int(address));
    call.caller = {own, QString(), partyFlags(own, QString())};
    return call;
}

LONG SimExchange::makeCall(RequestId request, DWORD deviceId, const QByteArray& destination,
                           const CallSettings& settings)
{
    Lock lock(m_mutex);
    purge();
    if (!validLine(deviceId))
        return LINEERR_BADDEVICEID;
    const QString dest = fromCodepage1252(destination);
    if (!dest.trimmed().isEmpty() && !isDialable(dest))
        return LINEERR_INVALADDRESS;
    if (activeCallCount(deviceId) >= 1)
        return LINEERR_CALLUNAVAIL;

    Call& call = newOutgoingCall(deviceId, settings.addressId);
    if (settings.bearerMode)
        call.bearerMode = settings.bearerMode;
    if (settings.mediaMode)
        call.mediaMode = settings.mediaMode;
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

LONG SimExchange::callOperation(RequestId request, CallKey id, DWORD allowedStates,
                                const CallEffect& effect, const QString* destination)
{
    Lock lock(m_mutex);
    purge();
    Call* call = findCall(id);
    if (!call)
        return LINEERR_INVALCALLHANDLE;
    if (destination && !isDialable(*destination))
        return LINEERR_INVALADDRESS;
    if (!(call->state & allowedStates))
        return LINEERR_INVALCALLSTATE;
    completeRequest(request, 0);
    effect(*call);
    return 0;
}

LONG SimExchange::dial(RequestId request, CallKey id, const QByteArray& destination)
{
    const QString dest = fromCodepage1252(destination);
    const DWORD allowed = LINECALLSTATE_CONNECTED | LINECALLSTATE_DIALTONE | LINECALLSTATE_DIALING;
    return callOperation(
        request, id, allowed,
        [&](Call& call) {
            if (call.state != LINECALLSTATE_CONNECTED) {
                dialDigits(call, dest);
                return;
            }
            // Digits on an established call go to the far end as tones.
            for (QChar c : dest) {
                if (isDtmfDigit(c))
                    call.digitsSent.append(c.toUpper());
            }
        },
        &dest);
}

LONG SimExchange::drop(RequestId request, CallKey id)
{
    return callOperation(request, id, ~DWORD(LINECALLSTATE_IDLE), [this](Call& call) {
        if (call.state & kAlertingStates)
            call.note = u"rejected"_s;
        setState(call, LINECALLSTATE_IDLE, 0);
    });
}

LONG SimExchange::answer(RequestId request, CallKey id)
{
    return callOperation(request, id, kAlertingStates, [this](Call& call) {
        setState(call, LINECALLSTATE_CONNECTED, LINECONNECTEDMODE_ACTIVE);
    });
}

LONG SimExchange::accept(RequestId request, CallKey id)
{
    return callOperation(request, id, LINECALLSTATE_OFFERING, [this, id](Call& call) {
        setState(call, LINECALLSTATE_ACCEPTED, 0);
        if (Call* c = findCall(id); c && c->state == LINECALLSTATE_ACCEPTED && !c->alerting)
            startAlerting(*c);
    });
}

LONG SimExchange::hold(RequestId request, CallKey id)
{
    return callOperation(request, id, LINECALLSTATE_CONNECTED,
                         [this](Call& call) { setState(call, LINECALLSTATE_ONHOLD, 0); });
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
    const QString dest = fromCodepage1252(destination);
    return callOperation(
        request, id, LINECALLSTATE_CONNECTED,
        [&](Call& call) {
            call.note = u"transferred to "_s + dest.trimmed();
            setState(call, LINECALLSTATE_IDLE, 0);
        },
        &dest);
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
    Call& consult = newOutgoingCall(line, address);
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
    const QString dest = fromCodepage1252(destination);
    return callOperation(
        request, id, kAlertingStates,
        [&](Call& call) {
            call.note = u"redirected to "_s + dest.trimmed();
            setState(call, LINECALLSTATE_IDLE, 0);
        },
        &dest);
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
