// The real phonesim tool, run as a separate process, drives the simulated
// exchange of the service in this test process.
#include "TapiTestSupport.h"

#include "TestSupport.h"

#include "platform/tapi/sim/PhonesimProtocol.h"
#include "platform/tapi/sim/PhonesimServer.h"

#include <QFileInfo>
#include <QProcess>

using namespace tapitest;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs phonesim while this process's event loop keeps serving it.
ToolRun phonesim(const QStringList& args)
{
    QProcess process;
    process.start(testsupport::binaryDir() + QStringLiteral("/bin/phonesim"), args);
    ToolRun run;
    if (!process.waitForStarted(10000))
        return run;
    const bool finished = testsupport::waitUntil(
        [&] { return process.state() == QProcess::NotRunning; }, std::chrono::seconds(30));
    EXPECT_TRUE(finished) << qPrintable(args.join(u' '));
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

class Phonesim : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        m_server = std::make_unique<sim::PhonesimServer>(*m_exchange);
        QString error;
        ASSERT_TRUE(m_server->listen(&error)) << qPrintable(error);
        m_app = initialize(m_log, "Fonkel");
        m_line = open(m_app, 0, LINECALLPRIVILEGE_MONITOR | LINECALLPRIVILEGE_OWNER);
    }
    void TearDown() override
    {
        m_server.reset();
        SimFixture::TearDown();
    }
    std::unique_ptr<sim::PhonesimServer> m_server;
    MessageLog m_log;
    HLINEAPP m_app = 0;
    HLINE m_line = 0;
};

} // namespace

TEST_F(Phonesim, RingMakesACallArrive)
{
    const ToolRun run = phonesim(
        {QStringLiteral("ring"), QStringLiteral("0301234567"), QStringLiteral("Max Mustermann")});
    ASSERT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains(QStringLiteral("OFFERING"))) << qPrintable(run.out);

    ASSERT_TRUE(m_log.waitFor(LINE_CALLSTATE));
    const Message offered = m_log.of(LINE_CALLSTATE)[0];
    EXPECT_EQ(offered.param1, DWORD_PTR(LINECALLSTATE_OFFERING));
    const CallInfo info = callInfo(HCALL(offered.device));
    EXPECT_EQ(info.callerNumber, QStringLiteral("0301234567"));
    EXPECT_EQ(info.callerName, QStringLiteral("Max Mustermann"));
}

// A call from ringing to hanging up, with digits and a connected number on the way.
TEST_F(Phonesim, DrivesACallThroughItsStates)
{
    ASSERT_EQ(phonesim({QStringLiteral("ring"), QStringLiteral("0401234"),
                        QStringLiteral("--reason"), QStringLiteral("fwdbusy"),
                        QStringLiteral("--redirecting"), QStringLiteral("0309999")})
                  .exitCode,
              0);
    ASSERT_TRUE(m_log.waitFor(LINE_CALLSTATE));
    const HCALL call = HCALL(m_log.of(LINE_CALLSTATE)[0].device);
    EXPECT_EQ(callInfo(call).fixed.dwReason, DWORD(LINECALLREASON_FWDBUSY));
    EXPECT_EQ(callInfo(call).redirectingNumber, QStringLiteral("0309999"));

    EXPECT_EQ(phonesim({QStringLiteral("answer")}).exitCode, 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));
    ASSERT_EQ(m_service->lineMonitorDigits(call, LINEDIGITMODE_DTMF), 0);
    EXPECT_EQ(phonesim({QStringLiteral("digits"), QStringLiteral("42")}).exitCode, 0);
    ASSERT_TRUE(m_log.waitFor(LINE_MONITORDIGITS, 2));
    EXPECT_EQ(m_log.of(LINE_MONITORDIGITS)[1].param1, DWORD_PTR('2'));
    EXPECT_EQ(phonesim({QStringLiteral("connected-id"), QStringLiteral("0307777")}).exitCode, 0);
    ASSERT_TRUE(m_log.waitFor(LINE_CALLINFO));
    EXPECT_EQ(callInfo(call).connectedNumber, QStringLiteral("0307777"));

    const ToolRun calls = phonesim({QStringLiteral("calls")});
    EXPECT_TRUE(calls.out.contains(QStringLiteral("CONNECTED"))) << qPrintable(calls.out);
    EXPECT_TRUE(calls.out.contains(QStringLiteral("0401234")));

    EXPECT_EQ(phonesim({QStringLiteral("hangup"), QStringLiteral("--mode"), QStringLiteral("busy")})
                  .exitCode,
              0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_IDLE));
    EXPECT_EQ(m_log.callStates(call),
              (std::vector<DWORD>{LINECALLSTATE_OFFERING, LINECALLSTATE_CONNECTED,
                                  LINECALLSTATE_DISCONNECTED, LINECALLSTATE_IDLE}));
}

