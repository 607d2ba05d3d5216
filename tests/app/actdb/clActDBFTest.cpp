#include "ActDbFixture.h"

#include "app/actdb/ActDbError.h"
#include "app/actdb/clActDBF.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfTable.h"
#include "tools/mkactdb/ContactGenerator.h"

#include <memory>

using namespace Qt::StringLiterals;
using platform::db::Recordset;
using platform::ui::Icon;

namespace {

const QString kPhones = u"PHONE,FAX,MOBILE,HOME_PHONE,ALT_PHONE,USR0001,USR0005"_s;

// The UNIQUE_IDs of a result, in its order.
QStringList idsOf(Recordset* rows)
{
    QStringList ids;
    if (!rows)
        return ids;
    for (; !rows->eof(); rows->moveNext())
        ids.append(rows->value(u"unique_id"_s).toString());
    return ids;
}

class clActDBFTest : public ActDbFixture {
protected:
    // A small table T: search columns S1 to S3, display columns, and rows
    // for letter case, umlauts, a quote, wildcard characters, a deleted one.
    void SetUp() override
    {
        const QString none;
        const auto row = [](QList<Value> values, bool deleted = false) {
            return Record{std::move(values), deleted};
        };
        writeTable(
            u"T.dbf"_s, {"S1", "S2", "S3", "NAME", "CITY", "COMPANY", "UNIQUE_ID", "KNR"},
            {
                row({u"030 1234567"_s, {}, {}, u"Müller"_s, u"Berlin"_s, {}, u"A1"_s, u"K0001"_s}),
                row({{}, u"0301234"_s, {}, u"O'Neil"_s, u"Köln"_s, {}, u"A2"_s, u"k0012"_s}),
                row({u"089 555"_s,
                     {},
                     u"1230"_s,
                     u"MÜLLER GmbH"_s,
                     {},
                     u"Bau"_s,
                     u"A3"_s,
                     u"K0007"_s}),
                row({u"0301234"_s, {}, {}, u"Gelöscht"_s, {}, {}, u"A4"_s, u"K0099"_s}, true),
                row({u"*31#123"_s, {}, {}, u"Sternchen"_s, {}, {}, u"A5"_s, u"X0050"_s}),
                row({{}, {}, {}, u"Ohne Nummer"_s, {}, {}, u"A6"_s, {}}),
            });
        writeTable(u"T.gdb"_s, {"UNIQUE_ID", "GROUPNAME"},
                   {row({u"G1"_s, u"Kunden"_s}), row({u"G2"_s, {}})});
        options.setValue(u"Optionen"_s, u"Debug"_s, u"1"_s);
        ASSERT_TRUE(act.init(path(u"T.dbf"_s)));
    }

    clActDBF act{engine, ui, readOption()};

