// The engine's LIKE on the virtual tables: the byte search of the backend
// must give exactly the rows SQLite's own GLOB gives.
#include "FoxProFixture.h"

#include "platform/db/JetSql.h"
#include "tests/platform/db/dbase/DbfFixture.h"
#include "tools/mkactdb/ContactGenerator.h"

#include <sqlite3.h>

using namespace foxprofixture;
using namespace platform::db;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kContacts = 3000;
constexpr quint64 kSeed = 5;

// The statements' plan: the index number the table chose (0: a plain scan)
// and whether SQLite split an OR into one scan per column.
struct Plan {
    int index = -1;
    bool multiIndexOr = false;
};

Plan planOf(Database& db, const QString& jetSql)
{
    const QByteArray sql = ("EXPLAIN QUERY PLAN " + JetSql::translate(jetSql).sql).toUtf8();
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db.handle(), sql.constData(), -1, &statement, nullptr), SQLITE_OK);
    Plan plan;
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        const QString detail =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 3)));
        if (detail.contains(u"MULTI-INDEX OR"))
            plan.multiIndexOr = true;
        const qsizetype at = detail.indexOf(u"VIRTUAL TABLE INDEX ");
        if (at >= 0)
            plan.index = detail.mid(at + 20).section(u':', 0, 0).toInt();
    }
    sqlite3_finalize(statement);
    return plan;
}

class FoxProSearchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        generate(s_dir->path(), u"MYDATA"_s, kContacts, kSeed);
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    void SetUp() override
    {
        fast = fastEngine->openDatabase(s_dir->path(), {}, kConnect);
        plain = plainEngine->openDatabase(s_dir->path(), {}, kConnect);
        // SQLite's own evaluation over the same values: a stored copy.
        ASSERT_EQ(sqlite3_exec(fast->handle(),
                               "CREATE TEMP TABLE COPY AS SELECT rowid AS rid, * FROM "
                               "\"MYDATA.dbf\"",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK);
    }

    // The record numbers a condition selects, in the order of the rows.
    static QStringList rowsOf(Database& db, const QString& table, const QString& idColumn,
                              const QString& condition)
    {
        QString where = condition;
        where.replace(u"[T]"_s, u'[' + table + u']');
        return column0(db, u"SELECT [%1].%2 FROM [%1] WHERE %3"_s.arg(table, idColumn, where));
    }

    static QTemporaryDir* s_dir;
    std::unique_ptr<DBEngine> fastEngine = engineWith();
    std::unique_ptr<DBEngine> plainEngine = engineWith({.substringScan = false});
    std::unique_ptr<Database> fast;
    std::unique_ptr<Database> plain;
};

QTemporaryDir* FoxProSearchTest::s_dir = nullptr;

struct SearchCase {
    const char* name;
    QString condition; // [T] stands for the table
    bool byteSearch;   // answered by the backend's byte search
};

void PrintTo(const SearchCase& c, std::ostream* out)
{
    *out << c.condition.toStdString();
}

class FoxProSearchCases : public FoxProSearchTest,
                          public ::testing::WithParamInterface<SearchCase> {};

