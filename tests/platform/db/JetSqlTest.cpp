#include "DbFixture.h"

#include "platform/db/JetSql.h"

using namespace platform::db;
using namespace Qt::StringLiterals;

namespace {

struct Translation {
    const char* jet;
    const char* sqlite;
};

// Shows the case in failure messages.
void PrintTo(const Translation& c, std::ostream* os)
{
    *os << '"' << c.jet << '"';
}

class JetSqlTranslation : public ::testing::TestWithParam<Translation> {};

TEST_P(JetSqlTranslation, BecomesSqlite)
{
    EXPECT_EQ(JetSql::translate(QString::fromUtf8(GetParam().jet)).sql,
              QString::fromUtf8(GetParam().sqlite));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, JetSqlTranslation,
    ::testing::Values(
        // the place and country lookups, the free list
        Translation{R"(SELECT Ort FROM Deutschland WHERE Vorwahl LIKE "030*";)",
                    R"(SELECT Ort FROM Deutschland WHERE Vorwahl GLOB '030*')"},
        Translation{R"(SELECT Land FROM Laender WHERE Vorwahl NOT LIKE "4*";)",
                    R"(SELECT Land FROM Laender WHERE Vorwahl NOT GLOB '4*')"},
        Translation{R"(SELECT Name,Ort FROM Liste WHERE Nummer = "030 ""1"" it's";)",
                    R"(SELECT Name,Ort FROM Liste WHERE Nummer = '030 "1" it''s')"},
        Translation{"SELECT Ort FROM Österreich WHERE Vorwahl LIKE \"066*\";",
                    "SELECT Ort FROM Österreich WHERE Vorwahl GLOB '066*'"},
        // the contact search with bracketed names and classes
        Translation{"SELECT [T].S1, [T].NAME, [T].UNIQUE_ID FROM [MY~1] WHERE [T].S1 LIKE "
                    "'*[Mm][üÜ]1*' OR [T].S2 LIKE '*123*'",
                    R"(SELECT "T".S1, "T".NAME, "T".UNIQUE_ID FROM "MY~1" WHERE "T".S1 GLOB )"
                    R"('*[Mm][üÜ]1*' OR "T".S2 GLOB '*123*')"},
        Translation{"SELECT COUNT(P) FROM [A.dbf] WHERE P IS NOT NULL;",
                    R"(SELECT COUNT(P) FROM "A.dbf" WHERE P IS NOT NULL)"},
        // the age deletion, with "Date()--1" for -1 days
        Translation{"DELETE Anrufspeicher.Datum From Anrufspeicher WHERE "
                    "(((Anrufspeicher.Datum)<Date()-7));",
                    "DELETE From Anrufspeicher WHERE (((Anrufspeicher.Datum)<jet_date(-7)))"},
        Translation{"DELETE Anrufspeicher.Datum From Anrufspeicher WHERE "
                    "(((Anrufspeicher.Datum)<Date()--1));",
                    "DELETE From Anrufspeicher WHERE (((Anrufspeicher.Datum)<jet_date(1)))"},
        Translation{"DELETE * FROM t WHERE d < Date ( ) + 2.5",
                    "DELETE FROM t WHERE d < jet_date(2.5)"},
        Translation{"SELECT Date(), Now() FROM t", "SELECT jet_date(0), jet_now() FROM t"},
        // no comments in Jet: a double minus stays arithmetic
        Translation{"SELECT a--1, b/ *c FROM t", "SELECT a- -1, b/ *c FROM t"},
        Translation{"SELECT a & \"x\" FROM t WHERE d > #3/17/2024 14:05:09#",
                    "SELECT a || 'x' FROM t WHERE d > '2024-03-17 14:05:09'"}));

TEST(JetSql, RefusesWhatItCannotTranslate)
{
    const struct {
        const char* jet;
        int error;
    } cases[] = {
        {"SELECT 1 FROM t; DROP TABLE t", errc::CharactersAfterEnd},
        {"SELECT Ort FROM  WHERE Vorwahl LIKE \"066*\";", errc::SyntaxInFrom},
        {"SELECT Ort FROM", errc::SyntaxInFrom},
        {"SELECT a FROM t WHERE a LIKE b", errc::SyntaxInExpression},
        {"SELECT a FROM t WHERE a = \"open", errc::SyntaxInExpression},
        {"SELECT a FROM [t", errc::SyntaxInExpression},
        {"DELETE FROM t WHERE d < Date() - x", errc::SyntaxInExpression},
        {"SELECT a FROM t WHERE a LIKE \"[0-9\"", errc::SyntaxInExpression},
        {"SELECT a FROM t WHERE d = #31.12.2024#", errc::SyntaxInExpression},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { JetSql::translate(QString::fromUtf8(c.jet)); }), c.error) << c.jet;
    EXPECT_EQ(errorOf([] { JetSql::translate(u"SELECT a FROM t WHERE a = '\u0000'"_s); }),
              errc::SyntaxInExpression);
}