    OptionReader readOption()
    {
        return [this](const QString& key) { return optionen.ReadOption(key); };
    }
};

struct SucheCase {
    const char* name;
    QString searchColumns;
    QString displayColumns;
    QString term;
    QString joinWord;
    bool onlyFirst;
    QString sql;
    QStringList ids;
};

void PrintTo(const SucheCase& c, std::ostream* out)
{
    *out << c.name;
}

class SucheText : public clActDBFTest, public ::testing::WithParamInterface<SucheCase> {};

// The statement as the clipboard shows it (Debug = 1), and the rows it finds.
TEST_P(SucheText, StatementAndRows)
{
    const SucheCase& c = GetParam();
    const auto rows = act.Suche(c.searchColumns, c.displayColumns, c.term, c.joinWord, c.onlyFirst);
    EXPECT_EQ(ui.clipboardText(), c.sql);
    // Cleared first, then the statement.
    EXPECT_EQ(ui.clipboardHistory(), (QStringList{QString(), c.sql}));
    ASSERT_NE(rows, nullptr);
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(idsOf(rows.get()), c.ids);
}

INSTANTIATE_TEST_SUITE_P(
    Suche, SucheText,
    ::testing::Values(
        SucheCase{"twoColumns",
                  u"S1,S2"_s,
                  u"NAME,CITY"_s,
                  u"123"_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].S1, [T].S2, [T].NAME, [T].CITY, [T].UNIQUE_ID FROM [T] WHERE "
                  "[T].S1 LIKE '*123*' OR [T].S2 LIKE '*123*'"_s,
                  {u"A1"_s, u"A2"_s, u"A5"_s}},
        SucheCase{"blanksAroundItems",
                  u" S1 , S2 "_s,
                  u" NAME , CITY"_s,
                  u"123"_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].S1, [T].S2, [T].NAME, [T].CITY, [T].UNIQUE_ID FROM [T] WHERE "
                  "[T].S1 LIKE '*123*' OR [T].S2 LIKE '*123*'"_s,
                  {u"A1"_s, u"A2"_s, u"A5"_s}},
        // All three selected, only the first searched.
        SucheCase{"onlyFirstColumn",
                  u"S1,S2,S3"_s,
                  u"NAME"_s,
                  u"123"_s,
                  u"OR"_s,
                  true,
                  u"SELECT [T].S1, [T].S2, [T].S3, [T].NAME, [T].UNIQUE_ID FROM [T] WHERE "
                  "[T].S1 LIKE '*123*'"_s,
                  {u"A1"_s, u"A5"_s}},
        SucheCase{"allThree",
                  u"S1,S2,S3"_s,
                  u"NAME"_s,
                  u"123"_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].S1, [T].S2, [T].S3, [T].NAME, [T].UNIQUE_ID FROM [T] WHERE "
                  "[T].S1 LIKE '*123*' OR [T].S2 LIKE '*123*' OR [T].S3 LIKE '*123*'"_s,
                  {u"A1"_s, u"A2"_s, u"A3"_s, u"A5"_s}},
        // No columns and no term: every contact, no WHERE.
        SucheCase{"everyContact",
                  u""_s,
                  u"NAME,CITY"_s,
                  u""_s,
                  u""_s,
                  false,
                  u"SELECT [T].NAME, [T].CITY, [T].UNIQUE_ID FROM [T] "_s,
                  {u"A1"_s, u"A2"_s, u"A3"_s, u"A5"_s, u"A6"_s}},
        // An empty term finds the rows where a column is not empty.
        SucheCase{"emptyTerm",
                  u"S1,S2"_s,
                  u""_s,
                  u""_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].S1, [T].S2, [T].UNIQUE_ID FROM [T] WHERE [T].S1 LIKE '**' OR "
                  "[T].S2 LIKE '**'"_s,
                  {u"A1"_s, u"A2"_s, u"A3"_s, u"A5"_s}},
        SucheCase{"lettersInAnyCase",
                  u"NAME"_s,
                  u"CITY"_s,
                  u"müller"_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].NAME, [T].CITY, [T].UNIQUE_ID FROM [T] WHERE [T].NAME LIKE "
                  "'*[mM][üÜ][lL][lL][eE][rR]*'"_s,
                  {u"A1"_s, u"A3"_s}},
        SucheCase{"umlautAlone",
                  u"CITY"_s,
                  u""_s,
                  u"Ö"_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].CITY, [T].UNIQUE_ID FROM [T] WHERE [T].CITY LIKE '*[Öö]*'"_s,
                  {u"A2"_s}},
        // A quote is doubled: it stays inside the literal.
        SucheCase{"quote",
                  u"NAME"_s,
                  u""_s,
                  u"o'n"_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].NAME, [T].UNIQUE_ID FROM [T] WHERE [T].NAME LIKE "
                  "'*[oO]''[nN]*'"_s,
                  {u"A2"_s}},
        SucheCase{"injection",
                  u"NAME"_s,
                  u""_s,
                  u"' OR ''='"_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].NAME, [T].UNIQUE_ID FROM [T] WHERE [T].NAME LIKE "
                  "'*'' [Oo][Rr] ''''=''*'"_s,
                  {}},
        // Wildcard characters in a number are characters.
        SucheCase{"wildcardsAreData",
                  u"S1"_s,
                  u""_s,
                  u"*31#"_s,
                  u"OR"_s,
                  false,
                  u"SELECT [T].S1, [T].UNIQUE_ID FROM [T] WHERE [T].S1 LIKE '*[*]31[#]*'"_s,
                  {u"A5"_s}},
        SucheCase{"andJoined",
                  u"S1,NAME"_s,
                  u""_s,
                  u"1"_s,
                  u"AND"_s,
                  false,
                  u"SELECT [T].S1, [T].NAME, [T].UNIQUE_ID FROM [T] WHERE [T].S1 LIKE '*1*' AND "
                  "[T].NAME LIKE '*1*'"_s,
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(clActDBFTest, ResultColumnsAreSearchDisplayAndUniqueIdByName)
{
    const auto rows = act.Suche(u"S1,S2"_s, u"NAME,CITY"_s, u"1234567"_s, u"OR"_s, false);
    ASSERT_NE(rows, nullptr);
    QStringList names;
    for (int i = 0; i < rows->fieldCount(); ++i)
        names.append(rows->fieldInfo(i).name);
    EXPECT_EQ(names, (QStringList{u"S1"_s, u"S2"_s, u"NAME"_s, u"CITY"_s, u"UNIQUE_ID"_s}));
    EXPECT_EQ(rows->value(u"name"_s).toString(), u"Müller"_s);
    EXPECT_EQ(rows->value(u"City"_s).toString(), u"Berlin"_s);
    // An empty column is null.
    EXPECT_TRUE(rows->value(u"S2"_s).isNull());
}

// The statement reaches the clipboard also when it fails; the failure is a
// message and no result.
TEST_F(clActDBFTest, AFailedQueryIsReportedWithItsStatementOnTheClipboard)
{
    const auto rows = act.Suche(u"NOPE"_s, u"NAME"_s, u"1"_s, u"OR"_s, false);
    EXPECT_EQ(rows, nullptr);
    EXPECT_EQ(ui.clipboardText(),
              u"SELECT [T].NOPE, [T].NAME, [T].UNIQUE_ID FROM [T] WHERE [T].NOPE LIKE '*1*'"_s);
    ASSERT_EQ(ui.messages().size(), 1);
    const platform::ui::Message& m = ui.messages().first();
    EXPECT_TRUE(
        m.text.startsWith(u"Konnte Ihre ACT!-Datenbank nicht öffnen !\r\nError # 3061 () "_s))
        << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(u"NOPE"_s));
    EXPECT_EQ(m.icon, Icon::None);
    EXPECT_EQ(m.title, u"Fonkel"_s);
}

