// The phone device of the line: opened with the line when autoPhoneOpen is
// set, its hookswitches, display, lamps and ringer reported as events.
#include "ControlFixture.h"

#include "TestSupport.h"

#include <functional>

using namespace controltest;
using namespace Qt::StringLiterals;

namespace {

class Phone : public ControlFixture {
protected:
    // Line 0 with its phone opened by the control.
    void openWithPhone()
    {
        m_control->setAutoPhoneOpen(true);
        initAndOpen(0);
    }
    // Another application opens phone 0 as well; returns phoneOpen's result.
    LONG otherApplicationOpensPhone(DWORD privilege)
    {
        DWORD count = 0;
        DWORD version = TAPI_VERSION1_4;
        PHONEINITIALIZEEXPARAMS params{
            sizeof params, 0, 0, PHONEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
        EXPECT_EQ(m_service->phoneInitializeEx(&m_otherApp, 0, m_otherLog.callback(), "Andere",
                                               &count, &version, &params),
                  0);
        DWORD apiVersion = 0;
        PHONEEXTENSIONID extension{};
        m_service->phoneNegotiateAPIVersion(m_otherApp, 0, TAPI_VERSION1_0, TAPI_VERSION3_0,
                                            &apiVersion, &extension);
        HPHONE phone = 0;
        return m_service->phoneOpen(m_otherApp, 0, &phone, apiVersion, 0, 0, privilege);
    }
    // Runs the event loop until the event with that text was raised.
    ::testing::AssertionResult raised(const QString& text)
    {
        if (m_events->waitForText(text))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << qPrintable(text) << " not among: " << qPrintable(m_events->texts().join(u", "));
    }

    tapitest::MessageLog m_otherLog;
    HPHONEAPP m_otherApp = 0;
};

} // namespace

// With autoPhoneOpen the line's phone is opened as its owner, its display
// size read, and its messages followed until the line is closed.
TEST_F(Phone, OpenedWithTheLine)
{
    state().displayRows = state().displayColumns = 0;
    m_control->setDebugLevel(LogBit::PhoneCallback | LogBit::LineOpen);
    m_control->setAutoPhoneOpen(true);
    m_control->TapiLineInit();
    m_events->clear();
    m_control->TapiLineOpen();
    EXPECT_EQ(m_events->messages(),
              (QStringList{u"SUCCESS|TapiLineOpen|1001"_s, u"PHONE_DETECTED|PhoneDetect|1005"_s,
                           u"SUCCESS|PhoneOpen|1001"_s}));
    EXPECT_NE(state().hPhone, 0u);
    EXPECT_EQ(state().displayRows, 2u);
    EXPECT_EQ(state().displayColumns, 20u);
    EXPECT_EQ(otherApplicationOpensPhone(PHONEPRIVILEGE_OWNER), PHONEERR_INUSE)
        << "the control owns the phone";

    ASSERT_TRUE(m_exchange->setDisplay(0, QStringLiteral("Hallo")));
    EXPECT_TRUE(raised(u"OnPhoneDisplay(\"Hallo\", 2, 20)"_s));
    const QString log = logText();
    EXPECT_TRUE(log.contains(u";12E;"_s + QString::number(state().hPhoneApp) + u";1\r\n"_s))
        << qPrintable(log);
    EXPECT_TRUE(log.contains(u";2;"_s + QString::number(PHONE_STATE) + u";\r\n"_s))
        << qPrintable(log);

    m_control->TapiLineClose();
    m_events->clear();
    ASSERT_TRUE(m_exchange->setDisplay(0, QStringLiteral("Danach")));
    settle();
    EXPECT_TRUE(m_events->all().empty()) << "the phone closed with the line";
}

// What happens at the phone arrives as the phone events.
TEST_F(Phone, PhoneStatesBecomeEvents)
{
    openWithPhone();
    struct Case {
        const char* what;
        std::function<bool(sim::SimExchange&)> act;
        QStringList events;
    };
    const Case cases[] = {
        {"handset lifted",
         [](sim::SimExchange& x) {
             return x.setHookSwitch(0, PHONEHOOKSWITCHDEV_HANDSET, PHONEHOOKSWITCHMODE_MICSPEAKER);
         },
         {u"OnPhoneHook(512, 8)"_s}},
        {"handset replaced",
         [](sim::SimExchange& x) {
             return x.setHookSwitch(0, PHONEHOOKSWITCHDEV_HANDSET, PHONEHOOKSWITCHMODE_ONHOOK);
         },
         {u"OnPhoneHook(512, 1)"_s}},
        {"speaker on",
         [](sim::SimExchange& x) {
             return x.setHookSwitch(0, PHONEHOOKSWITCHDEV_SPEAKER, PHONEHOOKSWITCHMODE_SPEAKER);
         },
         {u"OnPhoneHook(4096, 4)"_s}},
        {"display text",
         [](sim::SimExchange& x) { return x.setDisplay(0, u"Max M\u00fcller 0301234567"_s); },
         {u"OnPhoneDisplay(\"Max M\u00fcller 0301234567\", 2, 20)"_s}},
        {"display cleared",
         [](sim::SimExchange& x) { return x.setDisplay(0, QString()); },
         {u"OnPhoneDisplay(\"\", 2, 20)"_s}},
        {"lamp lit steadily",
         [](sim::SimExchange& x) { return x.setLamp(0, 2, PHONELAMPMODE_STEADY); },
         {u"OnPhoneLamp(2, 4)"_s}},
        {"ringer on",
         [](sim::SimExchange& x) { return x.setRingMode(0, 2); },
         {u"OnPhoneRing(2)"_s}},
        {"ringer off",
         [](sim::SimExchange& x) { return x.setRingMode(0, 0); },
         {u"OnPhoneRing(0)"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_events->clear();
        ASSERT_TRUE(c.act(*m_exchange));
        settle();
        EXPECT_EQ(m_events->texts(), c.events);
    }
}

// A call rings at the phone; lifting the handset answers it.
TEST_F(Phone, HandsetAnswersTheRingingCall)
{
    openWithPhone();
    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
    EXPECT_TRUE(raised(u"OnPhoneRing(1)"_s));
    EXPECT_TRUE(raised(u"OnPhoneLamp(0, 16)"_s)) << "lamp 0 flashes";
    m_events->clear();

    ASSERT_TRUE(
        m_exchange->setHookSwitch(0, PHONEHOOKSWITCHDEV_HANDSET, PHONEHOOKSWITCHMODE_MICSPEAKER));
    EXPECT_TRUE(raised(u"OnPhoneHook(512, 8)"_s));
    EXPECT_TRUE(raised(u"OnCallState(\"CONNECTED\", "_s + QString::number(call) + u", "_s +
                       QString::number(key) + u')'));
    EXPECT_TRUE(raised(u"OnPhoneLamp(0, 4)"_s)) << "lamp 0 steady during the call";
    EXPECT_TRUE(raised(u"OnPhoneRing(0)"_s));
}

// The host asks for the display, a lamp or a button's function; without an
// open phone the answers are empty.
TEST_F(Phone, HostQueries)
{
    openWithPhone();
    ASSERT_TRUE(m_exchange->setDisplay(0, QStringLiteral("Bereit")));
    ASSERT_TRUE(m_exchange->setLamp(0, 1, PHONELAMPMODE_WINK));
    settle();
    m_events->clear();
    m_control->getPhoneDisplay();
    m_control->getPhoneLamp(1);
    m_control->getPhoneLamp(3);
    EXPECT_EQ(m_events->texts(), (QStringList{u"OnPhoneDisplay(\"Bereit\", 2, 20)"_s,
                                              u"OnPhoneLamp(1, 8)"_s, u"OnPhoneLamp(3, 2)"_s}));
    EXPECT_EQ(m_control->getPhoneButtonInfo(0), int(PHONEBUTTONFUNCTION_CALLAPP));
    EXPECT_EQ(m_control->getPhoneButtonInfo(1), int(PHONEBUTTONFUNCTION_HOLD));
    EXPECT_EQ(m_control->getPhoneButtonInfo(40), 0) << "no such button";

    restart(controlConfig());
    initAndOpen(0); // without autoPhoneOpen
    EXPECT_EQ(m_control->getPhoneButtonInfo(1), 0);
    m_control->getPhoneDisplay();
    m_control->getPhoneLamp(1);
    EXPECT_EQ(m_events->texts(),
              (QStringList{u"OnPhoneDisplay(\"\", "_s + QString::number(state().displayRows) +
                               u", "_s + QString::number(state().displayColumns) + u')',
                           u"OnPhoneLamp(1, 0)"_s}));
}

// A phone that cannot be opened leaves the line open without it: an ID
// beyond the phones the service knows is out of range, the ID just past the
// last phone is refused by the service, and a phone another application
// owns is in use.
TEST_F(Phone, PhoneThatCannotBeOpened)
{
    struct Case {
        const char* what;
        int reportedId;
        bool otherOwner;
        QString failure;
    };
    const Case cases[] = {
        {"ID above the phone count", 2, false, u"DEVICEID_OUTOFRANGE|PhoneOpen|1014"_s},
        {"ID equal to the phone count", 1, false,
         u"PHONEERR_BADDEVICEID|PhoneOpen|"_s + QString::number(PHONEERR_BADDEVICEID)},
        {"phone owned by another application", -1, true,
         u"PHONEERR_INUSE|PhoneOpen|"_s + QString::number(PHONEERR_INUSE)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::SimConfig config = controlConfig();
        config.lines[0].phone.reportedDeviceId = c.reportedId;
        restart(config);
        if (c.otherOwner) {
            ASSERT_EQ(otherApplicationOpensPhone(PHONEPRIVILEGE_OWNER), 0);
        }
        m_control->setAutoPhoneOpen(true);
        m_control->TapiLineInit();
        m_events->clear();
        m_control->TapiLineOpen();
        EXPECT_EQ(m_events->messages(), (QStringList{c.failure, u"SUCCESS|TapiLineOpen|1001"_s,
                                                     u"PHONE_DETECTED|PhoneDetect|1005"_s}));
        EXPECT_TRUE(state().lineOpen);
        EXPECT_EQ(state().hPhone, 0u);

        m_events->clear();
        ASSERT_TRUE(m_exchange->setDisplay(0, QStringLiteral("Hallo")));
        settle();
        EXPECT_EQ(m_events->count(u"OnPhoneDisplay"_s), 0u);
    }
}
