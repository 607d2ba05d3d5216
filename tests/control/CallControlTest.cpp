// The call operations of the control on the simulated exchange: what each
// request does to the calls, and how its outcome is reported.
#include "ControlFixture.h"

#include "TestSupport.h"

#include "control/line/TapiMessages.h"

#include <QtEndian>

#include <functional>

using namespace controltest;
using namespace Qt::StringLiterals;

namespace {

QString message(const char* name, const char* origin, LONG code)
{
    return QString::fromLatin1(name) + u'|' + QString::fromLatin1(origin) + u'|' +
           QString::number(code);
}

QString success(const char* origin)
{
    return message("SUCCESS", origin, 1001);
}

class CallControlOps : public ControlFixture {
protected:
    void SetUp() override
    {
        ControlFixture::SetUp();
        initAndOpen(0);
    }

    // The call states the control raised for one call handle, in order.
    QStringList statesOf(HCALL call) const
    {
        QStringList states;
        for (const Event& e : m_events->of(QStringLiteral("OnCallState"))) {
            if (HCALL(e.args[1].toInt()) == call)
                states.append(e.args[0].toString());
        }
        return states;
    }
    bool waitForState(HCALL call, const char* state) const
    {
        return testsupport::waitUntil(
            [&] { return statesOf(call).contains(QString::fromLatin1(state)); });
    }
    // The exchange's view of a call (empty once the call is gone).
    sim::SimExchange::CallSnapshot exchangeCall(CallKey key) const
    {
        return m_exchange->call(key).value_or(sim::SimExchange::CallSnapshot{});
    }
    DWORD exchangeState(CallKey key) const { return exchangeCall(key).state; }
    CallKey newestCall() const
    {
        const auto calls = m_exchange->calls();
        return calls.isEmpty() ? 0 : calls.back().id;
    }

    // Dials a new call from the control and waits until it rings back.
    HCALL dial(const QString& number, CallKey* key)
    {
        int address = 0;
        m_control->TapiLineDial(number, address, 0);
        EXPECT_TRUE(testsupport::waitUntil([&] { return state().newCall != 0; }));
        const HCALL call = state().newCall;
        EXPECT_TRUE(waitForState(call, "RINGBACK"));
        *key = newestCall();
        return call;
    }
    // An incoming call the control answered.
    HCALL answeredCall(CallKey* key)
    {
        const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), key);
        m_control->TapiLineAnswer();
        EXPECT_TRUE(waitForState(call, "CONNECTED"));
        settle();
        return call;
    }
};

} // namespace

// A call made from idle runs through its states on the exchange, and the
// reply of the request comes before them.
TEST_F(CallControlOps, DialFromIdleMakesACall)
{
    int address = 0;
    m_control->TapiLineDial(QStringLiteral("0301234567"), address, 0);
    EXPECT_EQ(state().lastOperation, QStringLiteral("TapiLineDialMk"));
    ASSERT_TRUE(testsupport::waitUntil([&] { return state().newCall != 0; }));
    const HCALL call = state().newCall;
    ASSERT_TRUE(waitForState(call, "RINGBACK"));
    EXPECT_EQ(statesOf(call),
              (QStringList{u"DIALTONE"_s, u"DIALING"_s, u"PROCEEDING"_s, u"RINGBACK"_s}));
    EXPECT_EQ(m_events->names().first(), QStringLiteral("OnTapiMessage"));
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineDialMk")});

    const CallKey key = newestCall();
    EXPECT_TRUE(exchangeCall(key).outgoing);
    EXPECT_EQ(exchangeCall(key).calledNumber, QStringLiteral("0301234567"));
    EXPECT_EQ(state().currentCall, call);

    ASSERT_TRUE(m_exchange->farEndAnswers(key));
    ASSERT_TRUE(waitForState(call, "CONNECTED"));
    EXPECT_TRUE(m_events->waitFor(QStringLiteral("OnConnectedID")));
    EXPECT_EQ(m_events->of(QStringLiteral("OnConnectedID")).at(0).args[0].toString(),
              QStringLiteral("0301234567"));
}

