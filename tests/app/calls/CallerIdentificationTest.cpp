#include "IdentificationFixture.h"

#include "app/core/ContactTag.h"
#include "app/core/PanelStatusBar.h"
#include "app/core/TapiButton.h"
#include "app/core/WindowTimer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

using CallerIdentificationTest = IdentificationFixture;

TEST_F(CallerIdentificationTest, CallsBecomeStoredEntriesWithPlaceAndContact)
{
    addToFreeList(u"1234"_s, u"Pforte"_s, u"Haus 2"_s);
    addToFreeList(u"12345678"_s, u"Wiener Büro"_s, u"Unbekannt"_s);
    addToFreeList(u"keine Nummer"_s, u"Anonymer Anrufer"_s, u"Unbekannt"_s);
    const struct {
        QString number;
        QString party;
        bool connected;
        QString shown, ort, kontakt;
        int icon;
        QStringList similar; // area code and subscriber, when searched
    } cases[] = {
        {u"0301234567"_s,
         u"<ADDRESS>"_s,
         false,
         u"0301234567"_s,
         u"Berlin"_s,
         u"Unbekannt"_s,
         2,
         {u"030"_s, u"1234567"_s}},
        // The country's place; the free list is asked with the search form.
        {u"004312345678"_s,
         u"<ADDRESS>"_s,
         false,
         u"004312345678"_s,
         u"Österreich/Wien"_s,
         u"Wiener Büro"_s,
         2,
         {u"01"_s, u"2345678"_s}},
        // Four characters: no place lookup, the free list names it.
        {u"1234"_s, u"<ADDRESS>"_s, false, u"1234"_s, u"Haus 2"_s, u"Pforte"_s, 2, {}},
        {u"5678"_s, u"<ADDRESS>"_s, false, u"5678"_s, u"Unbekannt"_s, u"Unbekannt"_s, 2, {}},
        // No number from the driver: searched under its text.
        {u"0301234567"_s,
         u"Netz"_s,
         false,
         u"keine Nummer"_s,
         u"Unbekannt"_s,
         u"Anonymer Anrufer"_s,
         2,
         {}},
        {u"0190123456"_s,
         u"<ADDRESS>"_s,
         true,
         u"0190123456"_s,
         u"Unbekannt"_s,
         u"Unbekannt"_s,
         9,
         {}},
    };
    int calls = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number.toStdString() + " " + c.party.toStdString());
        act.similar.clear();
        now = now.addSecs(60);
        identify(c.number, c.party, c.connected);
        ++calls;
        ASSERT_EQ(list().count(), calls);
        const fonkel::ListItem* entry = first(); // newest first
        EXPECT_EQ(entry->text(), c.shown);
        EXPECT_EQ(column(entry, "Datum"), u"17.03.2024 "_s + now.toString(u"HH:mm:ss"_s));
        EXPECT_EQ(column(entry, "Ort"), c.ort);
        EXPECT_EQ(column(entry, "Kontakt"), c.kontakt);
        EXPECT_EQ(entry->tag(), u"Unbekannt"_s);
        EXPECT_EQ(entry->smallIcon(), c.icon);
        EXPECT_TRUE(entry->isSelected());
        if (c.similar.isEmpty())
            EXPECT_TRUE(act.similar.isEmpty());
        else
            EXPECT_EQ(act.similar, QList<QStringList>{c.similar});

        const QList<CallerListEntry> rows = stored();
        ASSERT_EQ(rows.size(), calls);
        EXPECT_EQ(rows.last(), entry->toCallerListEntry());
    }
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_TRUE(act.cacheChecks.isEmpty()); // the cache is off and ACT! not ready
    EXPECT_FALSE(members.SearchBusy);
}

TEST_F(CallerIdentificationTest, FilteredNumberEndsTheRunWithoutEntry)
{
    numbers.setNummernfilter(u"0301234,0401234"_s);
    window.LastCallEvent = u"OnCallerEvent:1"_s;
    identify(u"0401234"_s);
    EXPECT_EQ(list().count(), 0);
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(window.LastCallEvent, u"OnCallerEvent:1\r\nNummernfilter:0401234"_s);
    EXPECT_FALSE(members.SearchBusy);

    // The filter compares the number as reported.
    identify(u"0401234 "_s);
    EXPECT_EQ(list().count(), 1);
}

