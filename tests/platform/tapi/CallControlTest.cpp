// Hold, swap, transfer, park, redirect, digits and device-specific requests:
// each one shows in the call states and in what the exchange did.
#include "TapiTestSupport.h"

#include "TestSupport.h"

#include <cstring>

using namespace tapitest;

namespace {

class Control : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        m_app = initialize(m_log);
        m_line = open(m_app, 0, LINECALLPRIVILEGE_MONITOR | LINECALLPRIVILEGE_OWNER);
    }
    // An incoming call, answered.
    HCALL connectedCall(const char* number = "0301234567")
    {
        const HCALL call = offer(m_log, QString::fromLatin1(number));
        EXPECT_GT(m_service->lineAnswer(call, nullptr, 0), 0);
        EXPECT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));
        return call;
    }
    // Waits for the reply to `request` and returns its result.
    LONG reply(LONG request)
    {
        if (request < 0)
            return request;
        const bool arrived = testsupport::waitUntil([&] {
            for (const Message& m : m_log.of(LINE_REPLY)) {
                if (m.param1 == DWORD_PTR(request))
                    return true;
            }
            return false;
        });
        EXPECT_TRUE(arrived);
        for (const Message& m : m_log.of(LINE_REPLY)) {
            if (m.param1 == DWORD_PTR(request))
                return LONG(m.param2);
        }
        return 1;
    }
    DWORD state(HCALL call) { return callStatus(call).dwCallState; }
    CallKey keyOf(HCALL call) { return callInfo(call).fixed.dwCallID; }
    MessageLog m_log;
    HLINEAPP m_app = 0;
    HLINE m_line = 0;
};

} // namespace

TEST_F(Control, HoldAndUnhold)
{
    const HCALL call = connectedCall();
    EXPECT_EQ(reply(m_service->lineHold(call)), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_ONHOLD));
    EXPECT_EQ(callStatus(call).dwCallFeatures & LINECALLFEATURE_UNHOLD,
              DWORD(LINECALLFEATURE_UNHOLD));
    EXPECT_EQ(m_service->lineHold(call), LINEERR_INVALCALLSTATE);
    EXPECT_EQ(reply(m_service->lineUnhold(call)), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));
    EXPECT_EQ(state(call), DWORD(LINECALLSTATE_CONNECTED));
}

// A consultation call while the first waits on hold; swapping exchanges them,
// completing the transfer ends both.
TEST_F(Control, ConsultationTransfer)
{
    const HCALL first = connectedCall();
    HCALL consult = 0;
    EXPECT_EQ(reply(m_service->lineSetupTransfer(first, &consult, nullptr)), 0);
    ASSERT_NE(consult, 0u);
    ASSERT_TRUE(m_log.waitForState(consult, LINECALLSTATE_DIALTONE));
    EXPECT_EQ(state(first), DWORD(LINECALLSTATE_ONHOLDPENDTRANSFER));
    EXPECT_EQ(callInfo(consult).fixed.dwRelatedCallID, keyOf(first));

    EXPECT_EQ(reply(m_service->lineDial(consult, "0307654321", 0)), 0);
    ASSERT_TRUE(m_exchange->farEndAnswers(keyOf(consult)));
    ASSERT_TRUE(m_log.waitForState(consult, LINECALLSTATE_CONNECTED));

    EXPECT_EQ(reply(m_service->lineSwapHold(consult, first)), 0);
    ASSERT_TRUE(m_log.waitForState(consult, LINECALLSTATE_ONHOLD));
    EXPECT_EQ(state(first), DWORD(LINECALLSTATE_CONNECTED));
    EXPECT_EQ(reply(m_service->lineSwapHold(first, consult)), 0);
    ASSERT_TRUE(testsupport::waitUntil([&] { return state(consult) == LINECALLSTATE_CONNECTED; }));

    const CallKey firstKey = keyOf(first);
    HCALL conference = 0;
    EXPECT_EQ(
        m_service->lineCompleteTransfer(consult, first, &conference, LINETRANSFERMODE_TRANSFER),
        LINEERR_INVALCALLSTATE)
        << "the connected call cannot be the held one";
    EXPECT_EQ(
        m_service->lineCompleteTransfer(first, consult, &conference, LINETRANSFERMODE_CONFERENCE),
        LINEERR_INVALTRANSFERMODE);
    EXPECT_EQ(reply(m_service->lineCompleteTransfer(first, consult, &conference,
                                                    LINETRANSFERMODE_TRANSFER)),
              0);
    ASSERT_TRUE(m_log.waitForState(first, LINECALLSTATE_IDLE));
    ASSERT_TRUE(m_log.waitForState(consult, LINECALLSTATE_IDLE));
    EXPECT_EQ(conference, 0u);
    EXPECT_EQ(m_exchange->call(firstKey)->note, QStringLiteral("transferred to 0307654321"));
}

