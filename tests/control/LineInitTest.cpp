// TapiLineInit and the per-device queries: versions, names and address counts
// of every line device of the exchange.
#include "ControlFixture.h"

#include "control/line/TapiBuffer.h"

#include <QSignalSpy>

using namespace controltest;

namespace {

class LineInit : public ControlFixture {};

} // namespace

TEST_F(LineInit, FindsEveryLineDeviceWithItsVersions)
{
    sim::SimConfig config = controlConfig();
    config.lines.append(sim::SimConfig::defaultLine(2));
    config.lines[2].name = QStringLiteral("Dritte");
    config.lines[2].apiVersions = {TAPI_VERSION1_4, TAPI_VERSION1_4};
    restart(config);
    m_control->setDebugLevel(0x10);

    m_control->TapiLineInit();

    EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("SUCCESS|TapiLineInit|1001")});
    EXPECT_EQ(m_control->DeviceCount(), 3);
    const std::vector<LineDeviceEntry>& devices = state().lineDevices;
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(devices[0].name, QStringLiteral("Simulierte Leitung 1"));
    EXPECT_EQ(devices[0].apiVersion, TAPI_VERSION3_1);
    EXPECT_EQ(devices[0].extVersion, 0x00010002u) << "the highest the device offers";
    EXPECT_EQ(devices[0].extensionId.dwExtensionID0, 0x544E494Cu);
    EXPECT_EQ(devices[1].name, QStringLiteral("Simulierte Leitung 2"));
    EXPECT_EQ(devices[1].numAddresses, 3);
    EXPECT_EQ(devices[1].extVersion, 0u) << "a device without extensions";
    EXPECT_EQ(devices[2].apiVersion, TAPI_VERSION1_4) << "a device that takes 1.4 only";

    EXPECT_EQ(m_control->getDeviceName(0), QStringLiteral("Simulierte Leitung 1"));
    EXPECT_EQ(m_control->getDeviceName(2), QStringLiteral("Dritte"));
    EXPECT_EQ(m_control->getTapiVersion(0), 30001);
    EXPECT_EQ(m_control->getTapiVersion(2), 10004);

    // The log names every device in each step.
    const QString log = logText();
    for (const char* code :
         {";11A;0;", ";11C0;196609;0", ";11C1;", ";11C2;65540;0", ";11C-11414416716;;",
          ";11D0;65538;0", ";11D1;0;", ";11E2;", ";11F0;Simulierte Leitung 1;1",
          ";11F1;Simulierte Leitung 2;3", ";11F2;Dritte;1"})
        EXPECT_TRUE(log.contains(QString::fromLatin1(code))) << code << "\n" << qPrintable(log);
}

TEST_F(LineInit, SecondInitLeavesEverythingAsItWas)
{
    m_control->TapiLineInit();
    const HLINEAPP app = state().hLineApp;
    const QString firstName = state().lineDevices[0].name;
    m_events->clear();

    m_control->TapiLineInit();
    EXPECT_EQ(m_events->messages(),
              QStringList{QStringLiteral("TAPI_ALREADY_INITIALIZED|TapiLineInit|1015")});
    EXPECT_EQ(state().hLineApp, app);
    EXPECT_EQ(m_control->DeviceCount(), 2);
    ASSERT_EQ(state().lineDevices.size(), 2u);
    EXPECT_EQ(state().lineDevices[0].name, firstName);
}

TEST_F(LineInit, DriversThatRefuseExtensionsOrNamesStillGiveWhatTheyHave)
{
    sim::SimConfig config = controlConfig();
    config.lines[0].refuseExtVersions = true;
    config.lines[1].name.clear();
    restart(config);

    m_control->TapiLineInit();
    EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("SUCCESS|TapiLineInit|1001")})
        << "the capabilities are read again without the extension";
    EXPECT_EQ(state().lineDevices[0].name, QStringLiteral("Simulierte Leitung 1"));
    EXPECT_EQ(state().lineDevices[0].numAddresses, 1);
    EXPECT_NE(state().lineDevices[0].extVersion, 0u) << "kept until the line is opened";
    EXPECT_EQ(state().lineDevices[1].name, QString());
    EXPECT_EQ(m_control->getDeviceName(1), QString());
    EXPECT_EQ(m_control->getDeviceName(0), QStringLiteral("Simulierte Leitung 1"));
}

