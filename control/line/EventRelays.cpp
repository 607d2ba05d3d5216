#include "control/line/EventRelays.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiState.h"
#include "platform/tapi/TelephonyService.h"

using namespace Qt::StringLiterals;
using platform::tapi::LONG;

namespace {

int handleArg(platform::tapi::DWORD handle)
{
    return static_cast<int>(handle);
}

} // namespace

EventRelays::EventRelays(LintaroPrivate& d) : d(d)
{
    lblCallerID = make("lblCallerID");
    lblCalledID = make("lblCalledID");
    lblConnectedId = make("lblConnectedId");
    lblRedirectionID = make("lblRedirectionID");
    lblRedirectingID = make("lblRedirectingID");
    lblCallReason = make("lblCallReason");
    lblCallOrigin = make("lblCallOrigin");
    lblChargeInfo = make("lblChargeInfo");
    lblCallState = make("lblCallState");
    lblOfferingMode = make("lblOfferingMode");
    lblDialtoneMode = make("lblDialtoneMode");
    lblBusyMode = make("lblBusyMode");
    lblConnectedMode = make("lblConnectedMode");
    lblDisconnectedMode = make("lblDisconnectedMode");
    lblSpecialInfo = make("lblSpecialInfo");
    lblRingMode = make("lblRingMode");
    lblDigit = make("lblDigit");
    lblTapiErr = make("lblTapiErr");
    lblPhonedisplay = make("lblPhonedisplay");
    lblPhonelamp = make("lblPhonelamp");
    lblHook = make("lblHook");
    lblPhoneRingmode = make("lblPhoneRingmode");
    lblWavePlStart = make("lblWavePlStart");
    connectHandlers();
}

EventRelay* EventRelays::make(const char* name)
{
    auto* relay = new EventRelay(QString::fromLatin1(name), d.q);
    m_all.push_back(relay);
    return relay;
}

void EventRelays::bindAll()
{
    for (EventRelay* relay : m_all)
        relay->bind();
}

void EventRelays::unbindAll()
{
    for (EventRelay* relay : m_all)
        relay->unbind();
}

void EventRelays::bindUnbound()
{
    for (EventRelay* relay : m_all) {
        if (!relay->isBound())
            relay->bind();
    }
}

