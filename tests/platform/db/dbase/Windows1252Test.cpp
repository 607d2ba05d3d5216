#include "platform/db/dbase/Windows1252.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

using platform::db::dbase::Windows1252;

TEST(Windows1252, DecodesEveryByteAsQtsConverterDoes)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    QStringDecoder reference("windows-1252");
    ASSERT_TRUE(reference.isValid());
    const QString expected = reference.decode(all);
    const QString decoded = Windows1252::decode(all);
    ASSERT_EQ(decoded.size(), 256);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(decoded[i].unicode(), expected[i].unicode()) << "byte " << i;
    EXPECT_EQ(Windows1252::encode(decoded), all);
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    bool lossless = true;
    EXPECT_EQ(Windows1252::encode(u"Stra\u00DFe \u20AC", &lossless), QByteArray("Stra\xDF"
                                                                                "e \x80"));
    EXPECT_TRUE(lossless);
    EXPECT_EQ(Windows1252::encode(u"\u0141\u00F3d\u017A \u2713", &lossless), QByteArray("?\xF3"
                                                                                        "d? ?"));
    EXPECT_FALSE(lossless);
}
