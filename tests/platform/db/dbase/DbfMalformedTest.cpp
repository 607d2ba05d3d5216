// Damaged and foreign files: each must give an error with a number and a
// description, and never a crash or a read outside the file (the test build
// runs under AddressSanitizer, and files are exactly as long as stated).
#include "DbfFixture.h"

#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfTable.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

using namespace platform::db::dbase;
using dbffixture::Field;
using dbffixture::record;

namespace {

// Two fields, three records: header 32 + 2 * 32 + 1 = 97 bytes, records of
// 1 + 10 + 8 = 19 bytes.
QByteArray goodTable()
{
    return dbffixture::table(0x03, {{"NAME", 'C', 10}, {"SEIT", 'D', 8}},
                             {record(' ', {"Weber     ", "20020304"}),
                              record('*', {"Krause    ", "        "}),
                              record(' ', {"Lang      ", "19991231"})});
}

struct MalformedCase {
    const char* name;
    std::function<QByteArray()> bytes;
    DbfErrorCode expected;
    const char* mentions; // a piece of the description
};

QByteArray patched(QByteArray bytes, int at, quint64 value, int width)
{
    dbffixture::putLe(bytes, at, value, width);
    return bytes;
}

QByteArray absurdFieldCount()
{
    // A header of 2000 one-byte fields that claims a record length of 20.
    std::vector<Field> fields;
    for (int i = 0; i < 2000; ++i)
        fields.push_back({QByteArray("F") + QByteArray::number(i), 'C', 1});
    return patched(dbffixture::table(0x03, fields), 10, 20, 2);
}

QByteArray headerOfGarbage()
{
    // Descriptors that are all 0xFF up to a header length of 65535.
    QByteArray b = goodTable();
    b = b.left(32) + QByteArray(70000, '\xFF');
    return patched(b, 8, 0xFFFF, 2);
}

class DbfMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(DbfMalformedTest, GivesAnErrorNotACrash)
{
    const MalformedCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dbffixture::write(dir, "bad.dbf", c.bytes());
    ASSERT_FALSE(path.isEmpty());
    DbfTable table;
    EXPECT_FALSE(table.open(path));
    EXPECT_FALSE(table.isOpen());
    EXPECT_EQ(table.error().code(), c.expected) << table.error().number;
    EXPECT_TRUE(table.error().description.contains(QString::fromUtf8(c.mentions)))
        << table.error().description.toStdString();
    EXPECT_TRUE(table.error().description.contains(path))
        << table.error().description.toStdString();
    // A cursor on a table that did not open is simply at its end.
    DbfCursor cursor(table);
    EXPECT_FALSE(cursor.first());
    EXPECT_TRUE(cursor.eof());
}

INSTANTIATE_TEST_SUITE_P(
    Files, DbfMalformedTest,
    ::testing::Values(
        MalformedCase{"empty", [] { return QByteArray(); }, DbfErrorCode::Corrupt, "zu kurz"},
        MalformedCase{"cutHeader", [] { return goodTable().left(20); }, DbfErrorCode::Corrupt,
                      "zu kurz"},
        MalformedCase{"cutInDescriptors", [] { return goodTable().left(70); },
                      DbfErrorCode::Corrupt, "Kopflänge 97"},
        MalformedCase{"headerLengthBeyondFile", [] { return patched(goodTable(), 8, 5000, 2); },
                      DbfErrorCode::Corrupt, "Kopflänge 5000"},
        MalformedCase{"headerLengthWithoutFields", [] { return patched(goodTable(), 8, 40, 2); },
                      DbfErrorCode::Corrupt, "Kopflänge 40"},
        MalformedCase{"headerLengthCutsDescriptors", [] { return patched(goodTable(), 8, 80, 2); },
                      DbfErrorCode::Corrupt, "nicht abgeschlossen"},
        MalformedCase{"recordCountLargerThanFile", [] { return patched(goodTable(), 4, 4, 4); },
                      DbfErrorCode::Corrupt, "4 Datensätze"},
        MalformedCase{"recordCountHuge", [] { return patched(goodTable(), 4, 0xFFFFFFFF, 4); },
                      DbfErrorCode::Corrupt, "4294967295 Datensätze"},
        MalformedCase{"lastRecordCut", [] { return goodTable().left(97 + 3 * 19 - 1); },
                      DbfErrorCode::Corrupt, "3 Datensätze"},
        MalformedCase{"zeroLengthField", [] { return patched(goodTable(), 32 + 16, 0, 1); },
                      DbfErrorCode::Corrupt, "Länge 0"},
        MalformedCase{"fieldsLongerThanRecord", [] { return patched(goodTable(), 10, 12, 2); },
                      DbfErrorCode::Corrupt, "Satzlänge ist aber 12"},
        MalformedCase{"recordLengthZero", [] { return patched(goodTable(), 10, 0, 2); },
                      DbfErrorCode::Corrupt, "Satzlänge ist aber 0"},
        MalformedCase{"noTerminator", [] { return patched(goodTable(), 96, 'X', 1); },
                      DbfErrorCode::Corrupt, "nicht abgeschlossen"},
        MalformedCase{"emptyFieldName", [] { return patched(goodTable(), 64, 0, 1); },
                      DbfErrorCode::Corrupt, "Feld 2 hat keinen Namen"},
        MalformedCase{"dateOfWrongLength", [] { return patched(goodTable(), 64 + 16, 9, 1); },
                      DbfErrorCode::Corrupt, "SEIT vom Typ D"},
        MalformedCase{"absurdFieldCount", absurdFieldCount, DbfErrorCode::Corrupt,
                      "Satzlänge ist aber 20"},
        MalformedCase{"headerOfGarbage", headerOfGarbage, DbfErrorCode::Corrupt, "Satzlänge"},
        MalformedCase{"unknownVersion", [] { return patched(goodTable(), 0, 0x99, 1); },
                      DbfErrorCode::UnrecognizedFormat, "0x99"},
        MalformedCase{"dbase7", [] { return patched(goodTable(), 0, 0x04, 1); },
                      DbfErrorCode::UnrecognizedFormat, "dBASE 7"},
        MalformedCase{"textFile", [] { return QByteArray("Name;Telefon\n"); },
                      DbfErrorCode::UnrecognizedFormat, "Versionsbyte"}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) {
        return std::string(info.param.name);
    });

TEST(DbfOpenTest, MissingFileAndDirectoryAreTold)
{
    QTemporaryDir dir;
    DbfTable table;
    EXPECT_FALSE(table.open(dir.filePath("fehlt.dbf")));
    EXPECT_EQ(table.error().code(), DbfErrorCode::FileNotFound);
    EXPECT_TRUE(table.error().description.contains("fehlt.dbf"));

    EXPECT_FALSE(table.open(dir.path()));
    EXPECT_EQ(table.error().code(), DbfErrorCode::CannotOpen);
}

TEST(DbfOpenTest, TheGoodFixtureOpens)
{
    // Guards the cases above: each fails for its own fault, not the fixture's.
    QTemporaryDir dir;
    DbfTable table;
    ASSERT_TRUE(table.open(dbffixture::write(dir, "good.dbf", goodTable())))
        << table.error().description.toStdString();
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(table.headerLength(), 97);
    EXPECT_EQ(table.recordLength(), 19);
}

TEST(DbfOpenTest, AFileShortenedWhileOpenGivesAReadError)
{
    // ACT! may pack its database while we read it.
    std::vector<QByteArray> records;
    for (int i = 0; i < 1000; ++i)
        records.push_back(record(' ', {QByteArray::number(i).leftJustified(10, ' '), "20000101"}));
    QTemporaryDir dir;
    const QString path = dbffixture::write(
        dir, "packed.dbf", dbffixture::table(0x03, {{"NAME", 'C', 10}, {"SEIT", 'D', 8}}, records));
    DbfTable table;
    ASSERT_TRUE(table.open(path));
    DbfCursor cursor(table, 100 * 19);
    ASSERT_TRUE(cursor.first());
    ASSERT_TRUE(QFile::resize(path, 97 + 250 * 19));

    qint64 visited = 0;
    for (; !cursor.eof(); cursor.next())
        ++visited;
    EXPECT_EQ(visited, 200); // the two blocks read before the file became short
    ASSERT_TRUE(cursor.hasError());
    EXPECT_EQ(cursor.error().code(), DbfErrorCode::ReadError);
    EXPECT_TRUE(cursor.error().description.contains("gekürzt"));
    EXPECT_FALSE(cursor.seek(0));
    EXPECT_TRUE(cursor.eof());
}

} // namespace
