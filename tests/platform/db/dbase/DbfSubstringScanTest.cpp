#include "DbfFixture.h"

#include "platform/db/dbase/DbfSubstringScan.h"
#include "platform/db/dbase/DbfTable.h"

#include <gtest/gtest.h>

using namespace platform::db::dbase;
using dbffixture::record;

namespace {

// Two phone columns of 12 bytes and a name between them; the third record is
// deleted, the fifth has blank phones.
class DbfSubstringScanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = dbffixture::write(
            m_dir, "k.dbf",
            dbffixture::table(0x03, {{"PHONE", 'C', 12}, {"NAME", 'C', 8}, {"FAX", 'C', 12}},
                              {
                                  record(' ', {"030 1234567 ", "Weber   ", "030 1234599 "}),
                                  record(' ', {"(030) 123-45", "M\xFCller  ", "089 4567    "}),
                                  record('*', {"030 1234567 ", "Alt     ", "            "}),
                                  record(' ', {"+49 30 12345", "Lang    ", "0301234567  "}),
                                  record(' ', {"            ", "Leer    ", "            "}),
                                  record(' ', {"0221 999 67 ", "Koch    ", "0307654321  "}),
                              }));
        ASSERT_TRUE(m_table.open(path)) << m_table.error().description.toStdString();
    }

    // Matching records with the column that matched, as "index:column".
    QStringList scan(QList<int> columns, const QByteArray& needle, int stopAfter = -1)
    {
        DbfSubstringScan s(m_table, std::move(columns), needle);
        QStringList hits;
        const bool ok = s.run([&](qint64 index, int column) {
            hits << QStringLiteral("%1:%2").arg(index).arg(column);
            return stopAfter < 0 || hits.size() < stopAfter;
        });
        EXPECT_TRUE(ok) << s.error().description.toStdString();
        return hits;
    }

    QTemporaryDir m_dir;
    DbfTable m_table;
};

TEST_F(DbfSubstringScanTest, FindsTheRecordsWhoseColumnsHoldTheNeedle)
{
    // Record 2 holds it too but is deleted; record 1 holds it only in a shape
    // with a hyphen; record 3 in its fax; the first matching column is named.
    EXPECT_EQ(scan({0, 2}, "1234567"), QStringList({"0:0", "3:2"}));
    EXPECT_EQ(scan({2, 0}, "1234"), QStringList({"0:2", "3:2"}));
    EXPECT_EQ(scan({0}, "1234"), QStringList({"0:0", "3:0"}));
    EXPECT_EQ(scan({0, 2}, "0301"), QStringList({"3:2"}));
    EXPECT_EQ(scan({0, 2}, "4711"), QStringList());
}

TEST_F(DbfSubstringScanTest, PaddingAndNeighbouringColumnsNeverMatch)
{
    // "4567 " would be found in the padding of record 1's fax, and "45M" across
    // the end of PHONE into NAME if the scan looked past the field's text.
    EXPECT_EQ(scan({0, 2}, "4567 "), QStringList());
    EXPECT_EQ(scan({0, 2}, "999 67"), QStringList({"5:0"}));
    EXPECT_EQ(scan({0}, "45M"), QStringList());
    EXPECT_EQ(scan({0}, "  "), QStringList());
}

TEST_F(DbfSubstringScanTest, EmptyNeedleMatchesEveryNonBlankField)
{
    EXPECT_EQ(scan({0}, ""), QStringList({"0:0", "1:0", "3:0", "5:0"}));
    EXPECT_EQ(scan({2, 0}, ""), QStringList({"0:2", "1:2", "3:2", "5:2"}));
}

TEST_F(DbfSubstringScanTest, TextTermsAreComparedInWindows1252AndCaseSensitive)
{
    EXPECT_EQ(scan({1}, DbfSubstringScan::needleFor(QStringLiteral("Müller"))),
              QStringList({"1:1"}));
    EXPECT_EQ(scan({1}, DbfSubstringScan::needleFor(QStringLiteral("müller"))), QStringList());
}

TEST_F(DbfSubstringScanTest, TheCallbackEndsTheScan)
{
    EXPECT_EQ(scan({0, 2}, "", 2), QStringList({"0:0", "1:0"}));
}

TEST_F(DbfSubstringScanTest, AnUnknownColumnIsAnError)
{
    DbfSubstringScan s(m_table, {0, 3}, "030");
    bool called = false;
    EXPECT_FALSE(s.run([&](qint64, int) { return called = true; }));
    EXPECT_FALSE(called);
    EXPECT_TRUE(s.error().isError());
}

} // namespace
