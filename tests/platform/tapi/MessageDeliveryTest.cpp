// Messages come through the event loop of the thread that initialised, never
// inside the call that caused them, and replies follow their requests in order.
#include "TapiTestSupport.h"

#include "TestSupport.h"

#include <QThread>

using namespace tapitest;

namespace {

class Delivery : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        m_app = initialize(m_log, "Test", 0x5A5A);
        m_line = open(m_app, 0, LINECALLPRIVILEGE_MONITOR | LINECALLPRIVILEGE_OWNER, 0x1234);
    }
    MessageLog m_log;
    HLINEAPP m_app = 0;
    HLINE m_line = 0;
};

} // namespace

TEST_F(Delivery, NothingArrivesInsideTheCallThatCausedIt)
{
    HCALL call = 0;
    const LONG request = m_service->lineMakeCall(m_line, &call, "0301234567", 0, nullptr);
    ASSERT_GT(request, 0);
    // The exchange has already run the call up to RINGBACK, but nobody was told yet.
    EXPECT_EQ(m_exchange->calls().front().state, DWORD(LINECALLSTATE_RINGBACK));
    EXPECT_TRUE(m_log.all().empty());
    EXPECT_EQ(call, 0u) << "the handle comes with the reply";

    ASSERT_TRUE(m_log.waitFor(LINE_CALLSTATE, 4));
    const auto messages = m_log.all();
    ASSERT_GE(messages.size(), 5u);
    EXPECT_EQ(messages[0].message, LINE_REPLY);
    EXPECT_EQ(messages[0].param1, DWORD_PTR(request));
    EXPECT_EQ(messages[0].param2, 0u);
    EXPECT_EQ(messages[0].instance, 0x1234u) << "the line's callback instance";
    EXPECT_NE(call, 0u);
    EXPECT_EQ(m_log.callStates(call),
              (std::vector<DWORD>{LINECALLSTATE_DIALTONE, LINECALLSTATE_DIALING,
                                  LINECALLSTATE_PROCEEDING, LINECALLSTATE_RINGBACK}));
    for (const Message& m : messages)
        EXPECT_EQ(m.thread, QThread::currentThread());
}

TEST_F(Delivery, RepliesFollowTheirRequestsInOrder)
{
    HCALL call = 0;
    ASSERT_GT(m_service->lineMakeCall(m_line, &call, "0301234567", 0, nullptr), 0);
    ASSERT_TRUE(m_log.waitFor(LINE_CALLSTATE, 4));
    ASSERT_TRUE(m_exchange->farEndAnswers(m_exchange->calls().front().id));
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));
    m_log.clear();

    // Two requests in flight, one of them failing on the exchange's side
    // (nothing is parked at 99): both are answered, in order, afterwards.
    const LONG hold = m_service->lineHold(call);
    HCALL unparked = 0;
    const LONG unpark = m_service->lineUnpark(m_line, 0, &unparked, "99");
    ASSERT_GT(hold, 0);
    ASSERT_GT(unpark, hold);
    EXPECT_TRUE(m_log.all().empty());
    ASSERT_TRUE(m_log.waitFor(LINE_REPLY, 2));
    const auto replies = m_log.of(LINE_REPLY);
    EXPECT_EQ(replies[0].param1, DWORD_PTR(hold));
    EXPECT_EQ(replies[0].param2, 0u);
    EXPECT_EQ(replies[1].param1, DWORD_PTR(unpark));
    EXPECT_EQ(LONG(replies[1].param2), LINEERR_OPERATIONFAILED);
    EXPECT_EQ(unparked, 0u) << "a failed request hands out no handle";
    // The reply comes before the state change it caused.
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_ONHOLD));
    EXPECT_EQ(m_log.all()[0].message, LINE_REPLY);
}

TEST_F(Delivery, MessagesGoToTheThreadThatInitialised)
{
    QThread worker;
    QObject context;
    context.moveToThread(&worker);
    worker.start();
    MessageLog log;
    HLINEAPP app = 0;
    HLINE line = 0;
    // Initialise and open on the worker; drive the exchange from this thread.
    QMetaObject::invokeMethod(
        &context,
        [&] {
            app = initialize(log, "Worker");
            line = open(app, 0, LINECALLPRIVILEGE_MONITOR);
        },
        Qt::BlockingQueuedConnection);
    ASSERT_NE(line, 0u);
    sim::SimExchange::IncomingCall incoming;
    incoming.callerNumber = QStringLiteral("0301234567");
    ASSERT_NE(m_exchange->offerCall(0, incoming), 0u);
    ASSERT_TRUE(log.waitFor(LINE_CALLSTATE));
    ASSERT_TRUE(m_log.waitFor(LINE_CALLSTATE));
    for (const Message& m : log.all())
        EXPECT_EQ(m.thread, &worker);
    for (const Message& m : m_log.all())
        EXPECT_EQ(m.thread, QThread::currentThread());
    QMetaObject::invokeMethod(
        &context, [&] { m_service->lineShutdown(app); }, Qt::BlockingQueuedConnection);
    worker.quit();
    worker.wait();
}

// After lineShutdown nothing more is delivered, not even what was queued.
TEST_F(Delivery, ShutdownDropsWhatWasNotDelivered)
{
    HCALL call = 0;
    ASSERT_GT(m_service->lineMakeCall(m_line, &call, "0301234567", 0, nullptr), 0);
    ASSERT_EQ(m_service->lineShutdown(m_app), 0);
    testsupport::spin(std::chrono::milliseconds(50));
    EXPECT_TRUE(m_log.all().empty());
    EXPECT_EQ(call, 0u);
    EXPECT_EQ(m_service->lineShutdown(m_app), LINEERR_INVALAPPHANDLE);
    // Its lines are closed: the call it alone owned is gone.
    EXPECT_TRUE(m_exchange->calls().isEmpty());
}