TEST_F(Phonesim, OutgoingCallLineAndPhone)
{
    HCALL call = 0;
    ASSERT_GT(m_service->lineMakeCall(m_line, &call, "0301234567", 0, nullptr), 0);
    ASSERT_TRUE(m_log.waitFor(LINE_CALLSTATE, 4));
    EXPECT_EQ(phonesim({QStringLiteral("connect")}).exitCode, 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_CONNECTED));

    // The handset goes down: the call ends.
    EXPECT_EQ(phonesim({QStringLiteral("replace")}).exitCode, 0) << "already on hook is fine";
    EXPECT_EQ(phonesim({QStringLiteral("lift")}).exitCode, 0);
    EXPECT_EQ(phonesim({QStringLiteral("replace")}).exitCode, 0);
    ASSERT_TRUE(m_log.waitForState(call, LINECALLSTATE_IDLE));

    EXPECT_EQ(phonesim({QStringLiteral("display"), QStringLiteral("Hallo")}).exitCode, 0);
    EXPECT_EQ(m_exchange->phones()[0].display, QStringLiteral("Hallo"));
    const ToolRun devices = phonesim({QStringLiteral("devices")});
    EXPECT_TRUE(devices.out.contains(QStringLiteral("Simulierte Leitung 1")));
    EXPECT_TRUE(devices.out.contains(QStringLiteral("display \"Hallo\"")));

    EXPECT_EQ(phonesim({QStringLiteral("close-line")}).exitCode, 0);
    ASSERT_TRUE(m_log.waitFor(LINE_CLOSE));
}

TEST_F(Phonesim, ClearMessagesForWrongUse)
{
    ToolRun run = phonesim({QStringLiteral("dance")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("unknown command 'dance'"))) << qPrintable(run.err);

    run = phonesim({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Usage")));

    run = phonesim({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    for (const sim::PhonesimCommandInfo& command : sim::phonesimCommands())
        EXPECT_TRUE(run.out.contains(QStringLiteral("  ") + command.name))
            << qPrintable(command.name);

    // The program refuses, and says why.
    run = phonesim({QStringLiteral("answer")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("no ringing call"))) << qPrintable(run.err);
    run = phonesim({QStringLiteral("ring"), QStringLiteral("1"), QStringLiteral("--line"),
                    QStringLiteral("9")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("no line 9"))) << qPrintable(run.err);
    run = phonesim({QStringLiteral("lamp"), QStringLiteral("0"), QStringLiteral("purple")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("unknown lamp mode"))) << qPrintable(run.err);
    run = phonesim({QStringLiteral("digits")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("wrong number of arguments")));
    run = phonesim({QStringLiteral("hangup"), QStringLiteral("--call")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("needs a value")));
}

TEST_F(Phonesim, NoRunningProgram)
{
    m_server.reset();
    const ToolRun run = phonesim({QStringLiteral("calls")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("no running program"))) << qPrintable(run.err);
    EXPECT_TRUE(run.err.contains(sim::phonesimSocketPath()));
}

// A socket left behind by a program that is gone does not block the next one;
// one that is still served does.
TEST_F(Phonesim, SocketOfAnEarlierProgram)
{
    sim::PhonesimServer second(*m_exchange);
    QString error;
    EXPECT_FALSE(second.listen(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("already"))) << qPrintable(error);

    const QString path = m_dir.filePath(QStringLiteral("stale"));
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    sim::PhonesimServer third(*m_exchange);
    EXPECT_TRUE(third.listen(path, &error)) << qPrintable(error);
}
