#include "platform/settings/IniSettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::settings::IniSettingsStore;

TEST(IniSettingsStore, KeepsTextExactlyAndKeysByExactCase)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Fonkel.ini"));
    {
        IniSettingsStore store(file);
        store.setValue(QStringLiteral("Optionen"), QStringLiteral("Prefix"), QStringLiteral(" 0"));
        store.setValue(QStringLiteral("Optionen"), QStringLiteral("Felder"), QStringLiteral("PHONE, FAX;USR0012"));
        store.setValue(QStringLiteral("Optionen"), QStringLiteral("Vorlage"), QStringLiteral("Anruf von \"%N\" äöü=1"));
        store.setValue(QStringLiteral("Window"), QStringLiteral("Left"), QStringLiteral("-120"));
        store.sync();
    }
    IniSettingsStore reread(file);
    EXPECT_EQ(reread.value(QStringLiteral("Optionen"), QStringLiteral("Prefix")), QStringLiteral(" 0"));
    EXPECT_EQ(reread.value(QStringLiteral("Optionen"), QStringLiteral("Felder")), QStringLiteral("PHONE, FAX;USR0012"));
    EXPECT_EQ(reread.value(QStringLiteral("Optionen"), QStringLiteral("Vorlage")),
              QStringLiteral("Anruf von \"%N\" äöü=1"));
    EXPECT_EQ(reread.value(QStringLiteral("Window"), QStringLiteral("Left")), QStringLiteral("-120"));
    EXPECT_FALSE(reread.contains(QStringLiteral("Optionen"), QStringLiteral("prefix")));
    EXPECT_EQ(reread.value(QStringLiteral("Optionen"), QStringLiteral("prefix"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST(IniSettingsStore, RemoveForgetsTheKey)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath(QStringLiteral("a.ini")));
    store.setValue(QStringLiteral("Optionen"), QStringLiteral("Debug"), QStringLiteral("1"));
    store.remove(QStringLiteral("Optionen"), QStringLiteral("Debug"));
    EXPECT_FALSE(store.contains(QStringLiteral("Optionen"), QStringLiteral("Debug")));
    EXPECT_EQ(store.value(QStringLiteral("Optionen"), QStringLiteral("Debug"), QStringLiteral("0")),
              QStringLiteral("0"));
}

TEST(IniSettingsStore, DefaultPathLiesInThePrivateConfigFolder)
{
    const QString path = IniSettingsStore::defaultPath(QStringLiteral("Fonkel"));
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << path.toStdString();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Fonkel/Fonkel.ini"))) << path.toStdString();
}
