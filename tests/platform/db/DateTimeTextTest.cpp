#include "platform/db/DateTimeText.h"

#include <gtest/gtest.h>

using namespace platform::db;
using namespace Qt::StringLiterals;

namespace {

TEST(DateTimeText, ReadsTheFormsOfTheCallerListAndTheStore)
{
    const QDateTime expected(QDate(2024, 3, 7), QTime(9, 5, 4));
    for (const QString& text :
         {u"07.03.2024 09:05:04"_s, u"7.3.2024 9:05:04"_s, u" 07.03.2024 09:05:04 "_s,
          u"2024-03-07 09:05:04"_s, u"2024-03-07T09:05:04"_s})
        EXPECT_EQ(DateTimeText::fromText(text), expected) << text.toStdString();
    EXPECT_EQ(DateTimeText::fromText(u"07.03.2024"_s), QDate(2024, 3, 7).startOfDay());
    EXPECT_EQ(DateTimeText::fromText(u"07.03.2024 09:05"_s),
              QDateTime(QDate(2024, 3, 7), QTime(9, 5)));
}

TEST(DateTimeText, RefusesWhatIsNoDate)
{
    for (const QString& text :
         {u""_s, u"suche..."_s, u"31.02.2024 10:00:00"_s, u"17.03.24x"_s, u"2024-13-01"_s})
        EXPECT_FALSE(DateTimeText::fromText(text).has_value()) << text.toStdString();
}

TEST(DateTimeText, StoredFormSortsLikeTheDates)
{
    const QDateTime early(QDate(2023, 12, 31), QTime(23, 59, 59));
    const QDateTime late(QDate(2024, 1, 1), QTime(0, 0, 0));
    EXPECT_LT(DateTimeText::toStored(early), DateTimeText::toStored(late));
    EXPECT_EQ(DateTimeText::toText(late), u"01.01.2024 00:00:00"_s);
    EXPECT_EQ(DateTimeText::fromStored(DateTimeText::toStored(early)), early);
}

} // namespace