TEST(JetSql, LikePatternsBecomeGlobPatterns)
{
    const struct {
        const char* like;
        const char* glob;
    } cases[] = {
        {"*12?4*", "*12?4*"},   {"0#1", "0[0-9]1"},
        {"[!0-9]*", "[^0-9]*"}, {"[^a]", "[a^]"},
        {"[^]", "^"},           {"[!^]", "[^^]"},
        {"a[]b", "ab"},         {"[*][?][#]", "[*][?][#]"},
        {"x]y", "x]y"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JetSql::likeToGlob(QString::fromUtf8(c.like)), QString::fromUtf8(c.glob))
            << c.like;
}

TEST(JetSql, EscapedTextOnlyMatchesItself)
{
    EXPECT_EQ(JetSql::escapeLike(u"0*1?2#3[4]"_s), u"0[*]1[?]2[#]3[[]4]"_s);
    EXPECT_EQ(JetSql::escapeText(u"a\"b"_s), u"a\"\"b"_s);
}

class JetSqlOnSqlite : public DbFixture {};

// The translated patterns keep the meaning of Jet's LIKE: wildcards, classes
// with umlauts, exact case, and escaped text matching only itself.
TEST_F(JetSqlOnSqlite, PatternsMatchLikeJet)
{
    auto db = createDb();
    db->execute(u"CREATE TABLE t (v TEXT)"_s);
    for (const char* value :
         {"Müller", "MÜLLER", "mueller", "0301234", "0*1", "0x1", "a\"b", "[x]"})
        db->execute(u"INSERT INTO t (v) VALUES (\""_s +
                    JetSql::escapeText(QString::fromUtf8(value)) + u"\")"_s);

    const auto matches = [&](const QString& pattern) {
        QStringList found;
        auto rs = db->openRecordset(u"SELECT v FROM t WHERE v LIKE \""_s +
                                    JetSql::escapeText(pattern) + u"\" ORDER BY v"_s);
        for (; !rs->eof(); rs->moveNext())
            found << rs->field(0).text();
        return found;
    };
    EXPECT_EQ(matches(u"*[Mm][üÜ][Ll][Ll][Ee][Rr]*"_s), (QStringList{u"MÜLLER"_s, u"Müller"_s}));
    EXPECT_EQ(matches(u"M*"_s), (QStringList{u"MÜLLER"_s, u"Müller"_s}));
    EXPECT_EQ(matches(u"0#*"_s), QStringList{u"0301234"_s});
    EXPECT_EQ(matches(u"0?1"_s), (QStringList{u"0*1"_s, u"0x1"_s}));
    EXPECT_EQ(matches(JetSql::escapeLike(u"0*1"_s)), QStringList{u"0*1"_s});
    EXPECT_EQ(matches(JetSql::escapeLike(u"[x]"_s)), QStringList{u"[x]"_s});
    EXPECT_EQ(matches(u"a\"b"_s), QStringList{u"a\"b"_s});
}

} // namespace
