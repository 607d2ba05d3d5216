#include "TestSupport.h"

#include "platform/db/dbase/DbfTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome mkactdb(const QStringList& arguments)
{
    QProcess process;
    process.start(testsupport::binaryDir() + QStringLiteral("/bin/mkactdb"), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(MkactdbCommand, WritesTheThreeFilesIntoTheDirectory)
{
    QTemporaryDir dir;
    const QString base = dir.filePath("neu/Firma");
    const Outcome run = mkactdb({base, "--contacts", "25", "--seed", "77"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char* extension : {".dbf", ".gdb", ".ddf"}) {
        EXPECT_TRUE(QFile::exists(base + QLatin1String(extension))) << extension;
        EXPECT_TRUE(run.out.contains(base + QLatin1String(extension))) << run.out.toStdString();
    }
    platform::db::dbase::DbfTable table;
    ASSERT_TRUE(table.open(base + ".dbf"));
    EXPECT_EQ(table.recordCount(), 25);

    // The same command again gives the same bytes; a name given with .dbf too.
    QFile first(base + ".dbf");
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray before = first.readAll();
    ASSERT_EQ(mkactdb({dir.filePath("neu/Zweite.dbf"), "--seed=77", "--contacts=25"}).exitCode, 0);
    QFile second(dir.filePath("neu/Zweite.dbf"));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), before);
}

TEST(MkactdbCommand, UsageErrorsAreExplainedAndFail)
{
    QTemporaryDir dir;
    const QString base = dir.filePath("x");
    const struct {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{}, "Datenbankname fehlt"},
        {{base}, "--contacts fehlt"},
        {{base, "--contacts"}, "contacts"},
        {{base, "--contacts", "viele"}, "'viele'"},
        {{base, "--contacts", "-5"}, "'-5'"},
        {{base, "--contacts", "4294967296"}, "'4294967296'"},
        {{base, "--contacts", "10", "--seed", "x1"}, "'x1'"},
        {{base, dir.filePath("y"), "--contacts", "10"}, "Nur ein"},
        {{base, "--contacts", "10", "--farbe", "rot"}, "farbe"},
        {{dir.path() + "/", "--contacts", "10"}, "Basisnamen"},
    };
    for (const auto& c : cases) {
        const Outcome run = mkactdb(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.says))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("--contacts <N>")) << "usage is shown";
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(MkactdbCommand, AnUnwritableDirectoryFailsWithItsReason)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("datei"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Outcome run = mkactdb({dir.filePath("datei/db"), "--contacts", "10"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("datei")) << run.err.toStdString();
}

} // namespace
