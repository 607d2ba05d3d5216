// The call information TAPI announces (at OFFERING, DIALING and CONNECTED, and
// with LINE_CALLINFO): numbers, names, origin, reason and charges, each
// reported once between two state changes of its call.
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiSizes.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TelephonyService.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace platform::tapi;

void LintaroPrivate::HandleCallInfo(DWORD flags, HCALL call)
{
    logEntry(LogBit::CallInfo, u"8"_s, LONG(flags), call);
    TapiBuffer buffer(TapiSize::LINECALLINFO);
    if (tapi.lineGetCallInfo(call, buffer.as<LINECALLINFO>()) < 0)
        return;
    // Read from this call's own buffer: a host handler may let further
    // messages in while an event is raised.
    const LINECALLINFO& info = *buffer.as<LINECALLINFO>();
    st.lastCallId = info.dwCallID;
    logEntry(LogBit::CallInfo, u"8A"_s, LONG(info.dwNeededSize), LONG(info.dwTotalSize));
    // Trigger texts end with the call ID and the call.
    const QString callTail = QString::number(LONG(st.lastCallId)) + QString::number(LONG(call));
    const auto text = [&](DWORD offset, DWORD size) { return ReadVarText(buffer, offset, size); };
    // Reports a number through its relay, then resets the relay.
    const auto reportNumber = [&](EventRelay* relay) {
        relay->setText(st.pendingNumber + callTail);
        st.pendingNumber = kSentinelText;
        relay->setText(kSentinelText);
    };
    // A called or connected number: reported unless the call reported it before.
    const auto reportParty = [&](DWORD offset, DWORD size, CallInfoKind kind, const QString& code,
                                 DWORD idFlags, EventRelay* relay) {
        st.pendingNumber.clear();
        if (size > 0) {
            const QString number = text(offset, size);
            if (!IsRepeatedCallInfo(call, kind, number))
                st.pendingNumber = number;
        }
        logEntry(LogBit::CallInfo, code, LONG(idFlags), u""_s);
        if (!st.pendingNumber.isEmpty())
            reportNumber(relay);
    };

    if (flags & LINECALLINFOSTATE_ORIGIN) {
        if (!IsRepeatedCallInfo(call, CallInfoKind::Origin, QString(), info.dwOrigin))
            RaiseModeEvent(ModeKind::Origin, info.dwOrigin, call);
    }
    if (flags & LINECALLINFOSTATE_REASON) {
        if (!IsRepeatedCallInfo(call, CallInfoKind::Reason, QString(), info.dwReason))
            RaiseModeEvent(ModeKind::Reason, info.dwReason, call);
    }
    if (flags & LINECALLINFOSTATE_CALLERID) {
        st.pendingNumber.clear();
        if (info.dwCallerIDSize > 0) {
            st.pendingNumber = text(info.dwCallerIDOffset, info.dwCallerIDSize);
            st.lastCallerNumber = st.pendingNumber;
            if (IsRepeatedCallInfo(call, CallInfoKind::CallerNumber, st.pendingNumber)) {
                st.pendingNumber.clear();
                st.partyText.clear();
            } else {
                st.partyText += u"<ADDRESS>"_s;
            }
        }
        st.pendingCallerName.clear();
        if (info.dwCallerIDNameSize > 0) {
            st.pendingCallerName = text(info.dwCallerIDNameOffset, info.dwCallerIDNameSize);
            if (IsRepeatedCallInfo(call, CallInfoKind::CallerName, st.pendingCallerName))
                st.pendingCallerName.clear();
            else
                st.partyText += u"<NAME>"_s;
        }
        logEntry(LogBit::CallInfo, u"8D"_s, LONG(info.dwCallerIDFlags), u""_s);
        logEntry(LogBit::CallInfo, u"8D1"_s, int(st.pendingNumber.size()),
                 int(st.pendingCallerName.size()));
        if (!st.pendingNumber.isEmpty() || !st.pendingCallerName.isEmpty()) {
            logEntry(LogBit::CallInfo, u"8D2"_s, st.pendingNumber, st.pendingCallerName);
            relays.lblCallerID->setText(st.pendingNumber + st.pendingCallerName + st.partyText +
                                        callTail);
            st.partyText.clear();
            st.pendingNumber = kSentinelText;
            relays.lblCallerID->setText(kSentinelText);
        }
    }
    if (flags & LINECALLINFOSTATE_CALLEDID)
        reportParty(info.dwCalledIDOffset, info.dwCalledIDSize, CallInfoKind::CalledNumber, u"8E"_s,
                    info.dwCalledIDFlags, relays.lblCalledID);
    if (flags & LINECALLINFOSTATE_CONNECTEDID)
        reportParty(info.dwConnectedIDOffset, info.dwConnectedIDSize, CallInfoKind::ConnectedNumber,
                    u"8F"_s, info.dwConnectedIDFlags, relays.lblConnectedId);
    // Charges and redirection numbers are not compared with earlier values.
    // An announced part that is empty ends the handling (so an empty charge
    // also drops a redirection number announced with it).
    if (flags & LINECALLINFOSTATE_CHARGINGINFO) {
        if (info.dwChargingInfoSize == 0)
            return;
        st.pendingChargeText = text(info.dwChargingInfoOffset, info.dwChargingInfoSize - 1);
        logEntry(LogBit::CallInfo, u"8G"_s, st.pendingChargeText, u""_s);
        relays.lblChargeInfo->setText(st.pendingChargeText + callTail);
        st.pendingChargeText = kSentinelText;
        relays.lblChargeInfo->setText(kSentinelText);
    }
    if (flags & LINECALLINFOSTATE_REDIRECTIONID) {
        if (info.dwRedirectionIDSize == 0)
            return;
        st.pendingNumber = text(info.dwRedirectionIDOffset, info.dwRedirectionIDSize);
        logEntry(LogBit::CallInfo, u"8H"_s, LONG(info.dwRedirectionIDFlags), u""_s);
        if (!st.pendingNumber.isEmpty())
            reportNumber(relays.lblRedirectionID);
    }
    if (flags & LINECALLINFOSTATE_REDIRECTINGID) {
        if (info.dwRedirectingIDSize == 0)
            return;
        st.pendingNumber = text(info.dwRedirectingIDOffset, info.dwRedirectingIDSize);
        logEntry(LogBit::CallInfo, u"8I"_s, LONG(info.dwRedirectingIDFlags), u""_s);
        if (!st.pendingNumber.isEmpty())
            reportNumber(relays.lblRedirectingID);
    }
}

