// An incoming call as an application on the simulated line sees it.
#include "TapiTestSupport.h"

#include "TestSupport.h"

using namespace tapitest;

namespace {

class Incoming : public SimFixture {
protected:
    void openLine(const sim::SimConfig& config)
    {
        start(config);
        m_app = initialize(m_log);
        m_line = open(m_app, 0, LINECALLPRIVILEGE_MONITOR | LINECALLPRIVILEGE_OWNER, 77);
    }
    void SetUp() override { openLine(testConfig()); }
    MessageLog m_log;
    HLINEAPP m_app = 0;
    HLINE m_line = 0;
};

} // namespace

TEST_F(Incoming, OfferedCallCarriesItsInformation)
{
    sim::SimExchange::IncomingCall incoming;
    incoming.callerNumber = QStringLiteral("0301234567");
    incoming.callerName = QStringLiteral("Max Müller");
    incoming.calledNumber = QStringLiteral("4930555");
    incoming.origin = LINECALLORIGIN_EXTERNAL;
    incoming.reason = LINECALLREASON_FWDBUSY;
    incoming.redirectingNumber = QStringLiteral("0401111");
    incoming.redirectionNumber = QStringLiteral("10");
    incoming.chargingInfo = QStringLiteral("0,12 EUR");
    const CallKey id = m_exchange->offerCall(0, incoming);
    ASSERT_NE(id, 0u);
    ASSERT_TRUE(m_log.waitFor(LINE_CALLSTATE));

    // A new call is announced, then its state comes with the privilege granted.
    const auto messages = m_log.all();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, LINE_APPNEWCALL);
    const HCALL call = HCALL(messages[0].param2);
    EXPECT_EQ(messages[0].param3, DWORD_PTR(LINECALLPRIVILEGE_OWNER));
    EXPECT_EQ(messages[1].message, LINE_CALLSTATE);
    EXPECT_EQ(messages[1].device, call);
    EXPECT_EQ(messages[1].instance, 77u);
    EXPECT_EQ(messages[1].param1, DWORD_PTR(LINECALLSTATE_OFFERING));
    EXPECT_EQ(messages[1].param2, DWORD_PTR(LINEOFFERINGMODE_ACTIVE));
    EXPECT_EQ(messages[1].param3, DWORD_PTR(LINECALLPRIVILEGE_OWNER));

    const CallInfo info = callInfo(call);
    ASSERT_EQ(info.result, 0);
    EXPECT_EQ(info.fixed.hLine, m_line);
    EXPECT_EQ(info.fixed.dwCallID, id);
    EXPECT_EQ(info.callerNumber, QStringLiteral("0301234567"));
    EXPECT_EQ(info.callerName, QStringLiteral("Max M\u00fcller")) << "Windows-1252 text";
    EXPECT_EQ(info.calledNumber, QStringLiteral("4930555"));
    EXPECT_EQ(info.fixed.dwOrigin, DWORD(LINECALLORIGIN_EXTERNAL));
    EXPECT_EQ(info.fixed.dwReason, DWORD(LINECALLREASON_FWDBUSY));
    EXPECT_EQ(info.redirectingNumber, QStringLiteral("0401111"));
    EXPECT_EQ(info.redirectionNumber, QStringLiteral("10"));
    EXPECT_EQ(info.chargingInfo, QStringLiteral("0,12 EUR"));
    EXPECT_EQ(info.fixed.dwNumOwners, 1u);
    EXPECT_EQ(info.fixed.dwNumMonitors, 0u);
    EXPECT_EQ(callStatus(call).dwCallFeatures & LINECALLFEATURE_ANSWER,
              DWORD(LINECALLFEATURE_ANSWER));
}

TEST_F(Incoming, CallerWithoutNumber)
{
    sim::SimExchange::IncomingCall blocked;
    blocked.callerBlocked = true;
    const CallKey id = m_exchange->offerCall(0, blocked);
    ASSERT_TRUE(m_log.waitFor(LINE_CALLSTATE));
    const CallInfo info = callInfo(handleOfCall(m_log, id));
    EXPECT_EQ(info.fixed.dwCallerIDFlags, DWORD(LINECALLPARTYID_BLOCKED));
    EXPECT_EQ(info.fixed.dwCallerIDSize, 0u);
    EXPECT_EQ(info.calledNumber, QStringLiteral("10")) << "the address that was called";
}

// Ringing is reported with a count from 0, and only when the line asked for it.
TEST_F(Incoming, RingsAreCountedAndFiltered)
{
    const HCALL call = offer(m_log, QStringLiteral("0301234567"));
    ASSERT_TRUE(m_exchange->ringAgain(0));
    ASSERT_TRUE(m_exchange->ringAgain(0));
    ASSERT_TRUE(m_log.waitFor(LINE_LINEDEVSTATE, 3));
    const auto rings = m_log.of(LINE_LINEDEVSTATE);
    for (size_t i = 0; i < rings.size(); ++i) {
        EXPECT_EQ(rings[i].device, m_line);
        EXPECT_EQ(rings[i].param1, DWORD_PTR(LINEDEVSTATE_RINGING));
        EXPECT_EQ(rings[i].param2, 1u) << "ring mode";
        EXPECT_EQ(rings[i].param3, DWORD_PTR(i)) << "ring count";
    }
    // Answering ends the ringing.
    ASSERT_GT(m_service->lineAnswer(call, nullptr, 0), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));
    QString error;
    EXPECT_FALSE(m_exchange->ringAgain(0, &error));
    EXPECT_FALSE(error.isEmpty());

    ASSERT_EQ(m_service->lineSetStatusMessages(m_line, 0, 0), 0);
    m_log.clear();
    offer(m_log, QStringLiteral("0309999"));
    testsupport::spin(std::chrono::milliseconds(20));
    EXPECT_EQ(m_log.count(LINE_LINEDEVSTATE), 0u);
}

