// Calls made through the service on the simulated line.
#include "TapiTestSupport.h"

#include <cstring>

using namespace tapitest;

namespace {

class Outgoing : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        m_app = initialize(m_log, "Dialler");
        m_line = open(m_app, 0, LINECALLPRIVILEGE_OWNER);
    }
    // Makes a call and waits for its reply; returns the handle.
    HCALL makeCall(const char* number, const LINECALLPARAMS* params = nullptr)
    {
        HCALL call = 0;
        const LONG request = m_service->lineMakeCall(m_line, &call, number, 0, params);
        EXPECT_GT(request, 0);
        EXPECT_TRUE(m_log.waitFor(LINE_REPLY));
        return call;
    }
    CallKey keyOf(HCALL call) { return callInfo(call).fixed.dwCallID; }
    MessageLog m_log;
    HLINEAPP m_app = 0;
    HLINE m_line = 0;
};

} // namespace

TEST_F(Outgoing, DialledCallRingsBackAndIsAnswered)
{
    const HCALL call = makeCall("030 1234-567");
    ASSERT_NE(call, 0u);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_RINGBACK));
    EXPECT_EQ(m_log.of(LINE_CALLSTATE)[0].param2, DWORD_PTR(LINEDIALTONEMODE_NORMAL));
    EXPECT_EQ(m_log.of(LINE_CALLSTATE)[0].param3, 0u) << "the maker got its handle by reply";
    EXPECT_EQ(m_log.count(LINE_APPNEWCALL), 0u);
    const CallInfo info = callInfo(call);
    EXPECT_EQ(info.fixed.dwOrigin, DWORD(LINECALLORIGIN_OUTBOUND));
    EXPECT_EQ(info.calledNumber, QStringLiteral("030 1234-567"));
    EXPECT_EQ(info.callerNumber, QStringLiteral("10")) << "our own address";
    EXPECT_EQ(info.appName, QStringLiteral("Dialler"));
    EXPECT_EQ(callStatus(call).dwCallPrivilege, DWORD(LINECALLPRIVILEGE_OWNER));

    ASSERT_TRUE(m_exchange->farEndAnswers(keyOf(call)));
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));
    EXPECT_EQ(
        m_log.callStates(call),
        (std::vector<DWORD>{LINECALLSTATE_DIALTONE, LINECALLSTATE_DIALING, LINECALLSTATE_PROCEEDING,
                            LINECALLSTATE_RINGBACK, LINECALLSTATE_CONNECTED}));
    EXPECT_EQ(callInfo(call).connectedNumber, QStringLiteral("030 1234-567"));

    ASSERT_GT(m_service->lineDrop(call, nullptr, 0), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_IDLE));
    EXPECT_EQ(m_service->lineDeallocateCall(call), 0);
}

TEST_F(Outgoing, BusyCalledParty)
{
    const HCALL call = makeCall("0301234567");
    ASSERT_TRUE(m_exchange->farEndBusy(keyOf(call), LINEBUSYMODE_STATION));
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_BUSY));
    EXPECT_EQ(m_log.of(LINE_CALLSTATE).back().param2, DWORD_PTR(LINEBUSYMODE_STATION));
    // The exchange will not answer a call that is not waiting for it.
    QString error;
    EXPECT_FALSE(m_exchange->farEndAnswers(keyOf(call), &error));
    EXPECT_FALSE(error.isEmpty());
}

// Without a number the call waits at dial tone; lineDial goes on from there,
// and a trailing ';' leaves the number open.
TEST_F(Outgoing, DialToneThenDialling)
{
    const HCALL call = makeCall(nullptr);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_DIALTONE));
    ASSERT_GT(m_service->lineDial(call, "030;", 0), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_DIALING));
    EXPECT_EQ(m_exchange->call(keyOf(call))->state, DWORD(LINECALLSTATE_DIALING));
    ASSERT_GT(m_service->lineDial(call, "1234567", 0), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_RINGBACK));
    EXPECT_EQ(callInfo(call).calledNumber, QStringLiteral("0301234567"));
}

