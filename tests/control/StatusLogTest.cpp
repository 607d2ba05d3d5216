// The diagnostic log "status.log": where it lies, its line format, the bits
// that select its entries, and a log that cannot be written.
#include "ControlFixture.h"

#include "control/line/StatusLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using namespace controltest;

namespace {

class StatusLogTest : public ControlFixture {
protected:
    // The entry codes in the log, in order.
    QStringList codes() const
    {
        QStringList result;
        for (const QString& line : logText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            result.append(line.section(u';', 1, 1));
        return result;
    }
};

} // namespace

TEST_F(StatusLogTest, EveryMessageWritesFourLines)
{
    m_control->setDebugLevel(0x200);
    m_control->TapiLineInit();

    const QString text = logText();
    const QRegularExpression entry(
        QStringLiteral("([^;\\r\\n]+);TAPIMESSAGE;([^;\\r\\n]*);([^;\\r\\n]*)\\r\\n\\r\\n"));
    QStringList values;
    qsizetype position = 0;
    while (position < text.size()) {
        const QRegularExpressionMatch match =
            entry.match(text, position, QRegularExpression::NormalMatch,
                        QRegularExpression::AnchorAtOffsetMatchOption);
        ASSERT_TRUE(match.hasMatch()) << qPrintable(text.mid(position));
        EXPECT_TRUE(match.captured(1).contains(u':'))
            << "a time of day: " << qPrintable(match.captured(1));
        values.append(match.captured(2) + u'/' + match.captured(3));
        position = match.capturedEnd();
    }
    // Two lines when the message is raised, two when the relay is reset.
    EXPECT_EQ(values,
              (QStringList{QStringLiteral("SUCCESS/1001"), QStringLiteral("TapiLineInit/"),
                           QStringLiteral("-33333/1001"), QStringLiteral("TapiLineInit/")}));
}

TEST_F(StatusLogTest, DebugBitsSelectTheEntries)
{
    struct Case {
        int bits;
        QStringList present;
        QStringList absent;
    };
    const Case cases[] = {
        {0x10,
         {"11A", "11B", "11C0", "11C1", "11D0", "11D1", "11E0", "11E1", "11F0", "11F1"},
         {"12A", "TAPIMESSAGE"}},
        {0x20, {"12A", "12B", "12C", "12D", "12F"}, {"12E", "11A", "1"}},
        {0x01, {"1", "1A", "1C", "1D"}, {"14B", "8"}},
        {0x04, {"14B", "14O", "14A"}, {"1A", "13A"}},
        {0x08,
         {"8", "8A", "8B", "8D", "8D1", "8D2", "8D3", "8D4", "8D5", "8D6", "8D7", "8E", "8G"},
         {"14B"}},
        {0x100, {"13A"}, {"14A"}},
        {0x80, {"10B", "10C"}, {"10A"}},
        {0, {}, {"11A", "TAPIMESSAGE", "14B"}},
    };
    for (const Case& c : cases) {
        restart(controlConfig());
        QFile::remove(m_logDir.filePath(QStringLiteral("status.log")));
        m_control->setDebugLevel(c.bits);
        m_control->TapiLineInit();
        m_control->TapiLineOpen();
        CallKey key = 0;
        offerCall(QStringLiteral("0301234567"), QStringLiteral("Max"), &key);
        ASSERT_TRUE(m_exchange->setChargingInfo(key, QStringLiteral("1 Einheit")));
        ASSERT_TRUE(m_exchange->farEndHangsUp(key, LINEDISCONNECTMODE_NORMAL));
        ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnDisconnected")));
        settle();
        m_control->TapiLineClose();

        const QStringList logged = codes();
        for (const QString& code : c.present)
            EXPECT_TRUE(logged.contains(code)) << c.bits << " " << qPrintable(code);
        for (const QString& code : c.absent)
            EXPECT_FALSE(logged.contains(code)) << c.bits << " " << qPrintable(code);
    }
}

TEST_F(StatusLogTest, EntriesCarryTheirValues)
{
    m_control->setDebugLevel(0x04 | 0x20 | 0x100);
    m_control->TapiLineInit();
    m_control->TapiLineOpen();
    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
    const QString text = logText();
    const QString handle = QString::number(call);
    for (const QString& entry :
         QStringList{u";12C;" + QString::number(state().hLine) + u";0\r\n",
                     QStringLiteral(";12D;True;0\r\n"), QStringLiteral(";12F;False;\r\n"),
                     u";14B;" + handle + u";OFFERING\r\n"})
        EXPECT_TRUE(text.contains(entry)) << qPrintable(entry) << "\n" << qPrintable(text);
    ASSERT_TRUE(m_exchange->farEndHangsUp(key, LINEDISCONNECTMODE_NORMAL));
    ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnDisconnected")));
    settle();
    EXPECT_TRUE(logText().contains(u";13A;" + handle + u";0\r\n"));
}

TEST_F(StatusLogTest, UnwritableLogIsReportedOnceAndNeverRecurses)
{
    // A folder that cannot exist: its parent is a file.
    const QString blocker = m_logDir.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    destroyControl();
    LintaroOptions options;
    options.logDirectory = blocker + QStringLiteral("/logs");
    makeControl(options);
    m_control->setDebugLevel(0x3FF);

    m_control->TapiLineInit();
    m_control->TapiLineOpen();
    EXPECT_EQ(m_events->messages(),
              (QStringList{QStringLiteral("ERROR_WRITE_LOGFILE|writeLogFile|1012"),
                           QStringLiteral("SUCCESS|TapiLineInit|1001"),
                           QStringLiteral("SUCCESS|TapiLineOpen|1001"),
                           QStringLiteral("PHONE_DETECTED|PhoneDetect|1005")}));

    // Once the log can be written again, a new failure is reported again.
    ASSERT_TRUE(QFile::remove(blocker));
    ASSERT_TRUE(QDir().mkpath(blocker + QStringLiteral("/logs")));
    m_control->TapiLineClose();
    EXPECT_TRUE(QFileInfo::exists(m_control->logFilePath()));
    ASSERT_TRUE(QDir(blocker).removeRecursively());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    m_events->clear();
    m_control->TapiLineOpen();
    EXPECT_EQ(m_events->messages().first(),
              QStringLiteral("ERROR_WRITE_LOGFILE|writeLogFile|1012"));
    EXPECT_EQ(m_events->messages().count(QStringLiteral("ERROR_WRITE_LOGFILE|writeLogFile|1012")),
              1);
}

TEST_F(StatusLogTest, LogLiesBesideTheLibraryUnlessTheHostSaysOtherwise)
{
    destroyControl();
    makeControl(LintaroOptions{});
    const QFileInfo log(m_control->logFilePath());
    EXPECT_EQ(log.fileName(), QStringLiteral("status.log"));
    EXPECT_TRUE(QFileInfo::exists(log.absolutePath() + QStringLiteral("/liblintaro.so.1")))
        << qPrintable(log.absolutePath());
    EXPECT_EQ(log.absolutePath(), StatusLog::libraryDirectory());
}
