#include "FoxProFixture.h"

#include "tests/platform/db/dbase/DbfFixture.h"
#include "tools/mkactdb/ActSchema.h"
#include "tools/mkactdb/ContactGenerator.h"

#include <QDir>

using namespace foxprofixture;
using namespace platform::db;
using namespace Qt::StringLiterals;

namespace {

class FoxProBackendTest : public ::testing::Test {
protected:
    void SetUp() override { generate(dir.path(), QStringLiteral("MYDATA"), kContacts, kSeed); }

    std::unique_ptr<Database> open() { return engine->openDatabase(dir.path(), {}, kConnect); }
    QString path(const QString& file) const { return dir.filePath(file); }

    static constexpr qint64 kContacts = 400;
    static constexpr quint64 kSeed = 11;
    QTemporaryDir dir;
    std::unique_ptr<DBEngine> engine = engineWith();
};

TEST_F(FoxProBackendTest, TablesAreNamedByTheirFilesWithAndWithoutExtension)
{
    writeFile(path(QStringLiteral("notes.txt")), "no table");
    QFile::copy(path(QStringLiteral("MYDATA.gdb")), path(QStringLiteral("OTHER.GDB")));
    auto db = open();
    EXPECT_EQ(db->tableNames(),
              (QStringList{u"MYDATA.dbf"_s, u"MYDATA"_s, u"MYDATA.gdb"_s, u"OTHER.GDB"_s}));
    // Jet's names ignore the letter case, as SQLite's do.
    EXPECT_EQ(column0(*db, u"SELECT COUNT(*) FROM [mydata.DBF]"_s),
              column0(*db, u"SELECT COUNT(*) FROM [MYDATA]"_s));
    EXPECT_EQ(column0(*db, u"SELECT COUNT(*) FROM [other.gdb]"_s),
              column0(*db, u"SELECT COUNT(*) FROM [MYDATA.gdb]"_s));
    const Thrown missing = thrownBy([&] { db->openRecordset(u"SELECT * FROM [MYDATA.ddf]"_s); });
    EXPECT_EQ(missing.number, errc::TableNotFound);
    // The name has a dot, but it is no schema.
    EXPECT_TRUE(missing.description.contains(u"'MYDATA.ddf'")) << missing.description.toStdString();
    EXPECT_EQ(thrownBy([&] { db->openRecordset(u"SELECT * FROM [notes]"_s); }).number,
              errc::TableNotFound);
}

TEST_F(FoxProBackendTest, AnythingButADirectoryIsNoValidPath)
{
    for (const QString& name :
         {path(QStringLiteral("MYDATA.dbf")), path(QStringLiteral("fehlt")), QString()}) {
        EXPECT_EQ(thrownBy([&] { engine->openDatabase(name, {}, kConnect); }).number,
                  errc::InvalidPath)
            << name.toStdString();
    }
    // The other xBase connect types of Jet open the same way.
    EXPECT_NO_THROW(engine->openDatabase(dir.path(), {}, u"dBASE IV;"_s));
}

// Column names in table order, types the engine maps, values as generated,
// deleted records left out.
TEST_F(FoxProBackendTest, ColumnsTypesAndValuesAreThoseOfTheTable)
{
    auto db = open();
    const TableDef def = db->tableDef(u"MYDATA.dbf"_s);
    const QList<actdbgen::ActField>& schema = actdbgen::contactFields();
    ASSERT_EQ(def.fields.size(), schema.size());
    for (int i = 0; i < schema.size(); ++i) {
        const actdbgen::DbfFieldSpec& column = schema[i].column;
        EXPECT_EQ(def.fields[i].name, QString::fromLatin1(column.name));
        switch (column.type) {
        case 'C':
            EXPECT_EQ(def.fields[i].type, FieldType::Text) << column.name.constData();
            EXPECT_EQ(def.fields[i].size, column.length) << column.name.constData();
            break;
        case 'N':
            EXPECT_EQ(def.fields[i].type, FieldType::Double) << column.name.constData();
            break;
        case 'D':
            EXPECT_EQ(def.fields[i].type, FieldType::Date) << column.name.constData();
            break;
        case 'L':
            EXPECT_EQ(def.fields[i].type, FieldType::Boolean) << column.name.constData();
            break;
        default:
            ADD_FAILURE() << "unexpected type " << column.type;
        }
    }

    const actdbgen::ContactGenerator generator(kSeed);
    auto rows = db->openRecordset(u"MYDATA"_s, RecordsetType::Table);
    int compared = 0;
    for (qint64 i = 0; i < kContacts; ++i) {
        const actdbgen::Contact c = generator.contact(i);
        if (c.deleted)
            continue;
        ASSERT_FALSE(rows->eof()) << "record " << i;
        EXPECT_EQ(rows->bookmark(), i + 1);
        EXPECT_EQ(rows->value(u"unique_id"_s).toString(), c.uniqueId);
        EXPECT_EQ(rows->value(u"NAME"_s).toString(), c.name);
        // Blank text reads as null.
        EXPECT_EQ(rows->value(u"FAX"_s).isNull(), c.fax.isEmpty());
        EXPECT_EQ(rows->value(u"FAX"_s).toString(), c.fax);
        EXPECT_EQ(rows->value(u"CREATED"_s).toDateTime(), c.created.startOfDay());
        EXPECT_EQ(rows->value(u"USR0004"_s).isNull(), !c.newsletter.has_value());
        if (c.newsletter) {
            EXPECT_EQ(rows->value(u"USR0004"_s).toBool(), *c.newsletter);
        }
        EXPECT_EQ(rows->value(u"USR0003"_s).isNull(), !c.revenue.has_value());
        if (c.revenue) {
            EXPECT_DOUBLE_EQ(rows->value(u"USR0003"_s).toDouble(), *c.revenue);
        }
        rows->moveNext();
        ++compared;
    }
    EXPECT_TRUE(rows->eof());
    EXPECT_LT(compared, kContacts) << "the generator deletes some records";
    rows->moveLast();
    EXPECT_EQ(rows->recordCount(), compared);
}

// Nothing the engine is asked reaches the files.
TEST_F(FoxProBackendTest, TablesAreReadOnly)
{
    const QByteArray before = readFile(path(QStringLiteral("MYDATA.dbf")));
    auto db = open();
    const QStringList writes = {
        u"INSERT INTO [MYDATA] (UNIQUE_ID) VALUES ('X')"_s,
        u"UPDATE [MYDATA] SET NAME = 'X'"_s,
        u"DELETE FROM [MYDATA.dbf]"_s,
    };
    for (const QString& sql : writes) {
        const Thrown thrown = thrownBy([&] { db->execute(sql); });
        EXPECT_EQ(thrown.number, errc::ReadOnly) << sql.toStdString();
        EXPECT_TRUE(thrown.description.contains(u"schreibgeschützt"))
            << thrown.description.toStdString();
    }
    auto table = db->openRecordset(u"MYDATA"_s, RecordsetType::Table);
    table->edit();
    table->setValue(u"NAME"_s, u"X"_s);
    EXPECT_EQ(thrownBy([&] { table->update(); }).number, errc::ReadOnly);
    table.reset();
    db.reset();
    EXPECT_EQ(readFile(path(QStringLiteral("MYDATA.dbf"))), before);
}

// A damaged table keeps its name; using it reports the reader's error, and
// the other tables work.
TEST_F(FoxProBackendTest, ADamagedTableFailsWithTheReadersError)
{
    QByteArray bytes = readFile(path(QStringLiteral("MYDATA.gdb")));
    bytes.truncate(bytes.size() / 2);
    writeFile(path(QStringLiteral("MYDATA.gdb")), bytes);
    writeFile(path(QStringLiteral("EMPTY.dbf")), QByteArray());
    auto db = open();
    EXPECT_TRUE(db->hasTable(u"MYDATA.gdb"_s));
    const Thrown damaged = thrownBy([&] { db->openRecordset(u"SELECT * FROM [MYDATA.gdb]"_s); });
    EXPECT_EQ(damaged.number, 3049);
    EXPECT_TRUE(damaged.description.contains(u"MYDATA.gdb")) << damaged.description.toStdString();
    EXPECT_EQ(thrownBy([&] { db->openRecordset(u"SELECT COUNT(*) FROM [EMPTY]"_s); }).number, 3049);
    EXPECT_FALSE(column0(*db, u"SELECT COUNT(*) FROM [MYDATA]"_s).isEmpty());
}

// A table that loses records while it is open gives a read error, not a
// crash: in the middle of a scan, and at its start.
TEST_F(FoxProBackendTest, ATableShortenedWhileOpenGivesAReadError)
{
    // More than one block of records (256 KiB), so the scan reads again.
    generate(dir.path(), QStringLiteral("BIG"), 1000, kSeed);
    auto db = open();
    auto rows = db->openRecordset(u"SELECT NAME FROM [BIG]"_s);
    ASSERT_FALSE(rows->eof());
    QFile file(path(QStringLiteral("BIG.dbf")));
    ASSERT_TRUE(file.resize(file.size() / 3));
    const Thrown thrown = thrownBy([&] { rows->moveLast(); });
    EXPECT_EQ(thrown.number, 3043);
    EXPECT_TRUE(thrown.description.contains(u"gekürzt")) << thrown.description.toStdString();

    ASSERT_TRUE(file.resize(100));
    EXPECT_EQ(thrownBy([&] {
                  db->openRecordset(u"SELECT NAME FROM [BIG] WHERE PHONE LIKE "
                                    "'*0*'"_s);
              }).number,
              3043);
}

// Columns the table has twice (SQLite's names ignore the case) make the table
// unreadable, with a message that says so.
TEST_F(FoxProBackendTest, DuplicateColumnNamesAreReported)
{
    using dbffixture::Field;
    writeFile(path(QStringLiteral("TWICE.dbf")),
              dbffixture::table(0x03, {Field{"PHONE", 'C', 4}, Field{"phone", 'C', 4}},
                                {QByteArray(" 03010302")}));
    auto db = open();
    const Thrown thrown = thrownBy([&] { db->openRecordset(u"SELECT * FROM [TWICE]"_s); });
    EXPECT_EQ(thrown.number, 3049);
    EXPECT_TRUE(thrown.description.contains(u"phone", Qt::CaseInsensitive))
        << thrown.description.toStdString();
}

} // namespace
