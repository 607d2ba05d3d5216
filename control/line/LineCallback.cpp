// The line callback: every message of the line application, turned into the
// control's call events through the event relays.
#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiMessages.h"
#include "control/line/TapiSizes.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TelephonyService.h"

using namespace Qt::StringLiterals;
using namespace platform::tapi;

LINECALLBACK LintaroPrivate::lineCallback()
{
    return [this](DWORD hDevice, DWORD message, DWORD_PTR instance, DWORD_PTR param1,
                  DWORD_PTR param2, DWORD_PTR param3) {
        LineCallbackProc(hDevice, message, instance, param1, param2, param3);
    };
}

void LintaroPrivate::LineCallbackProc(DWORD hDevice, DWORD message, DWORD_PTR, DWORD_PTR param1,
                                      DWORD_PTR param2, DWORD_PTR param3)
{
    // Message parameters carry 32-bit values.
    const auto p1 = DWORD(param1);
    const auto p2 = DWORD(param2);
    const auto p3 = DWORD(param3);
    logEntry(LogBit::LineCallback, u"1"_s, message, u""_s);
    switch (message) {
    case LINE_CALLINFO:
        logEntry(LogBit::LineCallback, u"1C"_s, LONG(p1), u""_s);
        HandleCallInfo(p1, hDevice);
        break;
    case LINE_CALLSTATE:
        logEntry(LogBit::LineCallback, u"1A"_s, LONG(p1), LONG(p2));
        HandleCallState(p1, p2, hDevice);
        break;
    case LINE_CLOSE:
        logEntry(LogBit::LineCallback, u"1E"_s, u""_s, u""_s);
        RaiseTapiMessage(LintaroCode::LINE_CLOSED_FROM_TSP, u"0"_s);
        break;
    case LINE_LINEDEVSTATE:
        logEntry(LogBit::LineCallback, u"1D"_s, LONG(p1), u""_s);
        HandleLineDevState(p1, p2, p3);
        break;
    case LINE_MONITORDIGITS:
        logEntry(LogBit::LineCallback, u"1F"_s, LONG(p2), u""_s);
        reportDigit(p1, p3, hDevice);
        break;
    case LINE_REPLY:
        logEntry(LogBit::LineCallback, u"1B"_s, LONG(p2), st.lastOperation);
        reportReply(LONG(p2));
        break;
    default:
        break;
    }
}

void LintaroPrivate::reportReply(LONG result)
{
    // The reply is named after the latest request. The name is taken before
    // the message is raised: a request the host makes from its handler names
    // the next reply.
    const QString operation = st.lastOperation;
    st.lastOperation = u"UNKNOWN"_s;
    RaiseTapiMessage(result < 0 ? result : LintaroCode::SUCCESS, operation);
}

void LintaroPrivate::reportDigit(DWORD digit, DWORD timeStamp, HCALL call)
{
    st.pendingDigitText = QString::number(digit);
    st.pendingTimeStamp = LONG(timeStamp);
    st.digitCall = call;
    relays.lblDigit->setText(st.pendingDigitText + QString::number(LONG(timeStamp)));
    st.pendingDigitText = kSentinelText;
    relays.lblDigit->setText(kSentinelText);
}

void LintaroPrivate::HandleLineDevState(DWORD state, DWORD param2, DWORD param3)
{
    if (state != LINEDEVSTATE_RINGING)
        return;
    st.pendingRingMode = LONG(param2);
    st.pendingRingCount = LONG(param3);
    relays.lblRingMode->setText(QString::number(st.pendingRingMode) +
                                QString::number(st.pendingRingCount));
    st.pendingRingMode = kSentinel;
    relays.lblRingMode->setText(kSentinelText);
}

void LintaroPrivate::reportCallState()
{
    relays.lblCallState->setText(st.callStateText + QString::number(LONG(st.lastCallHandle)) +
                                 QString::number(LONG(st.lastCallId)));
}