// On a connected call the number is sent as digits; once that call is on
// hold, dialling makes a second call (the consultation call of a manual
// transfer).
TEST_F(CallControlOps, DialOnAConnectedCallSendsDigitsAndFromHoldMakesANewCall)
{
    CallKey first = 0;
    const HCALL firstCall = answeredCall(&first);
    m_events->clear();

    int address = 0;
    m_control->TapiLineDial(QStringLiteral("123#"), address, 0);
    EXPECT_EQ(state().lastOperation, QStringLiteral("TapiLineDialD"));
    EXPECT_EQ(exchangeCall(first).digitsSent, QStringLiteral("123#"));
    EXPECT_EQ(m_exchange->calls().size(), 1) << "no second call";
    settle();
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineDialD")});

    m_control->TapiLineHold();
    ASSERT_TRUE(waitForState(firstCall, "ONHOLD"));
    EXPECT_EQ(state().callStateText, QStringLiteral("ONHOLD"));
    m_events->clear();

    CallKey second = 0;
    const HCALL secondCall = dial(QStringLiteral("0309876"), &second);
    EXPECT_NE(second, first);
    EXPECT_NE(secondCall, firstCall);
    EXPECT_EQ(exchangeCall(second).calledNumber, QStringLiteral("0309876"));
    EXPECT_EQ(exchangeState(first), LINECALLSTATE_ONHOLD);
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineDialMk")});
}

// The host's handle wins over the state: with a call on hold, dialling on
// the host's call sends the number to it (which the exchange refuses for a
// held call) rather than making a new call.
TEST_F(CallControlOps, DialOnTheHostsCallNeverMakesANewCall)
{
    CallKey key = 0;
    const HCALL call = answeredCall(&key);
    m_control->TapiLineHold();
    ASSERT_TRUE(waitForState(call, "ONHOLD"));
    settle();
    m_events->clear();

    int address = 0;
    m_control->TapiLineDial(QStringLiteral("55"), address, int(call));
    EXPECT_EQ(m_events->messages(), QStringList{message("LINEERR_INVALCALLSTATE", "TapiLineDialD",
                                                        LINEERR_INVALCALLSTATE)});
    EXPECT_EQ(m_exchange->calls().size(), 1);
}

// A call the far end left waits in DISCONNECTED for the drop: dialling then
// goes to it, and the exchange refuses.
TEST_F(CallControlOps, DialWhileDisconnectedDialsOnTheDisconnectedCall)
{
    CallKey key = 0;
    const HCALL call = answeredCall(&key);
    ASSERT_TRUE(m_exchange->farEndHangsUp(key, LINEDISCONNECTMODE_NORMAL, false));
    ASSERT_TRUE(waitForState(call, "DISCONNECTED"));
    m_events->clear();

    int address = 0;
    m_control->TapiLineDial(QStringLiteral("0301234567"), address, 0);
    EXPECT_EQ(m_events->messages(), QStringList{message("LINEERR_INVALCALLSTATE", "TapiLineDialD",
                                                        LINEERR_INVALCALLSTATE)});
    EXPECT_EQ(m_exchange->calls().size(), 1) << "no new call";

    m_control->TapiLineDrop();
    EXPECT_TRUE(waitForState(call, "IDLE"));
}

