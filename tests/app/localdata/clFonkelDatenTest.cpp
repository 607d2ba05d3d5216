#include "LocalDataFixture.h"

#include "app/localdata/clFonkelDaten.h"

using namespace Qt::StringLiterals;

namespace {

struct Split {
    QString countryCode, areaCode, subscriber, country, place;
    bool operator==(const Split&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Split& s)
{
    return out << "{" << s.countryCode.toStdString() << "|" << s.areaCode.toStdString() << "|"
               << s.subscriber.toStdString() << "|" << s.country.toStdString() << "|"
               << s.place.toStdString() << "}";
}

class clFonkelDatenTest : public LocalDataFixture {
protected:
    void SetUp() override
    {
        // Several codes begin with "4", only one with "43"; 42x needs three digits.
        createNummernMdb(
            engine, path(u"Nummern.mdb"_s),
            {{u"1"_s, u"Vereinigte Staaten"_s},
             {u"41"_s, u"Schweiz"_s},
             {u"43"_s, u"Österreich"_s},
             {u"44"_s, u"Vereinigtes Königreich"_s},
             {u"49"_s, u"Deutschland"_s},
             {u"385"_s, u"Kroatien"_s},
             {u"387"_s, u"Bosnien und Herzegowina"_s},
             {u"39"_s, u"Italien"_s},
             {u"420"_s, u"Tschechien"_s},
             {u"421"_s, u"Slowakei"_s}},
            {{u"Deutschland"_s,
              {{u"030"_s, u"Berlin"_s},
               {u"033203"_s, u"Kleinmachnow"_s},
               {u"0331"_s, u"Potsdam"_s},
               {u"089"_s, u"München"_s}}},
             {u"Österreich"_s,
              {{u"01"_s, u"Wien"_s}, {u"0662"_s, u"Salzburg"_s}, {u"06624"_s, u"Golling"_s}}},
             {u"Schweiz"_s, {{u"044"_s, u"Zürich"_s}}}},
            {{u"0301111"_s, u"Anna"_s, u"Berlin-Mitte"_s},
             {u"0301111"_s, u"Anton"_s, u"Spandau"_s},
             {u"0302222"_s, QString(), u"Pankow"_s},
             {u"030 \"3\" '3'; DELETE * FROM Liste"_s, u"Zitat"_s, u"Quelle"_s}});
        registry.locale = u"00000407"_s;
        daten.init(path(u"Nummern.mdb"_s));
        ASSERT_TRUE(ui.messages().isEmpty());
    }

    Split split(const QString& number)
    {
        Split s;
        daten.BestimmeVorwahlAnschlussOrtLand(number, s.countryCode, s.areaCode, s.subscriber,
                                              s.country, s.place);
        return s;
    }

