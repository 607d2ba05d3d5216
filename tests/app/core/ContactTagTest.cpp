#include "app/core/ContactTag.h"

#include <QList>

#include <gtest/gtest.h>

using fonkel::DecodeContactTag;
using fonkel::EncodeContactTag;

TEST(ContactTag, EncodesIdsRightAlignedInTwelveCharacters)
{
    const QList<std::pair<QString, QString>> cases{
        {"123", "[         123]"},
        {"A1B2C3D4E5F6", "[A1B2C3D4E5F6]"},
        {"", "[            ]"},
        {"ID-LONGER-THAN-12", "[ID-LONGER-THAN-12]"},
    };
    for (const auto& [id, tag] : cases)
        EXPECT_EQ(EncodeContactTag(id), tag) << id.toStdString();
}

TEST(ContactTag, DecodesToThePaddedId)
{
    const QList<std::pair<QString, QString>> cases{
        {"[         123]", "         123"},
        {"[A1B2C3D4E5F6]", "A1B2C3D4E5F6"},
        {"[  7]", "           7"},
        {"[ID-LONGER-THAN-12]", "ID-LONGER-THAN-12"},
        {"Unbekannt", ""},
        {"", ""},
    };
    for (const auto& [tag, id] : cases)
        EXPECT_EQ(DecodeContactTag(tag), id) << tag.toStdString();
}

TEST(ContactTag, ShortAndLongIdsSurviveTheRoundTrip)
{
    for (const QString id : {"42", "ABCDEFGHIJKL", "ABCDEFGHIJKLMNOP"})
        EXPECT_EQ(DecodeContactTag(EncodeContactTag(id)).trimmed(), id);
}
