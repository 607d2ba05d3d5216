// The capability reports of the control, read from the simulated exchange's
// line devices and calls.
#include "ControlFixture.h"

#include "TestSupport.h"

#include <functional>

using namespace controltest;
using namespace Qt::StringLiterals;

namespace {

using Report = std::function<QString(Lintaro&)>;

QString message(const char* name, const QString& origin, LONG code)
{
    return QString::fromLatin1(name) + u'|' + origin + u'|' + QString::number(code);
}

class Reports : public ControlFixture {
protected:
    void reopenWith(const std::function<void(sim::SimLineConfig&)>& configure)
    {
        sim::SimConfig config = controlConfig();
        configure(config.lines[0]);
        restart(config);
        initAndOpen(0);
    }
};

// Every report of a device, with the origin of its failure and its text
// after one.
struct DeviceReport {
    const char* origin;
    Report run;
    const char* afterFailure;
};

std::vector<DeviceReport> deviceReports(int device)
{
    return {
        {"getProviderInfo", [=](Lintaro& c) { return c.getProviderInfo(device); }, "n/a"},
        {"getSwitchInfo", [=](Lintaro& c) { return c.getSwitchInfo(device); }, "n/a"},
        {"getAddressModes", [=](Lintaro& c) { return c.getAddressModes(device); }, ""},
        {"getBearerModes", [=](Lintaro& c) { return c.getBearerModes(device); }, ""},
        {"getMediamodes", [=](Lintaro& c) { return c.getMediaModes(device); }, ""},
        {"getCallStates", [=](Lintaro& c) { return c.getCallStates(device); }, ""},
        {"getCallInfoStates", [=](Lintaro& c) { return c.getCallinfoStates(device); }, ""},
        {"getParkModes", [=](Lintaro& c) { return c.getParkModes(device); }, ""},
        {"getCallFeatures", [=](Lintaro& c) { return c.getCallFeatures(device); }, ""},
        {"getDialtoneModes", [=](Lintaro& c) { return c.getDialtoneModes(device); }, ""},
        {"get BusyModes", [=](Lintaro& c) { return c.getBusyModes(device); }, ""},
        {"getDisconnectModes", [=](Lintaro& c) { return c.getDisconnectModes(device); }, ""},
        {"getAddress", [=](Lintaro& c) { return c.getAddress(device, 0); }, ""},
    };
}

} // namespace

// A set is written in the order of its table, whatever the order of the
// bits; bits without a token are ignored.
TEST_F(Reports, TokensFollowTheTableOrder)
{
    reopenWith([](sim::SimLineConfig& line) {
        line.bearerModes = LINEBEARERMODE_VOICE | LINEBEARERMODE_DATA;
        line.mediaModes =
            0x1 | LINEMEDIAMODE_INTERACTIVEVOICE | LINEMEDIAMODE_DATAMODEM; // 0x1: no token
        line.disconnectModes =
            LINEDISCONNECTMODE_NORMAL | LINEDISCONNECTMODE_TEMPFAILURE | LINEDISCONNECTMODE_BLOCKED;
        line.callFeatures =
            LINECALLFEATURE_SETCALLDATA | LINECALLFEATURE_SETQOS | LINECALLFEATURE_SETTREATMENT;
        line.dialToneModes = 0;
    });
    EXPECT_EQ(m_control->getBearerModes(0), QStringLiteral("<VOICE><DATA>"));
    EXPECT_EQ(m_control->getMediaModes(0), QStringLiteral("<INTERACTIVEVOICE><DATAMODEM>"));
    EXPECT_EQ(m_control->getDisconnectModes(0), QStringLiteral("<NORMAL><BLOCKED><TEMPFAILURE>"));
    EXPECT_EQ(m_control->getCallFeatures(0), QStringLiteral("<SETCALLDATA><SETTRAETMENT>"));
    EXPECT_EQ(m_control->getDialtoneModes(0), QString());
    EXPECT_EQ(m_control->getAddressModes(0), QStringLiteral("<ADDRESSID><DIALABLEADDR>"));
    EXPECT_TRUE(m_events->all().empty());
}

