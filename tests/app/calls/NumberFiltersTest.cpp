#include "app/calls/NumberFilters.h"

#include <QList>

#include <gtest/gtest.h>

using fonkel::CleanNumberFilter;
using fonkel::FilterPlusAndBrackets;

TEST(FilterPlusAndBrackets, KeepsDigitsAndTurnsAJoinedCountryCodeIntoTheZeroZeroForm)
{
    const QList<std::pair<QString, QString>> cases{
        {"+4930123456", "004930123456"},
        {"+49 (30) 123456", "30123456"},
        {"(030) 123-456", "030123456"},
        {"+1 555 0100", "5550100"},
        {"+49", ""},
        {"   ", "   "},
        {"", ""},
        {"  +43/662 1234 ", "6621234"}, // blanks around are ignored, "/" ends the code
        {"030+49", "03049"},            // a "+" not in first place is dropped
        {"+(49) 30", "4930"},           // a separator right after "+" drops only the "+"
        {"++4930", "4930"},
        {"+4930", "004930"},
        {"0049 30 12", "00493012"},
        {"+49３0", "0"}, // only 0 to 9 count as digits: "３" ends the code
    };
    for (const auto& [reported, filtered] : cases)
        EXPECT_EQ(FilterPlusAndBrackets(reported), filtered)
            << '"' << reported.toStdString() << '"';
}

TEST(NumberFilterCleaning, RemovesSeparatorsAndEmptyEntries)
{
    const QList<std::pair<QString, QString>> cases{
        {"030 / 12-34 , (040)55+; #", "0301234,04055"},
        {"0301234", "0301234"},
        {",,0301,, ,-,0302,", "0301,0302"},
        {"+;#", ""},
        {"abc,ABC", "abc,ABC"},
    };
    for (const auto& [answer, filter] : cases)
        EXPECT_EQ(CleanNumberFilter(answer), filter) << answer.toStdString();
}