void EventRelays::connectHandlers()
{
    Lintaro* q = d.q;
    TapiState& st = d.st;
    LintaroPrivate& d = this->d;

    lblCallerID->setHandler([q, &st, &d] {
        d.logEntry(LogBit::CallInfo, u"8D3"_s, int(st.pendingNumber.size()),
                   int(st.pendingCallerName.size()));
        d.logEntry(LogBit::CallInfo, u"8D4"_s, st.pendingNumber, st.pendingCallerName);
        d.logEntry(LogBit::CallInfo, u"8D5"_s, st.partyText, LONG(st.lastCallHandle));
        if (st.pendingNumber == kSentinelText)
            return;
        const QString number = st.pendingNumber;
        const QString name = st.pendingCallerName;
        const QString party = st.partyText;
        emit q->OnCallerID(number, name, party, int(st.lastCallId), handleArg(st.lastCallHandle));
        d.logEntry(LogBit::CallInfo, u"8D6"_s, int(st.pendingNumber.size()),
                   int(st.pendingCallerName.size()));
        d.logEntry(LogBit::CallInfo, u"8D7"_s, st.pendingNumber, st.pendingCallerName);
    });

    // The number relays share the pending number.
    const auto numberRelay = [q, &st](void (Lintaro::*event)(const QString&, int, int)) {
        return [q, &st, event] {
            if (st.pendingNumber == kSentinelText)
                return;
            const QString number = st.pendingNumber;
            emit(q->*event)(number, int(st.lastCallId), handleArg(st.lastCallHandle));
        };
    };
    lblCalledID->setHandler(numberRelay(&Lintaro::OnCalledID));
    lblConnectedId->setHandler(numberRelay(&Lintaro::OnConnectedID));
    lblRedirectionID->setHandler(numberRelay(&Lintaro::OnRedirectionID));
    lblRedirectingID->setHandler(numberRelay(&Lintaro::OnRedirectingID));

    // Texts raised with the call ID and the call of the last call state.
    const auto callTextRelay = [q, &st](QString TapiState::*pending,
                                        void (Lintaro::*event)(const QString&, int, int)) {
        return [q, &st, pending, event] {
            if (st.*pending == kSentinelText)
                return;
            const QString text = st.*pending;
            emit(q->*event)(text, int(st.lastCallId), handleArg(st.lastCallHandle));
        };
    };
    lblCallReason->setHandler(callTextRelay(&TapiState::pendingReasonText, &Lintaro::OnCallReason));
    lblCallOrigin->setHandler(callTextRelay(&TapiState::pendingOriginText, &Lintaro::OnCallOrigin));
    lblChargeInfo->setHandler(callTextRelay(&TapiState::pendingChargeText, &Lintaro::OnChargeInfo));

    lblCallState->setHandler([q, &st] {
        if (LONG(st.lastCallHandle) == kSentinel)
            return;
        const QString state = st.callStateText;
        emit q->OnCallState(state, handleArg(st.lastCallHandle), int(st.lastCallId));
    });

    lblOfferingMode->setHandler([q, &st, &d] {
        if (st.pendingOfferingMode == kSentinelText)
            return;
        const QString mode = st.pendingOfferingMode;
        const platform::tapi::HCALL call = st.offeredCall;
        emit q->OnOffering(mode, handleArg(call));
        // A line whose first address needs it: accept the call so that it
        // alerts. The reply reports the outcome.
        if (st.acceptToAlert) {
            st.lastOperation = u"lineAccept"_s;
            d.tapi.lineAccept(call, nullptr, 0);
        }
    });

    // Mode texts raised with a default call.
    const auto modeRelay = [q, &st](QString TapiState::*pending,
                                    platform::tapi::HCALL TapiState::*call,
                                    void (Lintaro::*event)(const QString&, int)) {
        return [q, &st, pending, call, event] {
            if (st.*pending == kSentinelText)
                return;
            const QString text = st.*pending;
            emit(q->*event)(text, handleArg(st.*call));
        };
    };
    lblDialtoneMode->setHandler(
        modeRelay(&TapiState::pendingDialtoneMode, &TapiState::currentCall, &Lintaro::OnDialtone));
    lblBusyMode->setHandler(
        modeRelay(&TapiState::pendingBusyMode, &TapiState::currentCall, &Lintaro::OnBusy));
    lblConnectedMode->setHandler(modeRelay(&TapiState::pendingConnectedMode,
                                           &TapiState::currentCall, &Lintaro::OnConnected));
    lblDisconnectedMode->setHandler(modeRelay(&TapiState::pendingDisconnectMode,
                                              &TapiState::currentCall, &Lintaro::OnDisconnected));

    lblSpecialInfo->setHandler([q, &st] {
        if (st.pendingSpecialInfo == kSentinelText)
            return;
        const QString text = st.pendingSpecialInfo;
        emit q->OnSpecialinfo(text);
    });

    lblRingMode->setHandler([q, &st] {
        if (st.pendingRingMode == kSentinel)
            return;
        emit q->OnRinging(st.pendingRingMode, st.pendingRingCount);
    });

    lblDigit->setHandler([q, &st] {
        // The pending digit text holds the digit's code in decimal.
        if (st.pendingDigitText.toLongLong() == kSentinel)
            return;
        const auto code = static_cast<char16_t>(st.pendingDigitText.toLongLong() & 0xFFFF);
        st.pendingDigitText = QString(QChar(code));
        const QString digit = st.pendingDigitText;
        emit q->OnDigitMonitoring(digit, st.pendingTimeStamp, handleArg(st.digitCall));
    });

    lblTapiErr->setHandler([q, &st, &d] {
        const QString name = st.pendingMessageName;
        const QString origin = st.pendingOrigin;
        const LONG code = st.pendingCode;
        d.logEntry(LogBit::Messages, u"TAPIMESSAGE"_s, name, code);
        d.logEntry(LogBit::Messages, u"TAPIMESSAGE"_s, origin, u""_s);
        if (name == kSentinelText)
            return;
        if (name == u"LINE_CLOSED_FROM_TSP")
            st.lineOpen = false;
        emit q->OnTapiMessage(name, origin, code);
    });

    lblPhonedisplay->setHandler([q, &st] {
        if (st.pendingDisplayText == kSentinelText)
            return;
        const QString text = st.pendingDisplayText;
        emit q->OnPhoneDisplay(text, int(st.displayRows), int(st.displayColumns));
    });

    lblPhonelamp->setHandler([q, &st] {
        if (st.pendingLampId == kSentinel)
            return;
        emit q->OnPhoneLamp(st.pendingLampId, st.pendingLampMode);
    });

    lblHook->setHandler([q, &st] {
        if (st.pendingHookDevice == kSentinel)
            return;
        emit q->OnPhoneHook(st.pendingHookDevice, st.pendingHookMode);
    });

    EventRelay* phoneRing = lblPhoneRingmode;
    lblPhoneRingmode->setHandler([q, &st, phoneRing] {
        if (phoneRing->text().toLongLong() == kSentinel)
            return;
        emit q->OnPhoneRing(st.pendingPhoneRingMode);
    });

    EventRelay* playStart = lblWavePlStart;
    lblWavePlStart->setHandler([q, playStart] {
        if (playStart->text() == kSentinelText)
            return;
        const QString file = playStart->text();
        emit q->OnWavePlayStart(file);
    });
}
