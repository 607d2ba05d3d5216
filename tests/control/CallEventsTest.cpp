// The call events the control raises for the calls of the open line, driven
// by the simulated exchange.
#include "ControlFixture.h"

#include "TestSupport.h"

#include "control/line/ModeTexts.h"

#include <QSignalSpy>

using namespace controltest;
using namespace Qt::StringLiterals;

namespace {

class CallEvents : public ControlFixture {
protected:
    void SetUp() override
    {
        ControlFixture::SetUp();
        initAndOpen(0);
    }
    QString id(CallKey key) const { return QString::number(key); }
    QString h(HCALL call) const { return QString::number(call); }

    // A call made on the control's line, as a host's dialling would make it
    // (the variable receives the handle with the reply, so it is kept here).
    HCALL makeCall(const char* number, CallKey* key)
    {
        const LONG request =
            m_service->lineMakeCall(state().hLine, &m_madeCall, number, 0, nullptr);
        EXPECT_GT(request, 0);
        EXPECT_TRUE(m_events->waitFor(QStringLiteral("OnCallState")));
        EXPECT_TRUE(testsupport::waitUntil([&] {
            return m_events->texts().contains(u"OnCallState(\"RINGBACK\", "_s +
                                              QString::number(m_madeCall) + u", "_s +
                                              QString::number(callIdOf(m_madeCall)) + u')');
        }));
        *key = callIdOf(m_madeCall);
        return m_madeCall;
    }
    CallKey callIdOf(HCALL call) { return call ? callInfo(call).fixed.dwCallID : 0; }
    // A message the exchange cannot send (a mode it does not support),
    // delivered to the control's callback like any other.
    void deliver(HCALL call, DWORD message, DWORD p1, DWORD p2 = 0, DWORD p3 = 0)
    {
        priv().LineCallbackProc(call, message, 0, p1, p2, p3);
    }

    HCALL m_madeCall = 0;
};

} // namespace

TEST_F(CallEvents, OfferedCallRaisesItsInformationThenItsStateThenTheOffering)
{
    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
    settle();
    ASSERT_NE(call, 0u);
    EXPECT_EQ(callIdOf(call), key);
    const QString tail = u", "_s + id(key) + u", "_s + h(call) + u')';
    EXPECT_EQ(m_events->texts(),
              (QStringList{u"OnCallerID(\"0301234567\", \"\", \"<ADDRESS>\"" + tail,
                           u"OnCalledID(\"10\"" + tail, u"OnCallOrigin(\"EXTERNAL\"" + tail,
                           u"OnCallReason(\"DIRECT\"" + tail,
                           u"OnCallState(\"OFFERING\", " + h(call) + u", " + id(key) + u')',
                           u"OnOffering(\"ACTIVE\", " + h(call) + u')',
                           QStringLiteral("OnRinging(1, 0)")}));
    EXPECT_EQ(state().offeredCall, call);
    EXPECT_EQ(state().currentCall, call);
    EXPECT_EQ(state().featureCall, call);
    EXPECT_EQ(state().callStateText, QStringLiteral("OFFERING"));
    EXPECT_EQ(state().lastCallerNumber, QStringLiteral("0301234567"));
}

TEST_F(CallEvents, PartyTextTellsWhatTheCallerSent)
{
    struct Case {
        const char* number;
        const char* name;
        bool blocked;
        const char* expected; // OnCallerID's first three arguments, or "" for none
    };
    const Case cases[] = {
        {"0301234567", "Max M\xc3\xbcller", false,
         "\"0301234567\", \"Max M\xc3\xbcller\", \"<ADDRESS><NAME>\""},
        {"0301234567", "", false, "\"0301234567\", \"\", \"<ADDRESS>\""},
        {"", "Zentrale", false, "\"\", \"Zentrale\", \"<NAME>\""},
        {"", "", true, ""},
    };
    for (const Case& c : cases) {
        sim::SimExchange::IncomingCall incoming;
        incoming.callerNumber = QString::fromUtf8(c.number);
        incoming.callerName = QString::fromUtf8(c.name);
        incoming.callerBlocked = c.blocked;
        m_events->clear();
        CallKey key = 0;
        const HCALL call = offerCall(incoming, &key);
        const auto callers = m_events->of(QStringLiteral("OnCallerID"));
        if (*c.expected == 0) {
            EXPECT_TRUE(callers.empty()) << "nothing to report";
        } else {
            ASSERT_EQ(callers.size(), 1u) << c.number;
            EXPECT_EQ(callers[0].text(), u"OnCallerID("_s + QString::fromUtf8(c.expected) +
                                             u", "_s + id(key) + u", "_s + h(call) + u')');
        }
        ASSERT_TRUE(m_exchange->farEndHangsUp(key, LINEDISCONNECTMODE_NORMAL));
        ASSERT_TRUE(
            m_events->waitForText(u"OnCallState(\"IDLE\", " + h(call) + u", " + id(key) + u')'));
    }
}

