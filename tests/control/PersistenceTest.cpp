// The control in the host's saved form, and its design-time property pages.
#include "ControlFixture.h"

#include "control/line/LintaroPropertyBag.h"
#include "control/line/LintaroPropertyPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>

using namespace controltest;

namespace {

// The seam under test: records what the control writes, answers reads from a map.
class RecordingBag final : public LintaroPropertyBag {
public:
    struct Write {
        QString key;
        QVariant value;
        QVariant defaultValue;
    };
    QVariant readProperty(const QString& key, const QVariant& defaultValue) const override
    {
        reads.append(key);
        return stored.value(key, defaultValue);
    }
    void writeProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue) override
    {
        writes.push_back({key, value, defaultValue});
    }
    QVariantMap stored;
    mutable QStringList reads;
    std::vector<Write> writes;
};

class Persistence : public ControlFixture {
protected:
    QString iniPath() const { return m_logDir.filePath(QStringLiteral("form.ini")); }
};

} // namespace

TEST_F(Persistence, SaveWritesEveryKeyInOrderWithItsDefault)
{
    RecordingBag bag;
    m_control->saveProperties(bag);
    const std::tuple<const char*, QVariant, QVariant> expected[] = {
        {"TAPI_LINECALLPRIVILEGE", 6, 6},
        {"TAPI_LINEBEARERMODE", 1, 1},
        {"TAPI_LINEMEDIAMODE", 4, 4},
        {"TAPI_LINEADDRESSMODE", 65535, 65535},
        {"Enabled", false, false},
        {"deviceid", 0, 0},
        {"DeviceCount", 0, 0},
        {"vexVersion", QStringLiteral("1.1"), QStringLiteral("1.1")},
        {"BackColor", 0x8000000Fu, 0x8000000Fu},
        {"DeviceName", QString(), QString()},
        {"autoPhoneOpen", false, false},
        {"PhoneDeviceExist", false, false},
        {"NumAddresses", 0, 0},
        {"waveSupported", false, false},
        {"addressId", 0, 0},
        {"debugLevel", 0, 0},
    };
    ASSERT_EQ(bag.writes.size(), std::size(expected));
    for (size_t i = 0; i < bag.writes.size(); ++i) {
        const auto& [key, value, fallback] = expected[i];
        EXPECT_EQ(bag.writes[i].key, QString::fromLatin1(key)) << i;
        EXPECT_EQ(bag.writes[i].value, value) << key;
        EXPECT_EQ(bag.writes[i].defaultValue, fallback) << key;
    }
}

TEST_F(Persistence, LoadTakesTheStoredValuesWithoutTheSetters)
{
    RecordingBag bag;
    bag.stored = {
        {QStringLiteral("TAPI_LINECALLPRIVILEGE"), 2},
        {QStringLiteral("TAPI_LINEADDRESSMODE"), 1},
        {QStringLiteral("Enabled"), true},
        {QStringLiteral("deviceid"), 5}, // beyond any device: loading does not check
        {QStringLiteral("DeviceCount"), 7},
        {QStringLiteral("vexVersion"), QStringLiteral("0.9")},
        {QStringLiteral("BackColor"), 0xFF},
        {QStringLiteral("DeviceName"), QStringLiteral("ISDN-Karte")},
        {QStringLiteral("NumAddresses"), 3},
        {QStringLiteral("waveSupported"), true},
        {QStringLiteral("debugLevel"), 0x200},
    };
    QSignalSpy messages(m_control.get(), &Lintaro::OnTapiMessage);
    QSignalSpy changed(m_control.get(), &Lintaro::OnDeviceIDChanged);
    QSignalSpy notified(m_control.get(), &Lintaro::propertyChanged);
    state().lineOpen = true;

    m_control->loadProperties(bag);

    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(notified.count(), 0);
    EXPECT_FALSE(bag.reads.contains(QStringLiteral("BackColor")));
    EXPECT_EQ(m_control->TAPI_LINECALLPRIVILEGE(), 2);
    EXPECT_EQ(m_control->TAPI_LINEMEDIAMODE(), 4) << "a missing key yields its default";
    EXPECT_EQ(m_control->TAPI_LINEADDRESSMODE(), 1);
    EXPECT_TRUE(m_control->controlEnabled());
    EXPECT_EQ(m_control->deviceId(), 5);
    EXPECT_EQ(m_control->DeviceCount(), 7);
    EXPECT_EQ(m_control->DeviceName(), QStringLiteral("ISDN-Karte"));
    EXPECT_EQ(m_control->NumAddresses(), 3);
    EXPECT_TRUE(m_control->waveSupported());
    EXPECT_EQ(m_control->debugLevel(), 0x200);
    EXPECT_EQ(state().debugMask, 0x200);
    EXPECT_FALSE(state().lineOpen);
    EXPECT_EQ(m_control->vexVersion(), QStringLiteral("1.1.21")) << "whatever the form held";
}