TEST_P(FoxProSearchCases, SameRowsAsSQLitesOwnEvaluation)
{
    const SearchCase& c = GetParam();
    const QStringList expected = rowsOf(*fast, u"COPY"_s, u"rid"_s, c.condition);
    const QStringList viaBackend = rowsOf(*fast, u"MYDATA"_s, u"rowid"_s, c.condition);
    const QStringList withoutByteSearch = rowsOf(*plain, u"MYDATA"_s, u"rowid"_s, c.condition);
    EXPECT_EQ(viaBackend, expected);
    EXPECT_EQ(withoutByteSearch, expected);

    QString where = c.condition;
    where.replace(u"[T]"_s, u"[MYDATA]"_s);
    const Plan plan = planOf(*fast, u"SELECT [MYDATA].NAME FROM [MYDATA] WHERE "_s + where);
    EXPECT_EQ(plan.index > 0, c.byteSearch) << "index " << plan.index;
    EXPECT_FALSE(plan.multiIndexOr);
    EXPECT_EQ(planOf(*plain, u"SELECT [MYDATA].NAME FROM [MYDATA] WHERE "_s + where).index, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, FoxProSearchCases,
    ::testing::Values(
        SearchCase{"digits", u"[T].PHONE LIKE '*030*'"_s, true},
        SearchCase{"anyText", u"[T].FAX LIKE '**'"_s, true},
        SearchCase{"signsAndBlanks", u"[T].PHONE LIKE '*(030) 1*'"_s, true},
        SearchCase{"umlautBytes", u"[T].CITY LIKE '*ö*'"_s, true},
        SearchCase{"words", u"[T].COMPANY LIKE '*GmbH*'"_s, true},
        SearchCase{"nothingMatches", u"[T].PHONE LIKE '*99999999999*'"_s, true},
        SearchCase{"letterClasses", u"[T].NAME LIKE '*[Mm][üÜ]ller*'"_s, false},
        SearchCase{"umlautClass", u"[T].CITY LIKE '*[öÖ]*'"_s, false},
        SearchCase{"digitWildcard", u"[T].PHONE LIKE '*1#3*'"_s, false},
        SearchCase{"singleCharacter", u"[T].PHONE LIKE '*1?3*'"_s, false},
        SearchCase{"prefix", u"[T].PHONE LIKE '0*'"_s, false},
        SearchCase{"numberColumn", u"[T].USR0003 LIKE '*5*'"_s, false},
        SearchCase{"either", u"[T].PHONE LIKE '*030*' OR [T].FAX LIKE '*030*'"_s, false},
        SearchCase{"allPhones",
                   u"[T].PHONE LIKE '*221*' OR [T].FAX LIKE '*221*' OR [T].MOBILE LIKE '*221*' "
                   "OR [T].HOME_PHONE LIKE '*221*' OR [T].USR0001 LIKE '*221*'"_s,
                   false},
        SearchCase{"both", u"[T].PHONE LIKE '*030*' AND [T].CITY LIKE '*Berlin*'"_s, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Conditions joined by OR give the rows in table order, as Jet does: the
// first row of a caller search is the first contact in the table.
TEST_F(FoxProSearchTest, RowsMatchingInDifferentColumnsComeInTableOrder)
{
    // Two contacts whose numbers hold the same piece, the later one in PHONE
    // and the earlier one only in MOBILE.
    const actdbgen::ContactGenerator generator(kSeed);
    QString term;
    qint64 earlier = -1;
    for (qint64 i = 0; i < kContacts && term.isEmpty(); ++i) {
        const actdbgen::Contact c = generator.contact(i);
        if (c.deleted || c.mobile.size() < 8)
            continue;
        const QString piece = c.mobile.right(5);
        if (c.phone.contains(piece) || c.fax.contains(piece))
            continue;
        for (qint64 k = i + 1; k < kContacts; ++k) {
            const actdbgen::Contact later = generator.contact(k);
            if (!later.deleted && later.phone.contains(piece)) {
                term = piece;
                earlier = i;
                break;
            }
        }
    }
    ASSERT_FALSE(term.isEmpty()) << "no two such contacts in the generated table";
    const QString condition =
        u"[T].PHONE LIKE '*%1*' OR [T].MOBILE LIKE '*%1*'"_s.arg(JetSql::escapeLike(term));
    const QStringList rows = rowsOf(*fast, u"MYDATA"_s, u"rowid"_s, condition);
    ASSERT_GE(rows.size(), 2);
    EXPECT_EQ(rows.first(), QString::number(earlier + 1));
    for (qsizetype i = 1; i < rows.size(); ++i)
        EXPECT_LT(rows[i - 1].toLongLong(), rows[i].toLongLong());
}

// A text ends at its first NUL for the byte search as for SQLite, whose GLOB
// reads strings up to the NUL.
TEST(FoxProSearchNul, TextEndsAtItsFirstNul)
{
    using dbffixture::Field;
    QTemporaryDir dir;
    writeFile(dir.filePath(u"T.dbf"_s),
              dbffixture::table(0x03, {Field{"NR", 'C', 8}},
                                {QByteArray(" 12\0 34  ", 9), QByteArray(" 1234    "),
                                 QByteArray(" \0\0 34  ", 9), QByteArray("*34      ")}));
    for (const bool byteSearch : {true, false}) {
        auto engine = engineWith({.substringScan = byteSearch});
        auto db = engine->openDatabase(dir.path(), {}, kConnect);
        EXPECT_EQ(column0(*db, u"SELECT NR FROM [T] WHERE NR LIKE '*34*'"_s),
                  QStringList{u"1234"_s});
        EXPECT_EQ(column0(*db, u"SELECT NR FROM [T] WHERE NR LIKE '**'"_s),
                  (QStringList{u"12"_s, u"1234"_s}));
        EXPECT_EQ(column0(*db, u"SELECT COUNT(*) FROM [T]"_s), QStringList{u"3"_s});
    }
}

} // namespace
