// Calls rung with the phonesim tool into the composed program: each becomes a
// caller-list entry that is stored and comes back with the next start.
#include "ProgramFixture.h"

#include "tests/app/QStringPrinter.h"

#include "app/calls/CallerIdentification.h"
#include "app/core/CallerDate.h"
#include "app/core/ListView.h"
#include "app/core/TapiButton.h"
#include "platform/tapi/sim/PhonesimServer.h"

#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

class PhonesimCall : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        server = std::make_unique<platform::tapi::sim::PhonesimServer>(exchange());
        QString error;
        ASSERT_TRUE(server->listen(&error)) << error.toStdString();
    }

    // Runs the phonesim program; the exchange answers it from this event loop.
    int phonesim(const QStringList& arguments)
    {
        QProcess process;
        process.setProgram(testsupport::binaryDir() + u"/bin/phonesim"_s);
        process.setArguments(arguments);
        process.start();
        EXPECT_TRUE(process.waitForStarted(10000)) << process.errorString().toStdString();
        EXPECT_TRUE(testsupport::waitUntil([&] { return process.state() == QProcess::NotRunning; },
                                           std::chrono::seconds(30)));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        const QByteArray errors = process.readAllStandardError();
        EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
        return process.exitCode();
    }

    // Rings a call with phonesim, waits until it has been handled, and hangs up.
    void ringAndHangUp(const QStringList& ring, const std::function<bool()>& handled)
    {
        ASSERT_EQ(phonesim(QStringList{u"ring"_s} + ring), 0);
        ASSERT_TRUE(
            testsupport::waitUntil([&] { return handled() && !program->members().SearchBusy; }));
        ASSERT_EQ(phonesim({u"hangup"_s}), 0);
    }

    fonkel::ListView& list() const { return *window()->lvNummern; }
    bool identified(int count) const
    {
        return list().count() == count && list().entry(0)->subItem(3) != u"suche..."_s;
    }

    std::unique_ptr<platform::tapi::sim::PhonesimServer> server;
};

TEST_F(PhonesimCall, RungCallsBecomeStoredCallerListEntries)
{
    {
        auto db = engine.openDatabase(nummernMdb());
        db->execute(u"INSERT INTO Liste (Nummer, Name, Ort) VALUES "
                    "(\"0221987654\", \"Fahrradladen\", \"Köln-Ehrenfeld\");"_s);
    }
    setOption(u"Nummernfilter"_s, u"0401234,0891111"_s);
    start();
    // The user switches the monitor on with the telephone button.
    window()->cmdInitTapi->click();
    ASSERT_EQ(window()->cmdInitTapi->tag(), u"aktiv"_s);

    // Calls within one second would share their date; each call is dated a
    // second after the one before so that the list shows the newest first.
    program->identification()->setClock(
        [n = 0]() mutable { return QDateTime::currentDateTime().addSecs(n++); });
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ringAndHangUp({u"0301234567"_s, u"Max Mustermann"_s}, [&] { return identified(1); });
    ringAndHangUp({u"0221987654"_s}, [&] { return identified(2); });
    ringAndHangUp({u"1234"_s}, [&] { return identified(3); });
    // A filtered number leaves no entry, only its line in the last-event text.
    ringAndHangUp({u"0401234"_s},
                  [&] { return window()->LastCallEvent.endsWith(u"\r\nNummernfilter:0401234"_s); });
    const QDateTime after = QDateTime::currentDateTime().addSecs(1 + 3);

    ASSERT_EQ(list().count(), 3);
    const int unknown = window()->ilIcons.index(u"Unbekannt"_s);
    const struct {
        QString number, ort, kontakt;
    } expected[] = {
        // Newest first. The name the network sent is never shown.
        {u"1234"_s, u"Unbekannt"_s, u"Unbekannt"_s},
        {u"0221987654"_s, u"Köln-Ehrenfeld"_s, u"Fahrradladen"_s},
        {u"0301234567"_s, u"Berlin"_s, u"Unbekannt"_s},
    };
    QList<CallerListEntry> shown;
    for (int i = 0; i < 3; ++i) {
        const CallerListEntry entry = list().entry(i)->toCallerListEntry();
        SCOPED_TRACE(entry.text.toStdString());
        EXPECT_EQ(entry.text, expected[i].number);
        EXPECT_EQ(entry.subItem(2), expected[i].ort);
        EXPECT_EQ(entry.subItem(3), expected[i].kontakt);
        EXPECT_EQ(entry.tag, u"Unbekannt"_s);
        EXPECT_EQ(entry.smallIcon, unknown);
        const std::optional<QDateTime> date = fonkel::CallerDate::fromText(entry.subItem(1));
        ASSERT_TRUE(date.has_value()) << entry.subItem(1).toStdString();
        EXPECT_GE(*date, before.addMSecs(-before.time().msec()));
        EXPECT_LE(*date, after);
        shown << entry;
    }
    EXPECT_TRUE(ui.messages().isEmpty());

    // Closed and started again: the same list, from the stored calls.
    restart();
    ASSERT_EQ(list().count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(list().entry(i)->toCallerListEntry(), shown[i]) << i;
}

} // namespace
