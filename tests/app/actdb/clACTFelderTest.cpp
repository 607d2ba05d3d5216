#include "ActDbFixture.h"

#include "app/actdb/ActDbError.h"
#include "app/actdb/clACTFelder.h"
#include "tools/mkactdb/ActSchema.h"

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;
using platform::ui::Icon;

namespace {

// The error a call throws, or nothing.
std::optional<ActDbError> errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const ActDbError& error) {
        return error;
    }
    return std::nullopt;
}

class clACTFelderTest : public ActDbFixture {
protected:
    // A contact and a group table with these columns (no records needed).
    void writeTables(const QString& base, const QList<QByteArray>& contactColumns,
                     const QList<QByteArray>& groupColumns = {"UNIQUE_ID", "GROUPNAME"})
    {
        writeTable(base + u".dbf"_s, contactColumns);
        writeTable(base + u".gdb"_s, groupColumns);
    }

    struct Expected {
        QString dbfName;
        QString actName; // empty: not described
        int actId = 0;
        int type = 0;
        int size = 0;
    };

    static void expectFields(const QList<Expected>& expected,
                             const std::function<const clACTFeld&(int)>& field, int count)
    {
        ASSERT_EQ(count, expected.size());
        for (int i = 0; i < count; ++i) {
            const clACTFeld& f = field(i);
            const Expected& e = expected[i];
            EXPECT_EQ(f.DBFName, e.dbfName) << i;
            EXPECT_EQ(f.ACTName, e.actName) << e.dbfName.toStdString();
            EXPECT_EQ(f.ACTID, e.actId) << e.dbfName.toStdString();
            EXPECT_EQ(f.Feldtyp, e.type) << e.dbfName.toStdString();
            EXPECT_EQ(f.Feldgroesse, e.size) << e.dbfName.toStdString();
        }
        // One slot more than columns, and it stays empty.
        EXPECT_TRUE(field(count).DBFName.isEmpty());
    }

    clACTFelder felder{engine, ui};
};

// The whole of a database as mkactdb writes it: every column with the ACT!
// name, number, type and size the definitions give it.
TEST_F(clACTFelderTest, DescribesEveryColumnOfAGeneratedDatabase)
{
    generate(u"MYDATA"_s, 30);
    ASSERT_TRUE(felder.init(path(u"MYDATA.dbf"_s)));
    EXPECT_FALSE(felder.Felder_eingelesen());
    felder.Felder_einlesen();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_TRUE(felder.Felder_eingelesen());

    const auto expectedOf = [](const QList<actdbgen::ActField>& schema) {
        QList<Expected> expected;
        for (const actdbgen::ActField& f : schema) {
            const QString name = QString::fromLatin1(f.column.name);
            if (f.described)
                expected.append({name, f.actName, f.actId, int(f.actType), f.column.length});
            else
                expected.append({name});
        }
        return expected;
    };
    expectFields(
        expectedOf(actdbgen::contactFields()),
        [&](int i) -> const clACTFeld& { return felder.KontaktFeld(i); },
        felder.AnzahlKontaktfelder());
    expectFields(
        expectedOf(actdbgen::groupFields()),
        [&](int i) -> const clACTFeld& { return felder.GruppenFeld(i); },
        felder.AnzahlGruppenfleder());

    QStringList phones;
    for (int i = 0; i < felder.AnzahlKontaktfelder(); ++i) {
        if (felder.KontaktFeld(i).Feldtyp == 7)
            phones.append(felder.KontaktFeld(i).DBFName);
    }
    EXPECT_EQ(phones, (QStringList{u"PHONE"_s, u"FAX"_s, u"MOBILE"_s, u"HOME_PHONE"_s,
                                   u"ALT_PHONE"_s, u"USR0001"_s, u"USR0005"_s}));

    const int count = felder.AnzahlKontaktfelder();
    EXPECT_EQ(errorOf([&] { felder.KontaktFeld(count + 1); })->number(),
              ActDbError::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { felder.GruppenFeld(-1); })->number(), ActDbError::SubscriptOutOfRange);
}