TEST_F(CallEvents, RepeatedCallerInformationIsReportedOncePerState)
{
    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QStringLiteral("Max"), &key);
    m_events->clear();

    ASSERT_TRUE(
        m_exchange->setCallerParty(key, QStringLiteral("0301234567"), QStringLiteral("Max")));
    settle();
    EXPECT_EQ(m_events->count(QStringLiteral("OnCallerID")), 0u) << "the same caller again";

    ASSERT_TRUE(
        m_exchange->setCallerParty(key, QStringLiteral("0301234567"), QStringLiteral("Moritz")));
    settle();
    const QString tail = u", "_s + id(key) + u", "_s + h(call) + u')';
    EXPECT_EQ(m_events->texts(), QStringList{u"OnCallerID(\"\", \"Moritz\", \"<NAME>\"" + tail})
        << "only the name is new";

    // A state change forgets what was reported for the call.
    m_events->clear();
    ASSERT_TRUE(m_exchange->answerAtPhone(key));
    ASSERT_TRUE(
        m_exchange->setCallerParty(key, QStringLiteral("0301234567"), QStringLiteral("Moritz")));
    settle();
    EXPECT_EQ(m_events->of(QStringLiteral("OnCallerID")).at(0).text(),
              u"OnCallerID(\"0301234567\", \"Moritz\", \"<ADDRESS><NAME>\"" + tail);
}

TEST_F(CallEvents, AlternatingCallsAreEachSuppressed)
{
    CallKey first = 0;
    CallKey second = 0;
    const HCALL firstCall = offerCall(QStringLiteral("0301111"), QString(), &first);
    const HCALL secondCall = offerCall(QStringLiteral("0302222"), QString(), &second);
    m_events->clear();

    // Each call holds a slot of its own.
    int slotsOfFirst = 0;
    int slotsOfSecond = 0;
    for (const CallSlot& slot : state().callSlots) {
        slotsOfFirst += slot.handle == firstCall;
        slotsOfSecond += slot.handle == secondCall;
    }
    EXPECT_EQ(slotsOfFirst, 1);
    EXPECT_EQ(slotsOfSecond, 1);

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(m_exchange->setCallerParty(first, QStringLiteral("0301111"), QString()));
        ASSERT_TRUE(m_exchange->setCallerParty(second, QStringLiteral("0302222"), QString()));
    }
    settle();
    EXPECT_EQ(m_events->count(QStringLiteral("OnCallerID")), 0u);

    // New information of the first call is reported with its call ID and, as
    // for every information event, the call of the last state message.
    ASSERT_TRUE(
        m_exchange->setCallerParty(first, QStringLiteral("0301111"), QStringLiteral("Neu")));
    settle();
    EXPECT_EQ(m_events->texts(), QStringList{u"OnCallerID(\"\", \"Neu\", \"<NAME>\", " + id(first) +
                                             u", " + h(secondCall) + u')'});
}

