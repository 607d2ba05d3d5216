// A host that passes nothing: the control makes its seams from the telephony
// configuration.
#include "control/line/Lintaro.h"
#include "control/line/LintaroDevices.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/TelephonyConfig.h"
#include "platform/tapi/sim/SimConfig.h"
#include "platform/wave/SimWaveDevices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace platform;

namespace {

QStringList messages(const QSignalSpy& spy)
{
    QStringList result;
    for (const QList<QVariant>& args : spy)
        result.append(args[0].toString() + u'|' + args[1].toString() + u'|' + args[2].toString());
    return result;
}

// Writes the telephony configuration the control reads by default.
class ConfigFile {
public:
    explicit ConfigFile(const QByteArray& content) : m_path(tapi::TelephonyConfig::defaultPath())
    {
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        QFile file(m_path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    ~ConfigFile() { QFile::remove(m_path); }

private:
    QString m_path;
};

} // namespace

TEST(Host, ControlWithoutSeamsRunsOnTheConfiguredExchange)
{
    Lintaro control;
    QSignalSpy spy(&control, &Lintaro::OnTapiMessage);
    control.TapiLineInit();
    control.TapiLineOpen();
    EXPECT_EQ(messages(spy), (QStringList{QStringLiteral("SUCCESS|TapiLineInit|1001"),
                                          QStringLiteral("SUCCESS|TapiLineOpen|1001"),
                                          QStringLiteral("PHONE_DETECTED|PhoneDetect|1005")}));
    EXPECT_EQ(control.DeviceCount(), 2);
    EXPECT_TRUE(control.waveSupported());
}

TEST(Host, UnknownProviderLeavesAControlWithoutDriver)
{
    const ConfigFile config("[Service]\nProvider=isdn\n");
    Lintaro control;
    QSignalSpy spy(&control, &Lintaro::OnTapiMessage);
    control.TapiLineInit();
    EXPECT_EQ(messages(spy), QStringList{QStringLiteral("LINEERR_NODRIVER|TapiLineInit|") +
                                         QString::number(tapi::LINEERR_NODRIVER)});
    EXPECT_EQ(control.DeviceCount(), 0);
}

TEST(Host, WaveDevicesAtTheIdsTheLinesName)
{
    tapi::sim::SimConfig config = tapi::sim::SimConfig::defaults();
    config.lines[0].waveOut = 2;
    config.lines[0].waveIn = 0;
    config.lines[1].waveOut = 0;
    config.lines[1].waveIn = -1;
    wave::SimWaveDevices devices;
    LintaroDevices::addSimLineDevices(devices, config);
    ASSERT_EQ(devices.waveOutGetNumDevs(), 3u);
    EXPECT_EQ(devices.outputDevice(0)->name(), QStringLiteral("Simulierte Leitung 2 Wave Out"));
    EXPECT_EQ(devices.outputDevice(2)->name(), QStringLiteral("Simulierte Leitung 1 Wave Out"));
    ASSERT_EQ(devices.waveInGetNumDevs(), 1u);
    EXPECT_EQ(devices.inputDevice(0)->name(), QStringLiteral("Simulierte Leitung 1 Wave In"));
}