// The scan rules on one hand-made file: a name counts only in a run longer
// than four characters, at its first occurrence, with its length just before
// it; USR columns take their number from their name; the contact section ends
// after the first run behind "ACTIVITY SCHEMA"; group fields come from their
// own section.
TEST_F(clACTFelderTest, FindsNamesOnlyWhereTheScanRulesAllow)
{
    writeTables(u"RULES"_s,
                {"UNIQUE_ID", "HOME_PHONE", "PHONE", "FAX", "USR0012", "CITY", "AFTER", "LATER"},
                {"UNIQUE_ID", "usr0012"});
    Ddf ddf;
    ddf.run("ACT! DATA DEFINITION FILE")
        .marker("CONTACT SCHEMA")
        .field(1, "UNIQUE_ID", 1, "Eindeutige ID", 12)
        // PHONE first occurs inside HOME_PHONE, without its length before it.
        .field(10, "HOME_PHONE", 7, "Telefon privat", 25)
        .field(7, "PHONE", 7, "Telefon", 25)
        // Four characters: never a match, although the name is there.
        .zeros(8)
        .run("\x03"
             "FAX")
        .zeros(2)
        .run("\x03"
             "Fax\x19")
        .field(99, "USR0012", 7, "Telefon Zentrale", 20)
        // CITY first occurs at the start of the run: that occurrence is tested only.
        .zeros(8)
        .run("CITY\x04"
             "CITYC\x01\x01\x01")
        .zeros(2)
        .run("\x03"
             "Ort\x1e")
        .marker("ACTIVITY SCHEMA")
        // The first run behind the marker is still tested: a record whose
        // number bytes are zero puts its name run right there.
        .field(0, "AFTER", 7, "Danach", 25)
        .field(0, "LATER", 7, "Spaeter", 25)
        .marker("GROUP INFO SCHEMA")
        .field(1, "UNIQUE_ID", 1, "Gruppen-ID", 12)
        .field(99, "usr0012", 1, "Region", 30)
        .marker("SALES SCHEMA");
    writeFile(u"RULES.ddf"_s, ddf.bytes);

    ASSERT_TRUE(felder.init(path(u"RULES.dbf"_s)));
    felder.Felder_einlesen();
    EXPECT_TRUE(ui.messages().isEmpty());
    expectFields(
        {{u"UNIQUE_ID"_s, u"Eindeutige ID"_s, 1, 1, 12},
         {u"HOME_PHONE"_s, u"Telefon privat"_s, 10, 7, 25},
         {u"PHONE"_s, u"Telefon"_s, 7, 7, 25},
         {u"FAX"_s},
         {u"USR0012"_s, u"Telefon Zentrale"_s, 12, 7, 20},
         {u"CITY"_s},
         {u"AFTER"_s, u"Danach"_s, 0, 7, 25},
         {u"LATER"_s}},
        [&](int i) -> const clACTFeld& { return felder.KontaktFeld(i); },
        felder.AnzahlKontaktfelder());
    // In lower case the name is no USR column: the number comes from the file.
    expectFields(
        {{u"UNIQUE_ID"_s, u"Gruppen-ID"_s, 1, 1, 12}, {u"usr0012"_s, u"Region"_s, 99, 1, 30}},
        [&](int i) -> const clACTFeld& { return felder.GruppenFeld(i); },
        felder.AnzahlGruppenfleder());
}