TEST_F(CallEvents, DisconnectModesHaveTheirTexts)
{
    const std::pair<DWORD, const char*> modes[] = {
        {0x1, "NORMAL "},          {0x2, "UNKNOWN"},          {0x4, "REJECT"},
        {0x8, "PICKUP"},           {0x10, "FORWARDED"},       {0x20, "BUSY"},
        {0x40, "NOANSWER"},        {0x80, "BADADRESS"},       {0x100, "UNRECHABLE"},
        {0x200, "CONGESTION"},     {0x400, "INCOMPATIBLE"},   {0x800, "UNAVAIL"},
        {0x1000, "NODIALTONE"},    {0x2000, "NUMBERCHANGED"}, {0x4000, "OUTOFORDER"},
        {0x8000, "TEMPFAILURE"},   {0x10000, "QOSUNAVAIL"},   {0x20000, "BLOCKED"},
        {0x40000, "DONOTDISTURB"}, {0x80000, "CANCELLED"},
    };
    for (const auto& [mode, text] : modes) {
        CallKey key = 0;
        const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
        m_events->clear();
        ASSERT_TRUE(m_exchange->farEndHangsUp(key, mode));
        const QString idle = u"OnCallState(\"IDLE\", " + h(call) + u", " + id(key) + u')';
        ASSERT_TRUE(m_events->waitForText(idle));
        QStringList expected{u"OnCallState(\"DISCONNECTED\", " + h(call) + u", " + id(key) + u')'};
        // A busy far end is reported as a busy mode too, before the disconnect.
        if (mode == LINEDISCONNECTMODE_BUSY)
            expected.append(u"OnBusy(\"UNAVAIL\", " + h(call) + u')');
        expected.append(u"OnDisconnected(\"" + QString::fromLatin1(text) + u"\", " + h(call) +
                        u')');
        expected.append(idle);
        EXPECT_EQ(m_events->texts(), expected) << Qt::hex << mode;
    }
}

TEST_F(CallEvents, ModeValuesOutsideTheTablesAreNotSupported)
{
    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
    m_events->clear();
    // The exchange sends single supported modes only; a driver may send anything.
    deliver(call, LINE_CALLSTATE, LINECALLSTATE_SPECIALINFO, LINESPECIALINFO_REORDER);
    deliver(call, LINE_CALLSTATE, LINECALLSTATE_SPECIALINFO, 0x40);
    deliver(call, LINE_CALLSTATE, LINECALLSTATE_DISCONNECTED, 0x21);
    deliver(call, LINE_CALLSTATE, 0x10000, 0);
    const QString state = h(call) + u", " + id(key) + u')';
    EXPECT_EQ(m_events->texts(),
              (QStringList{u"OnCallState(\"SPECIALINFO\", " + state,
                           QStringLiteral("OnSpecialinfo(\"REORDER\")"),
                           QStringLiteral("OnSpecialinfo(\"\")"),
                           u"OnCallState(\"DISCONNECTED\", " + state,
                           u"OnDisconnected(\"not_supported\", " + h(call) + u')',
                           u"OnCallState(\"UNKNOWN\", " + state}))
        << "an identical state report raises no second OnCallState";

    // The texts other kinds give for values outside their tables.
    EXPECT_EQ(modeText(ModeKind::Offering, 3), QStringLiteral("not_supported"));
    EXPECT_EQ(modeText(ModeKind::Busy, 0x10), QStringLiteral("not_supported"));
    EXPECT_EQ(modeText(ModeKind::Reason, 0x10000), QString());
    EXPECT_EQ(modeText(ModeKind::Origin, 0x8), QString());
}

TEST_F(CallEvents, OutgoingCallBusyAndItsReply)
{
    const std::pair<DWORD, const char*> busyModes[] = {
        {LINEBUSYMODE_STATION, "STATION"},
        {LINEBUSYMODE_TRUNK, "TRUNK"},
        {LINEBUSYMODE_UNKNOWN, "UNKNOWN"},
        {LINEBUSYMODE_UNAVAIL, "UNAVAIL"},
    };
    bool first = true;
    for (const auto& [mode, text] : busyModes) {
        m_events->clear();
        CallKey key = 0;
        const HCALL call = makeCall("0301234", &key);
        const QString state = h(call) + u", " + id(key) + u')';
        const QString tail = u", "_s + id(key) + u", "_s + h(call) + u')';
        if (first) {
            // The reply of a request made outside the control carries the name
            // of the control's latest one; the next is "UNKNOWN".
            EXPECT_EQ(
                m_events->texts(),
                (QStringList{QStringLiteral("OnTapiMessage(\"SUCCESS\", \"TapiLineOpen\", 1001)"),
                             u"OnCallState(\"DIALTONE\", " + state,
                             u"OnDialtone(\"NORMAL\", " + h(call) + u')',
                             u"OnCallState(\"DIALING\", " + state,
                             u"OnCallOrigin(\"OUTBOUND\"" + tail, u"OnCallReason(\"DIRECT\"" + tail,
                             u"OnCallState(\"PROCEEDING\", " + state,
                             u"OnCallState(\"RINGBACK\", " + state}));
            first = false;
        } else {
            EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("SUCCESS|UNKNOWN|1001")});
        }
        m_events->clear();
        ASSERT_TRUE(m_exchange->farEndBusy(key, mode));
        ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnBusy")));
        EXPECT_EQ(m_events->texts(), (QStringList{u"OnCallState(\"BUSY\", " + state,
                                                  u"OnBusy(\"" + QString::fromLatin1(text) +
                                                      u"\", " + h(call) + u')'}));
        ASSERT_EQ(m_service->lineDrop(call, nullptr, 0) > 0, true);
        ASSERT_TRUE(m_events->waitForText(u"OnCallState(\"IDLE\", " + state));
    }
}