// Digits dialled on an established call go out as tones; a disconnected call
// takes no more digits.
TEST_F(Outgoing, DiallingOnConnectedAndDisconnectedCalls)
{
    const HCALL call = makeCall("0301234567");
    ASSERT_TRUE(m_exchange->farEndAnswers(keyOf(call)));
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));
    ASSERT_GT(m_service->lineDial(call, "12#", 0), 0);
    EXPECT_EQ(m_exchange->call(keyOf(call))->digitsSent, QStringLiteral("12#"));

    ASSERT_TRUE(m_exchange->farEndHangsUp(keyOf(call), LINEDISCONNECTMODE_NORMAL, false));
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_DISCONNECTED));
    EXPECT_EQ(m_service->lineDial(call, "3", 0), LINEERR_INVALCALLSTATE);
}

TEST_F(Outgoing, RefusedCalls)
{
    HCALL call = 0;
    EXPECT_EQ(m_service->lineMakeCall(m_line, &call, "03x12", 0, nullptr), LINEERR_INVALADDRESS);
    EXPECT_EQ(m_service->lineMakeCall(m_line + 1000, &call, "0301", 0, nullptr),
              LINEERR_INVALLINEHANDLE);
    EXPECT_EQ(m_service->lineMakeCall(m_line, nullptr, "0301", 0, nullptr), LINEERR_INVALPOINTER);

    // A second active call on the one-call line is refused.
    call = makeCall("0301234567");
    HCALL second = 0;
    EXPECT_EQ(m_service->lineMakeCall(m_line, &second, "0307654321", 0, nullptr),
              LINEERR_CALLUNAVAIL);
}

TEST_F(Outgoing, CallParameters)
{
    struct Case {
        DWORD addressMode;
        DWORD addressId;
        DWORD bearerMode;
        DWORD mediaMode;
        LONG expected;
    };
    const Case cases[] = {
        {LINEADDRESSMODE_ADDRESSID, 0, LINEBEARERMODE_VOICE, LINEMEDIAMODE_INTERACTIVEVOICE, 1},
        {0, 0, 0, 0, 1}, // zeros: the defaults
        {LINEADDRESSMODE_ADDRESSID, 1, 0, 0, LINEERR_INVALADDRESSID},
        {0xFFFF, 0, 0, 0, LINEERR_INVALADDRESSMODE},
        {0, 0, LINEBEARERMODE_DATA, 0, LINEERR_INVALBEARERMODE},
        {0, 0, 0, LINEMEDIAMODE_G3FAX, LINEERR_INVALMEDIAMODE},
        {0, 0, 0, LINEMEDIAMODE_INTERACTIVEVOICE | LINEMEDIAMODE_AUTOMATEDVOICE,
         LINEERR_INVALMEDIAMODE},
    };
    for (const Case& c : cases) {
        Buffer<LINECALLPARAMS> params(3254);
        params->dwAddressMode = c.addressMode;
        params->dwAddressID = c.addressId;
        params->dwBearerMode = c.bearerMode;
        params->dwMediaMode = c.mediaMode;
        HCALL call = 0;
        const LONG result = m_service->lineMakeCall(m_line, &call, "0301", 0, params.get());
        if (c.expected > 0) {
            EXPECT_GT(result, 0);
            ASSERT_TRUE(m_log.waitFor(LINE_REPLY));
            ASSERT_GT(m_service->lineDrop(call, nullptr, 0), 0);
            ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_IDLE));
            m_service->lineDeallocateCall(call);
            m_log.clear();
        } else {
            EXPECT_EQ(result, c.expected) << c.addressMode << " " << c.addressId;
        }
    }

    // The dialable-address mode names the address by its number.
    Buffer<LINECALLPARAMS> params(3254);
    params->dwAddressMode = LINEADDRESSMODE_DIALABLEADDR;
    params->dwOrigAddressSize = 3;
    params->dwOrigAddressOffset = 200;
    std::memcpy(params.bytes.data() + 200, "10", 3);
    HCALL call = 0;
    EXPECT_GT(m_service->lineMakeCall(m_line, &call, "0301", 0, params.get()), 0);
    std::memcpy(params.bytes.data() + 200, "99", 3);
    EXPECT_EQ(m_service->lineMakeCall(m_line, &call, "0301", 0, params.get()),
              LINEERR_INVALADDRESS);
    params->dwOrigAddressOffset = 3254;
    EXPECT_EQ(m_service->lineMakeCall(m_line, &call, "0301", 0, params.get()),
              LINEERR_INVALCALLPARAMS);
    Buffer<LINECALLPARAMS> small(100);
    EXPECT_EQ(m_service->lineMakeCall(m_line, &call, "0301", 0, small.get()),
              LINEERR_STRUCTURETOOSMALL);
}
