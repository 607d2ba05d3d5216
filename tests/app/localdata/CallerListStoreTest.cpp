#include "LocalDataFixture.h"

#include "app/localdata/clFonkelDaten.h"

#include <functional>

using namespace Qt::StringLiterals;
using platform::db::Database;

namespace {

CallerListEntry entry(const QString& number, const QString& date, const QString& place,
                      const QString& contact, const QString& tag, int icon)
{
    return {number, {date, place, contact}, tag, icon};
}

class CallerListStoreTest : public LocalDataFixture {
protected:
    void SetUp() override
    {
        createNummernMdb(engine, path(u"Nummern.mdb"_s), {}, {});
        ASSERT_TRUE(daten.init(path(u"Nummern.mdb"_s)));
    }

    void withDatabase(const std::function<void(Database&)>& change)
    {
        auto db = engine.openDatabase(path(u"Nummern.mdb"_s));
        change(*db);
    }

    QStringList storedNumbers()
    {
        CallerListData list;
        daten.leseMDBinListview(list);
        QStringList numbers;
        for (const CallerListEntry& e : list.entries)
            numbers << e.text;
        return numbers;
    }

    clFonkelDaten daten{engine, ui, options, registry};
};

TEST_F(CallerListStoreTest, ACallerListIsReadBackUnchanged)
{
    CallerListData list;
    list.entries = {
        entry(u"0301234567"_s, u"17.03.2024 14:05:09"_s, u"Berlin"_s, u"Meyer, Anna"_s,
              u"[ 12345678901]"_s, 3),
        entry(u"0043662123456"_s, u"16.03.2024 00:00:00"_s, u"Österreich/Salzburg"_s,
              u"Unbekannt"_s, u"Unbekannt"_s, 9),
        entry(u"030\"; DELETE * FROM Anrufspeicher; --"_s, u"01.01.2024 23:59:59"_s,
              u"O'Brien \"Ort\""_s, u"[x]*?#"_s, u"Unbekannt"_s, 10),
        entry(u"0891"_s, u"29.02.2024 12:00:00"_s, QString(), QString(), QString(), 1),
    };
    for (const CallerListEntry& e : list.entries)
        ASSERT_TRUE(daten.schreibIteminMDB(list, e));

    CallerListData reloaded;
    reloaded.entries.append(entry(u"alt"_s, {}, {}, {}, {}, 1)); // removed first
    daten.leseMDBinListview(reloaded);
    EXPECT_EQ(reloaded.entries, list.entries);
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(CallerListStoreTest, FieldsFollowTheColumnCaptions)
{
    // Another column order: the captions name the fields, not the positions.
    CallerListData list({u"Nummer"_s, u"Kontakt"_s, u"Datum"_s});
    list.entries = {{u"0301"_s, {u"Meyer"_s, u"17.03.2024 08:00:00"_s}, u"Unbekannt"_s, 2}};
    ASSERT_TRUE(daten.schreibIteminMDB(list, list.entries.first()));

    CallerListData standard;
    daten.leseMDBinListview(standard);
    ASSERT_EQ(standard.entries.size(), 1);
    EXPECT_EQ(standard.entries.first(),
              entry(u"0301"_s, u"17.03.2024 08:00:00"_s, {}, u"Meyer"_s, u"Unbekannt"_s, 2));
}

TEST_F(CallerListStoreTest, IconsOutsideOneToTenShowAsFour)
{
    withDatabase([](Database& db) {
        for (const char* icon : {"11", "0", "NULL", "-3", "10", "1"})
            db.execute(u"INSERT INTO Anrufspeicher (Nummer, Icon) VALUES (\"%1\", %1)"_s.arg(
                QLatin1StringView(icon)));
    });
    CallerListData list;
    daten.leseMDBinListview(list);
    QList<int> icons;
    for (const CallerListEntry& e : list.entries)
        icons << e.smallIcon;
    EXPECT_EQ(icons, (QList<int>{4, 4, 4, 4, 10, 1}));
    // A null date, place or contact reads as empty text.
    EXPECT_EQ(list.entries.first().subItems, QStringList(3, QString()));
}

TEST_F(CallerListStoreTest, AFailingStepIsNamedAndStoresNothing)
{
    const QString prefix = u"Fehler in Klasse clFonkelDaten (schreibItemInMDB, "_s;
    const struct {
        const char* name;
        std::function<void(Database&)> change;
        QStringList columns;
        QString date;
        QString expected;
    } cases[] = {
        {"older layout without Icon",
         [](Database& db) {
             db.execute(u"DROP TABLE Anrufspeicher"_s);
             db.execute(u"CREATE TABLE Anrufspeicher (Nummer TEXT(255), Datum DATETIME, Ort "
                        "TEXT(255), Kontakt TEXT(255), UniqueID TEXT(255))"_s);
         },
         standardCallerListColumns(), u"17.03.2024 10:00:00"_s,
         prefix + u"SetField Icon).\r\nFehlernummer: 3265\r\nFehlerbeschreibung: Element 'Icon' "
                  "in dieser Auflistung nicht gefunden.Eventuell verwenden Sie eine ältere "
                  "Version der \"Nummern.mdb\" Datei."_s},
        {"a date text that is no date", [](Database&) {}, standardCallerListColumns(),
         u"suche..."_s,
         prefix + u"SetField Datum).\r\nFehlernummer: 3421\r\nFehlerbeschreibung: "
                  "Datentypen-Konvertierungsfehler: 'suche...' passt nicht in das Feld "
                  "'Datum'."_s},
        {"a column without field",
         [](Database&) {},
         {u"Nummer"_s, u"Datum"_s, u"Firma"_s},
         u"17.03.2024 10:00:00"_s,
         prefix + u"SetField Firma).\r\nFehlernummer: 3265\r\nFehlerbeschreibung: Element "
                  "'Firma' in dieser Auflistung nicht gefunden."_s},
        {"no table", [](Database& db) { db.execute(u"DROP TABLE Anrufspeicher"_s); },
         standardCallerListColumns(), u"17.03.2024 10:00:00"_s,
         prefix + u"OpenRecordset).\r\nFehlernummer: 3078\r\nFehlerbeschreibung: Die "
                  "Eingabetabelle oder Abfrage 'Anrufspeicher' wurde nicht gefunden."_s},
        {"a text longer than its field", [](Database&) {}, standardCallerListColumns(),
         u"17.03.2024 10:00:00"_s,
         prefix + u"Update).\r\nFehlernummer: 3163\r\nFehlerbeschreibung: Das Feld 'Ort' ist "
                  "zu klein für die Datenmenge, die Sie hinzufügen wollten."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        daten.kill();
        QFile::remove(path(u"Nummern.mdb"_s));
        createNummernMdb(engine, path(u"Nummern.mdb"_s), {}, {});
        withDatabase(c.change);
        ASSERT_TRUE(daten.init(path(u"Nummern.mdb"_s)));
        ui.clear();

        CallerListData list(c.columns);
        const QString place =
            QString::fromUtf8(c.name).contains(u"longer") ? QString(300, u'x') : u"Berlin"_s;
        const CallerListEntry e{u"0301"_s, {c.date, place, u"Meyer"_s}, u"Unbekannt"_s, 9};
        EXPECT_FALSE(daten.schreibIteminMDB(list, e));
        ASSERT_EQ(ui.messages().size(), 1);
        EXPECT_EQ(ui.messages().first().text, c.expected);
        EXPECT_EQ(ui.messages().first().icon, platform::ui::Icon::Warning);
        EXPECT_EQ(ui.messages().first().title, u"Fonkel"_s);
        withDatabase([](Database& db) {
            if (!db.hasTable(u"Anrufspeicher"_s))
                return;
            auto rs = db.openRecordset(u"Anrufspeicher"_s);
            EXPECT_TRUE(rs->eof()) << "the begun row is discarded";
        });
    }
}

// The age deletion compares with the engine's date at midnight, whatever
// the time of day: 1 keeps yesterday and today, 7 the last week and today,
// -1 removes everything, today included.
TEST_F(CallerListStoreTest, DeletionByAgeAtAnyTimeOfDay)
{
    const QDate today(2024, 3, 17);
    const QList<QDateTime> calls = {
        QDateTime(today, QTime(23, 59, 59)),
        QDateTime(today, QTime(0, 0)),
        QDateTime(today.addDays(-1), QTime(0, 0)),
        QDateTime(today.addDays(-1), QTime(23, 59, 59)),
        QDateTime(today.addDays(-2), QTime(23, 59, 59)),
        QDateTime(today.addDays(-7), QTime(0, 0)),
        QDateTime(today.addDays(-8), QTime(23, 59, 59)),
    };
    const struct {
        qint32 days;
        int kept; // the first ones of calls
    } cases[] = {{1, 4}, {7, 6}, {-1, 0}, {0, 2}};
    for (const QTime timeOfDay :
         {QTime(0, 0, 0), QTime(0, 0, 1), QTime(12, 0), QTime(23, 59, 59)}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1 days at %2")
                             .arg(c.days)
                             .arg(timeOfDay.toString())
                             .toStdString());
            withDatabase([](Database& db) { db.execute(u"DELETE * FROM Anrufspeicher"_s); });
            CallerListData list;
            for (int i = 0; i < calls.size(); ++i) {
                const CallerListEntry e{QString::number(i),
                                        {calls[i].toString(u"dd.MM.yyyy HH:mm:ss"_s)},
                                        u"Unbekannt"_s,
                                        1};
                ASSERT_TRUE(daten.schreibIteminMDB(list, e));
            }
            now = QDateTime(today, timeOfDay);
            daten.LoescheAnruferliste(c.days);
            QStringList expected;
            for (int i = 0; i < c.kept; ++i)
                expected << QString::number(i);
            EXPECT_EQ(storedNumbers(), expected);
        }
    }
    EXPECT_TRUE(ui.messages().isEmpty());
}

} // namespace