TEST_F(Persistence, RoundTripThroughASettingsFile)
{
    initAndOpen(0);
    m_control->setAutoPhoneOpen(true);
    m_control->setAddressId(2);
    m_control->setTAPI_LINEBEARERMODE(2);
    m_control->setDebugLevel(0x10);
    const QVariantMap original = [this] {
        QVariantMap values;
        for (const char* name :
             {"deviceId", "addressId", "DeviceCount", "DeviceName", "NumAddresses", "waveSupported",
              "autoPhoneOpen", "TAPI_LINECALLPRIVILEGE", "TAPI_LINEMEDIAMODE",
              "TAPI_LINEBEARERMODE", "TAPI_LINEADDRESSMODE", "Enabled", "debugLevel"})
            values.insert(QString::fromLatin1(name), m_control->property(name));
        return values;
    }();
    {
        QSettings settings(iniPath(), QSettings::IniFormat);
        SettingsPropertyBag bag(settings, QStringLiteral("Lintaro1"));
        m_control->saveProperties(bag);
    }
    {
        QSettings settings(iniPath(), QSettings::IniFormat);
        EXPECT_FALSE(settings.contains(QStringLiteral("Lintaro1/TAPI_LINEMEDIAMODE")))
            << "a default value is not stored";
        EXPECT_EQ(settings.value(QStringLiteral("Lintaro1/DeviceName")).toString(),
                  QStringLiteral("Simulierte Leitung 1"));
    }

    destroyControl();
    LintaroOptions options;
    options.logDirectory = m_logDir.path();
    makeControl(options);
    QSettings settings(iniPath(), QSettings::IniFormat);
    m_control->loadProperties(SettingsPropertyBag(settings, QStringLiteral("Lintaro1")));
    for (auto it = original.cbegin(); it != original.cend(); ++it)
        EXPECT_EQ(m_control->property(it.key().toLatin1().constData()), it.value())
            << qPrintable(it.key());
    EXPECT_EQ(m_control->vexVersion(), QStringLiteral("1.1.21"));
}

TEST_F(Persistence, PresetsSetTheLineModes)
{
    LintaroPropertyPages pages({m_control.get()});
    ASSERT_EQ(pages.presetList()->count(), 7);
    const std::tuple<const char*, int> expected[] = {
        {"Telekom Octopus E", 2}, {"Siemens Hicom", 2},  {"Telekom Octophon 340i", 2},
        {"Telekom PX721", 1},     {"AVM Fritz Card", 1}, {"Nitsuko DX500", 1},
        {"Elmeg CS300", 1},
    };
    for (int i = 0; i < 7; ++i) {
        const auto& [name, addressMode] = expected[i];
        EXPECT_EQ(pages.presetList()->itemText(i), QString::fromLatin1(name));
        m_control->setTAPI_LINEADDRESSMODE(0);
        m_control->setTAPI_LINEMEDIAMODE(0);
        m_control->setTAPI_LINEBEARERMODE(0);
        m_control->setTAPI_LINECALLPRIVILEGE(0);
        // The user picks the preset and confirms.
        pages.presetList()->setCurrentIndex(i);
        emit pages.presetList()->activated(i);
        EXPECT_TRUE(pages.buttons()->button(QDialogButtonBox::Apply)->isEnabled());
        pages.buttons()->button(QDialogButtonBox::Ok)->click();
        EXPECT_EQ(m_control->TAPI_LINEADDRESSMODE(), addressMode) << name;
        EXPECT_EQ(m_control->TAPI_LINEMEDIAMODE(), 4) << name;
        EXPECT_EQ(m_control->TAPI_LINEBEARERMODE(), 1) << name;
        EXPECT_EQ(m_control->TAPI_LINECALLPRIVILEGE(), 6) << name;
    }
}

TEST_F(Persistence, SettingsPageWithoutPresetWritesOnlyAutoPhoneOpen)
{
    m_control->setTAPI_LINEADDRESSMODE(0);
    LintaroPropertyPages pages({m_control.get()});
    EXPECT_EQ(pages.pages()->tabText(1), QStringLiteral("Einstellungen/Settings"));
    EXPECT_EQ(pages.versionLabel()->text(), QStringLiteral("1.1.21"));
    EXPECT_EQ(pages.presetList()->currentIndex(), -1);
    EXPECT_FALSE(pages.autoPhoneOpenBox()->isChecked());
    EXPECT_FALSE(pages.isChanged());

    pages.autoPhoneOpenBox()->click();
    EXPECT_TRUE(pages.isChanged());
    pages.buttons()->button(QDialogButtonBox::Apply)->click();
    EXPECT_TRUE(m_control->autoPhoneOpen());
    EXPECT_EQ(m_control->TAPI_LINEADDRESSMODE(), 0);
    EXPECT_FALSE(pages.isChanged());

    // The page shows the first selected control.
    m_control->setAutoPhoneOpen(false);
    pages.setSelection({m_control.get()});
    EXPECT_FALSE(pages.autoPhoneOpenBox()->isChecked());
}