// Every token of every set, letter for letter, as hosts parse them.
TEST_F(Reports, EveryTokenOfEverySet)
{
    reopenWith([](sim::SimLineConfig& line) {
        line.addressModes = line.bearerModes = line.mediaModes = line.callStates =
            line.callInfoStates = line.parkModes = line.callFeatures = line.dialToneModes =
                line.busyModes = line.disconnectModes = 0xFFFFFFFF;
    });
    const std::pair<Report, const char*> sets[] = {
        {[](Lintaro& c) { return c.getAddressModes(0); }, "<ADDRESSID><DIALABLEADDR>"},
        {[](Lintaro& c) { return c.getBearerModes(0); },
         "<VOICE><SPEECH><MULTIUSE><DATA><ALTSPEECHDATA><NONCALLSIGNALING><PASSTHROUGH>"
         "<RESTRICTEDDATA>"},
        {[](Lintaro& c) { return c.getMediaModes(0); },
         "<UNKNOWN><INTERACTIVEVOICE><AUTOMATEDVOICE><DATAMODEM><G3FAX><TDD><G4FAX>"
         "<DIGITALDATA><TELETEX><VIDEOTEX><TELEX><MIXED><ADSI><VOICEVIEW><VIDEO>"},
        {[](Lintaro& c) { return c.getCallStates(0); },
         "<IDLE><OFFERING><ACCEPTED><DIALTONE><DIALING><RINGBACK><BUSY><SPECIALINFO>"
         "<CONNECTED><PROCEEDING><ONHOLD><CONFERENCED><ONHOLDPENDCONF><ONHLODPENDTRANSFER>"
         "<DISCONNECTED><UNKNOWN>"},
        {[](Lintaro& c) { return c.getCallinfoStates(0); },
         "<OTHER><DEVSPECIFIC>>BEARERMODE><RATE><MEDIAMODE><APPSPECIFIC><CALLID>"
         "<RELATEDCALLID><ORIGIN><REASON><COMPLETIONID><NUMOWNERINCR><NUMOWNERDECR>"
         "<NUMMONITORS><TRUNK><CALLERID><CALLEDID><CONNECTEDID><REDIRECTIONID><REDIRECTINGID>"
         "<DISPLAY><USERUSERINFO><HIGHLEVELCOMP><LOWLEVELCOMP><CHARGINGINFO><TERMINAL>"
         "<DIALPARAMS><MONITORMODES><CALLDATA><TREATMENT><QOS>"},
        {[](Lintaro& c) { return c.getParkModes(0); }, "<DIRECTED><NONDIRECTED>"},
        {[](Lintaro& c) { return c.getCallFeatures(0); },
         "<ACCEPT><ADDTOCONF><ANSWER><BLINDTRANSFER><COMPLETECALL><COMPLETETRANSF><DIAL>"
         "<DROP><GATHERDIGITS><GENERATEDIGITS><GENERATETONE><HOLD><MONITORDIGITS>"
         "<MONITORMEDIA><MONITORTONES><PARK><PREPAREADDCONF><REDIRECT><REMOVEFROMCONF>"
         "<SECURECALL><SENDUSERUSER><SETCALLPARAMS><SETMEDIACONTROL><SETTERMINAL><SETUPCONF>"
         "<SETUPTRANSFER><SWAPHOLD><UNHOLD><RELAEASEUSERUSERINFO><SETCALLDATA><SETTRAETMENT>"},
        {[](Lintaro& c) { return c.getDialtoneModes(0); },
         "<NORMAL><SPECIAL><INTERNAL><EXTERNAL><UNKNOWN><UNAVAIL>"},
        {[](Lintaro& c) { return c.getBusyModes(0); }, "<STATION><TRUNK><UNKNOWN><UNAVAIL>"},
        {[](Lintaro& c) { return c.getDisconnectModes(0); },
         "<NORMAL><UNKNOWN><REJECT><PICKUP><FORWARDED><BUSY><NOANSWER><BADADDRESS>"
         "<UNREACHABLE><CONGESTION><INCOMPATIBLE><UNAVAIL><BLOCKED><CANCELLED><DONOTDISTURB>"
         "<NODIALTONE><NUMBERCHANGED><OUTOFORDER><QOSUNAVAIL><TEMPFAILURE>"},
    };
    for (const auto& [report, expected] : sets)
        EXPECT_EQ(report(*m_control), QString::fromLatin1(expected));
}

// Provider, switch and address texts; "n/a" for a device without provider
// or switch information, "" for an address without a number.
TEST_F(Reports, DescriptionsOfDeviceAndAddresses)
{
    reopenWith([](sim::SimLineConfig& line) {
        line.switchInfo = QString();
        line.addresses = {QStringLiteral("10"), QString()};
    });
    EXPECT_EQ(m_control->getProviderInfo(0), QStringLiteral("Lintaro Simulationsvermittlung 1.0"));
    EXPECT_EQ(m_control->getSwitchInfo(0), QStringLiteral("n/a"));
    EXPECT_EQ(m_control->getSwitchInfo(1), QStringLiteral("Simulierte Telefonanlage"));
    EXPECT_EQ(m_control->getAddress(0, 0), QStringLiteral("10"));
    EXPECT_EQ(m_control->getAddress(0, 1), QString());
    EXPECT_EQ(m_control->getAddress(1, 2), QStringLiteral("13"));
    EXPECT_TRUE(m_events->all().empty());

    m_control->getAddress(0, 2);
    EXPECT_EQ(m_events->messages(), QStringList{message("LINEERR_INVALADDRESSID", u"getAddress"_s,
                                                        LINEERR_INVALADDRESSID)});
}

