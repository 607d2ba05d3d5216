// The properties of the control: defaults, read-only ones, writable ones and
// deviceId with its checks.
#include "ControlFixture.h"

#include <QSignalSpy>

using namespace controltest;

namespace {

class Properties : public ControlFixture {};

} // namespace

TEST_F(Properties, NewInstanceTakesTheDefaults)
{
    const std::pair<const char*, QVariant> defaults[] = {
        {"deviceId", 0},
        {"addressId", 0},
        {"DeviceCount", 0},
        {"DeviceName", QString()},
        {"NumAddresses", 0},
        {"TapiPhoneExist", false},
        {"waveSupported", false},
        {"autoPhoneOpen", false},
        {"TAPI_LINECALLPRIVILEGE", 6},
        {"TAPI_LINEMEDIAMODE", 4},
        {"TAPI_LINEBEARERMODE", 1},
        {"TAPI_LINEADDRESSMODE", 65535},
        {"Enabled", false},
        {"debugLevel", 0},
        {"vexVersion", QStringLiteral("1.1")},
    };
    for (const auto& [name, value] : defaults) {
        const QVariant actual = m_control->property(name);
        ASSERT_TRUE(actual.isValid()) << name;
        EXPECT_EQ(actual, value) << name;
    }
    EXPECT_EQ(m_control->size(), QSize(32, 32));
    EXPECT_FALSE(state().lineOpen);
    EXPECT_EQ(state().callStateText, QString());
}

TEST_F(Properties, ReadOnlyPropertiesReportAndKeepTheirValue)
{
    struct Case {
        const char* property;
        QVariant value;
        bool designMode;
        const char* origin;
    };
    const Case cases[] = {
        {"DeviceCount", 5, false, "DeviceCount"},
        {"NumAddresses", 5, false, "NumAddresses"},
        {"waveSupported", true, false, "waveSupported"},
        {"vexVersion", QStringLiteral("2.0"), false, "vexVersion"},
        {"TapiPhoneExist", true, false, "TapiPhoneExist"},
        {"DeviceName", QStringLiteral("Leitung"), false, "Devicename"},
        {"DeviceName", QStringLiteral("Leitung"), true, "DeviceName"},
    };
    QSignalSpy messages(m_control.get(), &Lintaro::OnTapiMessage);
    QSignalSpy changes(m_control.get(), &Lintaro::propertyChanged);
    for (const Case& c : cases) {
        messages.clear();
        m_control->setDesignMode(c.designMode);
        const QVariant before = m_control->property(c.property);
        m_control->setProperty(c.property, c.value);
        EXPECT_EQ(m_control->property(c.property), before) << c.property;
        ASSERT_EQ(messages.count(), 1) << c.property;
        EXPECT_EQ(messages[0][0].toString(), QStringLiteral("READONLY"));
        EXPECT_EQ(messages[0][1].toString(), QString::fromLatin1(c.origin));
        EXPECT_EQ(messages[0][2].toInt(), 1003);
    }
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Properties, WritablePropertiesStoreAndTellTheContainer)
{
    const std::pair<const char*, QVariant> values[] = {
        {"addressId", 3},          {"autoPhoneOpen", true},    {"TAPI_LINECALLPRIVILEGE", 2},
        {"TAPI_LINEMEDIAMODE", 8}, {"TAPI_LINEBEARERMODE", 2}, {"TAPI_LINEADDRESSMODE", 1},
        {"Enabled", true},         {"debugLevel", 0x204},
    };
    QSignalSpy changes(m_control.get(), &Lintaro::propertyChanged);
    QSignalSpy messages(m_control.get(), &Lintaro::OnTapiMessage);
    for (const auto& [name, value] : values) {
        changes.clear();
        ASSERT_TRUE(m_control->setProperty(name, value)) << name;
        EXPECT_EQ(m_control->property(name), value) << name;
        ASSERT_EQ(changes.count(), 1) << name;
        EXPECT_EQ(changes[0][0].toString(), QString::fromLatin1(name));
    }
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(state().debugMask, 0x204) << "debugLevel is the mask of the log";
}

TEST_F(Properties, EnabledChangesNoBehaviour)
{
    m_control->setControlEnabled(false);
    m_control->TapiLineInit();
    m_control->TapiLineOpen();
    EXPECT_TRUE(m_control->isEnabled()) << "the widget's own enabled state is untouched";
    EXPECT_EQ(m_events->messages(),
              (QStringList{QStringLiteral("SUCCESS|TapiLineInit|1001"),
                           QStringLiteral("SUCCESS|TapiLineOpen|1001"),
                           QStringLiteral("PHONE_DETECTED|PhoneDetect|1005")}));
}

TEST_F(Properties, DeviceIdStaysWithinTheDevicesFound)
{
    m_control->TapiLineInit();
    m_events->clear();
    QSignalSpy changed(m_control.get(), &Lintaro::OnDeviceIDChanged);

    m_control->setDeviceId(1);
    EXPECT_EQ(m_control->deviceId(), 1);
    EXPECT_EQ(m_control->NumAddresses(), 3) << "the addresses of device 1";

    // Outside 0 .. DeviceCount - 1 the current device stays, and the event says so.
    m_control->setDeviceId(2);
    m_control->setDeviceId(-1);
    EXPECT_EQ(m_control->deviceId(), 1);

    m_control->setDeviceId(0);
    EXPECT_EQ(m_control->NumAddresses(), 1);

    ASSERT_EQ(changed.count(), 4);
    EXPECT_EQ(changed[0][0].toInt(), 1);
    EXPECT_EQ(changed[1][0].toInt(), 1);
    EXPECT_EQ(changed[2][0].toInt(), 1);
    EXPECT_EQ(changed[3][0].toInt(), 0);
    EXPECT_TRUE(m_events->messages().isEmpty());
}

TEST_F(Properties, DeviceIdCannotChangeWhileTheLineIsOpen)
{
    initAndOpen(0);
    QSignalSpy changed(m_control.get(), &Lintaro::OnDeviceIDChanged);
    m_control->setDeviceId(1);
    EXPECT_EQ(m_control->deviceId(), 0);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(m_events->messages(),
              QStringList{QStringLiteral("NO_CHANGEDRIVER_LINE_ISOPEN|deviceid|1004")});

    // Closed again, the change is accepted.
    m_control->TapiLineClose();
    m_control->setDeviceId(1);
    EXPECT_EQ(m_control->deviceId(), 1);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(Properties, DeviceIdBeforeAnyDeviceIsKnownIsReportedNotThrown)
{
    QSignalSpy changed(m_control.get(), &Lintaro::OnDeviceIDChanged);
    QSignalSpy stored(m_control.get(), &Lintaro::propertyChanged);
    m_control->setDeviceId(0);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(stored.count(), 1) << "the range-corrected value is stored";
    EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("LINEERR_BADDEVICEID|deviceid|") +
                                                QString::number(LINEERR_BADDEVICEID)});
}