void LintaroPrivate::HandleCallState(DWORD state, DWORD mode, HCALL call)
{
    TapiBuffer info(TapiSize::LINECALLINFO);
    tapi.lineGetCallInfo(call, info.as<LINECALLINFO>());
    st.lastCallId = info.as<LINECALLINFO>()->dwCallID;
    clearSlotsOf(call);
    st.lastCallHandle = call;

    const auto enter = [&](const char* text, const char* logCode) {
        st.callStateText = QString::fromLatin1(text);
        if (logCode)
            logEntry(LogBit::CallState, QString::fromLatin1(logCode), call, st.callStateText);
    };
    switch (state) {
    case LINECALLSTATE_IDLE:
        enter("IDLE", "14A");
        reportCallState();
        // The host has seen IDLE; the handle is released now.
        DeallocateCall(call);
        st.featureCall = 0;
        if (playback.outputActive())
            playback.StopWaveOut();
        break;
    case LINECALLSTATE_OFFERING:
        st.offeredCall = st.featureCall = st.currentCall = call;
        enter("OFFERING", "14B");
        for (DWORD flag : {LINECALLINFOSTATE_CALLERID, LINECALLINFOSTATE_CALLEDID,
                           LINECALLINFOSTATE_ORIGIN, LINECALLINFOSTATE_REASON,
                           LINECALLINFOSTATE_REDIRECTIONID, LINECALLINFOSTATE_REDIRECTINGID})
            HandleCallInfo(flag, call);
        reportCallState();
        RaiseModeEvent(ModeKind::Offering, mode, call);
        break;
    case LINECALLSTATE_ACCEPTED:
        st.offeredCall = st.featureCall = st.currentCall = call;
        enter("ACCEPTED", "14C");
        reportCallState();
        break;
    case LINECALLSTATE_DIALTONE:
        st.currentCall = st.featureCall = call;
        enter("DIALTONE", "14D");
        reportCallState();
        RaiseModeEvent(ModeKind::Dialtone, mode, call);
        break;
    case LINECALLSTATE_DIALING:
        st.currentCall = st.featureCall = call;
        enter("DIALING", "14E");
        reportCallState();
        HandleCallInfo(LINECALLINFOSTATE_ORIGIN, call);
        HandleCallInfo(LINECALLINFOSTATE_REASON, call);
        break;
    case LINECALLSTATE_RINGBACK:
        st.currentCall = st.featureCall = call;
        enter("RINGBACK", "14F");
        reportCallState();
        break;
    case LINECALLSTATE_BUSY:
        st.currentCall = st.featureCall = call;
        enter("BUSY", "14G");
        reportCallState();
        RaiseModeEvent(ModeKind::Busy, mode, call);
        break;
    case LINECALLSTATE_SPECIALINFO:
        enter("SPECIALINFO", "14H");
        reportCallState();
        RaiseModeEvent(ModeKind::SpecialInfo, mode, call);
        break;
    case LINECALLSTATE_CONNECTED:
        st.currentCall = st.featureCall = call;
        enter("CONNECTED", "14I");
        reportCallState();
        RaiseModeEvent(ModeKind::Connected, mode, call);
        HandleCallInfo(LINECALLINFOSTATE_CONNECTEDID, call);
        break;
    case LINECALLSTATE_PROCEEDING:
        st.currentCall = st.featureCall = call;
        enter("PROCEEDING", "14J");
        reportCallState();
        break;
    case LINECALLSTATE_ONHOLD:
        st.heldCall = st.swapHeldCall = st.featureCall = call;
        enter("ONHOLD", "14K");
        reportCallState();
        break;
    case LINECALLSTATE_CONFERENCED:
        st.featureCall = call;
        enter("CONFERENCED", "14L");
        reportCallState();
        break;
    case LINECALLSTATE_ONHOLDPENDCONF:
        st.swapHeldCall = st.featureCall = call;
        enter("ONHOLDPENDCONF", "14M");
        reportCallState();
        break;
    case LINECALLSTATE_ONHOLDPENDTRANSFER:
        st.heldCall = st.featureCall = st.swapHeldCall = call;
        enter("ONHOLDPENDTRANSFER", "14N");
        reportCallState();
        break;
    case LINECALLSTATE_DISCONNECTED:
        st.featureCall = call;
        enter("DISCONNECTED", "14O");
        reportCallState();
        RaiseModeEvent(ModeKind::Disconnect, mode, call);
        break;
    case LINECALLSTATE_UNKNOWN:
        enter("UNKNOWN", "14P");
        reportCallState();
        break;
    default:
        enter("UNKNOWN", nullptr);
        reportCallState();
        break;
    }
}

void LintaroPrivate::RaiseModeEvent(ModeKind kind, DWORD value, HCALL call)
{
    const QString text = modeText(kind, value);
    // Raise through the relay with the text as its pending value, then reset both.
    const auto raise = [](EventRelay* relay, QString& pending, const QString& value,
                          const QString& trigger) {
        pending = value;
        relay->setText(trigger);
        pending = kSentinelText;
        relay->setText(kSentinelText);
    };
    const QString callTail = QString::number(LONG(st.lastCallId)) + QString::number(LONG(call));
    switch (kind) {
    case ModeKind::Offering:
        raise(relays.lblOfferingMode, st.pendingOfferingMode, text, text);
        break;
    case ModeKind::Dialtone:
        raise(relays.lblDialtoneMode, st.pendingDialtoneMode, text, text);
        break;
    case ModeKind::Busy:
        raise(relays.lblBusyMode, st.pendingBusyMode, text, text);
        break;
    case ModeKind::SpecialInfo:
        raise(relays.lblSpecialInfo, st.pendingSpecialInfo, text, text);
        break;
    case ModeKind::Connected:
        raise(relays.lblConnectedMode, st.pendingConnectedMode, text, text);
        break;
    case ModeKind::Disconnect:
        // The far end was busy: hosts that watch OnBusy learn it there too.
        if (value == LINEDISCONNECTMODE_BUSY)
            RaiseModeEvent(ModeKind::Busy, LINEBUSYMODE_UNAVAIL, call);
        raise(relays.lblDisconnectedMode, st.pendingDisconnectMode, text, text);
        break;
    case ModeKind::Reason:
        raise(relays.lblCallReason, st.pendingReasonText, text, text + callTail);
        break;
    case ModeKind::Origin:
        raise(relays.lblCallOrigin, st.pendingOriginText, text, text + callTail);
        break;
    }
}

void LintaroPrivate::DeallocateCall(HCALL call)
{
    const LONG result = tapi.lineDeallocateCall(call);
    logEntry(LogBit::Deallocate, u"13A"_s, call, result);
    clearSlotsOf(call);
}
