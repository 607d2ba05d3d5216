// Monitors see calls, owners act on them; lineSetCallPrivilege and
// lineDeallocateCall follow the ownership rules.
#include "TapiTestSupport.h"

#include "TestSupport.h"

using namespace tapitest;

namespace {

class Privileges : public SimFixture {
protected:
    MessageLog m_ownerLog;
    MessageLog m_monitorLog;
};

} // namespace

TEST_F(Privileges, OwnerAndMonitorSeeTheSameCall)
{
    const HLINEAPP ownerApp = initialize(m_ownerLog, "Owner");
    const HLINEAPP monitorApp = initialize(m_monitorLog, "Monitor");
    open(ownerApp, 0, LINECALLPRIVILEGE_OWNER);
    open(monitorApp, 0, LINECALLPRIVILEGE_MONITOR);
    MessageLog noneLog;
    const HLINEAPP noneApp = initialize(noneLog, "None");
    open(noneApp, 0, LINECALLPRIVILEGE_NONE);

    const HCALL owned = offer(m_ownerLog, QStringLiteral("0301234567"));
    ASSERT_TRUE(m_monitorLog.waitFor(LINE_CALLSTATE));
    const HCALL monitored = HCALL(m_monitorLog.of(LINE_CALLSTATE)[0].device);
    EXPECT_NE(owned, monitored) << "each application has its own handle";
    EXPECT_EQ(m_ownerLog.of(LINE_CALLSTATE)[0].param3, DWORD_PTR(LINECALLPRIVILEGE_OWNER));
    EXPECT_EQ(m_monitorLog.of(LINE_CALLSTATE)[0].param3, DWORD_PTR(LINECALLPRIVILEGE_MONITOR));
    EXPECT_EQ(callInfo(monitored).callerNumber, QStringLiteral("0301234567"));
    EXPECT_EQ(callInfo(monitored).fixed.dwNumOwners, 1u);
    EXPECT_EQ(callInfo(monitored).fixed.dwNumMonitors, 1u);

    // The monitor may look but not act.
    EXPECT_EQ(m_service->lineAnswer(monitored, nullptr, 0), LINEERR_NOTOWNER);
    EXPECT_EQ(m_service->lineDrop(monitored, nullptr, 0), LINEERR_NOTOWNER);
    EXPECT_GT(m_service->lineAnswer(owned, nullptr, 0), 0);
    ASSERT_TRUE(m_monitorLog.waitForState(monitored, LINECALLSTATE_CONNECTED));

    testsupport::spin(std::chrono::milliseconds(20));
    EXPECT_EQ(noneLog.count(LINE_CALLSTATE), 0u)
        << "a line opened without privileges sees no calls";
}

// A line opened as monitor only (as Fonkel's monitor switch does) takes
// ownership when it wants to act.
TEST_F(Privileges, MonitorBecomesOwner)
{
    const HLINEAPP app = initialize(m_monitorLog);
    open(app, 0, LINECALLPRIVILEGE_MONITOR);
    const HCALL call = offer(m_monitorLog, QStringLiteral("0301234567"));
    EXPECT_EQ(callStatus(call).dwCallPrivilege, DWORD(LINECALLPRIVILEGE_MONITOR));
    EXPECT_EQ(m_service->lineSetCallPrivilege(call, LINECALLPRIVILEGE_NONE),
              LINEERR_INVALCALLPRIVILEGE);
    ASSERT_EQ(m_service->lineSetCallPrivilege(call, LINECALLPRIVILEGE_OWNER), 0);
    EXPECT_EQ(callStatus(call).dwCallPrivilege, DWORD(LINECALLPRIVILEGE_OWNER));
    EXPECT_GT(m_service->lineAnswer(call, nullptr, 0), 0);
    ASSERT_TRUE(m_monitorLog.waitForState(call, LINECALLSTATE_CONNECTED));
}

TEST_F(Privileges, OthersHearOfOwnershipChanges)
{
    const HLINEAPP ownerApp = initialize(m_ownerLog, "Owner");
    const HLINEAPP monitorApp = initialize(m_monitorLog, "Monitor");
    open(ownerApp, 0, LINECALLPRIVILEGE_OWNER);
    open(monitorApp, 0, LINECALLPRIVILEGE_MONITOR);
    const HCALL owned = offer(m_ownerLog, QStringLiteral("0301234567"));
    ASSERT_TRUE(m_monitorLog.waitFor(LINE_CALLSTATE));
    const HCALL monitored = HCALL(m_monitorLog.of(LINE_CALLSTATE)[0].device);

    ASSERT_EQ(m_service->lineSetCallPrivilege(monitored, LINECALLPRIVILEGE_OWNER), 0);
    ASSERT_TRUE(m_ownerLog.waitFor(LINE_CALLINFO));
    EXPECT_TRUE(m_ownerLog.of(LINE_CALLINFO)[0].param1 & LINECALLINFOSTATE_NUMOWNERINCR);
    EXPECT_EQ(callInfo(owned).fixed.dwNumOwners, 2u);
    EXPECT_EQ(m_monitorLog.count(LINE_CALLINFO), 0u) << "not told of its own change";
}