TEST_F(CallEvents, ConnectedCallReportsModeAndConnectedNumber)
{
    CallKey key = 0;
    const HCALL call = makeCall("0301234", &key);
    m_events->clear();
    ASSERT_TRUE(m_exchange->farEndAnswers(key));
    ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnConnectedID")));
    const QString tail = u", "_s + id(key) + u", "_s + h(call) + u')';
    EXPECT_EQ(m_events->texts(),
              (QStringList{u"OnCallState(\"CONNECTED\", " + h(call) + u", " + id(key) + u')',
                           u"OnConnected(\"ACTIVE\", " + h(call) + u')',
                           u"OnConnectedID(\"0301234\"" + tail}));
    EXPECT_EQ(state().currentCall, call);

    m_events->clear();
    ASSERT_TRUE(m_exchange->setConnectedParty(key, QStringLiteral("0301234"), QString()));
    settle();
    ASSERT_TRUE(m_exchange->setConnectedParty(key, QStringLiteral("0309999"), QString()));
    settle();
    EXPECT_EQ(m_events->texts(), QStringList{u"OnConnectedID(\"0309999\"" + tail})
        << "the repeated number is not reported again";
}

TEST_F(CallEvents, ChargesAndRedirectionNumbers)
{
    sim::SimExchange::IncomingCall incoming;
    incoming.callerNumber = QStringLiteral("0301234567");
    incoming.reason = LINECALLREASON_FWDBUSY;
    incoming.redirectingNumber = QStringLiteral("0401111");
    incoming.redirectionNumber = QStringLiteral("22");
    CallKey key = 0;
    const HCALL call = offerCall(incoming, &key);
    const QString tail = u", "_s + id(key) + u", "_s + h(call) + u')';
    QStringList names = m_events->names();
    names.removeAll(QStringLiteral("OnRinging"));
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("OnCallerID"), QStringLiteral("OnCalledID"),
                           QStringLiteral("OnCallOrigin"), QStringLiteral("OnCallReason"),
                           QStringLiteral("OnRedirectionID"), QStringLiteral("OnRedirectingID"),
                           QStringLiteral("OnCallState"), QStringLiteral("OnOffering")}));
    EXPECT_TRUE(m_events->texts().contains(u"OnCallReason(\"FWDBUSY\"" + tail));
    EXPECT_TRUE(m_events->texts().contains(u"OnRedirectionID(\"22\"" + tail));
    EXPECT_TRUE(m_events->texts().contains(u"OnRedirectingID(\"0401111\"" + tail));

    m_events->clear();
    // The control reads the call's information when the message arrives.
    ASSERT_TRUE(m_exchange->setChargingInfo(key, QStringLiteral("3 Einheiten")));
    settle();
    ASSERT_TRUE(m_exchange->setRedirectionNumber(key, QStringLiteral("22")));
    settle();
    ASSERT_TRUE(m_exchange->setChargingInfo(key, QString()));
    settle();
    EXPECT_EQ(m_events->texts(), (QStringList{u"OnChargeInfo(\"3 Einheiten\"" + tail,
                                              u"OnRedirectionID(\"22\"" + tail}))
        << "redirection numbers are reported again; an empty charge not at all";

    // An empty charge announced together with a redirection number ends the
    // handling before the number.
    m_events->clear();
    deliver(call, LINE_CALLINFO, LINECALLINFOSTATE_CHARGINGINFO | LINECALLINFOSTATE_REDIRECTIONID);
    EXPECT_TRUE(m_events->all().empty());
}

