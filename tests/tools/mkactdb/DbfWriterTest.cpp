#include "tools/mkactdb/DbfWriter.h"

#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace actdbgen;
using namespace platform::db::dbase;

namespace {

TEST(DbfWriter, WritesWhatTheReaderReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("w.dbf");
    DbfWriter writer(path,
                     {{"NAME", 'C', 12},
                      {"UMSATZ", 'N', 9, 2},
                      {"SEIT", 'D', 8},
                      {"AKTIV", 'L', 1},
                      {"NOTIZ", 'M', 10}},
                     DbfWriter::kFoxPro2Memo, QDate(2001, 9, 30));
    ASSERT_TRUE(writer.open()) << writer.errorString().toStdString();
    writer.beginRecord();
    EXPECT_TRUE(writer.setText(0, QStringLiteral("Jürgen Groß")));
    EXPECT_TRUE(writer.setNumber(1, -1234.5));
    writer.setDate(2, QDate(1999, 12, 31));
    writer.setLogical(3, true);
    EXPECT_TRUE(writer.setMemoBlock(4, 77));
    ASSERT_TRUE(writer.appendRecord());
    writer.beginRecord(true);
    writer.setLogical(3, std::nullopt);
    ASSERT_TRUE(writer.appendRecord());
    ASSERT_TRUE(writer.finish()) << writer.errorString().toStdString();

    DbfTable table;
    ASSERT_TRUE(table.open(path)) << table.error().description.toStdString();
    EXPECT_EQ(table.versionByte(), 0xF5);
    EXPECT_EQ(table.lastUpdate(), QDate(2001, 9, 30));
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_EQ(table.fileSize(), table.headerLength() + 2 * table.recordLength() + 1);
    DbfCursor cursor(table);
    ASSERT_TRUE(cursor.first());
    EXPECT_FALSE(cursor.isDeleted());
    EXPECT_EQ(cursor.raw(0), QByteArrayView("J\xFCrgen Gro\xDF "));
    EXPECT_EQ(cursor.value(0), QVariant(QStringLiteral("Jürgen Groß")));
    EXPECT_EQ(cursor.raw(1), QByteArrayView(" -1234.50"));
    EXPECT_EQ(cursor.value(2), QVariant(QDate(1999, 12, 31)));
    EXPECT_EQ(cursor.value(3), QVariant(true));
    EXPECT_EQ(cursor.value(4), QVariant(qlonglong(77)));
    ASSERT_TRUE(cursor.next());
    EXPECT_TRUE(cursor.isDeleted());
    for (int column = 0; column < table.columnCount(); ++column)
        EXPECT_TRUE(cursor.isNull(column)) << column;
}

TEST(DbfWriter, RefusesValuesThatDoNotFit)
{
    QTemporaryDir dir;
    DbfWriter writer(dir.filePath("f.dbf"), {{"ORT", 'C', 5}, {"BETRAG", 'N', 5, 1}});
    ASSERT_TRUE(writer.open());
    writer.beginRecord();
    EXPECT_FALSE(writer.setText(0, QStringLiteral("Salzburg")));
    EXPECT_FALSE(writer.setText(0, QStringLiteral("Łódź")));
    EXPECT_TRUE(writer.setText(0, QStringLiteral("Linz")));
    EXPECT_FALSE(writer.setNumber(1, 12345.0));
    EXPECT_TRUE(writer.setNumber(1, 999.9));
}

TEST(DbfWriter, NothingAppearsUnlessFinished)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("abgebrochen.dbf");
    {
        DbfWriter writer(path, {{"ORT", 'C', 5}});
        ASSERT_TRUE(writer.open());
        writer.beginRecord();
        ASSERT_TRUE(writer.appendRecord());
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
