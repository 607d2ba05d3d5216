#include "DbfFixture.h"

#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfTable.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <cmath>

using namespace platform::db::dbase;
using dbffixture::Field;
using dbffixture::record;

namespace {

class DbfTableTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) { return dbffixture::write(m_dir, "t.dbf", bytes); }
    QTemporaryDir m_dir;
};

TEST_F(DbfTableTest, ReadsHeaderAndFieldDescriptorsAsStored)
{
    // Names as ACT! and other writers leave them: mixed case, a trailing blank,
    // all eleven bytes used (no NUL), an umlaut.
    const std::vector<Field> fields = {
        {"UNIQUE_ID", 'C', 12},      {"usr0012", 'C', 25},  {"Tel ", 'C', 20},
        {"ABCDEFGHIJK", 'N', 10, 2}, {"F\xC4LLIG", 'D', 8}, {"AKTIV", 'L', 1},
        {"NOTES", 'M', 10},          {"RATE", 'F', 12, 4},
    };
    const QString path = write(dbffixture::table(
        0xF5, fields,
        {record(' ', {"ABCDEFGHIJKL", QByteArray(25, ' '), QByteArray(20, ' '), "    123.45",
                      "20240131", "T", "        17", "      1.5000"})},
        QDate(2003, 11, 28)));

    DbfTable table;
    ASSERT_TRUE(table.open(path)) << table.error().description.toStdString();
    EXPECT_EQ(table.versionByte(), 0xF5);
    EXPECT_EQ(table.formatName(), QStringLiteral("FoxPro 2.x mit Memo"));
    EXPECT_TRUE(table.hasMemoFile());
    EXPECT_EQ(table.lastUpdate(), QDate(2003, 11, 28));
    EXPECT_EQ(table.languageDriver(), 0x03);
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(table.headerLength(), 32 + 8 * 32 + 1);
    EXPECT_EQ(table.recordLength(), 1 + 12 + 25 + 20 + 10 + 8 + 1 + 10 + 12);

    ASSERT_EQ(table.columnCount(), 8);
    const QStringList expectedNames = {
        "UNIQUE_ID", "usr0012", "Tel ", "ABCDEFGHIJK", QStringLiteral("FÄLLIG"),
        "AKTIV",     "NOTES",   "RATE"};
    int offset = 1;
    for (int i = 0; i < table.columnCount(); ++i) {
        const DbfColumn& c = table.column(i);
        EXPECT_EQ(c.name, expectedNames[i]) << i;
        EXPECT_EQ(c.rawName, fields[i].name) << i;
        EXPECT_EQ(c.type, fields[i].type) << i;
        EXPECT_EQ(c.length, fields[i].length) << i;
        EXPECT_EQ(c.decimals, fields[i].decimals) << i;
        EXPECT_EQ(c.offset, offset) << i;
        offset += c.length;
    }
    EXPECT_EQ(table.indexOf("usr0012"), 1);
    EXPECT_EQ(table.indexOf("USR0012"), -1);
    EXPECT_EQ(table.indexOf("USR0012", Qt::CaseInsensitive), 1);
    EXPECT_EQ(table.indexOf("Tel"), -1);

    DbfCursor cursor(table);
    ASSERT_TRUE(cursor.first());
    EXPECT_EQ(cursor.value(0), QVariant(QStringLiteral("ABCDEFGHIJKL")));
    EXPECT_EQ(cursor.value(3), QVariant(123.45));
    EXPECT_EQ(cursor.value(4), QVariant(QDate(2024, 1, 31)));
    EXPECT_EQ(cursor.value(6), QVariant(qlonglong(17)));
    EXPECT_FALSE(cursor.next());
    EXPECT_TRUE(cursor.eof());
    EXPECT_FALSE(cursor.hasError());
}

struct ValueCase {
    const char* name;
    quint8 version;
    char type;
    int length;
    int decimals;
    QByteArray stored;
    QVariant expected; // invalid: null
};

QByteArray le(quint64 v, int bytes)
{
    QByteArray b(bytes, '\0');
    dbffixture::putLe(b, 0, v, bytes);
    return b;
}

QByteArray doubleBytes(double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    return le(bits, 8);
}

class DbfValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(DbfValueTest, DecodesTheStoredBytes)
{
    const ValueCase& c = GetParam();
    QTemporaryDir dir;
    const QString path =
        dbffixture::write(dir, "v.dbf",
                          dbffixture::table(c.version, {{"F", c.type, c.length, c.decimals}},
                                            {record(' ', {c.stored})}));
    DbfTable table;
    ASSERT_TRUE(table.open(path)) << table.error().description.toStdString();
    DbfCursor cursor(table);
    ASSERT_TRUE(cursor.first());
    EXPECT_EQ(cursor.raw(0), QByteArrayView(c.stored));
    const QVariant value = cursor.value(0);
    EXPECT_EQ(cursor.isNull(0), !c.expected.isValid());
    if (!c.expected.isValid()) {
        EXPECT_FALSE(value.isValid()) << value.toString().toStdString();
        return;
    }
    EXPECT_EQ(value.metaType(), c.expected.metaType()) << value.typeName();
    if (c.expected.metaType().id() == QMetaType::Double)
        EXPECT_DOUBLE_EQ(value.toDouble(), c.expected.toDouble());
    else
        EXPECT_EQ(value, c.expected);
}