TEST_F(CallerIdentificationTest, NumberReducedToNothingIsShownAsZero)
{
    window.mnuTAPIPlusKlammerFilter->setChecked(true);
    identify(u"+49"_s);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].text, u"Ihr Tapi-Treiber meldet einen Anruf mit Telefonnummer,\r\n"
                                     "jedoch wurde keine Nummer an Fonkel übergeben.\r\n"
                                     "Die Nummer wird auf '0' gesetzt."_s);
    ASSERT_EQ(list().count(), 1);
    EXPECT_EQ(first()->text(), u"0"_s);
    EXPECT_EQ(column(first(), "Kontakt"), u"Unbekannt"_s);
    EXPECT_TRUE(window.LastCallEvent.endsWith(u"Gefilterte Nummer:0\r\n"_s));
}

TEST_F(CallerIdentificationTest, RunHoldsTheWindowAndReleasesItAtTheEnd)
{
    auto* control = new QWidget;
    window.setLintaroControl(control);
    window.TimerACT->setInterval(4500);
    struct {
        bool busy = false, timer = true, button = true;
        QVariant control;
        QString progress;
    } during;
    act.onSimilar = [&] {
        during.busy = members.SearchBusy;
        during.timer = window.TimerACT->isRunning();
        during.button = window.cmdInitTapi->isEnabled();
        during.control = control->property("Enabled");
        during.progress = window.panel(3)->text();
    };
    window.showMinimized();
    ASSERT_TRUE(testsupport::waitUntil([&] { return window.isMinimized(); }));

    identify(u"0301234567"_s);

    ASSERT_EQ(act.similar.size(), 1);
    EXPECT_TRUE(during.busy);
    EXPECT_FALSE(during.timer);
    EXPECT_FALSE(during.button);
    EXPECT_EQ(during.control, QVariant(false));
    EXPECT_EQ(during.progress, u"Anruf speichern ..."_s);
    // The window came to the front for the call.
    EXPECT_FALSE(window.isMinimized());

    EXPECT_FALSE(members.SearchBusy);
    EXPECT_TRUE(window.TimerACT->isRunning());
    EXPECT_TRUE(window.cmdInitTapi->isEnabled());
    EXPECT_EQ(control->property("Enabled"), QVariant(true));
    EXPECT_EQ(window.panel(3)->text(), QString());
}

TEST_F(CallerIdentificationTest, NewEntryTakesItsPlaceInTheListOrder)
{
    identify(u"0301111111"_s);
    now = now.addSecs(3600);
    identify(u"0302222222"_s);
    EXPECT_EQ(first()->text(), u"0302222222"_s); // newest first

    // Oldest first: the new entry goes last, the first entry is selected.
    SortListView(list(), list().columnOfKey(u"Datum"_s), true);
    now = now.addSecs(3600);
    identify(u"0303333333"_s);
    EXPECT_EQ(list().entry(2)->text(), u"0303333333"_s);
    EXPECT_TRUE(first()->isSelected());

    // Sorted by place: the list keeps that order, the date header no icon.
    SortListView(list(), list().columnOfKey(u"Ort"_s), false);
    addToFreeList(u"4711"_s, u"Labor"_s, u"Aachen"_s);
    identify(u"4711"_s);
    EXPECT_EQ(first()->text(), u"4711"_s);
    EXPECT_EQ(list().headerIconKey(list().columnOfKey(u"Datum"_s)), u"Leer"_s);
}

TEST_F(CallerIdentificationTest, ListReloadedOrDatabaseClosedDuringTheRun)
{
    // Queued events during a run may clear the list or close the database;
    // the run goes on with its own values and ends cleanly.
    window.mnuNummernCache->setChecked(true);
    act.onCacheCheck = [&] { list().clearEntries(); };
    identify(u"0301234567"_s);
    EXPECT_EQ(list().count(), 0);
    ASSERT_EQ(stored().size(), 1);
    EXPECT_EQ(stored()[0].text, u"0301234567"_s);
    EXPECT_EQ(stored()[0].subItem(3), u"Unbekannt"_s);

    act.onCacheCheck = [&] { window.setFonkelDaten(nullptr); };
    identify(u"0307654321"_s);
    EXPECT_EQ(list().count(), 1);
    EXPECT_EQ(column(first(), "Kontakt"), u"Unbekannt"_s);
    EXPECT_FALSE(members.SearchBusy);
    EXPECT_EQ(stored().size(), 1);
}