TEST_F(Control, BlindTransferAndRedirect)
{
    const HCALL call = connectedCall();
    const CallKey key = keyOf(call);
    EXPECT_EQ(m_service->lineBlindTransfer(call, "", 0), LINEERR_INVALADDRESS);
    EXPECT_EQ(reply(m_service->lineBlindTransfer(call, "22", 0)), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_IDLE));
    EXPECT_EQ(m_exchange->call(key)->note, QStringLiteral("transferred to 22"));

    const HCALL offered = offer(m_log, QStringLiteral("0309876"));
    const CallKey offeredKey = keyOf(offered);
    EXPECT_EQ(reply(m_service->lineRedirect(offered, "0171555", 0)), 0);
    ASSERT_TRUE(m_log.waitForState(offered, LINECALLSTATE_IDLE));
    EXPECT_EQ(m_exchange->call(offeredKey)->note, QStringLiteral("redirected to 0171555"));
    EXPECT_EQ(m_service->lineRedirect(call, "0171555", 0), LINEERR_INVALCALLSTATE);
}

TEST_F(Control, ParkAndUnpark)
{
    const HCALL call = connectedCall();
    EXPECT_EQ(reply(m_service->linePark(call, LINEPARKMODE_DIRECTED, "701", nullptr)), 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_IDLE));
    EXPECT_EQ(m_exchange->parkedCalls().count(QStringLiteral("701")), 1u);

    HCALL back = 0;
    EXPECT_EQ(reply(m_service->lineUnpark(m_line, 0, &back, "701")), 0);
    ASSERT_NE(back, 0u);
    ASSERT_TRUE(m_log.waitForState(back, LINECALLSTATE_CONNECTED));
    const CallInfo info = callInfo(back);
    EXPECT_EQ(info.fixed.dwReason, DWORD(LINECALLREASON_UNPARK));
    EXPECT_EQ(info.callerNumber, QStringLiteral("0301234567"));
    EXPECT_TRUE(m_exchange->parkedCalls().empty());

    // Without a place to park at, the exchange names one.
    Buffer<VARSTRING> where(64);
    EXPECT_EQ(reply(m_service->linePark(back, LINEPARKMODE_NONDIRECTED, nullptr, where.get())), 0);
    const QString slot = where.text(where->dwStringOffset, where->dwStringSize);
    EXPECT_FALSE(slot.isEmpty());
    EXPECT_EQ(where->dwStringFormat, DWORD(STRINGFORMAT_ASCII));
    EXPECT_EQ(m_exchange->parkedCalls().count(slot), 1u);
}