TEST_F(LineInit, InitAgainAfterShutdownRebuildsTheDevices)
{
    m_control->TapiLineInit();
    m_control->TapiLineShutdown();
    EXPECT_EQ(state().hLineApp, 0u);
    state().lineDevices[1].name = QStringLiteral("alt");
    m_control->TapiLineInit();
    EXPECT_EQ(m_events->messages(), (QStringList{QStringLiteral("SUCCESS|TapiLineInit|1001"),
                                                 QStringLiteral("SUCCESS|TapiLineShutdown|1001"),
                                                 QStringLiteral("SUCCESS|TapiLineInit|1001")}));
    EXPECT_NE(state().hLineApp, 0u);
    EXPECT_EQ(state().lineDevices[1].name, QStringLiteral("Simulierte Leitung 2"));
}

TEST_F(LineInit, QueriesFailWithTheServicesError)
{
    m_control->TapiLineInit();
    m_control->TapiLineShutdown();
    m_events->clear();
    // The table outlives the registration; the service refuses the old handle.
    EXPECT_EQ(m_control->getDeviceName(0), QString());
    EXPECT_EQ(m_events->messages(),
              QStringList{QStringLiteral("LINEERR_INVALAPPHANDLE|getDeviceName|") +
                          QString::number(LINEERR_INVALAPPHANDLE)});
}

TEST_F(LineInit, DevicesOutsideTheTableAreReportedNotThrown)
{
    const QString bad = QString::number(LINEERR_BADDEVICEID);
    EXPECT_EQ(m_control->getDeviceName(0), QString()) << "before TapiLineInit";
    m_control->TapiLineOpen();
    m_control->TapiLineInit();
    EXPECT_EQ(m_control->getTapiVersion(2), 0);
    EXPECT_EQ(m_control->getDeviceName(-1), QString());
    EXPECT_EQ(m_events->messages(), (QStringList{u"LINEERR_BADDEVICEID|getDeviceName|" + bad,
                                                 u"LINEERR_BADDEVICEID|TapiLineOpen|" + bad,
                                                 QStringLiteral("SUCCESS|TapiLineInit|1001"),
                                                 u"LINEERR_BADDEVICEID|getTapiVersion|" + bad,
                                                 u"LINEERR_BADDEVICEID|getDeviceName|" + bad}));
    EXPECT_FALSE(state().lineOpen);
    EXPECT_EQ(m_exchange->lines()[0].openCount, 0);
}

TEST(VarStructs, TextsAndBytesAreReadWithinTheBuffer)
{
    TapiBuffer buffer(64);
    char* bytes = buffer.data();
    std::memcpy(bytes + 40, "M\xfcller\0Rest", 11);
    bytes[60] = char(0x02);
    bytes[61] = char(0x01);

    struct Case {
        qint64 offset;
        qint64 size;
        const char16_t* text;
    };
    const Case texts[] = {
        {40, 11, u"M\u00fcller"}, // Windows-1252, cut before the NUL
        {40, 3, u"M\u00fcl"},
        {40, 0, u""},
        {40, -1, u""},
        {0, 11, u""},
        {62, 100, u""}, // runs past the end: what is there, and no further
        {200, 4, u""},
    };
    for (const Case& c : texts)
        EXPECT_EQ(ReadVarText(buffer, c.offset, c.size), QString::fromUtf16(c.text))
            << c.offset << " " << c.size;

    EXPECT_EQ(ReadVarByte(buffer, 60, 4), 2) << "the lowest byte of a device ID";
    EXPECT_EQ(ReadVarByte(buffer, 60, 0), 0);
    EXPECT_EQ(ReadVarByte(buffer, 0, 4), 0);
    EXPECT_EQ(ReadVarByte(buffer, 64, 4), 0);
    EXPECT_EQ(buffer.as<VARSTRING>()->dwTotalSize, 64u);
}
