#include "app/localdata/modRegistry.h"

#include <gtest/gtest.h>

using namespace platform::settings;
using namespace Qt::StringLiterals;

namespace {

// Answers every read with the one value given.
class OneValue final : public Registry {
public:
    explicit OneValue(RegistryValue value) : m_value(std::move(value)) {}
    RegistryValue value(RootKey, const QString&, const QString&) const override { return m_value; }

private:
    RegistryValue m_value;
};

TEST(GetRegistryValue, GivesTextBytesNumberOrEmpty)
{
    const auto read = [](RegistryValue value) {
        return GetRegistryValue(OneValue(std::move(value)), RootKey::CurrentUser, u"K"_s, u"V"_s);
    };
    EXPECT_EQ(read(u"00000407"_s), QVariant(u"00000407"_s));
    EXPECT_EQ(read(QString(u"0\u0000rest"_s)), QVariant(u"0"_s)); // cut at the first NUL
    EXPECT_EQ(read(u""_s), QVariant(u""_s));
    EXPECT_EQ(read(QByteArray("\x01\x02", 2)), QVariant(QByteArray("\x01\x02", 2)));
    EXPECT_FALSE(read(QByteArray()).isValid());
    const QVariant number = read(qint32(-2));
    EXPECT_EQ(number.typeId(), QMetaType::Int);
    EXPECT_EQ(number.toInt(), -2);
    EXPECT_FALSE(read(std::monostate()).isValid());
}

} // namespace