// Generated digits reach the far end and are confirmed with LINE_GENERATE;
// monitored digits from the far end arrive as LINE_MONITORDIGITS.
TEST_F(Control, Digits)
{
    const HCALL call = connectedCall();
    const CallKey key = keyOf(call);
    EXPECT_EQ(m_service->lineGenerateDigits(call, LINEDIGITMODE_DTMF, "12*#", 0), 0);
    EXPECT_EQ(m_exchange->call(key)->digitsSent, QStringLiteral("12*#"));
    ASSERT_TRUE(m_log.waitFor(LINE_GENERATE));
    EXPECT_EQ(m_log.of(LINE_GENERATE)[0].device, call);
    EXPECT_EQ(m_log.of(LINE_GENERATE)[0].param1, DWORD_PTR(LINEGENERATETERM_DONE));
    EXPECT_EQ(m_service->lineGenerateDigits(call, LINEDIGITMODE_DTMF, "1x", 0),
              LINEERR_INVALDIGITS);
    EXPECT_EQ(m_service->lineGenerateDigits(call, 0x40, "1", 0), LINEERR_INVALDIGITMODE);

    // Nothing is monitored until asked for.
    ASSERT_TRUE(m_exchange->farEndSendsDigits(key, QStringLiteral("9")));
    EXPECT_EQ(m_service->lineMonitorDigits(call, LINEDIGITMODE_PULSE), LINEERR_INVALDIGITMODE);
    ASSERT_EQ(m_service->lineMonitorDigits(call, LINEDIGITMODE_DTMF | LINEDIGITMODE_DTMFEND), 0);
    EXPECT_EQ(callInfo(call).fixed.dwMonitorDigitModes,
              DWORD(LINEDIGITMODE_DTMF | LINEDIGITMODE_DTMFEND));
    ASSERT_TRUE(m_exchange->farEndSendsDigits(key, QStringLiteral("5#")));
    ASSERT_TRUE(m_log.waitFor(LINE_MONITORDIGITS, 4));
    const auto digits = m_log.of(LINE_MONITORDIGITS);
    ASSERT_EQ(digits.size(), 4u);
    EXPECT_EQ(digits[0].param1, DWORD_PTR('5'));
    EXPECT_EQ(digits[0].param2, DWORD_PTR(LINEDIGITMODE_DTMF));
    EXPECT_EQ(digits[1].param2, DWORD_PTR(LINEDIGITMODE_DTMFEND));
    EXPECT_EQ(digits[2].param1, DWORD_PTR('#'));
    EXPECT_EQ(digits[0].device, call);

    ASSERT_EQ(m_service->lineMonitorDigits(call, 0), 0);
    ASSERT_TRUE(m_exchange->farEndSendsDigits(key, QStringLiteral("7")));
    testsupport::spin(std::chrono::milliseconds(20));
    EXPECT_EQ(m_log.count(LINE_MONITORDIGITS), 4u);
}

TEST_F(Control, DeviceSpecificRequests)
{
    m_exchange->setDevSpecificHandler(
        [](const sim::SimExchange::DevSpecificRequest& request, QByteArray& params) -> LONG {
            if (request.isFeature && params.size() == 4) {
                const DWORD answer = 0xBEEF;
                std::memcpy(params.data(), &answer, 4);
            }
            return request.feature == 99 ? LINEERR_OPERATIONFAILED : 0;
        });
    DWORD param = 7;
    const LONG request = m_service->lineDevSpecificFeature(m_line, 12, &param, sizeof param);
    EXPECT_EQ(param, 0xBEEFu) << "the driver's answer is there when the call returns";
    EXPECT_EQ(reply(request), 0);
    EXPECT_EQ(reply(m_service->lineDevSpecificFeature(m_line, 99, nullptr, 0)),
              LINEERR_OPERATIONFAILED);

    char block[105] = {1, 0, 0, 0};
    std::memcpy(block + 4, "0301234567", 10);
    EXPECT_EQ(reply(m_service->lineDevSpecific(m_line, 0, 0, block, sizeof block)), 0);
    const auto requests = m_exchange->devSpecificRequests();
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].feature, 12u);
    EXPECT_EQ(requests[0].params.size(), 4);
    EXPECT_EQ(requests[1].params.size(), 0);
    EXPECT_FALSE(requests[2].isFeature);
    EXPECT_EQ(requests[2].params.size(), 105);
    EXPECT_EQ(requests[2].params.mid(4, 10), QByteArray("0301234567"));
    EXPECT_EQ(m_service->lineDevSpecific(m_line, 0, 0, nullptr, 4), LINEERR_INVALPOINTER);
}

TEST_F(Control, RequestsOnUnusableCalls)
{
    EXPECT_EQ(m_service->lineDrop(0, nullptr, 0), LINEERR_INVALCALLHANDLE);
    EXPECT_EQ(m_service->lineHold(m_line), LINEERR_INVALCALLHANDLE) << "a line is not a call";
    const HCALL call = connectedCall();
    EXPECT_EQ(m_service->lineAnswer(call, nullptr, 0), LINEERR_INVALCALLSTATE);
    EXPECT_EQ(m_service->lineDrop(call, "hello", 5), LINEERR_USERUSERINFOTOOBIG);
    EXPECT_EQ(m_service->lineSwapHold(call, 0), LINEERR_INVALCONSULTCALLHANDLE);
}
