#include "app/core/ImageList.h"

#include <gtest/gtest.h>

using fonkel::ImageList;

TEST(ImageList, EveryListHasItsPicturesInKeyOrder)
{
    struct Case {
        ImageList list;
        QStringList keys;
        QSize size;
    };
    const QList<Case> cases{
        {ImageList::ilIcons(),
         {"Suche", "Unbekannt", "Ton", "Leer", "Klingel", "ACT", "Verbindung", "NOACT",
          "Unbekannt_Weiterleitung", "ACT_Weiterleitung", "Cache"},
         QSize(16, 16)},
        {ImageList::ilTelefone(), {"passiv", "aktiv", "abgenommen"}, QSize(32, 32)},
        {ImageList::ilSortierung(), {"Hoch", "Runter", "Leer"}, QSize(16, 16)},
        {ImageList::ilBanner(),
         {"Banner1", "Banner2", "Banner3", "Banner4", "Banner5", "Banner6", "Banner7", "Banner8",
          "Banner9"},
         QSize(96, 48)},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.list.keys(), c.keys);
        for (int i = 1; i <= c.keys.size(); ++i) {
            EXPECT_EQ(c.list.index(c.keys.at(i - 1)), i);
            EXPECT_EQ(c.list.picture(i).size(), c.size) << c.keys.at(i - 1).toStdString();
        }
        EXPECT_TRUE(c.list.picture(0).isNull());
        EXPECT_TRUE(c.list.picture(static_cast<int>(c.keys.size()) + 1).isNull());
        EXPECT_EQ(c.list.index(QStringLiteral("gibtsnicht")), 0);
    }
    // The banner frames differ from each other (the animation shows movement).
    const ImageList banner = ImageList::ilBanner();
    EXPECT_NE(banner.picture(1).toImage(), banner.picture(5).toImage());
}
