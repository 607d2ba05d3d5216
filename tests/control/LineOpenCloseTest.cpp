// Opening the line, and closing it in its four degrees.
#include "ControlFixture.h"

#include "TestSupport.h"

#include <QSignalSpy>

using namespace controltest;

namespace {

class LineOpenClose : public ControlFixture {
protected:
    void init()
    {
        m_control->TapiLineInit();
        m_events->clear();
    }
};

} // namespace

TEST_F(LineOpenClose, OpensTheLineWithItsPhoneAndWaveDevices)
{
    init();
    m_control->TapiLineOpen();

    // The phone is found but, without autoPhoneOpen, not opened.
    EXPECT_EQ(m_events->messages(),
              (QStringList{QStringLiteral("SUCCESS|TapiLineOpen|1001"),
                           QStringLiteral("PHONE_DETECTED|PhoneDetect|1005")}));
    EXPECT_EQ(m_control->DeviceName(), QStringLiteral("Simulierte Leitung 1"));
    EXPECT_EQ(m_control->NumAddresses(), 1);
    EXPECT_TRUE(m_control->waveSupported());
    EXPECT_TRUE(m_control->TapiPhoneExist());
    EXPECT_EQ(state().phoneDeviceId, 0);
    EXPECT_TRUE(state().lineOpen);
    EXPECT_NE(state().hLine, 0u);
    EXPECT_EQ(state().callStateText, QStringLiteral("IDLE"));
    EXPECT_EQ(state().lastOperation, QStringLiteral("TapiLineOpen"));
    EXPECT_FALSE(state().acceptToAlert);
    EXPECT_EQ(state().hPhone, 0u);
    for (size_t slot = 1; slot < 6; ++slot)
        EXPECT_TRUE(state().callSlots[slot].free) << slot;
    EXPECT_EQ(m_exchange->lines()[0].openCount, 1);
}

TEST_F(LineOpenClose, ReopensOnAnotherDeviceAfterClose)
{
    init();
    m_control->TapiLineOpen();
    m_control->TapiLineClose();
    EXPECT_FALSE(state().lineOpen);
    EXPECT_EQ(state().hLine, 0u);
    EXPECT_EQ(m_exchange->lines()[0].openCount, 0);

    m_control->setDeviceId(1);
    m_events->clear();
    m_control->TapiLineOpen();
    // Line 1 has neither phone nor wave devices.
    EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("SUCCESS|TapiLineOpen|1001")});
    EXPECT_EQ(m_control->DeviceName(), QStringLiteral("Simulierte Leitung 2"));
    EXPECT_EQ(m_control->NumAddresses(), 3);
    EXPECT_FALSE(m_control->waveSupported());
    EXPECT_EQ(state().phoneDeviceId, -1);
    EXPECT_TRUE(m_control->TapiPhoneExist()) << "never cleared once a phone was found";
    EXPECT_EQ(m_exchange->lines()[1].openCount, 1);
}

TEST_F(LineOpenClose, OpenWhileOpenKeepsTheLine)
{
    init();
    m_control->TapiLineOpen();
    const HLINE line = state().hLine;
    m_events->clear();
    m_control->TapiLineOpen();
    EXPECT_EQ(m_events->messages(),
              QStringList{QStringLiteral("DRIVER_ALREADY_OPENED |TapiLineOpen|1010")});
    EXPECT_EQ(state().hLine, line);
    EXPECT_EQ(m_exchange->lines()[0].openCount, 1);
}

TEST_F(LineOpenClose, RefusedExtensionOpensWithoutOne)
{
    sim::SimConfig config = controlConfig();
    config.lines[0].refuseExtVersions = true;
    config.lines[0].name.clear();
    config.lines[0].acceptToAlert = true;
    restart(config);
    init();
    m_control->TapiLineOpen();
    EXPECT_EQ(m_events->messages(),
              (QStringList{QStringLiteral("SUCCESS|TapiLineOpen|1001"),
                           QStringLiteral("PHONE_DETECTED|PhoneDetect|1005")}));
    EXPECT_EQ(state().lineDevices[0].extVersion, 0u) << "from now on without extension";
    EXPECT_EQ(m_control->DeviceName(), QStringLiteral("n/a")) << "a line without a name";
    EXPECT_TRUE(state().acceptToAlert) << "read from address 0";
}