// Files that lack a marker or end early: which reads fail (with the error
// the caller shows) and which only leave fields undescribed.
TEST_F(clACTFelderTest, MissingMarkersAndShortFiles)
{
    writeTables(u"DB"_s, {"UNIQUE_ID", "PHONE"}, {"UNIQUE_ID", "GROUPNAME"});
    const auto contact = [](Ddf& d) -> Ddf& {
        return d.run("HEADER")
            .marker("CONTACT SCHEMA")
            .field(1, "UNIQUE_ID", 1, "ID", 12)
            .field(7, "PHONE", 7, "Telefon", 25);
    };
    const auto group = [](Ddf& d) -> Ddf& {
        return d.marker("GROUP INFO SCHEMA")
            .field(1, "UNIQUE_ID", 1, "ID", 12)
            .field(2, "GROUPNAME", 1, "Gruppe", 40);
    };
    struct Case {
        const char* name;
        QByteArray file;
        int error;         // 0: none
        bool contactsRead; // the contact fields are described
        bool groupsRead;   // the group fields are described
    };
    Ddf complete, noActivity, noGroup, noSalesEndingInZeros, noSalesEndingInData, cut;
    group(contact(complete).marker("ACTIVITY SCHEMA")).marker("SALES SCHEMA");
    group(contact(noActivity)).marker("SALES SCHEMA");
    contact(noGroup).marker("ACTIVITY SCHEMA").marker("SALES SCHEMA");
    group(contact(noSalesEndingInZeros).marker("ACTIVITY SCHEMA"));
    group(contact(noSalesEndingInData).marker("ACTIVITY SCHEMA")).run("END");
    noSalesEndingInData.bytes.chop(1);
    group(contact(cut).marker("ACTIVITY SCHEMA"));
    cut.bytes.chop(5); // inside the display name of GROUPNAME
    const QList<Case> cases = {
        {"complete", complete.bytes, 0, true, true},
        // The contact section then ends with the first run: no field found, no error.
        {"noActivitySchema", noActivity.bytes, 0, false, true},
        // Group fields are scanned from position 0, outside the file.
        {"noGroupInfoSchema", noGroup.bytes, ActDbError::SubscriptOutOfRange, true, false},
        {"noSalesSchemaEndingInZeros", noSalesEndingInZeros.bytes, ActDbError::SubscriptOutOfRange,
         false, false},
        {"noSalesSchemaEndingInData", noSalesEndingInData.bytes, 0, true, true},
        {"displayNameCutOff", cut.bytes, ActDbError::SubscriptOutOfRange, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(u"DB.ddf"_s, c.file);
        clACTFelder fresh(engine, ui); // the scan positions start at 0
        ASSERT_TRUE(fresh.init(path(u"DB.dbf"_s)));
        const std::optional<ActDbError> error = errorOf([&] { fresh.Felder_einlesen(); });
        EXPECT_EQ(error ? error->number() : 0, c.error)
            << (error ? error->description().toStdString() : "");
        if (fresh.AnzahlKontaktfelder() == 2) {
            EXPECT_EQ(fresh.KontaktFeld(1).ACTName, c.contactsRead ? u"Telefon"_s : QString());
        } else {
            EXPECT_FALSE(c.contactsRead);
        }
        if (fresh.AnzahlGruppenfleder() == 2) {
            EXPECT_EQ(fresh.GruppenFeld(1).ACTName, c.groupsRead ? u"Gruppe"_s : QString());
        } else {
            EXPECT_FALSE(c.groupsRead);
        }
        // A read that sized the contact fields before it failed counts as read.
        EXPECT_EQ(fresh.Felder_eingelesen(), fresh.AnzahlKontaktfelder() == 2);
        EXPECT_EQ(fresh.AnzahlKontaktfelder() == 2, c.error == 0 || c.contactsRead);
    }
    EXPECT_TRUE(ui.messages().isEmpty());

    // The positions found in one file stay for the next: the same file with
    // its group marker misspelt reads the group fields where the last file
    // had them, which a new object cannot.
    QByteArray misspelt = complete.bytes;
    misspelt.replace("GROUP INFO SCHEMA", "GROUP INFO SCHEMX");
    writeFile(u"DB.ddf"_s, complete.bytes);
    ASSERT_TRUE(felder.init(path(u"DB.dbf"_s)));
    felder.Felder_einlesen();
    const qint64 groupStart = felder.groupStart();
    EXPECT_GT(groupStart, 0);
    writeFile(u"DB.ddf"_s, misspelt);
    ASSERT_TRUE(felder.init(path(u"DB.dbf"_s)));
    EXPECT_FALSE(errorOf([&] { felder.Felder_einlesen(); }).has_value());
    EXPECT_EQ(felder.groupStart(), groupStart);
    EXPECT_EQ(felder.GruppenFeld(1).ACTName, u"Gruppe"_s);
    clACTFelder fresh(engine, ui);
    ASSERT_TRUE(fresh.init(path(u"DB.dbf"_s)));
    EXPECT_EQ(errorOf([&] { fresh.Felder_einlesen(); })->number(), ActDbError::SubscriptOutOfRange);
}

TEST_F(clACTFelderTest, ErrorsOfTheFieldDefinitionFileReachTheCaller)
{
    writeTables(u"DB"_s, {"UNIQUE_ID", "USR00AB"});
    ASSERT_TRUE(felder.init(path(u"DB.dbf"_s)));
    const std::optional<ActDbError> missing = errorOf([&] { felder.Felder_einlesen(); });
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->number(), ActDbError::FileNotFound);
    EXPECT_TRUE(missing->description().contains(u"DB.ddf")) << missing->description().toStdString();

    Ddf ddf;
    ddf.marker("CONTACT SCHEMA")
        .field(1, "UNIQUE_ID", 1, "ID", 12)
        .field(3, "USR00AB", 1, "Benutzer", 20)
        .marker("ACTIVITY SCHEMA")
        .marker("GROUP INFO SCHEMA")
        .marker("SALES SCHEMA");
    writeFile(u"DB.ddf"_s, ddf.bytes);
    EXPECT_EQ(errorOf([&] { felder.Felder_einlesen(); })->number(), ActDbError::TypeMismatch);
    EXPECT_TRUE(ui.messages().isEmpty());
}

