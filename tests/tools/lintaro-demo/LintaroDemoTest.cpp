// lintaro-demo, run as a program, receives the control's events for a call
// that phonesim rings on its simulated line.
#include "TestSupport.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Runs phonesim to its end; the demo serves it from its own process.
int phonesim(const QStringList& args, QString* out)
{
    QProcess process;
    process.start(testsupport::binaryDir() + QStringLiteral("/bin/phonesim"), args);
    if (!process.waitForFinished(30000))
        return -1;
    *out = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

class Demo : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_demo.setProcessChannelMode(QProcess::MergedChannels);
        m_demo.start(testsupport::binaryDir() + QStringLiteral("/bin/lintaro-demo"), QStringList{});
        ASSERT_TRUE(m_demo.waitForStarted(10000));
        ASSERT_TRUE(waitForOutput(QStringLiteral("PhoneDetect"))) << qPrintable(m_output);
    }
    void TearDown() override
    {
        m_demo.kill();
        m_demo.waitForFinished(10000);
    }
    bool waitForOutput(const QString& text)
    {
        return testsupport::waitUntil(
            [&] {
                m_output += QString::fromLocal8Bit(m_demo.readAll());
                return m_output.contains(text);
            },
            std::chrono::seconds(20));
    }

    QProcess m_demo;
    QString m_output;
};

} // namespace

TEST_F(Demo, ListsTheEventsOfACallRungWithPhonesim)
{
    EXPECT_TRUE(
        m_output.contains(QStringLiteral("OnTapiMessage(\"SUCCESS\", \"TapiLineInit\", 1001)")));
    EXPECT_TRUE(
        m_output.contains(QStringLiteral("OnTapiMessage(\"SUCCESS\", \"TapiLineOpen\", 1001)")));

    QString out;
    ASSERT_EQ(phonesim({QStringLiteral("ring"), QStringLiteral("0301234567"),
                        QStringLiteral("Max Mustermann")},
                       &out),
              0)
        << qPrintable(out);
    ASSERT_TRUE(waitForOutput(QStringLiteral("OnOffering(\"ACTIVE\""))) << qPrintable(m_output);
    EXPECT_TRUE(m_output.contains(
        QStringLiteral("OnCallerID(\"0301234567\", \"Max Mustermann\", \"<ADDRESS><NAME>\"")));
    EXPECT_LT(m_output.indexOf(QStringLiteral("OnCallerID(")),
              m_output.indexOf(QStringLiteral("OnCallState(\"OFFERING\"")));

    ASSERT_EQ(phonesim({QStringLiteral("hangup")}, &out), 0) << qPrintable(out);
    ASSERT_TRUE(waitForOutput(QStringLiteral("OnCallState(\"IDLE\""))) << qPrintable(m_output);
    EXPECT_TRUE(m_output.contains(QStringLiteral("OnDisconnected(\"NORMAL \"")));
}
