// The phone device of the simulated line: hookswitch, display, lamps, ringer
// and buttons, as PHONE_STATE messages and queries.
#include "TapiTestSupport.h"

#include "TestSupport.h"

using namespace tapitest;

namespace {

class Phone : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        DWORD devices = 0;
        DWORD version = 0x00010002;
        PHONEINITIALIZEEXPARAMS params{
            sizeof params, 0, 0, PHONEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
        EXPECT_EQ(m_service->phoneInitializeEx(&m_app, 0, m_log.callback(), "Lintaro", &devices,
                                               &version, &params),
                  PHONEERR_INCOMPATIBLEAPIVERSION);
        version = TAPI_VERSION1_4; // what the control asks for
        ASSERT_EQ(m_service->phoneInitializeEx(&m_app, 0, m_log.callback(), "Lintaro", &devices,
                                               &version, &params),
                  0);
        ASSERT_EQ(devices, 1u) << "only line 0 has a phone";
        PHONEEXTENSIONID id{};
        ASSERT_EQ(m_service->phoneNegotiateAPIVersion(m_app, 0, TAPI_VERSION1_0,
                                                      TAPI_CURRENT_VERSION, &m_version, &id),
                  0);
        ASSERT_EQ(m_service->phoneOpen(m_app, 0, &m_phone, m_version, 0, 99, PHONEPRIVILEGE_OWNER),
                  0);
        // The states the control subscribes to.
        ASSERT_EQ(m_service->phoneSetStatusMessages(m_phone, 0x001092E0, 0, 0), 0);
    }
    MessageLog m_log;
    HPHONEAPP m_app = 0;
    HPHONE m_phone = 0;
    DWORD m_version = 0;
};

} // namespace

TEST_F(Phone, CapabilitiesAndButtons)
{
    Buffer<PHONECAPS> caps(657);
    ASSERT_EQ(m_service->phoneGetDevCaps(m_app, 0, TAPI_VERSION1_4, 0, caps.get()), 0);
    EXPECT_EQ(caps->dwDisplayNumRows, 2u);
    EXPECT_EQ(caps->dwDisplayNumColumns, 20u);
    EXPECT_EQ(caps->dwNumButtonLamps, 8u);
    EXPECT_EQ(caps.text(caps->dwPhoneNameOffset, caps->dwPhoneNameSize),
              QStringLiteral("Simuliertes Telefon 1"));
    Buffer<PHONECAPS> small(100);
    EXPECT_EQ(m_service->phoneGetDevCaps(m_app, 0, TAPI_VERSION1_4, 0, small.get()),
              PHONEERR_STRUCTURETOOSMALL);

    Buffer<PHONEBUTTONINFO> button(553);
    ASSERT_EQ(m_service->phoneGetButtonInfo(m_phone, 1, button.get()), 0);
    EXPECT_EQ(button->dwButtonFunction, DWORD(PHONEBUTTONFUNCTION_HOLD));
    EXPECT_EQ(button->dwButtonMode, DWORD(PHONEBUTTONMODE_FEATURE));
    EXPECT_EQ(button.text(button->dwButtonTextOffset, button->dwButtonTextSize),
              QStringLiteral("Halten"));
    EXPECT_EQ(m_service->phoneGetButtonInfo(m_phone, 8, button.get()), PHONEERR_INVALBUTTONLAMPID);
    EXPECT_EQ(m_service->phoneGetButtonInfo(0, 1, button.get()), PHONEERR_INVALPHONEHANDLE);

    // Button presses come through only when asked for.
    ASSERT_TRUE(m_exchange->pressButton(0, 1));
    ASSERT_EQ(m_service->phoneSetStatusMessages(m_phone, 0, PHONEBUTTONMODE_FEATURE,
                                                PHONEBUTTONSTATE_DOWN),
              0);
    ASSERT_TRUE(m_exchange->pressButton(0, 2));
    ASSERT_TRUE(m_log.waitFor(PHONE_BUTTON));
    testsupport::spin(std::chrono::milliseconds(20));
    const auto presses = m_log.of(PHONE_BUTTON);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].param1, 2u);
    EXPECT_EQ(presses[0].param3, DWORD_PTR(PHONEBUTTONSTATE_DOWN));
}