// 45 columns: progress at columns 0, 20 and 40.
TEST_F(clACTFelderTest, ProgressTextsEveryTwentyColumns)
{
    QList<QByteArray> columns;
    for (int i = 1; i <= 45; ++i)
        columns.append("F" + QByteArray::number(i));
    writeTables(u"WIDE"_s, columns);
    writeFile(u"WIDE.ddf"_s, Ddf()
                                 .marker("CONTACT SCHEMA")
                                 .marker("ACTIVITY SCHEMA")
                                 .marker("GROUP INFO SCHEMA")
                                 .marker("SALES SCHEMA")
                                 .field(1, "SALESTAGE", 1, "Phase", 20)
                                 .bytes);
    ASSERT_TRUE(felder.init(path(u"WIDE.dbf"_s)));
    QStringList texts;
    felder.Felder_einlesen([&](const QString& text) { texts.append(text); });
    EXPECT_EQ(texts,
              (QStringList{u"Searching positions ..."_s, u"scanning ACT! contactfields ... (0%)"_s,
                           u"scanning ACT! contactfields ... (44%)"_s,
                           u"scanning ACT! contactfields ... (88%)"_s,
                           u"scanning ACT! groupfields ... (0%)"_s}));
    EXPECT_EQ(felder.AnzahlKontaktfelder(), 45);
}

TEST_F(clACTFelderTest, OneColumnIsNotEnoughToCountAsRead)
{
    writeTables(u"ONE"_s, {"UNIQUE_ID"});
    writeFile(u"ONE.ddf"_s, Ddf()
                                .marker("CONTACT SCHEMA")
                                .marker("ACTIVITY SCHEMA")
                                .marker("GROUP INFO SCHEMA")
                                .marker("SALES SCHEMA")
                                .field(1, "SALESTAGE", 1, "Phase", 20)
                                .bytes);
    ASSERT_TRUE(felder.init(path(u"ONE.dbf"_s)));
    felder.Felder_einlesen();
    EXPECT_EQ(felder.AnzahlKontaktfelder(), 1);
    EXPECT_FALSE(felder.Felder_eingelesen());
}