// A driver that refuses its extension version answers without one.
TEST_F(Reports, QueriesFallBackToNoExtensionVersion)
{
    sim::SimConfig config = controlConfig();
    config.lines[0].refuseExtVersions = true;
    restart(config);
    m_control->TapiLineInit();
    ASSERT_NE(state().lineDevices.at(0).extVersion, 0u);
    m_events->clear();
    EXPECT_EQ(m_control->getProviderInfo(0), QStringLiteral("Lintaro Simulationsvermittlung 1.0"));
    EXPECT_EQ(m_control->getCallStates(0), m_control->getCallStates(1));
    EXPECT_TRUE(m_events->all().empty());
}

// Each report names itself when its query fails, and then reports from
// nothing: before initialisation (no such device) and after the shutdown
// (the device is known, the service refuses).
TEST_F(Reports, FailuresNameTheirReport)
{
    const struct {
        const char* when;
        std::function<void(Lintaro&)> prepare;
        const char* error;
        LONG code;
    } situations[] = {
        {"before TapiLineInit", [](Lintaro&) {}, "LINEERR_BADDEVICEID", LINEERR_BADDEVICEID},
        {"after TapiLineShutdown",
         [](Lintaro& c) {
             c.TapiLineInit();
             c.TapiLineShutdown();
         },
         "LINEERR_INVALAPPHANDLE", LINEERR_INVALAPPHANDLE},
    };
    for (const auto& situation : situations) {
        SCOPED_TRACE(situation.when);
        restart(controlConfig());
        situation.prepare(*m_control);
        for (const DeviceReport& report : deviceReports(0)) {
            SCOPED_TRACE(report.origin);
            m_events->clear();
            EXPECT_EQ(report.run(*m_control), QString::fromLatin1(report.afterFailure));
            EXPECT_EQ(m_events->messages(),
                      QStringList{message(situation.error, QString::fromLatin1(report.origin),
                                          situation.code)});
        }
    }
}

// getActiveCallFeatures: -1 hands out the last caller number once, -2 names
// the current call's state, 0 asks for the call of the last state and any
// other value for that call.
TEST_F(Reports, ActiveCallFeatures)
{
    initAndOpen(0);
    state().featureCall = 0; // as in a process that has seen no call yet
    EXPECT_EQ(m_control->getActiveCallFeatures(0), QString());
    EXPECT_TRUE(m_events->all().empty()) << "nothing is asked without a call";

    CallKey key = 0;
    const HCALL call = offerCall(QStringLiteral("0301234567"), QString(), &key);
    m_events->clear();
    EXPECT_EQ(m_control->getActiveCallFeatures(-1), QStringLiteral("0301234567"));
    EXPECT_EQ(m_control->getActiveCallFeatures(-1), QString()) << "handed out once";
    EXPECT_EQ(m_control->getActiveCallFeatures(-2), QStringLiteral("OFFERING"));
    EXPECT_EQ(m_control->getActiveCallFeatures(0),
              QStringLiteral("<ACCEPT><ANSWER><DROP><REDIRECT>"));

    m_control->TapiLineAnswer();
    ASSERT_TRUE(m_events->waitForText(u"OnCallState(\"CONNECTED\", "_s + QString::number(call) +
                                      u", "_s + QString::number(key) + u')'));
    EXPECT_EQ(m_control->getActiveCallFeatures(-2), QStringLiteral("CONNECTED"));
    const QString connected = QStringLiteral(
        "<BLINDTRANSFER><DIAL><DROP><GENERATEDIGITS><HOLD><MONITORDIGITS><PARK><SETUPTRANSFER>");
    EXPECT_EQ(m_control->getActiveCallFeatures(0), connected);
    EXPECT_EQ(m_control->getActiveCallFeatures(int(call)), connected);

    m_events->clear();
    EXPECT_EQ(m_control->getActiveCallFeatures(int(call) + 1000), QString());
    EXPECT_EQ(m_events->messages(),
              QStringList{message("LINEERR_INVALCALLHANDLE", u"getActCallFeatures"_s,
                                  LINEERR_INVALCALLHANDLE)});

    // Once the call is gone its handle is released: the state query finds
    // nothing ("0"), and there is no call of the last state to ask.
    ASSERT_TRUE(m_exchange->farEndHangsUp(key, LINEDISCONNECTMODE_NORMAL));
    ASSERT_TRUE(m_events->waitForText(u"OnCallState(\"IDLE\", "_s + QString::number(call) +
                                      u", "_s + QString::number(key) + u')'));
    m_events->clear();
    EXPECT_EQ(m_control->getActiveCallFeatures(-2), QStringLiteral("0"));
    EXPECT_EQ(m_control->getActiveCallFeatures(0), QString());
    EXPECT_TRUE(m_events->all().empty());
}
