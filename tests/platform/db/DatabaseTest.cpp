#include "DbFixture.h"

#include <QFile>

using namespace platform::db;
using namespace Qt::StringLiterals;

namespace {

class DatabaseTest : public DbFixture {};

TEST_F(DatabaseTest, OpeningFailsWithTheEngineNumbers)
{
    QFile text(path(u"text.mdb"_s));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Dies ist keine Datenbank, sondern ein Text von mehr als hundert Bytes Länge, "
               "damit SQLite den Kopf sicher liest.\n");
    text.close();
    createDb(u"da.mdb"_s)->close();

    EXPECT_EQ(errorOf([&] { engine.openDatabase(path(u"fehlt.mdb"_s)); }), errc::FileNotFound);
    EXPECT_EQ(errorOf([&] { engine.openDatabase(dir.path()); }), errc::CannotOpenFile);
    EXPECT_EQ(errorOf([&] { engine.openDatabase(path(u"text.mdb"_s)); }), errc::UnrecognizedFormat);
    EXPECT_EQ(errorOf([&] { createDb(u"da.mdb"_s); }), errc::DatabaseExists);
    EXPECT_EQ(errorOf([&] { engine.openDatabase(path(u"da.mdb"_s)); }), 0);
}

TEST_F(DatabaseTest, TableDefinitionsReadBackAsCreated)
{
    auto db = createDb();
    TableDef cache;
    cache.name = u"ACTNR"_s;
    cache.fields = {
        {u"PHONE"_s, FieldType::Text, 20, true, false},
        {u"FAX"_s, FieldType::Text, 25, false, false},
        {u"UNIQUE_ID"_s, FieldType::Text, 12, true, true},
        {u"Datum"_s, FieldType::Date},
        {u"Icon"_s, FieldType::Long},
        {u"Notiz"_s, FieldType::Memo},
        {u"Anteil"_s, FieldType::Double},
        {u"Aktiv"_s, FieldType::Boolean},
    };
    cache.indexes = {{u"PrimaryKey"_s, true, true, false, false, {u"UNIQUE_ID"_s}},
                     {u"PHONE"_s, false, false, false, false, {u"PHONE"_s}},
                     {u"FAX"_s, false, false, false, false, {u"FAX"_s}}};
    db->createTable(cache);
    // Index names belong to their table, as in Jet: a second "PrimaryKey".
    TableDef other;
    other.name = u"Zweite"_s;
    other.fields = {{u"ID"_s, FieldType::Long}};
    other.indexes = {{u"PrimaryKey"_s, true, true, false, false, {u"ID"_s}}};
    now = now.addSecs(60);
    db->createTable(other);

    const TableDef read = db->tableDef(u"actnr"_s);
    EXPECT_EQ(read.name, u"ACTNR"_s);
    ASSERT_EQ(read.fields.size(), cache.fields.size());
    for (int i = 0; i < cache.fields.size(); ++i) {
        const FieldDef& want = cache.fields[i];
        const FieldDef& got = read.fields[i];
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.type, want.type) << want.name.toStdString();
        EXPECT_EQ(got.size, want.size > 0 ? want.size : defaultSize(want.type))
            << want.name.toStdString();
        EXPECT_EQ(got.allowZeroLength, want.allowZeroLength) << want.name.toStdString();
        EXPECT_EQ(got.required, want.required) << want.name.toStdString();
    }
    ASSERT_EQ(read.indexes.size(), 3);
    const IndexDef* primary = read.index(u"PrimaryKey"_s);
    ASSERT_TRUE(primary);
    EXPECT_TRUE(primary->primary);
    EXPECT_TRUE(primary->unique);
    EXPECT_EQ(primary->fields, QStringList{u"UNIQUE_ID"_s});
    ASSERT_TRUE(read.index(u"FAX"_s));
    EXPECT_FALSE(read.index(u"FAX"_s)->unique);
    EXPECT_FALSE(read.index(u"FAX"_s)->primary);

    EXPECT_EQ(read.dateCreated, QDateTime(QDate(2024, 3, 17), QTime(14, 5, 9)));
    EXPECT_EQ(db->tableCreated(u"Zweite"_s), QDateTime(QDate(2024, 3, 17), QTime(14, 6, 9)));
    EXPECT_EQ(db->tableNames(), (QStringList{u"ACTNR"_s, u"Zweite"_s}));

    db->deleteTable(u"ACTNR"_s);
    EXPECT_EQ(db->tableNames(), QStringList{u"Zweite"_s});
    EXPECT_FALSE(db->tableCreated(u"ACTNR"_s).isValid());
    db->createTable(cache); // the index names are free again
    EXPECT_EQ(db->tableDef(u"ACTNR"_s).indexes.size(), 3);
}