    clFonkelDaten daten{engine, ui, options, registry};
};

TEST_F(clFonkelDatenTest, DomesticNumbersUseTheTableOfTheLocale)
{
    const struct {
        platform::settings::RegistryValue locale;
        const char* number;
        Split expected;
    } cases[] = {
        {u"00000407"_s, "0301234567", {"", "030", "1234567", "", "Berlin"}},
        // the place of the longest prefix that still begins an area code
        {u"00000407"_s, "0331123", {"", "0331", "123", "", "Potsdam"}},
        {u"00000407"_s, "033203123", {"", "033203", "123", "", "Kleinmachnow"}},
        // no leading "0": one is put in front
        {u"00000407"_s, "301234", {"", "030", "1234", "", "Berlin"}},
        {u"00000407"_s, "1234567", {"", "", "01234567", "", "Unbekannt"}},
        {u"00000407"_s, "0999123", {"", "", "0999123", "", "Unbekannt"}},
        // the number used up while still matching is all area code
        {u"00000407"_s, "030", {"", "030", "", "", "Berlin"}},
        {u"00000c07"_s, "06621234", {"", "0662", "1234", "", "Salzburg"}},
        {u"00000c07"_s, "066241234", {"", "06624", "1234", "", "Golling"}},
        // Vienna's two-digit area code
        {u"00000c07"_s, "015123456", {"", "01", "5123456", "", "Wien"}},
        // a locale differing in letter case, or none: the missing table
        // "Unbekannt" means no place and no message
        {u"00000C07"_s, "06621234", {"", "", "06621234", "", "Unbekannt"}},
        {std::monostate(), "0301234567", {"", "", "0301234567", "", "Unbekannt"}},
        {qint32(0x407), "0301234567", {"", "", "0301234567", "", "Unbekannt"}},
    };
    for (const auto& c : cases) {
        registry.locale = c.locale;
        EXPECT_EQ(split(QString::fromUtf8(c.number)), c.expected) << c.number;
    }
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(clFonkelDatenTest, InternationalNumbersFindTheShortestUniqueCountryCode)
{
    const struct {
        const char* number;
        Split expected;
    } cases[] = {
        {"0043662123456", {"43", "0662", "123456", "Österreich", "Salzburg"}},
        {"00431234567", {"43", "01", "234567", "Österreich", "Wien"}},
        {"0041441234567", {"41", "044", "1234567", "Schweiz", "Zürich"}},
        {"0049301234", {"49", "030", "1234", "Deutschland", "Berlin"}},
        {"00420212345", {"420", "", "0212345", "Tschechien", "Unbekannt"}},
        // countries without an area-code table, with blanks in their names
        {"0012125550100", {"1", "", "02125550100", "Vereinigte Staaten", "Unbekannt"}},
        {"00387331234", {"387", "", "0331234", "Bosnien und Herzegowina", "Unbekannt"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(split(QString::fromUtf8(c.number)), c.expected) << c.number;
    EXPECT_TRUE(ui.messages().isEmpty());

    options.setValue(u"Optionen"_s, u"InternationaleKennung"_s, u"+"_s);
    EXPECT_EQ(split(u"+43662123456"_s), (Split{"43", "0662", "123456", "Österreich", "Salzburg"}));
    EXPECT_EQ(split(u"0043662123456"_s), (Split{"", "", "0043662123456", "", "Unbekannt"}));
}

TEST_F(clFonkelDatenTest, UnknownCountryQueriesAnEmptyTableNameAndSaysSo)
{
    EXPECT_EQ(split(u"0099912345"_s), (Split{"", "", "099912345", "Unbekannt", "Unbekannt"}));
    ASSERT_EQ(ui.messages().size(), 1);
    const auto& message = ui.messages().first();
    EXPECT_EQ(message.title, u"Fonkel"_s);
    EXPECT_EQ(message.icon, platform::ui::Icon::Warning);
    EXPECT_EQ(message.text, u"Fehler 3131: Syntaxfehler in der FROM-Klausel.\r\nSQL: SELECT Ort "
                            "FROM  WHERE Vorwahl LIKE \"099*\";"_s);
}

TEST_F(clFonkelDatenTest, QuotesAndWildcardsInNumbersAreOnlyText)
{
    // "*" would match every Berlin number if it reached the pattern.
    EXPECT_EQ(split(u"03*"_s), (Split{"", "", "03*", "", "Unbekannt"}));
    EXPECT_EQ(split(u"030\"; DELETE * FROM Liste; --"_s).place, u"Berlin"_s);
    EXPECT_EQ(split(u"0043\"*"_s), (Split{"43", "", "0\"*", "Österreich", "Unbekannt"}));
    EXPECT_TRUE(ui.messages().isEmpty());

    QString name, place;
    daten.SucheNameOrtAusFreierListe(u"030 \"3\" '3'; DELETE * FROM Liste"_s, name, place);
    EXPECT_EQ(name, u"Zitat"_s);
    EXPECT_EQ(place, u"Quelle"_s);
    daten.SucheNameOrtAusFreierListe(u"\" OR \"\"=\""_s, name, place);
    EXPECT_EQ(name, u"Unbekannt"_s);
    daten.SucheNameOrtAusFreierListe(u"0301111"_s, name, place);
    EXPECT_EQ(name, u"Anna"_s) << "the list is still there";
}

TEST_F(clFonkelDatenTest, FreeListGivesTheFirstRowOrUnknown)
{
    const struct {
        const char* number;
        const char* name;
        const char* place;
    } cases[] = {
        {"0301111", "Anna", "Berlin-Mitte"},
        {"0302222", "", "Pankow"}, // a null name reads as empty
        {"0303333", "Unbekannt", "Unbekannt"},
        {"030111", "Unbekannt", "Unbekannt"}, // exact, not a prefix
    };
    for (const auto& c : cases) {
        QString name = u"vorher"_s, place = u"vorher"_s;
        daten.SucheNameOrtAusFreierListe(QString::fromUtf8(c.number), name, place);
        EXPECT_EQ(name, QString::fromUtf8(c.name)) << c.number;
        EXPECT_EQ(place, QString::fromUtf8(c.place)) << c.number;
    }
}

TEST_F(clFonkelDatenTest, AFileThatCannotBeOpenedLeavesNoConnection)
{
    const QString missing = path(u"fehlt/Nummern.mdb"_s);
    EXPECT_FALSE(daten.init(missing));
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages().first().text,
              u"Fehler in Klasse clFonkelDaten\r\nFehler beim Öffnen der Datenbank:"_s + missing +
                  u"\r\nFehlernummer:3024\r\nFehlerbeschreibung:Die Datei '"_s + missing +
                  u"' wurde nicht gefunden."_s);
    EXPECT_FALSE(daten.isConnected());
    ui.clear();

    // Every operation says that it has no database and gives no result.
    EXPECT_EQ(split(u"0301234"_s), (Split{"", "", "0301234", "", "Unbekannt"}));
    QString name, place;
    daten.SucheNameOrtAusFreierListe(u"0301111"_s, name, place);
    EXPECT_EQ(name, u"Unbekannt"_s);
    CallerListData list;
    list.entries.append({u"0301"_s, {}, u"Unbekannt"_s, 9});
    EXPECT_FALSE(daten.schreibIteminMDB(list, list.entries.first()));
    daten.leseMDBinListview(list);
    EXPECT_EQ(list.entries.size(), 1);
    daten.LoescheAnruferliste(-1);
    ASSERT_EQ(ui.messages().size(), 5);
    for (const auto& message : ui.messages())
        EXPECT_TRUE(message.text.contains(u"Die Datenbank ist nicht geöffnet: "_s + missing))
            << message.text.toStdString();

    ui.clear();
    EXPECT_TRUE(daten.init(path(u"Nummern.mdb"_s)));
    daten.kill();
    daten.SucheNameOrtAusFreierListe(u"0301111"_s, name, place);
    EXPECT_EQ(ui.messages().size(), 1);
}

TEST_F(clFonkelDatenTest, ABrokenCountryTableIsReportedOnce)
{
    {
        auto db = engine.openDatabase(path(u"Nummern.mdb"_s));
        db->execute(u"DROP TABLE Laender"_s);
    }
    EXPECT_EQ(split(u"0043662123456"_s).country, u"Unbekannt"_s);
    ASSERT_EQ(ui.messages().size(), 2); // the country table, then the empty table name
    EXPECT_TRUE(ui.messages()[0].text.startsWith(
        u"Fehler in Klasse clFonkelDaten (SucheLandZuVorwahl).\r\nFehlernummer: 3078\r\n"_s));
}

} // namespace
