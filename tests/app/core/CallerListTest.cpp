#include "WindowFixture.h"

#include "app/core/ListRoutines.h"

#include <QScrollBar>

using fonkel::SortListView;

namespace {

class CallerList : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        // Stored order is not date order; one entry has no date at all.
        addCall("0301111", "03.03.2024 09:15:00", "Berlin", "Anna Alt");
        addCall("0402222", "05.03.2024 18:00:00", "Hamburg", "Bert Bock");
        addCall("0893333", "", "münchen", "Unbekannt");
        addCall("0694444", "04.03.2024 12:30:45", "Ärzen", "Cora Christ");
        addCall("0221555", "05.03.2024 08:59:59", "Köln", "Dora Dom");
        datum = list().columnOfKey("Datum");
        ort = list().columnOfKey("Ort");
    }

    int datum = -1;
    int ort = -1;
};

const QStringList NewestFirst{"0402222", "0221555", "0694444", "0301111", "0893333"};
const QStringList OldestFirst{"0893333", "0301111", "0694444", "0221555", "0402222"};

TEST_F(CallerList, DateHeaderClicksToggleBetweenNewestAndOldestFirst)
{
    SortListView(list(), datum, false); // as at start-up
    EXPECT_EQ(numbers(), NewestFirst);
    EXPECT_EQ(headerIcons(), QStringList({"Leer", "Runter", "Leer", "Leer"}));

    clickHeader(list(), datum);
    EXPECT_EQ(numbers(), OldestFirst);
    EXPECT_EQ(headerIcons(), QStringList({"Leer", "Hoch", "Leer", "Leer"}));

    clickHeader(list(), datum);
    EXPECT_EQ(numbers(), NewestFirst);
    EXPECT_EQ(headerIcons(), QStringList({"Leer", "Runter", "Leer", "Leer"}));
}

TEST_F(CallerList, OtherColumnsSortByTextAndTheNextDateClickStartsNewestFirst)
{
    SortListView(list(), datum, false);
    clickHeader(list(), datum); // oldest first
    clickHeader(list(), ort);
    // Letter case is ignored and "Ä" sorts with "A".
    EXPECT_EQ(numbers(), QStringList({"0694444", "0301111", "0402222", "0221555", "0893333"}));
    EXPECT_EQ(headerIcons(), QStringList({"Leer", "Leer", "Runter", "Leer"}));

    clickHeader(list(), ort);
    EXPECT_EQ(numbers(), QStringList({"0893333", "0221555", "0402222", "0301111", "0694444"}));
    EXPECT_EQ(headerIcons(), QStringList({"Leer", "Leer", "Hoch", "Leer"}));

    clickHeader(list(), datum);
    EXPECT_EQ(numbers(), NewestFirst);
    EXPECT_EQ(headerIcons(), QStringList({"Leer", "Runter", "Leer", "Leer"}));
}

TEST_F(CallerList, ResortingWithoutToggleKeepsTheDirection)
{
    SortListView(list(), datum, false);
    clickHeader(list(), datum); // oldest first
    addCall("0301999", "06.03.2024 07:00:00", "Berlin", "Eva Ende");
    addCall("0301000", "01.03.2024 07:00:00", "Berlin", "Fritz Früh");
    EXPECT_EQ(numbers().last(), "0301000") << "a date-sorted list appends until it is sorted again";

    SortListView(list(), datum, false);
    EXPECT_EQ(numbers().first(), "0893333");
    EXPECT_EQ(numbers().at(1), "0301000");
    EXPECT_EQ(numbers().last(), "0301999");
    EXPECT_EQ(list().headerIconKey(datum), "Hoch");
}

TEST_F(CallerList, ATextSortedListPutsANewEntryInItsPlace)
{
    SortListView(list(), ort, false);
    addCall("0351777", "06.03.2024 07:00:00", "Dresden", "Gert Gans");
    EXPECT_EQ(numbers().indexOf("0351777"), 2) << numbers().join(' ').toStdString();
}

TEST_F(CallerList, ColumnKeysGiveTheirSubItemIndex)
{
    const QList<std::pair<QString, int>> cases{{"Nummer", 0},  {"Datum", 1},  {"Ort", 2},
                                               {"Kontakt", 3}, {"datum", -1}, {"Firma", -1}};
    for (const auto& [key, index] : cases)
        EXPECT_EQ(window->ColumnSubItemIndex(key), index) << key.toStdString();
    EXPECT_EQ(fonkel::ColumnSubItemIndex(*window->lvKontakte, "Firma"), 2);
}

TEST_F(CallerList, EntriesKeepTagAndIconNumber)
{
    fonkel::ListItem* found =
        addCall("0301234", "06.03.2024 07:00:00", "Berlin", "Hans Huber", "[         123]", 6);
    EXPECT_EQ(found->tag(), "[         123]");
    EXPECT_EQ(found->smallIcon(), 6);
    EXPECT_EQ(found->icon(0).pixmap(16, 16).toImage(), window->ilIcons.picture("ACT").toImage());

    found->setSmallIcon(12); // no such picture: the number stays, no picture shows
    EXPECT_EQ(found->smallIcon(), 12);
    EXPECT_TRUE(found->icon(0).isNull());
}

TEST_F(CallerList, ScrollListToBringsTheEntryIntoView)
{
    for (int i = 0; i < 200; ++i)
        addCall(QString::number(1000 + i), "01.03.2024 07:00:00", "Ort", "Kontakt");
    list().scrollToBottom();
    const QRect viewport = list().viewport()->rect();
    ASSERT_FALSE(list().visualItemRect(list().entry(0)).intersects(viewport));

    fonkel::ScrollListTo(list(), 0);
    EXPECT_TRUE(list().visualItemRect(list().entry(0)).intersects(viewport));

    // Indexes outside the list or the 16-bit range change nothing.
    list().scrollToBottom();
    const int bottom = list().verticalScrollBar()->value();
    for (int index : {-1, 205, 32768, 100000})
        fonkel::ScrollListTo(list(), index);
    EXPECT_EQ(list().verticalScrollBar()->value(), bottom);
}

} // namespace
