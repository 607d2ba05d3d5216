#include "app/core/modOptionen.h"
#include "platform/settings/IniSettingsStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using fonkel::modOptionen;
using platform::settings::IniSettingsStore;

namespace {

class modOptionenTest : public ::testing::Test {
protected:
    QString file() const { return m_dir.filePath(QStringLiteral("Fonkel.ini")); }
    void store(const QString& key, const QString& text)
    {
        m_store.setValue(QStringLiteral("Optionen"), key, text);
    }

    QTemporaryDir m_dir;
    IniSettingsStore m_store{file()};
    modOptionen m_options{m_store};
};

TEST_F(modOptionenTest, FreshStoreReadsEveryDefault)
{
    struct Default {
        const char* key;
        QVariant value;
    };
    const auto text = [](const QString& t) { return QVariant(t); };
    const Default expected[] = {
        {"TapiDevice", text(QString())},
        {"CacheMDB", text(QDir::tempPath() + "/FONKEL.MDB")},
        {"InternationaleKennung", text("00")},
        {"Ausschlussfelder", text(QString())},
        {"Nummernfilter", text(QString())},
        {"Prefix", text("0")},
        {"ProtokollAufruf", text("^h")},
        {"ProtokollSendKeys", text("%D|%Datum|%U||%Uhrzeit|%y||{HOME}|%A||%y|{TAB}")},
        {"ProtokollFensterKennung", text("OK|Button|Protokoll aufzeichnen |#32770")},
        {"AutoNummern", QVariant(1.0)},
        {"Stellen", QVariant(3.0)},
        {"DialLineAdressMode", QVariant(1.0)},
        {"ProtokollSendKeyIntervall", QVariant(150.0)},
        {"NummernCacheAutomatisch", QVariant(1.0)},
        {"Null", QVariant(0.0)},
        {"AutoTapimonitor", QVariant(0.0)},
        {"NummernCache", QVariant(0.0)},
        {"FensterMin", QVariant(0.0)},
        {"Debug", QVariant(0.0)},
        {"KeineNullBeimSuchen", QVariant(0.0)},
        {"AutostartTimer", QVariant(0.0)},
        {"PlusKlammerFilter", QVariant(0.0)},
        {"WeiterleitungErkennen", QVariant(0.0)},
    };
    for (const Default& d : expected) {
        const QVariant read = m_options.ReadOption(QString::fromLatin1(d.key));
        EXPECT_EQ(read.typeId(), d.value.typeId()) << d.key;
        EXPECT_EQ(read, d.value) << d.key;
    }
    // Reading defaults writes nothing.
    m_store.sync();
    EXPECT_FALSE(m_store.contains(QStringLiteral("Optionen"), QStringLiteral("Prefix")));
}

TEST_F(modOptionenTest, NumberKeysReadTheLeadingNumberOfTheStoredText)
{
    const QList<std::pair<QString, double>> cases{
        {"-1", -1},    {"1x", 1},   {"abc", 0},    {"", 0},   {" 3", 3}, {"+4", 4},
        {"2.5s", 2.5}, {".5", 0.5}, {"1e3", 1000}, {"1e", 1}, {"-", 0},  {"x1", 0},
    };
    for (const auto& [text, number] : cases) {
        store(QStringLiteral("Null"), text);
        const QVariant read = m_options.ReadOption(QStringLiteral("Null"));
        EXPECT_EQ(read.typeId(), QMetaType::Double) << text.toStdString();
        EXPECT_DOUBLE_EQ(read.toDouble(), number) << '"' << text.toStdString() << '"';
    }
}

TEST_F(modOptionenTest, AStoredEmptyTextIsNotAnAbsentKey)
{
    store(QStringLiteral("Prefix"), QString());
    store(QStringLiteral("Stellen"), QString());
    EXPECT_EQ(m_options.ReadOption(QStringLiteral("Prefix")), QVariant(QString()));
    EXPECT_EQ(m_options.ReadOption(QStringLiteral("Stellen")), QVariant(0.0));
}

TEST_F(modOptionenTest, KeysAreComparedWithTheirExactCase)
{
    store(QStringLiteral("prefix"), QStringLiteral("99"));
    EXPECT_FALSE(m_options.ReadOption(QStringLiteral("prefix")).isValid());
    EXPECT_FALSE(m_options.ReadOption(QStringLiteral("PREFIX")).isValid());
    EXPECT_FALSE(m_options.ReadOption(QStringLiteral("Unbekannt")).isValid());

    m_options.WriteOption(QStringLiteral("autonummern"), 0);
    m_options.WriteOption(QStringLiteral("Gibtsnicht"), QStringLiteral("x"));
    EXPECT_FALSE(m_store.contains(QStringLiteral("Optionen"), QStringLiteral("autonummern")));
    EXPECT_FALSE(m_store.contains(QStringLiteral("Optionen"), QStringLiteral("Gibtsnicht")));
    EXPECT_EQ(m_options.ReadOption(QStringLiteral("Prefix")), QVariant(QStringLiteral("0")));
}

TEST_F(modOptionenTest, WritesNumbersAsDecimalTextAndTextsUnchanged)
{
    m_options.WriteOption(QStringLiteral("Null"), -1);
    m_options.WriteOption(QStringLiteral("AutoNummern"), true);
    m_options.WriteOption(QStringLiteral("Stellen"), 5.0);
    m_options.WriteOption(QStringLiteral("ProtokollSendKeyIntervall"), 12.5);
    m_options.WriteOption(QStringLiteral("Debug"), QStringLiteral("7x"));
    m_options.WriteOption(QStringLiteral("Prefix"), QStringLiteral("0049"));
    m_options.WriteOption(QStringLiteral("Nummernfilter"), QStringLiteral(" 030, \"x\" "));
    m_store.sync();

    IniSettingsStore reread(file());
    const auto text = [&](const char* key) {
        return reread.value(QStringLiteral("Optionen"), QString::fromLatin1(key));
    };
    EXPECT_EQ(text("Null"), "-1");
    EXPECT_EQ(text("AutoNummern"), "1");
    EXPECT_EQ(text("Stellen"), "5");
    EXPECT_EQ(text("ProtokollSendKeyIntervall"), "12.5");
    EXPECT_EQ(text("Debug"), "7");
    EXPECT_EQ(text("Prefix"), "0049");
    EXPECT_EQ(text("Nummernfilter"), " 030, \"x\" ");

    modOptionen again(reread);
    EXPECT_EQ(again.ReadOption(QStringLiteral("Null")), QVariant(-1.0));
    EXPECT_EQ(again.ReadOption(QStringLiteral("Prefix")), QVariant(QStringLiteral("0049")));
}

TEST_F(modOptionenTest, WindowKeysFallBackToTheirDefaultsUnlessWholeNumbers)
{
    EXPECT_EQ(m_options.ReadWindow(QStringLiteral("Left")), 100);
    EXPECT_EQ(m_options.ReadWindow(QStringLiteral("Top")), 100);
    EXPECT_EQ(m_options.ReadWindow(QStringLiteral("Height")), 6540);
    EXPECT_EQ(m_options.ReadWindow(QStringLiteral("Width")), 7575);

    m_store.setValue(QStringLiteral("Window"), QStringLiteral("Left"), QStringLiteral("-500"));
    m_store.setValue(QStringLiteral("Window"), QStringLiteral("Top"), QStringLiteral("abc"));
    m_store.setValue(QStringLiteral("Window"), QStringLiteral("Width"), QStringLiteral("12.5"));
    EXPECT_EQ(m_options.ReadWindow(QStringLiteral("Left")), -500);
    EXPECT_EQ(m_options.ReadWindow(QStringLiteral("Top")), 100);
    EXPECT_EQ(m_options.ReadWindow(QStringLiteral("Width")), 7575);

    m_options.WriteWindow(QStringLiteral("Height"), 9000);
    EXPECT_EQ(m_store.value(QStringLiteral("Window"), QStringLiteral("Height")), "9000");
}

} // namespace
