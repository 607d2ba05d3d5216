#include "platform/settings/LinuxRegistry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform::settings;
using namespace Qt::StringLiterals;

namespace {

const QString kInternational = u"Control Panel\\International"_s;
const QString kLocations = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations"_s;

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> vars)
{
    QProcessEnvironment env;
    for (const auto& [name, value] : vars)
        env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return env;
}

TEST(LinuxRegistry, LocaleComesFromThePosixLocaleInItsOrder)
{
    const struct {
        QProcessEnvironment env;
        RegistryValue expected;
    } cases[] = {
        {environment({{"LANG", "de_DE.UTF-8"}}), u"00000407"_s},
        {environment({{"LANG", "de_AT.UTF-8@euro"}}), u"00000c07"_s},
        {environment({{"LANG", "de_CH"}}), u"00000807"_s},
        {environment({{"LC_ALL", "de_AT.UTF-8"}, {"LC_MESSAGES", "en_US"}, {"LANG", "de_DE"}}),
         u"00000c07"_s},
        {environment({{"LC_ALL", ""}, {"LC_MESSAGES", "de_AT.UTF-8"}, {"LANG", "de_DE.UTF-8"}}),
         u"00000c07"_s},
        {environment({{"LANG", "C.UTF-8"}}), std::monostate()},
        {environment({{"LANG", "de"}}), std::monostate()},
        {environment({}), std::monostate()},
    };
    for (const auto& c : cases) {
        const LinuxRegistry registry(c.env, QString());
        EXPECT_EQ(registry.value(RootKey::CurrentUser, kInternational, u"Locale"_s), c.expected);
    }
    const LinuxRegistry german(environment({{"LANG", "de_DE.UTF-8"}}), QString());
    EXPECT_EQ(german.value(RootKey::CurrentUser, u"control panel\\INTERNATIONAL\\"_s, u"locale"_s),
              RegistryValue(u"00000407"_s));
    EXPECT_EQ(german.value(RootKey::LocalMachine, kInternational, u"Locale"_s),
              RegistryValue(std::monostate()));
    EXPECT_EQ(german.value(RootKey::CurrentUser, kInternational, u"sCountry"_s),
              RegistryValue(std::monostate()));
}

class TelephonyLocations : public ::testing::Test {
protected:
    void write(const char* ini)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(ini);
    }
    QString path() const { return dir.filePath(u"telephony.ini"_s); }
    RegistryValue read(const QString& key, const QString& value) const
    {
        return LinuxRegistry(QProcessEnvironment(), path())
            .value(RootKey::LocalMachine, key, value);
    }

    QTemporaryDir dir;
};

TEST_F(TelephonyLocations, ReadTheTelephonyServicesFile)
{
    write("[Locations]\nCurrentID=2\n[Location1]\nOutsideAccess=0\n[Location2]\nOutsideAccess=\n"
          "[Location3]\nOutsideAccess=0,9\n");
    EXPECT_EQ(read(kLocations, u"CurrentID"_s), RegistryValue(qint32(2)));
    EXPECT_EQ(read(kLocations + u"\\Location1"_s, u"OutsideAccess"_s), RegistryValue(u"0"_s));
    EXPECT_EQ(read(kLocations + u"\\location1"_s, u"outsideaccess"_s), RegistryValue(u"0"_s));
    EXPECT_EQ(read(kLocations + u"\\Location2"_s, u"OutsideAccess"_s), RegistryValue(u""_s));
    EXPECT_EQ(read(kLocations + u"\\Location3"_s, u"OutsideAccess"_s), RegistryValue(u"0,9"_s));
    EXPECT_EQ(read(kLocations + u"\\Location4"_s, u"OutsideAccess"_s),
              RegistryValue(std::monostate()));
    EXPECT_EQ(read(kLocations + u"\\Location1\\Deeper"_s, u"OutsideAccess"_s),
              RegistryValue(std::monostate()));
    EXPECT_EQ(read(kLocations, u"NextID"_s), RegistryValue(std::monostate()));
}

TEST_F(TelephonyLocations, MissingFileOrWrongTypeGivesNothing)
{
    EXPECT_EQ(read(kLocations, u"CurrentID"_s), RegistryValue(std::monostate()));
    write("[Locations]\nCurrentID=eins\n");
    EXPECT_EQ(read(kLocations, u"CurrentID"_s), RegistryValue(std::monostate()));
}

TEST(LinuxRegistryDefaults, TelephonyFileLivesInTheConfigFolder)
{
    EXPECT_EQ(LinuxRegistry::defaultTelephonyFile(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + u"/Lintaro/telephony.ini"_s);
}

} // namespace