TEST_F(Phone, HandsetDisplayAndLamps)
{
    ASSERT_TRUE(
        m_exchange->setHookSwitch(0, PHONEHOOKSWITCHDEV_HANDSET, PHONEHOOKSWITCHMODE_MICSPEAKER));
    ASSERT_TRUE(
        m_exchange->setHookSwitch(0, PHONEHOOKSWITCHDEV_HANDSET, PHONEHOOKSWITCHMODE_ONHOOK));
    ASSERT_TRUE(m_exchange->setDisplay(0, QStringLiteral("Anruf von 0301234567")));
    ASSERT_TRUE(m_exchange->setLamp(0, 3, PHONELAMPMODE_STEADY));
    ASSERT_TRUE(m_log.waitFor(PHONE_STATE, 4));
    const auto states = m_log.of(PHONE_STATE);
    EXPECT_EQ(states[0].device, m_phone);
    EXPECT_EQ(states[0].instance, 99u);
    EXPECT_EQ(states[0].param1, DWORD_PTR(PHONESTATE_HANDSETHOOKSWITCH));
    EXPECT_EQ(states[0].param2, DWORD_PTR(PHONEHOOKSWITCHMODE_MICSPEAKER));
    EXPECT_EQ(states[1].param2, DWORD_PTR(PHONEHOOKSWITCHMODE_ONHOOK));
    EXPECT_EQ(states[2].param1, DWORD_PTR(PHONESTATE_DISPLAY));
    EXPECT_EQ(states[3].param1, DWORD_PTR(PHONESTATE_LAMP));
    EXPECT_EQ(states[3].param2, 3u);

    Buffer<VARSTRING> display(3097);
    ASSERT_EQ(m_service->phoneGetDisplay(m_phone, display.get()), 0);
    EXPECT_EQ(display.text(display->dwStringOffset, display->dwStringSize),
              QStringLiteral("Anruf von 0301234567"));
    Buffer<VARSTRING> tiny(10);
    EXPECT_EQ(m_service->phoneGetDisplay(m_phone, tiny.get()), PHONEERR_STRUCTURETOOSMALL);

    DWORD mode = 0;
    ASSERT_EQ(m_service->phoneGetLamp(m_phone, 3, &mode), 0);
    EXPECT_EQ(mode, DWORD(PHONELAMPMODE_STEADY));
    EXPECT_EQ(m_service->phoneGetLamp(m_phone, 42, &mode), PHONEERR_INVALBUTTONLAMPID);
    EXPECT_EQ(m_service->phoneGetLamp(0, 3, &mode), PHONEERR_INVALPHONEHANDLE);

    QString error;
    EXPECT_FALSE(m_exchange->setHookSwitch(0, PHONEHOOKSWITCHDEV_HEADSET,
                                           PHONEHOOKSWITCHMODE_MICSPEAKER, &error))
        << "the phone has no headset";
    EXPECT_FALSE(m_exchange->setLamp(0, 0, 3, &error)) << "not a lamp mode";
}