const QVariant kNull;

INSTANTIATE_TEST_SUITE_P(
    EveryFieldType, DbfValueTest,
    ::testing::Values(
        // C: trailing padding goes, leading blanks stay, blank is null.
        ValueCase{"text", 0x03, 'C', 10, 0, "Berlin    ", QStringLiteral("Berlin")},
        ValueCase{"textLeadingBlanks", 0x03, 'C', 6, 0, "  030 ", QStringLiteral("  030")},
        ValueCase{"textNulPadded", 0x03, 'C', 6, 0, QByteArray("Wien\0\0", 6),
                  QStringLiteral("Wien")},
        // The text ends at its first NUL, as for C strings.
        ValueCase{"textEndsAtNul", 0x03, 'C', 7, 0, QByteArray("12\0 34 ", 7),
                  QStringLiteral("12")},
        ValueCase{"textNulFirst", 0x03, 'C', 4, 0, QByteArray("\0 34", 4), kNull},
        ValueCase{"textBlank", 0x03, 'C', 8, 0, "        ", kNull},
        ValueCase{"textUmlauts", 0x03, 'C', 10, 0, "M\xFCller \xDF\x80 ",
                  QStringLiteral("Müller ß€")},
        ValueCase{"textC1Byte", 0x03, 'C', 3, 0, "\x8A\x9F\x81", QStringLiteral("ŠŸ\u0081")},
        // N and F: integers without decimals, doubles otherwise, blank or junk null.
        ValueCase{"integer", 0x03, 'N', 6, 0, "   -42", QVariant(qlonglong(-42))},
        ValueCase{"integerPlus", 0x03, 'N', 4, 0, "  +7", QVariant(qlonglong(7))},
        ValueCase{"integerLarge", 0x03, 'N', 18, 0, "  9007199254740993",
                  QVariant(qlonglong(9007199254740993LL))},
        ValueCase{"decimal", 0x03, 'N', 8, 2, "  -3.50 ", QVariant(-3.5)},
        ValueCase{"decimalWholeInText", 0x03, 'N', 8, 2, "    12  ", QVariant(12.0)},
        ValueCase{"decimalsNoLeadingDigit", 0x03, 'N', 5, 2, "  .25", QVariant(0.25)},
        ValueCase{"float", 0x03, 'F', 9, 3, "  1.5e+03", QVariant(1500.0)},
        ValueCase{"numericBlank", 0x03, 'N', 5, 0, "     ", kNull},
        ValueCase{"numericOverflowStars", 0x03, 'N', 5, 0, "*****", kNull},
        ValueCase{"numericJunk", 0x03, 'N', 5, 0, " 1 2 ", kNull},
        // D
        ValueCase{"date", 0x03, 'D', 8, 0, "20240229", QVariant(QDate(2024, 2, 29))},
        ValueCase{"dateBlank", 0x03, 'D', 8, 0, "        ", kNull},
        ValueCase{"dateZeros", 0x03, 'D', 8, 0, "00000000", kNull},
        ValueCase{"dateImpossible", 0x03, 'D', 8, 0, "20230229", kNull},
        ValueCase{"dateJunk", 0x03, 'D', 8, 0, "2024-1-1", kNull},
        // L
        ValueCase{"logicalT", 0x03, 'L', 1, 0, "T", true},
        ValueCase{"logicalLowerY", 0x03, 'L', 1, 0, "y", true},
        ValueCase{"logicalF", 0x03, 'L', 1, 0, "F", false},
        ValueCase{"logicalLowerN", 0x03, 'L', 1, 0, "n", false},
        ValueCase{"logicalUnknown", 0x03, 'L', 1, 0, "?", kNull},
        ValueCase{"logicalBlank", 0x03, 'L', 1, 0, " ", kNull},
        // Memo pointers: the block number only.
        ValueCase{"memo", 0x83, 'M', 10, 0, "        42", QVariant(qlonglong(42))},
        ValueCase{"memoBlank", 0x83, 'M', 10, 0, "          ", kNull},
        ValueCase{"memoZero", 0xF5, 'M', 10, 0, "0000000000", kNull},
        ValueCase{"dbase4BinaryIsMemo", 0x8B, 'B', 10, 0, "         7", QVariant(qlonglong(7))},
        ValueCase{"generalIsMemo", 0xF5, 'G', 10, 0, "         3", QVariant(qlonglong(3))},
        // Visual FoxPro's binary types.
        ValueCase{"vfpMemo", 0x30, 'M', 4, 0, le(300, 4), QVariant(qlonglong(300))},
        ValueCase{"vfpMemoEmpty", 0x30, 'M', 4, 0, le(0, 4), kNull},
        ValueCase{"vfpInteger", 0x30, 'I', 4, 0, le(quint32(-123456), 4),
                  QVariant(qlonglong(-123456))},
        ValueCase{"vfpDouble", 0x30, 'B', 8, 2, doubleBytes(-2.25), QVariant(-2.25)},
        ValueCase{"vfpCurrency", 0x30, 'Y', 8, 4, le(123456789, 8), QVariant(12345.6789)},
        ValueCase{"vfpDateTime", 0x30, 'T', 8, 0,
                  le(QDate(2004, 6, 1).toJulianDay(), 4) + le((13 * 3600 + 5) * 1000, 4),
                  QVariant(QDateTime(QDate(2004, 6, 1), QTime(13, 0, 5)))},
        ValueCase{"vfpDateTimeEmpty", 0x30, 'T', 8, 0, le(0, 8), kNull},
        ValueCase{"vfpVarchar", 0x32, 'V', 6, 0, "abc   ", QStringLiteral("abc")},
        // Types this reader does not interpret: the bytes as stored.
        ValueCase{"unknownType", 0x03, 'X', 3, 0, "a\x01z", QVariant(QByteArray("a\x01z"))}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST_F(DbfTableTest, DeletedRecordsAreVisitedAndFlagged)
{
    const QString path = write(dbffixture::table(
        0x03, {{"NAME", 'C', 5}},
        {record(' ', {"eins "}), record('*', {"zwei "}), record(' ', {"drei "})}));
    DbfTable table;
    ASSERT_TRUE(table.open(path));
    DbfCursor cursor(table);
    QStringList names;
    QList<bool> deleted;
    for (cursor.first(); !cursor.eof(); cursor.next()) {
        names << cursor.value(0).toString();
        deleted << cursor.isDeleted();
    }
    EXPECT_EQ(names, QStringList({"eins", "zwei", "drei"}));
    EXPECT_EQ(deleted, QList<bool>({false, true, false}));
}

TEST_F(DbfTableTest, TableWithoutRecordsIsEmptyNotBroken)
{
    const QString path = write(dbffixture::table(0x03, {{"PHONE", 'C', 20}}));
    DbfTable table;
    ASSERT_TRUE(table.open(path));
    EXPECT_EQ(table.recordCount(), 0);
    DbfCursor cursor(table);
    EXPECT_FALSE(cursor.first());
    EXPECT_TRUE(cursor.eof());
    EXPECT_FALSE(cursor.hasError());
    EXPECT_TRUE(cursor.raw(0).isEmpty());
    EXPECT_FALSE(cursor.value(0).isValid());
}

// Random access must land on the right record whatever the block size, across
// block boundaries and back again.
class DbfCursorBlocksTest : public ::testing::TestWithParam<int> {};

TEST_P(DbfCursorBlocksTest, SeeksAndWalksAcrossBlocks)
{
    constexpr int kRecords = 500;
    std::vector<QByteArray> records;
    for (int i = 0; i < kRecords; ++i)
        records.push_back(
            record(i % 7 == 0 ? '*' : ' ', {QByteArray::number(i).rightJustified(6, ' ')}));
    QTemporaryDir dir;
    const QString path =
        dbffixture::write(dir, "b.dbf", dbffixture::table(0x03, {{"N", 'N', 6}}, records));
    DbfTable table;
    ASSERT_TRUE(table.open(path));
    DbfCursor cursor(table, GetParam());

    int seen = 0;
    for (cursor.first(); !cursor.eof(); cursor.next()) {
        ASSERT_EQ(cursor.value(0).toLongLong(), cursor.index());
        ASSERT_EQ(cursor.isDeleted(), cursor.index() % 7 == 0);
        ++seen;
    }
    EXPECT_EQ(seen, kRecords);

    for (qint64 index : {499, 0, 250, 251, 249, 13, 498, 1, 377}) {
        ASSERT_TRUE(cursor.seek(index)) << index;
        EXPECT_EQ(cursor.index(), index);
        EXPECT_EQ(cursor.value(0).toLongLong(), index);
    }
    EXPECT_FALSE(cursor.seek(kRecords));
    EXPECT_TRUE(cursor.eof());
    EXPECT_FALSE(cursor.seek(-1));
    EXPECT_TRUE(cursor.seek(3));
    EXPECT_FALSE(cursor.hasError());
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, DbfCursorBlocksTest,
                         ::testing::Values(1, 7 * 7, 100 * 7 + 3, DbfCursor::kDefaultBlockBytes));

TEST_F(DbfTableTest, CopiesAndCursorsKeepTheFileOpen)
{
    const QString path =
        write(dbffixture::table(0x03, {{"CITY", 'C', 4}}, {record(' ', {"Graz"})}));
    DbfTable original;
    ASSERT_TRUE(original.open(path));
    DbfCursor cursor(original);
    DbfTable copy = original;
    original.close();
    EXPECT_FALSE(original.isOpen());
    ASSERT_TRUE(copy.isOpen());
    EXPECT_EQ(copy.columnCount(), 1);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(cursor.first());
    EXPECT_EQ(cursor.value(0), QVariant(QStringLiteral("Graz")));
}

} // namespace