TEST_F(DatabaseTest, TableRulesAreEnforcedOnEveryWritePath)
{
    auto db = createDb();
    TableDef liste;
    liste.name = u"Liste"_s;
    liste.fields = {{u"Nummer"_s, FieldType::Text, 5, false, true},
                    {u"Name"_s, FieldType::Text, 10}};
    liste.indexes = {{u"Nummer"_s, false, true, false, false, {u"Nummer"_s}}};
    db->createTable(liste);

    const struct {
        const char* sql;
        int error;
    } cases[] = {
        {R"(INSERT INTO Liste (Nummer) VALUES ("123456"))", errc::FieldTooSmall},
        {R"(INSERT INTO Liste (Nummer) VALUES (""))", errc::ZeroLengthNotAllowed},
        {R"(INSERT INTO Liste (Name) VALUES ("x"))", errc::FieldRequired},
        {R"(INSERT INTO Liste (Nummer, Name) VALUES ("1", "zu langer Name"))", errc::FieldTooSmall},
        {R"(INSERT INTO Liste (Nummer, Name) VALUES ("12345", "Umlaute ä"))", 0},
        {R"(INSERT INTO Liste (Nummer) VALUES ("12345"))", errc::DuplicateValue},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { db->execute(QString::fromUtf8(c.sql)); }), c.error) << c.sql;

    auto rs = db->openRecordset(u"Liste"_s);
    rs->addNew();
    rs->setValue(u"Nummer"_s, u"1234567"_s);
    EXPECT_EQ(errorOf([&] { rs->update(); }), errc::FieldTooSmall);

    EXPECT_EQ(errorOf([&] { db->createTable(liste); }), errc::TableExists);
    EXPECT_EQ(errorOf([&] { db->createTable(TableDef{u"Leer"_s, {}, {}, {}}); }), errc::NoFields);
    EXPECT_EQ(errorOf([&] { db->deleteTable(u"Nix"_s); }), errc::ItemNotFound);
    EXPECT_EQ(errorOf([&] { db->tableDef(u"Nix"_s); }), errc::ItemNotFound);
}

TEST_F(DatabaseTest, MissingTablesAndFieldsAreReported)
{
    auto db = createDb();
    db->execute(u"CREATE TABLE Liste (Nummer TEXT(50), Name TEXT(255))"_s);
    const struct {
        const char* source;
        int error;
    } cases[] = {
        {"Unbekannt", errc::TableNotFound},
        {"[Vereinigte Staaten]", errc::TableNotFound},
        {"SELECT Ort FROM Unbekannt WHERE Vorwahl LIKE \"030*\";", errc::TableNotFound},
        {"SELECT Ort FROM Vereinigte Staaten WHERE Vorwahl LIKE \"030*\";", errc::TableNotFound},
        {"SELECT Ort FROM Liste", errc::TooFewParameters},
        {"DELETE * FROM Liste", errc::InvalidOperation},
        {"SELECT Name FROM Liste WHERE", errc::SyntaxInExpression},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { db->openRecordset(QString::fromUtf8(c.source)); }), c.error)
            << c.source;
    EXPECT_EQ(errorOf([&] { db->execute(u"DELETE * FROM Unbekannt"_s); }), errc::TableNotFound);
}

TEST_F(DatabaseTest, ExecuteCountsChangedRowsAndRecordsCreatedTables)
{
    auto db = createDb();
    db->execute(u"CREATE TABLE [Meine Liste] (Nummer TEXT(50))"_s);
    EXPECT_EQ(db->tableCreated(u"Meine Liste"_s), now);
    for (int i = 0; i < 3; ++i)
        db->execute(u"INSERT INTO [Meine Liste] (Nummer) VALUES (\"%1\")"_s.arg(i));
    db->execute(u"DELETE [Meine Liste].Nummer FROM [Meine Liste] WHERE Nummer <> \"1\";"_s);
    EXPECT_EQ(db->recordsAffected(), 2);
    db->execute(u"DROP TABLE [Meine Liste]"_s);
    EXPECT_FALSE(db->tableCreated(u"Meine Liste"_s).isValid());
    EXPECT_TRUE(db->tableNames().isEmpty());
}

TEST_F(DatabaseTest, TransactionsRollBack)
{
    auto db = createDb();
    db->execute(u"CREATE TABLE t (v TEXT(5))"_s);
    db->beginTrans();
    db->execute(u"INSERT INTO t (v) VALUES (\"a\")"_s);
    db->rollback();
    db->beginTrans();
    db->execute(u"INSERT INTO t (v) VALUES (\"b\")"_s);
    db->commitTrans();
    auto rs = db->openRecordset(u"t"_s);
    rs->moveLast();
    EXPECT_EQ(rs->recordCount(), 1);
    EXPECT_EQ(rs->field(u"v"_s).text(), u"b"_s);
}

TEST_F(DatabaseTest, ClosedAndReadOnlyDatabasesRefuseWork)
{
    auto db = createDb();
    db->execute(u"CREATE TABLE t (v TEXT(5))"_s);
    db->execute(u"INSERT INTO t (v) VALUES (\"a\")"_s);
    db->setDataVersion(7);
    auto rs = db->openRecordset(u"t"_s);
    db->close();
    EXPECT_FALSE(rs->isOpen());
    EXPECT_EQ(errorOf([&] { rs->moveNext(); }), errc::ObjectClosed);
    EXPECT_EQ(errorOf([&] { db->execute(u"DELETE * FROM t"_s); }), errc::ObjectClosed);
    EXPECT_EQ(errorOf([&] { db->openRecordset(u"t"_s); }), errc::ObjectClosed);

    auto readOnly = engine.openDatabase(path(u"t.mdb"_s), OpenOptions{false, true});
    EXPECT_EQ(readOnly->dataVersion(), 7);
    EXPECT_EQ(errorOf([&] { readOnly->execute(u"DELETE * FROM t"_s); }), errc::ReadOnly);
}

// What one connection writes, another sees at its next statement: the
// number list window and the program hold two connections to one file.
TEST_F(DatabaseTest, TwoConnectionsSeeEachOthersWrites)
{
    auto first = createDb();
    first->execute(u"CREATE TABLE t (v TEXT(5))"_s);
    auto second = engine.openDatabase(path(u"t.mdb"_s));
    first->execute(u"INSERT INTO t (v) VALUES (\"a\")"_s);
    auto rs = second->openRecordset(u"SELECT v FROM t"_s);
    EXPECT_EQ(rs->field(0).text(), u"a"_s);
    rs->close();
    second->execute(u"DELETE * FROM t"_s);
    rs = first->openRecordset(u"SELECT v FROM t"_s);
    EXPECT_TRUE(rs->eof());
}

} // namespace