TEST_F(CallEvents, IdleCallIsReleasedRightAfterItsEvent)
{
    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
    LONG resultDuringEvent = 1;
    QObject::connect(m_control.get(), &Lintaro::OnCallState, m_control.get(),
                     [&](const QString& callState, int handle) {
                         if (callState == u"IDLE")
                             resultDuringEvent = callInfo(HCALL(handle)).result;
                     });
    ASSERT_TRUE(m_exchange->farEndHangsUp(key, LINEDISCONNECTMODE_NORMAL));
    ASSERT_TRUE(
        m_events->waitForText(u"OnCallState(\"IDLE\", " + h(call) + u", " + id(key) + u')'));
    EXPECT_EQ(resultDuringEvent, 0) << "the handle is valid while the host handles IDLE";
    EXPECT_EQ(callInfo(call).result, LINEERR_INVALCALLHANDLE) << "released afterwards";
    EXPECT_EQ(state().featureCall, 0u);
    EXPECT_EQ(state().offeredCall, call) << "the other default calls stay";
    for (const CallSlot& slot : state().callSlots)
        EXPECT_NE(slot.handle, call);
}

TEST_F(CallEvents, RingsAndMonitoredDigits)
{
    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
    ASSERT_TRUE(m_exchange->ringAgain(0));
    ASSERT_TRUE(m_events->waitForText(QStringLiteral("OnRinging(1, 1)")));

    ASSERT_TRUE(m_exchange->answerAtPhone(key));
    settle();
    // Digit monitoring as the host's call control switches it on.
    ASSERT_EQ(m_service->lineMonitorDigits(call, LINEDIGITMODE_DTMF), 0);
    m_events->clear();
    ASSERT_TRUE(m_exchange->farEndSendsDigits(key, QStringLiteral("5#")));
    ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnDigitMonitoring"), 2));
    const auto digits = m_events->of(QStringLiteral("OnDigitMonitoring"));
    EXPECT_EQ(digits[0].args[0].toString(), QStringLiteral("5"));
    EXPECT_EQ(digits[1].args[0].toString(), QStringLiteral("#"));
    EXPECT_EQ(digits[0].args[2].toInt(), int(call));
    EXPECT_EQ(state().digitCall, call);
}

TEST_F(CallEvents, AcceptToAlertAcceptsEveryOfferedCall)
{
    sim::SimConfig config = controlConfig();
    config.lines[0].acceptToAlert = true;
    restart(config);
    initAndOpen(0);

    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
    ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnRinging")));
    QStringList names = m_events->names();
    names = names.mid(names.indexOf(QStringLiteral("OnOffering")));
    EXPECT_EQ(names, (QStringList{QStringLiteral("OnOffering"), QStringLiteral("OnTapiMessage"),
                                  QStringLiteral("OnCallState"), QStringLiteral("OnRinging")}));
    EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("SUCCESS|lineAccept|1001")});
    EXPECT_TRUE(m_events->texts().contains(u"OnCallState(\"ACCEPTED\", " + h(call) + u", " +
                                           id(key) + u')'));
    EXPECT_EQ(m_exchange->call(key)->state, DWORD(LINECALLSTATE_ACCEPTED));

    // Two calls offered at once: the first reply carries the latest request's
    // name, the second "UNKNOWN".
    m_events->clear();
    sim::SimExchange::IncomingCall other;
    other.callerNumber = QStringLiteral("0302222");
    ASSERT_NE(m_exchange->offerCall(0, other), 0u);
    ASSERT_NE(m_exchange->offerCall(0, other), 0u);
    ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnTapiMessage"), 2));
    EXPECT_EQ(m_events->messages(), (QStringList{QStringLiteral("SUCCESS|lineAccept|1001"),
                                                 QStringLiteral("SUCCESS|UNKNOWN|1001")}));
}

TEST_F(CallEvents, MonitoringOnlyCannotAccept)
{
    sim::SimConfig config = controlConfig();
    config.lines[0].acceptToAlert = true;
    restart(config);
    m_control->setTAPI_LINECALLPRIVILEGE(LINECALLPRIVILEGE_MONITOR);
    initAndOpen(0);
    CallKey key = 0;
    offerCall(QStringLiteral("0301234567"), QString(), &key);
    settle();
    EXPECT_TRUE(m_events->messages().isEmpty()) << "the refused accept is not reported";
    EXPECT_EQ(m_exchange->call(key)->state, DWORD(LINECALLSTATE_OFFERING));
    EXPECT_EQ(state().lastOperation, QStringLiteral("lineAccept"));
}
