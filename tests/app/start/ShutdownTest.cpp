#include "ProgramFixture.h"

#include "app/calls/CallerIdentification.h"
#include "app/core/ListView.h"
#include "app/core/TapiButton.h"
#include "app/core/modOptionen.h"

#include <QAction>
#include <QComboBox>

using namespace Qt::StringLiterals;

namespace {

using Shutdown = ProgramFixture;

TEST_F(Shutdown, OptionsAreWrittenBackFromTheMarks)
{
    start();
    fonkel::frmHaupt& w = *window();
    w.mnuNummernCache->setChecked(true);
    w.mnuNummernCacheAutomatisch->setChecked(false);
    w.mnuTapiNull->trigger(); // prefix mode add
    w.mnuAutoNummern->setChecked(false);
    w.mnuTapiAktivieren->setChecked(true);
    w.mnuFensterMin->setChecked(true);
    w.mnuKeineNullBeimSuchen->setChecked(true);
    w.mnuAutoTimer->setChecked(true);
    w.mnuVerbundeneNummern->setChecked(true);
    w.mnuTAPIPlusKlammerFilter->setChecked(true);
    stop();

    const struct {
        QString key, value;
    } expected[] = {
        {u"NummernCache"_s, u"1"_s},
        {u"NummernCacheAutomatisch"_s, u"0"_s},
        {u"Null"_s, u"1"_s},
        {u"AutoNummern"_s, u"0"_s},
        {u"AutoTapimonitor"_s, u"1"_s},
        {u"FensterMin"_s, u"1"_s},
        {u"KeineNullBeimSuchen"_s, u"1"_s},
        {u"AutostartTimer"_s, u"1"_s},
        {u"WeiterleitungErkennen"_s, u"1"_s},
        {u"PlusKlammerFilter"_s, u"1"_s},
        {u"TapiDevice"_s, u""_s},
        // The history keys stand in the store with their defaults.
        {u"ProtokollAufruf"_s, u"^h"_s},
        {u"ProtokollSendKeys"_s, u"%D|%Datum|%U||%Uhrzeit|%y||{HOME}|%A||%y|{TAB}"_s},
        {u"ProtokollSendKeyIntervall"_s, u"150"_s},
        {u"ProtokollFensterKennung"_s, u"OK|Button|Protokoll aufzeichnen |#32770"_s},
    };
    for (const auto& e : expected)
        EXPECT_EQ(option(e.key), e.value) << e.key.toStdString();

    // The next start reads them back: remove mode and the window minimised later.
    setOption(u"Null"_s, u"-1"_s);
    start();
    EXPECT_TRUE(window()->mnuTAPINullEntfernen->isChecked());
    EXPECT_TRUE(window()->mnuTapiAktivieren->isChecked());
    EXPECT_TRUE(window()->AutoStartPending);
    EXPECT_TRUE(window()->MinimisePending);
    stop();
    EXPECT_EQ(option(u"Null"_s), u"-1"_s);
}

TEST_F(Shutdown, GeometryIsWrittenUnlessTheWindowIsMinimised)
{
    start();
    window()->setGeometryInTwips(QRect(1500, 1200, 9000, 7500));
    const QRect shown = window()->geometryInTwips();
    stop();
    EXPECT_EQ(windowValue(u"Left"_s), QString::number(shown.left()));
    EXPECT_EQ(windowValue(u"Top"_s), QString::number(shown.top()));
    EXPECT_EQ(windowValue(u"Width"_s), QString::number(shown.width()));
    EXPECT_EQ(windowValue(u"Height"_s), QString::number(shown.height()));

    start();
    window()->setGeometryInTwips(QRect(3000, 3000, 8000, 7000));
    window()->showMinimized();
    ASSERT_TRUE(testsupport::waitUntil([&] { return window()->isMinimized(); }));
    stop();
    EXPECT_EQ(windowValue(u"Left"_s), QString::number(shown.left()));
    EXPECT_EQ(windowValue(u"Width"_s), QString::number(shown.width()));
}

TEST_F(Shutdown, ActiveMonitorIsClosedAndTheControlShutDown)
{
    start();
    control()->TapiLineOpen();
    ASSERT_TRUE(testsupport::waitUntil([&] { return exchange().lines()[0].openCount == 1; }));
    window()->cmdInitTapi->setTag(u"aktiv"_s);
    window()->close();
    EXPECT_EQ(exchange().lines()[0].openCount, 0);
    // The database is released: the file can be replaced now.
    EXPECT_EQ(window()->FonkelDaten(), nullptr);
    // A second close event changes nothing.
    window()->close();
    program.reset();
}

TEST_F(Shutdown, NumberCacheFileNeverSurvivesARun)
{
    const QString cache = dir.filePath(u"FONKEL.MDB"_s);
    setOption(u"CacheMDB"_s, cache);
    const auto touch = [&] {
        QFile file(cache);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("alt");
    };
    touch();
    start();
    EXPECT_EQ(program->members().CachePath, cache);
    EXPECT_FALSE(QFile::exists(cache));
    touch();
    stop();
    EXPECT_FALSE(QFile::exists(cache));
}

TEST_F(Shutdown, IdentifiedCallsAreInTheListAfterTheNextStart)
{
    {
        auto db = engine.openDatabase(nummernMdb());
        db->execute(u"INSERT INTO Liste (Nummer, Name, Ort) VALUES "
                    "(\"0221987654\", \"Fahrradladen\", \"Köln-Ehrenfeld\");"_s);
    }
    start();
    QDateTime now(QDate(2024, 5, 2), QTime(10, 0));
    program->identification()->setClock([&] { return now; });
    program->identification()->IdentifyCaller(u"0301234567"_s, u"Netz"_s, u"<ADDRESS>"_s, 1, 2,
                                              false);
    now = now.addSecs(300);
    program->identification()->IdentifyCaller(u"0221987654"_s, u"Netz"_s, u"<ADDRESS>"_s, 3, 4,
                                              false);
    fonkel::ListView& list = *window()->lvNummern;
    ASSERT_EQ(list.count(), 2);
    QList<CallerListEntry> before;
    for (int i = 0; i < list.count(); ++i)
        before << list.entry(i)->toCallerListEntry();
    EXPECT_EQ(before[1].text, u"0301234567"_s);
    EXPECT_EQ(before[1].subItem(2), u"Berlin"_s);
    EXPECT_EQ(before[1].subItem(3), u"Unbekannt"_s);
    EXPECT_EQ(before[0].subItem(2), u"Köln-Ehrenfeld"_s);
    EXPECT_EQ(before[0].subItem(3), u"Fahrradladen"_s);

    restart();
    ASSERT_EQ(window()->lvNummern->count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(window()->lvNummern->entry(i)->toCallerListEntry(), before[i]) << i;
    EXPECT_TRUE(ui.messages().isEmpty());
}

} // namespace