// ACT! reports the short form of the path; on Linux the path is its own
// short form, and the names are taken apart at the separator.
TEST_F(clACTFelderTest, ShortPathNames)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"ACT/DATABASE"_s));
    const QString folder = path(u"ACT/DATABASE"_s);
    QString error;
    ASSERT_TRUE(actdbgen::generateActDatabase({folder, u"MYDATA~1"_s, 20, 1}, &error));
    // As Windows names them: upper-case extensions for the tables, and the
    // definitions found whatever the case of theirs.
    ASSERT_TRUE(QFile::rename(folder + u"/MYDATA~1.dbf"_s, folder + u"/MYDATA~1.DBF"_s));
    ASSERT_TRUE(QFile::rename(folder + u"/MYDATA~1.gdb"_s, folder + u"/MYDATA~1.GDB"_s));
    ASSERT_TRUE(QFile::rename(folder + u"/MYDATA~1.ddf"_s, folder + u"/MYDATA~1.DDF"_s));

    ASSERT_TRUE(felder.init(folder + u"/MYDATA~1.DBF"_s));
    EXPECT_EQ(felder.ACTDatenbank, folder + u"/MYDATA~1.DBF"_s);
    EXPECT_EQ(felder.ACTDateiname(), u"MYDATA~1"_s);
    EXPECT_EQ(felder.ACTPfad(), folder);
    felder.Felder_einlesen();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(felder.KontaktFeld(6).ACTName, u"Telefon"_s);
}

TEST_F(clACTFelderTest, AMissingDatabaseIsReportedAndTheFieldsStay)
{
    generate(u"MYDATA"_s, 10);
    ASSERT_TRUE(felder.init(path(u"MYDATA.dbf"_s)));
    felder.Felder_einlesen();
    const int count = felder.AnzahlKontaktfelder();

    EXPECT_FALSE(felder.init(path(u"GONE.dbf"_s)));
    ASSERT_EQ(ui.messages().size(), 1);
    const platform::ui::Message& m = ui.messages().first();
    EXPECT_EQ(m.text, u"Die ACT!-Datenbank \""_s + path(u"GONE.dbf"_s) +
                          u"\"\r\nkonnte nicht gefunden werden."_s);
    EXPECT_EQ(m.title, u"Fonkel"_s);
    EXPECT_EQ(m.icon, Icon::Warning);
    EXPECT_EQ(felder.AnzahlKontaktfelder(), count);
    EXPECT_TRUE(felder.Felder_eingelesen());
}

// Tables that cannot be opened: a message, nothing read, no column found.
TEST_F(clACTFelderTest, TablesThatCannotBeOpenedAreReported)
{
    generate(u"MYDATA"_s, 10);
    ASSERT_TRUE(QFile::remove(path(u"MYDATA.gdb"_s)));
    ASSERT_TRUE(felder.init(path(u"MYDATA.dbf"_s)));
    felder.Felder_einlesen();
    EXPECT_EQ(felder.AnzahlKontaktfelder(), 0);
    EXPECT_FALSE(felder.checkeACTFeldnamen(u"PHONE"_s));
    ASSERT_EQ(ui.messages().size(), 2);
    for (const platform::ui::Message& m : ui.messages()) {
        EXPECT_TRUE(m.text.startsWith(u"Fehler in Klasse clACTFelder (ConnectWithDBF)\r\n"
                                      "Fehlernummer: 3078\r\nFehlerbeschreibung: "_s))
            << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(u"MYDATA.gdb"_s)) << m.text.toStdString();
        EXPECT_EQ(m.icon, Icon::Warning);
    }
}

TEST_F(clACTFelderTest, ChecksColumnNamesOfBothTablesExactly)
{
    generate(u"MYDATA"_s, 10);
    ASSERT_TRUE(felder.init(path(u"MYDATA.dbf"_s)));
    EXPECT_TRUE(felder.checkeACTFeldnamen(u"PHONE"_s));
    EXPECT_TRUE(felder.checkeACTFeldnamen(u"GROUPNAME"_s));
    EXPECT_FALSE(felder.checkeACTFeldnamen(u"phone"_s));
    EXPECT_FALSE(felder.checkeACTFeldnamen(u"PHON"_s));
    EXPECT_TRUE(ui.messages().isEmpty());
}

} // namespace