// The phone follows the line: it rings and flashes while a call is offered,
// and lifting the handset answers the call.
TEST_F(Phone, PhoneAndLineWorkTogether)
{
    MessageLog lineLog;
    const HLINEAPP lineApp = initialize(lineLog);
    open(lineApp, 0, LINECALLPRIVILEGE_MONITOR);
    const HCALL call = offer(lineLog, QStringLiteral("0301234567"));
    ASSERT_TRUE(m_log.waitFor(PHONE_STATE, 2));
    auto states = m_log.of(PHONE_STATE);
    EXPECT_EQ(states[0].param1, DWORD_PTR(PHONESTATE_RINGMODE));
    EXPECT_EQ(states[0].param2, 1u);
    EXPECT_EQ(states[1].param1, DWORD_PTR(PHONESTATE_LAMP));
    DWORD lamp = 0;
    ASSERT_EQ(m_service->phoneGetLamp(m_phone, 0, &lamp), 0);
    EXPECT_EQ(lamp, DWORD(PHONELAMPMODE_FLASH));

    m_log.clear();
    ASSERT_TRUE(
        m_exchange->setHookSwitch(0, PHONEHOOKSWITCHDEV_HANDSET, PHONEHOOKSWITCHMODE_MICSPEAKER));
    ASSERT_TRUE(lineLog.waitForState(call, LINECALLSTATE_CONNECTED));
    ASSERT_TRUE(m_log.waitFor(PHONE_STATE, 3));
    states = m_log.of(PHONE_STATE);
    EXPECT_EQ(states[0].param1, DWORD_PTR(PHONESTATE_HANDSETHOOKSWITCH));
    EXPECT_EQ(states[1].param1, DWORD_PTR(PHONESTATE_RINGMODE));
    EXPECT_EQ(states[1].param2, 0u) << "the ringer stops";
    ASSERT_EQ(m_service->phoneGetLamp(m_phone, 0, &lamp), 0);
    EXPECT_EQ(lamp, DWORD(PHONELAMPMODE_STEADY));

    ASSERT_TRUE(
        m_exchange->setHookSwitch(0, PHONEHOOKSWITCHDEV_HANDSET, PHONEHOOKSWITCHMODE_ONHOOK));
    ASSERT_TRUE(lineLog.waitForState(call, LINECALLSTATE_IDLE));
}

TEST_F(Phone, OpeningRules)
{
    HPHONE second = 0;
    EXPECT_EQ(m_service->phoneOpen(m_app, 0, &second, m_version, 0, 0, PHONEPRIVILEGE_OWNER),
              PHONEERR_INUSE)
        << "one owner at a time";
    EXPECT_EQ(m_service->phoneOpen(m_app, 0, &second, m_version, 0, 0, 3), PHONEERR_INVALPRIVILEGE);
    EXPECT_EQ(m_service->phoneOpen(m_app, 1, &second, m_version, 0, 0, PHONEPRIVILEGE_MONITOR),
              PHONEERR_BADDEVICEID);
    EXPECT_EQ(
        m_service->phoneOpen(m_app, 0, &second, m_version, 0x00010000, 0, PHONEPRIVILEGE_MONITOR),
        PHONEERR_INCOMPATIBLEEXTVERSION);
    ASSERT_EQ(m_service->phoneOpen(m_app, 0, &second, m_version, 0, 0, PHONEPRIVILEGE_MONITOR), 0);
    EXPECT_EQ(m_service->phoneSetStatusMessages(second, 0x80000000, 0, 0),
              PHONEERR_INVALPHONESTATE);
    EXPECT_EQ(m_service->phoneClose(second), 0);
    EXPECT_EQ(m_service->phoneClose(second), PHONEERR_INVALPHONEHANDLE);
    DWORD ext = 0;
    EXPECT_EQ(m_service->phoneNegotiateExtVersion(m_app, 0, m_version, 0, 0xFFFFFFFF, &ext),
              PHONEERR_OPERATIONUNAVAIL);

    // After shutdown the phone is closed and its messages stop.
    ASSERT_EQ(m_service->phoneShutdown(m_app), 0);
    ASSERT_TRUE(m_exchange->setDisplay(0, QStringLiteral("x")));
    testsupport::spin(std::chrono::milliseconds(20));
    EXPECT_EQ(m_log.count(PHONE_STATE), 0u);
    DWORD lamp = 0;
    EXPECT_EQ(m_service->phoneGetLamp(m_phone, 0, &lamp), PHONEERR_INVALPHONEHANDLE);
}
