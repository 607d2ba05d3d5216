// How a host program gets its telephony: from the configuration file, with
// built-in defaults when there is none.
#include "platform/tapi/TelephonySystem.h"

#include "TapiTestSupport.h"

#include <QSettings>

using namespace tapitest;

namespace {

struct DeviceView {
    QString name;
    DWORD addresses = 0;
    QString phone;
    LONG waveOut = 0;
};

DeviceView describeDevice(TelephonyService& service, HLINEAPP app, DWORD device)
{
    DeviceView view;
    DWORD version = 0;
    LINEEXTENSIONID id{};
    EXPECT_EQ(service.lineNegotiateAPIVersion(app, device, TAPI_VERSION1_0, TAPI_CURRENT_VERSION,
                                              &version, &id),
              0);
    Buffer<LINEDEVCAPS> caps;
    EXPECT_EQ(service.lineGetDevCaps(app, device, version, 0, caps.get()), 0);
    view.name = caps.text(caps->dwLineNameOffset, caps->dwLineNameSize);
    view.addresses = caps->dwNumAddresses;
    HLINE line = 0;
    EXPECT_EQ(
        service.lineOpen(app, device, &line, version, 0, 0, LINECALLPRIVILEGE_MONITOR, 0, nullptr),
        0);
    Buffer<VARSTRING> wave(64);
    view.waveOut = service.lineGetID(line, 0, 0, LINECALLSELECT_LINE, wave.get(), "wave/out");
    if (view.waveOut == 0)
        view.waveOut = static_cast<unsigned char>(wave.bytes[wave->dwStringOffset]);
    else
        view.waveOut = -1;
    service.lineClose(line);
    return view;
}

} // namespace

TEST(TelephonySystem, BuiltInDefaultsOnAFreshMachine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/telephony.ini"));
    QString error;
    const auto system = TelephonySystem::create(path, &error);
    ASSERT_TRUE(system) << qPrintable(error);
    ASSERT_NE(system->simExchange(), nullptr);

    MessageLog log;
    HLINEAPP app = 0;
    DWORD devices = 0;
    DWORD version = TAPI_CURRENT_VERSION;
    LINEINITIALIZEEXPARAMS params{
        sizeof params, 0, 0, LINEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
    ASSERT_EQ(system->service().lineInitializeEx(&app, 0, log.callback(), "Fonkel", &devices,
                                                 &version, &params),
              0);
    ASSERT_EQ(devices, 2u);
    const DeviceView first = describeDevice(system->service(), app, 0);
    EXPECT_EQ(first.name, QStringLiteral("Simulierte Leitung 1"));
    EXPECT_EQ(first.waveOut, 0);
    EXPECT_EQ(describeDevice(system->service(), app, 1).waveOut, -1);
    EXPECT_EQ(system->simExchange()->phoneOfLine(0), 0);
    EXPECT_EQ(system->simExchange()->phoneOfLine(1), -1);
    EXPECT_FALSE(QFile::exists(path)) << "defaults are not written uninvited";
}

TEST(TelephonySystem, LinesFromTheConfiguration)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("telephony.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Service/Provider"), QStringLiteral("sim"));
        settings.setValue(QStringLiteral("Sim/Lines"), QStringLiteral("3"));
        settings.setValue(QStringLiteral("SimLine2/Name"), QStringLiteral("ISDN Amt"));
        settings.setValue(QStringLiteral("SimLine2/Addresses"), QStringLiteral("4930111, 4930112"));
        settings.setValue(QStringLiteral("SimLine2/ApiVersions"),
                          QStringLiteral("0x00010004-0x00020002"));
        settings.setValue(QStringLiteral("SimLine2/WaveOut"), QStringLiteral("5"));
        settings.setValue(QStringLiteral("SimLine2/Phone"), QStringLiteral("true"));
        settings.setValue(QStringLiteral("SimLine2/DisplayColumns"), QStringLiteral("0x18"));
        settings.setValue(QStringLiteral("SimLine2/PhoneDeviceId"), QStringLiteral("4"));
    }
    const auto system = TelephonySystem::create(path);
    ASSERT_TRUE(system);
    const sim::SimConfig config = system->simExchange()->config();
    ASSERT_EQ(config.lines.size(), 3);
    const sim::SimLineConfig& line = config.lines[2];
    EXPECT_EQ(line.name, QStringLiteral("ISDN Amt"));
    EXPECT_EQ(line.addresses, (QStringList{QStringLiteral("4930111"), QStringLiteral("4930112")}));
    EXPECT_EQ(line.apiVersions.low, TAPI_VERSION1_4);
    EXPECT_EQ(line.apiVersions.high, TAPI_VERSION2_2);
    EXPECT_EQ(line.waveOut, 5);
    EXPECT_TRUE(line.phone.present);
    EXPECT_EQ(line.phone.displayColumns, 24u);
    EXPECT_EQ(line.phone.reportedDeviceId, 4);
    EXPECT_EQ(config.lines[0].phone.reportedDeviceId, -1) << "the phone's own ID by default";
    EXPECT_EQ(system->simExchange()->phoneOfLine(2), 1) << "phones are counted over the lines";

    MessageLog log;
    HLINEAPP app = 0;
    DWORD devices = 0;
    DWORD version = TAPI_CURRENT_VERSION;
    LINEINITIALIZEEXPARAMS params{
        sizeof params, 0, 0, LINEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
    ASSERT_EQ(system->service().lineInitializeEx(&app, 0, log.callback(), "x", &devices, &version,
                                                 &params),
              0);
    const DeviceView third = describeDevice(system->service(), app, 2);
    EXPECT_EQ(third.addresses, 2u);
    EXPECT_EQ(third.waveOut, 5);
}

TEST(TelephonySystem, UnknownProviderIsAnError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("telephony.ini"));
    QSettings(path, QSettings::IniFormat)
        .setValue(QStringLiteral("Service/Provider"), QStringLiteral("capi"));
    QString error;
    EXPECT_FALSE(TelephonySystem::create(path, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("capi"))) << qPrintable(error);
}
