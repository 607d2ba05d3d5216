// The fonkel program as a process: one instance at a time.
#include "app/core/SingleInstance.h"
#include "tests/support/TestSupport.h"

#include <QLockFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

QString fonkelProgram()
{
    return testsupport::binaryDir() + u"/bin/fonkel"_s;
}

// The process that holds the instance lock, 0 when none.
qint64 lockHolder()
{
    qint64 pid = 0;
    QString host;
    QString application;
    QLockFile lock(fonkel::SingleInstance::defaultLockPath());
    return lock.getLockInfo(&pid, &host, &application) ? pid : 0;
}

class FonkelProcess : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (QProcess* process : {&first, &second, &third}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(10000);
            }
        }
    }

    void launch(QProcess& process)
    {
        process.setProgram(fonkelProgram());
        process.start();
        ASSERT_TRUE(process.waitForStarted(10000)) << process.errorString().toStdString();
    }

    QProcess first;
    QProcess second;
    QProcess third;
};

TEST_F(FonkelProcess, SecondStartEndsSilentlyAndAKilledFirstBlocksNothing)
{
    launch(first);
    const qint64 firstPid = first.processId();
    ASSERT_TRUE(
        testsupport::waitUntil([&] { return lockHolder() == firstPid; }, std::chrono::seconds(60)));

    launch(second);
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(lockHolder(), firstPid);

    // A first instance that dies leaves its lock behind; it blocks nothing.
    ::kill(static_cast<pid_t>(firstPid), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(lockHolder(), firstPid);
    launch(third);
    EXPECT_TRUE(testsupport::waitUntil([&] { return lockHolder() == third.processId(); },
                                       std::chrono::seconds(60)));
    EXPECT_EQ(third.state(), QProcess::Running);
}

} // namespace