// The call parameters of a new call: address mode and address as the host
// set them or as the line offers them, bearer and media mode of the
// properties; address mode 0 makes the call without parameters.
TEST_F(CallControlOps, AddressModeOfANewCall)
{
    constexpr DWORD kBoth = LINEADDRESSMODE_ADDRESSID | LINEADDRESSMODE_DIALABLEADDR;
    constexpr int kUnsupportedBearer = LINEBEARERMODE_DATA;
    struct Case {
        const char* what;
        int addressMode;
        DWORD lineModes;
        int bearerMode;
        int addressIn;
        int addressOut;
        LONG error;       // 0: the call is made
        DWORD callOnAddr; // the address the call is made on
    };
    const Case cases[] = {
        {"automatic, line takes address IDs", 65535, kBoth, 1, -1, 0, 0, 0},
        {"automatic keeps a valid address", 65535, kBoth, 1, 1, 1, 0, 1},
        {"address ID mode as set", 1, kBoth, 1, -1, -1, LINEERR_INVALADDRESSID, 0},
        {"mode 0: no call parameters", 0, kBoth, kUnsupportedBearer, 1, 1, 0, 0},
        {"the bearer mode is passed", 1, kBoth, kUnsupportedBearer, 0, 0, LINEERR_INVALBEARERMODE,
         0},
        {"automatic, dialable addresses only", 65535, LINEADDRESSMODE_DIALABLEADDR, 1, -1, -1, 0,
         0},
        {"automatic, no address mode offered", 65535, 0, 1, -1, -1, 0, 0},
        {"dialable mode the line lacks", 2, LINEADDRESSMODE_ADDRESSID, 1, 0, 0,
         LINEERR_INVALADDRESSMODE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::SimConfig config = controlConfig();
        config.lines[0].addressModes = c.lineModes;
        config.lines[0].addresses = {QStringLiteral("10"), QStringLiteral("11")};
        restart(config);
        initAndOpen(0);
        m_control->setTAPI_LINEADDRESSMODE(c.addressMode);
        m_control->setTAPI_LINEBEARERMODE(c.bearerMode);
        m_events->clear();

        int address = c.addressIn;
        m_control->TapiLineDial(QStringLiteral("0301234567"), address, 0);
        EXPECT_EQ(address, c.addressOut);
        settle();
        if (c.error) {
            EXPECT_EQ(m_events->messages(),
                      QStringList{message(qPrintable(tapiMessageName(c.error)), "TapiLineDialMk",
                                          c.error)});
            EXPECT_TRUE(m_exchange->calls().isEmpty());
            continue;
        }
        EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineDialMk")});
        ASSERT_EQ(m_exchange->calls().size(), 1);
        EXPECT_EQ(m_exchange->calls()[0].address, c.callOnAddr);
    }
}

// Synchronous functions report SUCCESS before they return; asynchronous ones
// report nothing until their reply, which comes before the state it causes.
TEST_F(CallControlOps, SynchronousAndAsynchronousSuccess)
{
    CallKey key = 0;
    const HCALL call = answeredCall(&key);
    m_events->clear();
    state().lastOperation = QStringLiteral("UNKNOWN");

    m_control->TapiLineGenerateDigits(QStringLiteral("12#"));
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineGenerateDigits")});
    EXPECT_EQ(exchangeCall(key).digitsSent, QStringLiteral("12#"));
    EXPECT_EQ(state().lastOperation, QStringLiteral("UNKNOWN")) << "no reply to name";
    m_events->clear();

    m_control->TapiLineHold();
    EXPECT_TRUE(m_events->all().empty());
    EXPECT_EQ(state().lastOperation, QStringLiteral("TapiLineHold"));
    ASSERT_TRUE(waitForState(call, "ONHOLD"));
    EXPECT_EQ(m_events->names().first(), QStringLiteral("OnTapiMessage"));
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineHold")});
    EXPECT_EQ(state().lastOperation, QStringLiteral("UNKNOWN"));
    EXPECT_EQ(state().heldCall, call);
    m_events->clear();

    m_control->TapiLineUnhold();
    ASSERT_TRUE(waitForState(call, "CONNECTED"));
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineUnhold")});
}

// Digits the far end sends arrive while monitoring is on, and not after it
// is switched off.
TEST_F(CallControlOps, MonitoredDigitsArrive)
{
    CallKey key = 0;
    const HCALL call = answeredCall(&key);
    m_events->clear();

    m_control->TapiLineMonitorDigits(LINEDIGITMODE_DTMF);
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineMonitorDigits")});
    ASSERT_TRUE(m_exchange->farEndSendsDigits(key, QStringLiteral("5#")));
    ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnDigitMonitoring"), 2));
    const auto digits = m_events->of(QStringLiteral("OnDigitMonitoring"));
    EXPECT_EQ(digits[0].args[0].toString(), QStringLiteral("5"));
    EXPECT_EQ(digits[1].args[0].toString(), QStringLiteral("#"));
    EXPECT_EQ(HCALL(digits[0].args[2].toInt()), call);

    m_control->TapiLineMonitorDigits(0);
    ASSERT_TRUE(m_exchange->farEndSendsDigits(key, QStringLiteral("7")));
    settle();
    EXPECT_EQ(m_events->count(QStringLiteral("OnDigitMonitoring")), 2u);
}

// Without a call to act on, every operation passes handle 0 and reports the
// service's error under its own name at once.
TEST_F(CallControlOps, OperationsWithoutACallReportTheError)
{
    struct Case {
        const char* origin;
        bool asynchronous;
        std::function<void(Lintaro&)> run;
    };
    const Case cases[] = {
        {"TapiLineDrop", true, [](Lintaro& c) { c.TapiLineDrop(); }},
        {"TapiLineAnswer", true, [](Lintaro& c) { c.TapiLineAnswer(); }},
        {"TapiLineHold", true, [](Lintaro& c) { c.TapiLineHold(); }},
        {"TapiLineUnhold", true, [](Lintaro& c) { c.TapiLineUnhold(); }},
        {"TapiLineSwapHold", true, [](Lintaro& c) { c.TapiLineSwapHold(); }},
        {"TapiLineBlindTransfer", true,
         [](Lintaro& c) { c.TapiLineBlindTransfer(QStringLiteral("0301")); }},
        {"TapiLineSetupTransfer", true, [](Lintaro& c) { c.TapiLineSetupTransfer(); }},
        {"TapiLineCompleteTransfer", true,
         [](Lintaro& c) { c.TapiLineCompleteTransfer(LINETRANSFERMODE_TRANSFER); }},
        {"TapiLinePark", true, [](Lintaro& c) { c.TapiLinePark(QStringLiteral("7001")); }},
        {"TapiLineRedirect", true, [](Lintaro& c) { c.TapiLineRedirect(QStringLiteral("0301")); }},
        {"TapiLineGenerateDigits", false,
         [](Lintaro& c) { c.TapiLineGenerateDigits(QStringLiteral("1")); }},
        {"TapiLineMonitorDigits", false,
         [](Lintaro& c) { c.TapiLineMonitorDigits(LINEDIGITMODE_DTMF); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.origin);
        // Defaults left by earlier calls in this process name no call here.
        state().currentCall = state().offeredCall = state().heldCall = state().swapHeldCall = 0;
        state().lastOperation = QStringLiteral("UNKNOWN");
        m_events->clear();
        c.run(*m_control);
        EXPECT_EQ(m_events->messages(), QStringList{message("LINEERR_INVALCALLHANDLE", c.origin,
                                                            LINEERR_INVALCALLHANDLE)});
        EXPECT_EQ(state().lastOperation,
                  c.asynchronous ? QString::fromLatin1(c.origin) : QStringLiteral("UNKNOWN"));
    }
}

// Answer takes the offered call; drop the current one or the host's, and
// says in the log which it was.
TEST_F(CallControlOps, AnswerAndDrop)
{
    m_control->setDebugLevel(LogBit::LineDrop);
    CallKey key = 0;
    const HCALL call = answeredCall(&key);
    EXPECT_EQ(exchangeState(key), LINECALLSTATE_CONNECTED);
    EXPECT_TRUE(m_events->messages().contains(success("TapiLineAnswer")));
    m_events->clear();

    m_control->TapiLineDrop();
    ASSERT_TRUE(waitForState(call, "IDLE"));
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineDrop")});

    CallKey other = 0;
    const HCALL otherCall = answeredCall(&other);
    state().currentCall = 0; // the host's handle is used, not a default
    m_control->TapiLineDrop(int(otherCall));
    ASSERT_TRUE(waitForState(otherCall, "IDLE"));

    const QString log = logText();
    EXPECT_TRUE(log.contains(u";9A;"_s + QString::number(call) + u";\r\n"_s)) << qPrintable(log);
    EXPECT_TRUE(log.contains(u";9B;"_s + QString::number(otherCall) + u";\r\n"_s))
        << qPrintable(log);
}

// Swapping puts the active call on hold and takes the held one back.
TEST_F(CallControlOps, SwapHold)
{
    CallKey first = 0;
    const HCALL firstCall = answeredCall(&first);
    m_control->TapiLineHold();
    ASSERT_TRUE(waitForState(firstCall, "ONHOLD"));
    CallKey second = 0;
    const HCALL secondCall = dial(QStringLiteral("0309876"), &second);
    ASSERT_TRUE(m_exchange->farEndAnswers(second));
    ASSERT_TRUE(waitForState(secondCall, "CONNECTED"));
    settle();
    m_events->clear();

    m_control->TapiLineSwapHold();
    ASSERT_TRUE(waitForState(firstCall, "CONNECTED"));
    ASSERT_TRUE(waitForState(secondCall, "ONHOLD"));
    EXPECT_EQ(exchangeState(first), LINECALLSTATE_CONNECTED);
    EXPECT_EQ(exchangeState(second), LINECALLSTATE_ONHOLD);
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineSwapHold")});
}

// Set-up puts the call aside with a consultation call at dial tone; the
// number dialled goes to that call; completion ends both calls.
TEST_F(CallControlOps, TransferThroughAConsultationCall)
{
    CallKey held = 0;
    const HCALL heldCall = answeredCall(&held);
    state().consultCall = 0;
    m_events->clear();

    m_control->TapiLineSetupTransfer();
    ASSERT_TRUE(waitForState(heldCall, "ONHOLDPENDTRANSFER"));
    ASSERT_TRUE(testsupport::waitUntil([&] { return state().consultCall != 0; }));
    const HCALL consultCall = state().consultCall;
    ASSERT_TRUE(waitForState(consultCall, "DIALTONE"));
    EXPECT_EQ(m_events->messages().first(), success("TapiLineSetupTransfer"));
    const CallKey consult = newestCall();

    int address = 0;
    m_control->TapiLineDial(QStringLiteral("0307777"), address, 0);
    ASSERT_TRUE(waitForState(consultCall, "RINGBACK"));
    ASSERT_TRUE(m_exchange->farEndAnswers(consult));
    ASSERT_TRUE(waitForState(consultCall, "CONNECTED"));
    settle();
    m_events->clear();

    m_control->TapiLineCompleteTransfer(LINETRANSFERMODE_TRANSFER);
    EXPECT_EQ(exchangeCall(held).note, QStringLiteral("transferred to 0307777"));
    EXPECT_EQ(exchangeState(consult), LINECALLSTATE_IDLE);
    ASSERT_TRUE(waitForState(heldCall, "IDLE"));
    ASSERT_TRUE(waitForState(consultCall, "IDLE"));
    EXPECT_EQ(m_events->messages(), QStringList{success("TapiLineCompleteTransfer")});
}

// Blind transfer, redirect and park hand the call on; it leaves the line.
TEST_F(CallControlOps, CallsHandedOnLeaveTheLine)
{
    struct Case {
        const char* origin;
        bool answered;
        std::function<void(Lintaro&)> run;
        const char* note;
    };
    const Case cases[] = {
        {"TapiLineBlindTransfer", true,
         [](Lintaro& c) { c.TapiLineBlindTransfer(QStringLiteral("0309999")); },
         "transferred to 0309999"},
        {"TapiLineRedirect", false,
         [](Lintaro& c) { c.TapiLineRedirect(QStringLiteral("0305555")); },
         "redirected to 0305555"},
        {"TapiLinePark", true, [](Lintaro& c) { c.TapiLinePark(QStringLiteral("7001")); },
         "parked at 7001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.origin);
        CallKey key = 0;
        const HCALL call = c.answered ? answeredCall(&key)
                                      : offerCall(QStringLiteral("0301234567"), QString(), &key);
        m_events->clear();
        c.run(*m_control);
        EXPECT_EQ(exchangeCall(key).note, QString::fromLatin1(c.note));
        ASSERT_TRUE(waitForState(call, "IDLE"));
        EXPECT_EQ(m_events->messages(), QStringList{success(c.origin)});
    }
    EXPECT_EQ(m_exchange->parkedCalls().count(QStringLiteral("7001")), 1u);
}

// A parked call comes back connected as a new call of the control; a place
// where nothing is parked fails in the reply.
TEST_F(CallControlOps, Unpark)
{
    CallKey key = 0;
    const HCALL call = answeredCall(&key);
    m_control->TapiLinePark(QStringLiteral("7002"));
    ASSERT_TRUE(waitForState(call, "IDLE"));
    settle();
    state().newCall = 0;
    m_events->clear();

    m_control->TapiLineUnpark(QStringLiteral("7002"));
    ASSERT_TRUE(testsupport::waitUntil([&] { return state().newCall != 0; }));
    const HCALL unparked = state().newCall;
    ASSERT_TRUE(waitForState(unparked, "CONNECTED"));
    EXPECT_EQ(m_events->messages().first(), success("TapiLineUnpark"));
    EXPECT_TRUE(m_exchange->parkedCalls().empty());
    m_control->TapiLineDrop();
    ASSERT_TRUE(waitForState(unparked, "IDLE"));
    settle();
    m_events->clear();

    m_control->TapiLineUnpark(QStringLiteral("7003"));
    EXPECT_TRUE(m_events->all().empty());
    settle();
    EXPECT_EQ(m_events->messages(), QStringList{message("LINEERR_OPERATIONFAILED", "TapiLineUnpark",
                                                        LINEERR_OPERATIONFAILED)});
}

// The driver receives the host's parameter (none when it is 0), may write
// into it, and answers in the reply; a request that cannot start is
// reported at once.
TEST_F(CallControlOps, DevSpecificFeature)
{
    m_exchange->setDevSpecificHandler(
        [](const sim::SimExchange::DevSpecificRequest& request, QByteArray& params) -> LONG {
            if (request.feature == 9)
                return LINEERR_OPERATIONFAILED;
            if (params.size() == 4)
                qToLittleEndian<qint32>(42, params.data());
            return 0;
        });

    // One request at a time: a reply is named after the latest request.
    int param = 7;
    m_control->TapiDevSpecific(3, param);
    EXPECT_EQ(param, 42) << "the driver's answer";
    settle();
    int none = 0;
    m_control->TapiDevSpecific(4, none);
    EXPECT_EQ(none, 0);
    settle();
    int refused = 1;
    m_control->TapiDevSpecific(9, refused);
    settle();

    const auto requests = m_exchange->devSpecificRequests();
    ASSERT_EQ(requests.size(), 3);
    EXPECT_TRUE(requests[0].isFeature);
    EXPECT_EQ(requests[0].feature, 3u);
    ASSERT_EQ(requests[0].params.size(), 4);
    EXPECT_EQ(qFromLittleEndian<qint32>(requests[0].params.constData()), 7);
    EXPECT_TRUE(requests[1].params.isEmpty()) << "a parameter of 0 sends none";
    EXPECT_EQ(m_events->messages(),
              (QStringList{
                  success("TapiDevSpecific"), success("TapiDevSpecific"),
                  message("LINEERR_OPERATIONFAILED", "TapiDevSpecific", LINEERR_OPERATIONFAILED)}));

    m_control->TapiLineClose();
    m_events->clear();
    m_control->TapiDevSpecific(3, param);
    EXPECT_EQ(m_events->messages(),
              QStringList{
                  message("LINEERR_INVALLINEHANDLE", "TapiDevSpecific", LINEERR_INVALLINEHANDLE)});
}

// The Hicom dial block: command 1, then the number cut to 101 characters
// and padded with blanks, 105 bytes in all, for address 0 of the line.
TEST_F(CallControlOps, HicomDialBlock)
{
    const QString longNumber = QString(120, u'7');
    m_control->Hicomdial(QStringLiteral("0301234567"));
    settle();
    m_control->Hicomdial(longNumber);
    settle();

    const auto requests = m_exchange->devSpecificRequests();
    ASSERT_EQ(requests.size(), 2);
    for (const auto& request : requests) {
        EXPECT_FALSE(request.isFeature);
        EXPECT_EQ(request.address, 0u);
        EXPECT_EQ(request.call, 0u);
        ASSERT_EQ(request.params.size(), 105);
        EXPECT_EQ(request.params.left(4), QByteArray("\x01\x00\x00\x00", 4));
    }
    EXPECT_EQ(requests[0].params.mid(4), QByteArray("0301234567") + QByteArray(91, ' '));
    EXPECT_EQ(requests[1].params.mid(4), QByteArray(101, '7'));
    EXPECT_EQ(m_events->messages(), (QStringList{success("HicomDial"), success("HicomDial")}));
}

// Canonical numbers become dialable for the current location (Germany, area
// 30, no access code); failures give "" and the service's error.
TEST_F(CallControlOps, TranslateAddress)
{
    struct Case {
        const char* input;
        int device;
        const char* dialable;
        const char* error; // "" for SUCCESS
        LONG code;
    };
    const Case cases[] = {
        {"+49 (30) 1234567", 0, "1234567", "", 0},
        {"+49 (221) 123456", 0, "0221123456", "", 0},
        {"+43 (662) 8044", 1, "00436628044", "", 0},
        {"+49", 0, "", "LINEERR_INVALADDRESS", LINEERR_INVALADDRESS},
        {"+49 (30) 1234567", 5, "", "LINEERR_BADDEVICEID", LINEERR_BADDEVICEID},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        m_events->clear();
        EXPECT_EQ(m_control->TapiLineTranslateAddress(QString::fromLatin1(c.input), c.device),
                  QString::fromLatin1(c.dialable));
        EXPECT_EQ(m_events->messages(),
                  QStringList{*c.error ? message(c.error, "TapiLineTranslateAddress", c.code)
                                       : success("TapiLineTranslateAddress")});
    }
}

// The driver's dialogs are shown for the device and reported when closed.
TEST_F(CallControlOps, Dialogs)
{
    m_control->TapiLineTranslateDialog(0);
    EXPECT_EQ(m_dialogs.dialogsShown(), 1);
    m_control->TapiLineConfigDialog();
    EXPECT_EQ(m_dialogs.dialogsShown(), 2);
    m_control->TapiLineTranslateDialog(7);
    EXPECT_EQ(m_dialogs.dialogsShown(), 2) << "no dialog for a device that does not exist";
    EXPECT_EQ(m_events->messages(),
              (QStringList{
                  success("TapiLineTranslateDialog"), success("TapiLineConfigDialog"),
                  message("LINEERR_BADDEVICEID", "TapiLineTranslateDialog", LINEERR_BADDEVICEID)}));
}