TEST_F(LineOpenClose, OpenFailureIsReportedWithTheLineStillClosed)
{
    init();
    m_control->setTAPI_LINECALLPRIVILEGE(8); // no privilege the service knows
    m_control->TapiLineOpen();
    EXPECT_EQ(m_events->messages(),
              QStringList{QStringLiteral("LINEERR_INVALPRIVSELECT|TapiLineOpen|") +
                          QString::number(LINEERR_INVALPRIVSELECT)});
    EXPECT_FALSE(state().lineOpen);
    EXPECT_EQ(state().callStateText, QStringLiteral("IDLE"));
}

TEST_F(LineOpenClose, CloseWithoutLineDoesNothing)
{
    init();
    m_control->TapiLineClose();
    EXPECT_TRUE(m_events->all().empty());
}

TEST_F(LineOpenClose, ShutdownKeepsTheOldLineHandle)
{
    init();
    m_control->TapiLineOpen();
    const HLINE line = state().hLine;
    m_events->clear();
    m_control->TapiLineShutdown();
    EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("SUCCESS|TapiLineShutdown|1001")});
    EXPECT_FALSE(state().lineOpen);
    EXPECT_EQ(state().hLineApp, 0u);
    EXPECT_EQ(state().hLine, line);
    EXPECT_EQ(m_exchange->lines()[0].openCount, 0);

    // Closing now hands the old handle to the service, which refuses it.
    m_events->clear();
    m_control->TapiLineClose();
    EXPECT_EQ(m_events->messages(),
              QStringList{QStringLiteral("LINEERR_INVALLINEHANDLE|TapiLineClose|") +
                          QString::number(LINEERR_INVALLINEHANDLE)});
    EXPECT_EQ(state().hLine, line);
}

TEST_F(LineOpenClose, ShutdownControlIsSilentUntilTheNextInit)
{
    init();
    m_control->TapiLineOpen();
    m_events->clear();
    m_control->shutdownControl();
    EXPECT_TRUE(m_events->all().empty());
    EXPECT_EQ(state().hLineApp, 0u);
    EXPECT_EQ(state().hLine, 0u);
    EXPECT_EQ(m_exchange->lines()[0].openCount, 0);

    m_control->setDeviceCount(1);
    m_control->TapiLineClose();
    EXPECT_TRUE(m_events->all().empty()) << "every relay is unbound";

    // Init binds the relays again, and the line may be opened again.
    m_control->TapiLineInit();
    m_control->TapiLineOpen();
    EXPECT_EQ(m_events->messages(),
              (QStringList{QStringLiteral("SUCCESS|TapiLineInit|1001"),
                           QStringLiteral("SUCCESS|TapiLineOpen|1001"),
                           QStringLiteral("PHONE_DETECTED|PhoneDetect|1005")}));
}

TEST_F(LineOpenClose, DriverClosingTheLineFreesTheDeviceChoice)
{
    init();
    m_control->TapiLineOpen();
    const HLINE line = state().hLine;
    m_events->clear();
    ASSERT_TRUE(m_exchange->closeLineFromDriver(0));
    ASSERT_TRUE(m_events->waitFor(QStringLiteral("OnTapiMessage")));
    EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("LINE_CLOSED_FROM_TSP|0|1013")});
    EXPECT_FALSE(state().lineOpen);
    EXPECT_EQ(state().hLine, line);

    QSignalSpy changed(m_control.get(), &Lintaro::OnDeviceIDChanged);
    m_control->setDeviceId(1);
    ASSERT_EQ(changed.count(), 1);
    m_events->clear();
    m_control->TapiLineOpen();
    EXPECT_EQ(m_events->messages(), QStringList{QStringLiteral("SUCCESS|TapiLineOpen|1001")});
}

TEST_F(LineOpenClose, DestructionClosesWhatIsOpen)
{
    init();
    m_control->TapiLineOpen();
    destroyControl();
    EXPECT_EQ(m_exchange->lines()[0].openCount, 0);
    EXPECT_EQ(state().hLineApp, 0u);
    EXPECT_EQ(state().hLine, 0u);
}