TEST_F(clActDBFTest, WithoutDebugTheClipboardIsLeftAlone)
{
    for (const QString& value : {u"0"_s, u""_s, u"2"_s, u"x1"_s}) {
        options.setValue(u"Optionen"_s, u"Debug"_s, value);
        ASSERT_NE(act.Suche(u"S1"_s, u""_s, u"0"_s, u"OR"_s, false), nullptr);
    }
    options.remove(u"Optionen"_s, u"Debug"_s);
    ASSERT_NE(act.Suche(u"S1"_s, u""_s, u"0"_s, u"OR"_s, false), nullptr);
    EXPECT_TRUE(ui.clipboardHistory().isEmpty());
    // The option's leading number counts, as for every number option.
    options.setValue(u"Optionen"_s, u"Debug"_s, u" 1 (an)"_s);
    ASSERT_NE(act.Suche(u"S1"_s, u""_s, u"0"_s, u"OR"_s, false), nullptr);
    EXPECT_FALSE(ui.clipboardText().isEmpty());
}

TEST_F(clActDBFTest, InitFailures)
{
    clActDBF other(engine, ui, readOption());
    EXPECT_FALSE(other.init(QString()));
    EXPECT_FALSE(other.init(path(u"FEHLT.dbf"_s)));
    EXPECT_FALSE(other.init(path(u"nirgends/T.dbf"_s)));
    ASSERT_EQ(ui.messages().size(), 3);
    EXPECT_EQ(ui.messages()[0].text, u"Fehler in Methode init in Klasse clACTDBF\r\n"
                                     "Der übergebende Datenbankpfad ist leer."_s);
    EXPECT_EQ(ui.messages()[0].icon, Icon::Information);
    EXPECT_EQ(ui.messages()[1].text,
              u"Konnte Ihre ACT!-Datenbank nicht öffnen !\r\nError # 3024 () Die Datei '"_s +
                  path(u"FEHLT.dbf"_s) + u"' wurde nicht gefunden."_s);
    EXPECT_EQ(ui.messages()[1].icon, Icon::None);
    EXPECT_TRUE(ui.messages()[2].text.contains(u"Error # 3024"_s));
    EXPECT_FALSE(other.isOpen());

    // A failed init leaves the database opened before.
    ui.clear();
    EXPECT_FALSE(act.init(path(u"FEHLT.dbf"_s)));
    EXPECT_EQ(act.tableName(), u"T"_s);
    EXPECT_EQ(idsOf(act.Suche(u"S2"_s, u""_s, u""_s, u"OR"_s, false).get()), QStringList{u"A2"_s});

    // After kill, a search is reported and finds nothing.
    act.kill();
    ui.clear();
    EXPECT_EQ(act.Suche(u"S2"_s, u""_s, u""_s, u"OR"_s, false), nullptr);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages()[0].text.contains(u"Error # 3420"_s))
        << ui.messages()[0].text.toStdString();
}

TEST_F(clActDBFTest, TableTypeWords)
{
    for (const QString& word : {u"Kontakt"_s, u"CONTACT"_s, u"kontakt"_s})
        EXPECT_EQ(act.TableTypeExtension(word), u".dbf"_s) << word.toStdString();
    for (const QString& word : {u"Gruppen"_s, u"gruppe"_s, u"GROUP"_s, u"Groups"_s})
        EXPECT_EQ(act.TableTypeExtension(word), u".gdb"_s) << word.toStdString();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(act.TableTypeExtension(u"Firma"_s), u".dbf"_s);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].text,
              u"Tabellentyp ist fremd (Firma). Es wird die Kontakt-Tabelle benutzt."_s);
    EXPECT_EQ(ui.messages()[0].icon, Icon::None);
}