TEST_F(Incoming, AnsweredThenHungUpByTheCaller)
{
    const HCALL call = offer(m_log, QStringLiteral("0301234567"));
    const LONG request = m_service->lineAnswer(call, nullptr, 0);
    ASSERT_GT(request, 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));
    const CallKey id = callInfo(call).fixed.dwCallID;
    ASSERT_TRUE(m_exchange->farEndHangsUp(id, LINEDISCONNECTMODE_BUSY));
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_IDLE));
    EXPECT_EQ(m_log.callStates(call),
              (std::vector<DWORD>{LINECALLSTATE_OFFERING, LINECALLSTATE_CONNECTED,
                                  LINECALLSTATE_DISCONNECTED, LINECALLSTATE_IDLE}));
    const auto states = m_log.of(LINE_CALLSTATE);
    EXPECT_EQ(states[2].param2, DWORD_PTR(LINEDISCONNECTMODE_BUSY));
    // The handle stays valid until it is released, then it is gone.
    EXPECT_EQ(callInfo(call).result, 0);
    EXPECT_EQ(m_service->lineDeallocateCall(call), 0);
    EXPECT_EQ(callInfo(call).result, LINEERR_INVALCALLHANDLE);
    EXPECT_EQ(m_service->lineDeallocateCall(call), LINEERR_INVALCALLHANDLE);
    EXPECT_TRUE(m_exchange->calls().isEmpty());
}

TEST_F(Incoming, CallerGivesUpWhileItRings)
{
    const HCALL call = offer(m_log, QStringLiteral("0301234567"));
    ASSERT_TRUE(
        m_exchange->farEndHangsUp(callInfo(call).fixed.dwCallID, LINEDISCONNECTMODE_NORMAL, false));
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_DISCONNECTED));
    EXPECT_EQ(callStatus(call).dwCallState, DWORD(LINECALLSTATE_DISCONNECTED));
    // A disconnected call still needs lineDrop before it is idle.
    ASSERT_GT(m_service->lineDrop(call, nullptr, 0), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_IDLE));
}

// With accept-to-alert an offered call rings only after lineAccept.
TEST_F(Incoming, AcceptToAlert)
{
    sim::SimConfig config = testConfig();
    config.lines[0].acceptToAlert = true;
    openLine(config);
    Buffer<LINEADDRESSCAPS> caps(8369);
    ASSERT_EQ(m_service->lineGetAddressCaps(m_app, 0, 0, negotiated(m_app, 0), 0, caps.get()), 0);
    EXPECT_TRUE(caps->dwAddrCapFlags & LINEADDRCAPFLAGS_ACCEPTTOALERT);

    const HCALL call = offer(m_log, QStringLiteral("0301234567"));
    testsupport::spin(std::chrono::milliseconds(20));
    EXPECT_EQ(m_log.count(LINE_LINEDEVSTATE), 0u);
    ASSERT_GT(m_service->lineAccept(call, nullptr, 0), 0);
    ASSERT_TRUE(m_log.waitFor(LINE_LINEDEVSTATE));
    EXPECT_EQ(m_log.callStates(call),
              (std::vector<DWORD>{LINECALLSTATE_OFFERING, LINECALLSTATE_ACCEPTED}));
    EXPECT_EQ(m_service->lineAccept(call, nullptr, 0), LINEERR_INVALCALLSTATE);
}

TEST_F(Incoming, CallInformationChangesDuringTheCall)
{
    const HCALL call = offer(m_log, QStringLiteral("0301234567"));
    const CallKey id = callInfo(call).fixed.dwCallID;
    ASSERT_GT(m_service->lineAnswer(call, nullptr, 0), 0);
    ASSERT_TRUE(
        m_exchange->setConnectedParty(id, QStringLiteral("0307777"), QStringLiteral("Zentrale")));
    ASSERT_TRUE(m_exchange->setChargingInfo(id, QStringLiteral("3 Einheiten")));
    ASSERT_TRUE(
        m_exchange->setCallerParty(id, QStringLiteral("0301234567"), QStringLiteral("Max")));
    ASSERT_TRUE(m_log.waitFor(LINE_CALLINFO, 3));
    const auto infos = m_log.of(LINE_CALLINFO);
    EXPECT_EQ(infos[0].param1, DWORD_PTR(LINECALLINFOSTATE_CONNECTEDID));
    EXPECT_EQ(infos[1].param1, DWORD_PTR(LINECALLINFOSTATE_CHARGINGINFO));
    EXPECT_EQ(infos[2].param1, DWORD_PTR(LINECALLINFOSTATE_CALLERID));
    const CallInfo info = callInfo(call);
    EXPECT_EQ(info.callerNumber, QStringLiteral("0301234567"));
    EXPECT_EQ(info.callerName, QStringLiteral("Max"));
    EXPECT_EQ(info.connectedNumber, QStringLiteral("0307777"));
    EXPECT_EQ(info.connectedName, QStringLiteral("Zentrale"));
    EXPECT_EQ(info.chargingInfo, QStringLiteral("3 Einheiten"));
}