TEST_F(Privileges, DeallocationRules)
{
    const HLINEAPP ownerApp = initialize(m_ownerLog, "Owner");
    const HLINEAPP monitorApp = initialize(m_monitorLog, "Monitor");
    open(ownerApp, 0, LINECALLPRIVILEGE_OWNER);
    open(monitorApp, 0, LINECALLPRIVILEGE_MONITOR);
    const HCALL owned = offer(m_ownerLog, QStringLiteral("0301234567"));
    ASSERT_TRUE(m_monitorLog.waitFor(LINE_CALLSTATE));
    const HCALL monitored = HCALL(m_monitorLog.of(LINE_CALLSTATE)[0].device);

    // The only owner cannot let go of a call that is still going on.
    EXPECT_EQ(m_service->lineDeallocateCall(owned), LINEERR_INVALCALLSTATE);
    // A monitor can, and then hears no more of the call.
    EXPECT_EQ(m_service->lineDeallocateCall(monitored), 0);
    ASSERT_GT(m_service->lineAnswer(owned, nullptr, 0), 0);
    ASSERT_TRUE(m_ownerLog.waitForState(owned, LINECALLSTATE_CONNECTED));
    testsupport::spin(std::chrono::milliseconds(20));
    EXPECT_EQ(m_monitorLog.callStates(monitored), std::vector<DWORD>{LINECALLSTATE_OFFERING});
    EXPECT_EQ(m_monitorLog.count(LINE_CALLSTATE), 1u) << "no new handle for a released call";

    ASSERT_GT(m_service->lineDrop(owned, nullptr, 0), 0);
    ASSERT_TRUE(m_ownerLog.waitForState(owned, LINECALLSTATE_IDLE));
    EXPECT_EQ(m_service->lineDeallocateCall(owned), 0);
    EXPECT_TRUE(m_exchange->calls().isEmpty()) << "the exchange forgets a call nobody holds";
}

// Closing the line of the only owner drops its calls; monitors see them go.
TEST_F(Privileges, ClosingTheOwnersLineDropsItsCalls)
{
    const HLINEAPP ownerApp = initialize(m_ownerLog, "Owner");
    const HLINEAPP monitorApp = initialize(m_monitorLog, "Monitor");
    const HLINE ownerLine = open(ownerApp, 0, LINECALLPRIVILEGE_OWNER);
    open(monitorApp, 0, LINECALLPRIVILEGE_MONITOR);
    const HCALL owned = offer(m_ownerLog, QStringLiteral("0301234567"));
    ASSERT_TRUE(m_monitorLog.waitFor(LINE_CALLSTATE));
    const HCALL monitored = HCALL(m_monitorLog.of(LINE_CALLSTATE)[0].device);

    ASSERT_EQ(m_service->lineClose(ownerLine), 0);
    ASSERT_TRUE(m_monitorLog.waitForState(monitored, LINECALLSTATE_IDLE));
    EXPECT_EQ(callInfo(owned).result, LINEERR_INVALCALLHANDLE);
}

TEST_F(Privileges, OpeningWithPrivileges)
{
    const HLINEAPP app = initialize(m_ownerLog);
    const DWORD version = negotiated(app, 0);
    HLINE line = 0;
    EXPECT_EQ(
        m_service->lineOpen(app, 0, &line, version, 0, 0, LINECALLPRIVILEGE_OWNER, 0, nullptr),
        LINEERR_INVALMEDIAMODE)
        << "an owner names the media modes it takes";
    EXPECT_EQ(m_service->lineOpen(app, 0, &line, version, 0, 0, LINECALLPRIVILEGE_OWNER,
                                  LINEMEDIAMODE_G3FAX, nullptr),
              LINEERR_INVALMEDIAMODE);
    EXPECT_EQ(m_service->lineOpen(app, 0, &line, version, 0, 0,
                                  LINECALLPRIVILEGE_NONE | LINECALLPRIVILEGE_OWNER,
                                  LINEMEDIAMODE_INTERACTIVEVOICE, nullptr),
              LINEERR_INVALPRIVSELECT);
    EXPECT_EQ(m_service->lineOpen(app, 0, &line, version, 0, 0, 0, 0, nullptr),
              LINEERR_INVALPRIVSELECT);
    EXPECT_EQ(line, 0u);

    // An owner that does not take the call's media mode gets no ownership.
    EXPECT_EQ(m_service->lineOpen(app, 0, &line, version, 0, 0,
                                  LINECALLPRIVILEGE_OWNER | LINECALLPRIVILEGE_MONITOR,
                                  LINEMEDIAMODE_AUTOMATEDVOICE, nullptr),
              0);
    const HCALL call = offer(m_ownerLog, QStringLiteral("0301234567"));
    EXPECT_EQ(callStatus(call).dwCallPrivilege, DWORD(LINECALLPRIVILEGE_MONITOR));
}