TEST_F(clActDBFTest, SucheMaxWert)
{
    // K0001, k0012, K0007 (K0099 is deleted): the largest number after "K",
    // in any letter case.
    EXPECT_EQ(act.SucheMaxWert(u"KNR"_s, u"Kontakt"_s, u"K"_s), 12);
    EXPECT_EQ(act.SucheMaxWert(u"KNR"_s, u"Kontakt"_s, u"Z"_s), 0);
    EXPECT_TRUE(ui.messages().isEmpty());

    // A remainder that is no number goes to the caller.
    try {
        act.SucheMaxWert(u"S1"_s, u"Kontakt"_s, u"0"_s);
        ADD_FAILURE() << "no error";
    } catch (const ActDbError& error) {
        EXPECT_EQ(error.number(), ActDbError::TypeMismatch);
    }

    EXPECT_EQ(act.SucheMaxWert(u"NOPE"_s, u"Kontakt"_s, u"K"_s), 0);
    ASSERT_EQ(ui.messages().size(), 1);
    const platform::ui::Message& m = ui.messages().first();
    EXPECT_TRUE(
        m.text.startsWith(u"Konnte Ihre ACT!-Datenbank nicht öffnen !\r\nError #3061 () "_s))
        << m.text.toStdString();
    EXPECT_TRUE(m.text.endsWith(u"\r\nSQL: SELECT NOPE FROM [T.dbf] WHERE NOPE LIKE '[Kk]*';"_s))
        << m.text.toStdString();
    EXPECT_EQ(m.icon, Icon::Warning);
}

TEST_F(clActDBFTest, GetRecordcount)
{
    EXPECT_EQ(act.getRecordcount(u"S1"_s, u"Kontakt"_s), 3);
    EXPECT_EQ(act.getRecordcount(u"UNIQUE_ID"_s, u"Kontakt"_s), 5);
    EXPECT_EQ(act.getRecordcount(u"GROUPNAME"_s, u"Gruppe"_s), 1);
    // Errors are the caller's.
    EXPECT_THROW(act.getRecordcount(u"NOPE"_s, u"Kontakt"_s), platform::db::DbError);
}

// On a generated database: a caller search finds exactly the contacts with a
// phone column containing the number, in table order, as a direct scan of
// the table does; empty columns never match.
TEST_F(clActDBFTest, FindsExactlyTheContactsWhoseNumbersHoldTheTerm)
{
    constexpr qint64 kContacts = 2000;
    generate(u"MYDATA"_s, kContacts, 3);
    ASSERT_TRUE(act.init(path(u"MYDATA.dbf"_s)));
    options.setValue(u"Optionen"_s, u"Debug"_s, u"0"_s);

    platform::db::dbase::DbfTable table;
    ASSERT_TRUE(table.open(path(u"MYDATA.dbf"_s)));
    QList<int> phoneColumns;
    for (const QString& column : kPhones.split(u','))
        phoneColumns.append(table.indexOf(column));
    const auto directScan = [&](const QString& term) {
        QStringList ids;
        platform::db::dbase::DbfCursor cursor(table);
        for (cursor.first(); !cursor.eof(); cursor.next()) {
            if (cursor.isDeleted())
                continue;
            for (const int column : phoneColumns) {
                const QVariant value = cursor.value(column);
                if (value.isValid() && value.toString().contains(term)) {
                    ids.append(cursor.value(0).toString());
                    break;
                }
            }
        }
        return ids;
    };

    // Terms: a whole stored number, a shared one, an area code, a rare piece,
    // the empty term.
    const actdbgen::ContactGenerator generator(3);
    QStringList terms = {generator.contact(1234).phone, u"0221"_s, u"30 7"_s, u""_s};
    for (qint64 i = 1; i < kContacts; ++i) {
        const actdbgen::Contact c = generator.contact(i);
        if (!c.deleted && !c.phone.isEmpty() && c.phone == generator.contact(i - 1).phone) {
            terms.append(c.phone);
            break;
        }
    }
    ASSERT_EQ(terms.size(), 5) << "no shared number in the generated table";
    for (const QString& term : terms) {
        const QStringList expected = directScan(term);
        const auto rows = act.Suche(kPhones, u"NAME,CITY"_s, term, u"OR"_s, false);
        EXPECT_EQ(idsOf(rows.get()), expected) << term.toStdString();
        if (!term.isEmpty()) {
            EXPECT_FALSE(expected.isEmpty()) << term.toStdString();
        }
    }
    EXPECT_TRUE(ui.messages().isEmpty());
}

} // namespace
