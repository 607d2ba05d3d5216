#include "app/actdb/ListRules.h"
#include "app/actdb/CaseInsensitivePattern.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ListCase {
    QString list;
    QString separator;
    QStringList items; // item 1 to CountListItems
};

void PrintTo(const ListCase& c, std::ostream* out)
{
    *out << '"' << c.list.toStdString() << '"';
}

class ListRulesTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListRulesTest, CountsAndSplitsItems)
{
    const ListCase& c = GetParam();
    const int count = CountListItems(c.list, c.separator);
    ASSERT_EQ(count, c.items.size());
    QStringList items;
    for (int k = 1; k <= count; ++k)
        items.append(GetListItem(c.list, c.separator, k));
    EXPECT_EQ(items, c.items);
    EXPECT_EQ(GetListItem(c.list, c.separator, 99), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListRulesTest,
    ::testing::Values(ListCase{u""_s, u","_s, {}}, ListCase{u"PHONE"_s, u","_s, {u"PHONE"_s}},
                      ListCase{u"PHONE,FAX,MOBILE"_s, u","_s, {u"PHONE"_s, u"FAX"_s, u"MOBILE"_s}},
                      // Blanks around items go.
                      ListCase{u" A , B "_s, u","_s, {u"A"_s, u"B"_s}},
                      // The excluded fields end in their separator: an empty last item.
                      ListCase{u"FAX;MOBIL2;"_s, u";"_s, {u"FAX"_s, u"MOBIL2"_s, u""_s}},
                      // A leading separator is not counted, so the last name drops out.
                      ListCase{u";FAX;MOBIL2"_s, u";"_s, {u""_s, u"FAX"_s}},
                      ListCase{u","_s, u","_s, {u""_s}},
                      ListCase{u"A,,B"_s, u","_s, {u"A"_s, u""_s, u"B"_s}},
                      ListCase{u"A;B"_s, u","_s, {u"A;B"_s}}));

TEST(CaseInsensitivePattern, LettersBecomeClassesOfBothCases)
{
    const QList<std::pair<QString, QString>> cases = {
        {u"Ab1"_s, u"[Aa][bB]1"_s},
        {u"0301234567"_s, u"0301234567"_s},
        {u"+49 (30) 123-45/6"_s, u"+49 (30) 123-45/6"_s},
        {u"äÖü"_s, u"[äÄ][Öö][üÜ]"_s},
        {u"ßÿ"_s, u"ßÿ"_s},
        {u"Zoë"_s, u"[Zz][oO][ëË]"_s},
        // Not letters, though their codes lie among the accented ones.
        {u"×÷"_s, u"×÷"_s},
        // Outside the code page: copied.
        {u"Łódź"_s, u"Ł[óÓ][dD]ź"_s},
        // A term is data: the wildcards stand for themselves.
        {u"*31#"_s, u"[*]31[#]"_s},
        {u"a?[b]"_s, u"[aA][?][[][bB]]"_s},
        {u""_s, u""_s},
    };
    for (const auto& [term, pattern] : cases)
        EXPECT_EQ(CaseInsensitivePattern(term), pattern) << term.toStdString();
}

} // namespace