TEST_F(CallerIdentificationTest, MissingCacheIsSwitchedOffAndTheCallerNotFound)
{
    window.mnuNummernCache->setChecked(true);
    members.CachePath = dir.filePath(u"FONKEL.MDB"_s);
    identify(u"0301234567"_s);
    EXPECT_EQ(act.cacheChecks, QStringList{members.CachePath + u"|ACTNR"_s});
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].text, u"Fehler beim Zugriff auf Nummerncache-Datenbank: "_s +
                                         members.CachePath +
                                         u"\r\nDer Nummerncache wird deaktiviert."_s);
    EXPECT_EQ(act.cacheUse, QList<bool>{false});
    EXPECT_EQ(column(first(), "Kontakt"), u"Unbekannt"_s);

    // A cache file the side cannot open: the same message.
    ui.clear();
    act.cacheUse.clear();
    act.cacheTable = true;
    identify(u"0301234567"_s);
    EXPECT_EQ(act.cacheOpens.size(), 1);
    EXPECT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(act.cacheUse, QList<bool>{false});
}

TEST_F(CallerIdentificationTest, ContactFromTheNumberCache)
{
    const QString cacheFile = dir.filePath(u"cache.mdb"_s);
    SqliteNumberCache::create(engine, cacheFile,
                              {{u"42"_s, u"Erika Muster"_s, u"Potsdam"_s, u"301234567"_s},
                               {u"43"_s, u"Zweiter Treffer"_s, u"Rom"_s, u"301234567"_s},
                               {u"7"_s, u""_s, QString(), u"307654321"_s},
                               {u"8"_s, u"Max Mustermann"_s, u"Berlin"_s, u"301111111"_s}});
    window.mnuNummernCache->setChecked(true);
    window.mnuKeineNullBeimSuchen->setChecked(true);
    members.CachePath = cacheFile;
    act.cacheTable = true;
    QStringList asked;
    act.openCache = [&] { return std::make_unique<SqliteNumberCache>(engine, cacheFile, asked); };
    const struct {
        QString number;
        bool connected;
        QString ort, kontakt, tag;
        int icon;
    } cases[] = {
        // The contact's city wins over the area's place; the first row wins.
        {u"0301234567"_s, false, u"Potsdam"_s, u"Erika Muster"_s, u"[          42]"_s, 6},
        {u"0301234567"_s, true, u"Potsdam"_s, u"Erika Muster"_s, u"[          42]"_s, 10},
        // No name, no city.
        {u"0307654321"_s, false, u"Berlin"_s, u"Keine Angaben im ACT!"_s, u"[           7]"_s, 6},
        {u"0301111111"_s, false, u"Berlin"_s, u"Max Mustermann"_s, u"[           8]"_s, 6},
        {u"0309999999"_s, false, u"Berlin"_s, u"Unbekannt"_s, u"Unbekannt"_s, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number.toStdString());
        now = now.addSecs(60);
        window.LastCallEvent.clear();
        identify(c.number, u"<ADDRESS>"_s, c.connected);
        EXPECT_EQ(asked, (QStringList{u"ACTNR"_s, u"TELEFON,MOBIL"_s, u"UNIQUE_ID,NAME,CITY"_s,
                                      c.number.mid(1), u"OR"_s, u"false"_s}));
        EXPECT_EQ(column(first(), "Ort"), c.ort);
        EXPECT_EQ(column(first(), "Kontakt"), c.kontakt);
        EXPECT_EQ(first()->tag(), c.tag);
        EXPECT_EQ(first()->smallIcon(), c.icon);
        EXPECT_EQ(stored().last(), first()->toCallerListEntry());
        EXPECT_TRUE(window.lbID->toolTip().startsWith(u"Suchdauer1: "_s));
        EXPECT_TRUE(window.LastCallEvent.contains(u"\r\n"_s + window.lbID->toolTip()));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_TRUE(act.cacheUse.isEmpty());

    // A failed cache query: not found, the cache stays in use.
    window.lbID->setToolTip(QString());
    act.openCache = [&] {
        auto opened = std::make_unique<SqliteNumberCache>(engine, cacheFile, asked);
        opened->failQuery = true;
        return opened;
    };
    identify(u"0301234567"_s);
    EXPECT_EQ(column(first(), "Kontakt"), u"Unbekannt"_s);
    EXPECT_EQ(window.lbID->toolTip(), QString());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(act.cacheUse.isEmpty());
}

} // namespace