bool LintaroPrivate::IsRepeatedCallInfo(HCALL call, CallInfoKind kind, const QString& text,
                                        DWORD number)
{
    const bool isText = kind != CallInfoKind::Origin && kind != CallInfoKind::Reason;
    const auto remembered = [kind](CallSlot& slot) -> QString* {
        switch (kind) {
        case CallInfoKind::CallerNumber:
            return &slot.callerNumber;
        case CallInfoKind::CallerName:
            return &slot.callerName;
        case CallInfoKind::CalledNumber:
            return &slot.calledNumber;
        case CallInfoKind::ConnectedNumber:
            return &slot.connectedNumber;
        default:
            return nullptr;
        }
    };
    const auto rememberedNumber = [kind](CallSlot& slot) -> DWORD& {
        return kind == CallInfoKind::Origin ? slot.origin : slot.reason;
    };
    const auto store = [&](CallSlot& slot) {
        if (isText)
            *remembered(slot) = text;
        else
            rememberedNumber(slot) = number;
    };

    for (CallSlot& slot : st.callSlots) {
        if (slot.handle != call)
            continue;
        const bool same = isText ? *remembered(slot) == text : rememberedNumber(slot) == number;
        if (!same)
            store(slot);
        return same;
    }
    // A call in no slot takes a free one, so that calls alternating on the
    // line each keep what was reported for them. With none free the value is
    // not remembered (and will be reported again rather than lost).
    const auto free = std::find_if(st.callSlots.begin(), st.callSlots.end(),
                                   [](const CallSlot& slot) { return slot.free; });
    if (free != st.callSlots.end()) {
        free->clear();
        free->free = false;
        free->handle = call;
        store(*free);
    }
    logEntry(LogBit::CallInfo, u"8B"_s, isText ? LogValue(text) : LogValue(LONG(number)), u""_s);
    return false;
}

void LintaroPrivate::clearSlotsOf(HCALL call)
{
    for (CallSlot& slot : st.callSlots) {
        if (slot.handle == call)
            slot.clear();
    }
}
