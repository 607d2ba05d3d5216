// The main window's side of the telephony control, in the composed program on
// the simulated exchange: the telephone button, the device and address boxes,
// the first status panel, the TAPI log, the line closed by the driver and the
// re-entrance guards of the caller-ID handling.
#include "tests/app/QStringPrinter.h"
#include "tests/app/start/ProgramFixture.h"

#include "app/calls/CallerIdentification.h"
#include "app/calls/TelephonyEvents.h"
#include "app/core/ListView.h"
#include "app/core/PanelStatusBar.h"
#include "app/core/TapiButton.h"
#include "app/core/TapiWindows.h"
#include "app/core/frmProtokoll.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/ui/LocaleDateTime.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>

#include <functional>

using namespace Qt::StringLiterals;
using platform::tapi::CallKey;
using platform::tapi::LINEDISCONNECTMODE_NORMAL;
using platform::tapi::sim::SimExchange;
using platform::ui::Answer;

namespace {

// One line of the TAPI log.
struct LogLine {
    QString when;
    QString event;
    QString values;
};

class TelephonyEventsTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        writeTelephonyConfig();
        ProgramFixture::SetUp();
    }
    // The simulated lines; the built-in two unless a test says otherwise.
    virtual void writeTelephonyConfig() {}

    fonkel::TelephonyEvents& events() const { return *program->telephonyEvents(); }
    fonkel::StatusPanel& panel1() const { return *window()->panel(1); }
    fonkel::TapiButton& button() const { return *window()->cmdInitTapi; }
    fonkel::ListView& list() const { return *window()->lvNummern; }
    int icon(const char* key) const { return window()->ilIcons.index(QString::fromLatin1(key)); }

    void monitorOn()
    {
        button().click();
        ASSERT_EQ(button().tag(), u"aktiv"_s);
        ASSERT_TRUE(testsupport::waitUntil(
            [&] { return exchange().lines()[control()->deviceId()].openCount == 1; }));
    }

    // Switches the log on as the user does, through its menu item.
    fonkel::frmProtokoll& logOn()
    {
        window()->mnuTAPIProtokoll->trigger();
        fonkel::frmProtokoll* log = program->tapiWindows()->protokoll();
        EXPECT_NE(log, nullptr);
        return *log;
    }

    QList<LogLine> logLines() const
    {
        QList<LogLine> lines;
        const fonkel::frmProtokoll* log = program->tapiWindows()->protokoll();
        if (!log)
            return lines;
        static const QRegularExpression pattern(u"^(.*) Event: (\\S+) Values: (.*)$"_s);
        QStringList texts = log->text().split(u"\r\n"_s);
        EXPECT_TRUE(texts.isEmpty() || texts.takeFirst().isEmpty())
            << "every line begins with a line break";
        for (const QString& text : texts) {
            const QRegularExpressionMatch m = pattern.match(text);
            EXPECT_TRUE(m.hasMatch()) << text.toStdString();
            lines.append({m.captured(1), m.captured(2), m.captured(3)});
        }
        return lines;
    }
    QStringList logged(const QString& event) const
    {
        QStringList values;
        for (const LogLine& line : logLines()) {
            if (line.event == event)
                values << line.values;
        }
        return values;
    }

    // A call from outside on line 0, identified to the end.
    CallKey ring(const QString& number)
    {
        const int before = list().count();
        SimExchange::IncomingCall incoming;
        incoming.callerNumber = number;
        QString error;
        const CallKey key = exchange().offerCall(0, incoming, &error);
        EXPECT_NE(key, 0u) << error.toStdString();
        EXPECT_TRUE(testsupport::waitUntil([&] {
            return !program->members().SearchBusy && list().count() > before &&
                   list().entry(0)->subItem(3) != u"suche..."_s;
        }));
        return key;
    }

    std::vector<QStringList> entries() const
    {
        std::vector<QStringList> rows;
        for (int i = 0; i < list().count(); ++i) {
            const fonkel::ListItem* item = list().entry(i);
            rows.push_back({item->text(), item->subItem(2), item->subItem(3),
                            QString::number(item->smallIcon())});
        }
        return rows;
    }
};

TEST_F(TelephonyEventsTest, TelephoneButtonAndMenuItemSwitchTheMonitor)
{
    start();
    fonkel::frmHaupt& w = *window();
    w.lSuche = 3;
    button().click();
    EXPECT_EQ(control()->TAPI_LINECALLPRIVILEGE(), 2) << "the monitor never owns a call";
    EXPECT_TRUE(testsupport::waitUntil([&] { return exchange().lines()[0].openCount == 1; }));
    EXPECT_EQ(button().tag(), u"aktiv"_s);
    EXPECT_EQ(button().pictureKey(), u"aktiv"_s);
    EXPECT_EQ(button().toolTip(), u"Tapimonitor deaktivieren"_s);
    EXPECT_EQ(w.mnuTAPI->text(), u"&Tapimonitor deaktivieren"_s);
    EXPECT_EQ(w.windowTitle(), u"Fonkel ist aktiv"_s);
    EXPECT_FALSE(w.cbxTapiDevices->isEnabled());
    EXPECT_EQ(w.lSuche, 0);
    EXPECT_TRUE(panel1().text().startsWith(u"SUCCESS from TapiLineOpen # 1001"_s) ||
                panel1().text().endsWith(u"# 1005"_s))
        << panel1().text().toStdString();

    // The menu item presses the button.
    w.lSuche = 2;
    w.mnuTAPI->trigger();
    EXPECT_EQ(exchange().lines()[0].openCount, 0);
    EXPECT_EQ(button().tag(), u"passiv"_s);
    EXPECT_EQ(button().pictureKey(), u"passiv"_s);
    EXPECT_EQ(button().toolTip(), u"Tapimonitor aktivieren"_s);
    EXPECT_EQ(w.mnuTAPI->text(), u"&Tapimonitor aktivieren"_s);
    EXPECT_EQ(w.windowTitle(), u"Fonkel"_s);
    EXPECT_TRUE(w.cbxTapiDevices->isEnabled());
    EXPECT_EQ(w.lSuche, 0);
    EXPECT_EQ(panel1().text(), u"SUCCESS from TapiLineClose # 1001"_s);

    // The monitor closed by the shutdown: the line is released once.
    w.mnuTAPI->trigger();
    ASSERT_TRUE(testsupport::waitUntil([&] { return exchange().lines()[0].openCount == 1; }));
    stop();
    EXPECT_EQ(exchange().lines()[0].openCount, 0);
}

class DeviceBoxTest : public TelephonyEventsTest {
protected:
    void writeTelephonyConfig() override
    {
        QSettings ini(telephonyIni(), QSettings::IniFormat);
        QStringList many;
        for (int i = 201; i <= 213; ++i)
            many << QString::number(i);
        ini.setValue(u"SimLine1/Addresses"_s, many.join(u','));
        ini.setValue(u"SimLine1/Name"_s, u"Anlage mit Durchwahlen"_s);
    }
};

TEST_F(DeviceBoxTest, ChoosingADeviceSelectsItsLineAndListsItsAddresses)
{
    start();
    fonkel::frmHaupt& w = *window();
    QComboBox& devices = *w.cbxTapiDevices;
    const auto choose = [&](int index) {
        devices.setCurrentIndex(index);
        emit devices.activated(index);
    };
    const auto addresses = [&] {
        QStringList items;
        for (int i = 0; i < w.cbxAddress->count(); ++i)
            items << w.cbxAddress->itemText(i);
        return items;
    };

    choose(1);
    EXPECT_EQ(control()->deviceId(), 1);
    EXPECT_EQ(w.mnuTapiTreiber->title(), u"TAPI (Anlage mit Durchwahlen)"_s);
    // Eleven addresses at most.
    EXPECT_EQ(addresses(), (QStringList{u"201"_s, u"202"_s, u"203"_s, u"204"_s, u"205"_s, u"206"_s,
                                        u"207"_s, u"208"_s, u"209"_s, u"210"_s, u"211"_s}));
    EXPECT_EQ(w.cbxAddress->currentIndex(), 0);
    monitorOn();
    EXPECT_EQ(exchange().lines()[1].openCount, 1);
    EXPECT_EQ(exchange().lines()[0].openCount, 0);
    // The opened device names the driver menu when the device ID is set again.
    emit control()->OnDeviceIDChanged(1);
    EXPECT_EQ(w.mnuTapiTreiber->title(), u"TAPI (Anlage mit Durchwahlen)"_s);
    button().click();

    choose(0);
    EXPECT_EQ(control()->deviceId(), 0);
    EXPECT_EQ(w.mnuTapiTreiber->title(), u"TAPI (Simulierte Leitung 1)"_s);
    EXPECT_EQ(addresses(), QStringList{u"10"_s});

    // A device whose addresses cannot be read (TAPI is gone) lists "keine".
    control()->TapiLineShutdown();
    events().OnDeviceIDChanged(0);
    EXPECT_EQ(addresses(), QStringList{u"keine"_s});
    EXPECT_EQ(w.cbxAddress->currentIndex(), 0);
}

TEST_F(TelephonyEventsTest, CallRungByTheExchangeShowsInTheFirstPanelAndTheLog)
{
    start();
    fonkel::frmProtokoll& log = logOn();
    EXPECT_TRUE(log.isVisible());
    monitorOn();
    QSignalSpy callers(control(), &Lintaro::OnCallerID);

    const CallKey key = ring(u"0301234567"_s);
    ASSERT_EQ(callers.count(), 1);
    const QString id = QString::number(callers[0][3].toInt());
    const QString handle = QString::number(callers[0][4].toInt());

    // The call became a caller-list entry.
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries()[0], (QStringList{u"0301234567"_s, u"Berlin"_s, u"Unbekannt"_s,
                                         QString::number(icon("Unbekannt"))}));
    EXPECT_EQ(window()->lbID->text(), u"Nummer 10 ID  "_s + id);

    // The handled events are logged with their values; OnCallReason is not handled.
    EXPECT_TRUE(testsupport::waitUntil([&] { return !logged(u"OnRinging"_s).isEmpty(); }));
    EXPECT_EQ(logged(u"OnCallerID"_s),
              QStringList{u"lSuche=\"1\", CNumber=\"0301234567\", CName=\"\", "
                          "CPartyID=\"<ADDRESS>\", CCallID="_s +
                          id + u", CCallHandle="_s + handle});
    EXPECT_EQ(logged(u"OnCalledID"_s),
              QStringList{u"CNumber=\"10\", CCallID="_s + id + u", CCallHandle="_s + handle});
    EXPECT_EQ(logged(u"OnCallOrigin"_s), QStringList{u"CCallOrigin=\"EXTERNAL\", CCallID="_s + id +
                                                     u", CCallHandle="_s + handle});
    EXPECT_EQ(logged(u"OnCallState"_s), QStringList{u"CCallstate=\"OFFERING\", CCallID="_s + id +
                                                    u", CCallHandle="_s + handle});
    EXPECT_EQ(logged(u"OnOffering"_s),
              QStringList{u"COfferingMode=\"ACTIVE\", CCallHandle="_s + handle});
    EXPECT_EQ(logged(u"OnRinging"_s).value(0), u"CRingMode=1, CRingCount=0"_s);
    EXPECT_TRUE(logged(u"OnCallReason"_s).isEmpty());
    const QString today = platform::ui::LocaleDateTime::shortDate(QDate::currentDate());
    for (const LogLine& line : logLines())
        EXPECT_TRUE(line.when.startsWith(today + u' ')) << line.when.toStdString();

    // What the caller-ID event brought, then what the identification made of it.
    const QString last = window()->LastCallEvent;
    EXPECT_TRUE(last.startsWith(u"OnCallerEvent:1 "_s + today + u' ')) << last.toStdString();
    EXPECT_TRUE(last.endsWith(u"\r\nCNumber:0301234567\r\nCName:\r\nCPartyID:<ADDRESS>\r\n"
                              "CCallID:"_s +
                              id + u"\r\nCCallHandle:"_s + handle +
                              u"\r\nGefilterte Nummer:0301234567\r\n"_s))
        << last.toStdString();

    // Ringing, then the user answers at the phone, then the caller hangs up.
    EXPECT_EQ(panel1().picture(), icon("Klingel"));
    EXPECT_TRUE(panel1().text().endsWith(u". Klingeln"_s)) << panel1().text().toStdString();
    EXPECT_EQ(panel1().toolTip(), panel1().text());
    ASSERT_TRUE(exchange().answerAtPhone(key));
    ASSERT_TRUE(testsupport::waitUntil([&] { return panel1().picture() == icon("Verbindung"); }));
    ASSERT_TRUE(testsupport::waitUntil([&] { return !logged(u"OnConnected"_s).isEmpty(); }));
    EXPECT_EQ(panel1().text(), u"ACTIVE"_s);
    EXPECT_EQ(logged(u"OnConnected"_s),
              QStringList{u"CConnectedMode=\"ACTIVE\", CCallHandle="_s + handle});

    ASSERT_TRUE(exchange().farEndHangsUp(key, LINEDISCONNECTMODE_NORMAL));
    ASSERT_TRUE(testsupport::waitUntil([&] { return panel1().text() == u"TAPI aktiv"_s; }));
    EXPECT_EQ(panel1().picture(), icon("Leer"));
    EXPECT_EQ(panel1().toolTip(), u"TAPI aktiv"_s);
    EXPECT_EQ(button().pictureKey(), u"aktiv"_s);
    EXPECT_EQ(logged(u"OnDisconnected"_s),
              QStringList{u"CDisconnectedMode=\"NORMAL \", CCallHandle="_s + handle});
    EXPECT_EQ(
        logged(u"OnCallState"_s).mid(1),
        (QStringList{u"CCallstate=\"CONNECTED\", CCallID="_s + id + u", CCallHandle="_s + handle,
                     u"CCallstate=\"DISCONNECTED\", CCallID="_s + id + u", CCallHandle="_s + handle,
                     u"CCallstate=\"IDLE\", CCallID="_s + id + u", CCallHandle="_s + handle}));
    EXPECT_EQ(list().count(), 1);
}

TEST_F(TelephonyEventsTest, NoLineIsWrittenWhileTheLogIsOff)
{
    start();
    fonkel::frmProtokoll& log = logOn();
    window()->mnuTAPIProtokoll->setChecked(false); // the window stays, the mark goes
    events().OnBusy(u"STATION"_s, 5);
    EXPECT_TRUE(log.text().isEmpty());
    window()->mnuTAPIProtokoll->setChecked(true);
    events().OnBusy(u"STATION"_s, 5);
    EXPECT_EQ(logged(u"OnBusy"_s), QStringList{u"CBusyMode=\"STATION\", CCallHandle=5"_s});
}

TEST_F(TelephonyEventsTest, LogOnlyEventsWriteTheirValues)
{
    start();
    logOn();
    fonkel::TelephonyEvents& e = events();
    e.OnBusy(u"TRUNK"_s, 65537);
    e.OnCallOrigin(u"INTERNAL"_s, 7, 65537);
    e.OnDialtone(u"NORMAL"_s, 65537);
    e.OnDisconnected(u"BUSY"_s, 65537);
    e.OnOffering(u"ACTIVE"_s, 65537);
    e.OnPhoneRing(2);
    e.OnRedirectingID(u"0401111"_s, 7, 65537);
    e.OnRedirectionID(u"22"_s, -1, 65537);
    e.OnConnectedID(u"0309999"_s, 7, 65537);
    e.OnCalledID(u"201"_s, 7, 65537);
    e.OnRinging(1, 3);
    QStringList lines;
    for (const LogLine& line : logLines())
        lines << line.event + u' ' + line.values;
    EXPECT_EQ(lines, (QStringList{
                         u"OnBusy CBusyMode=\"TRUNK\", CCallHandle=65537"_s,
                         u"OnCallOrigin CCallOrigin=\"INTERNAL\", CCallID=7, CCallHandle=65537"_s,
                         u"OnDialtone CDialtoneMode=\"NORMAL\", CCallHandle=65537"_s,
                         u"OnDisconnected CDisconnectedMode=\"BUSY\", CCallHandle=65537"_s,
                         u"OnOffering COfferingMode=\"ACTIVE\", CCallHandle=65537"_s,
                         u"OnPhoneRing CRingMode=2"_s,
                         u"OnRedirectingID CNumber=\"0401111\", CCallID=7, CCallHandle=65537"_s,
                         u"OnRedirectionID CNumber=\"22\", CCallID=-1, CCallHandle=65537"_s,
                         u"OnConnectedID CNumber=\"0309999\", CCallID=7, CCallHandle=65537"_s,
                         u"OnCalledID CNumber=\"201\", CCallID=7, CCallHandle=65537"_s,
                         u"OnRinging CRingMode=1, CRingCount=3"_s,
                     }));
    // The log-only events leave the panel and the list alone.
    EXPECT_EQ(panel1().text(), u"3. Klingeln"_s);
    EXPECT_EQ(list().count(), 0) << "connected numbers are not followed unless asked for";
}

TEST_F(TelephonyEventsTest, CallStatesSetTheFirstPanelAndTheButton)
{
    start();
    const struct {
        QString state;
        const char* picture; // nullptr: unchanged
        QString text;        // unchanged when empty
        QString button;      // unchanged when empty
    } cases[] = {
        {u"IDLE"_s, "Leer", u"TAPI aktiv"_s, u"aktiv"_s},
        {u"DIALTONE"_s, "Ton", u"Wählton"_s, u"abgenommen"_s},
        {u"CONNECTED"_s, "Verbindung", {}, {}},
        {u"ACCEPTED"_s, "Klingel", {}, {}},
        {u"OFFERING"_s, nullptr, {}, {}},
        {u"idle"_s, nullptr, {}, {}}, // compared exactly
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state.toStdString());
        panel1().setPicture(icon("NOACT"));
        panel1().setText(u"vorher"_s);
        panel1().setToolTip(u"alter Tipp"_s);
        button().setPicture(u"passiv"_s);
        events().OnCallState(c.state, 65537, 7);
        EXPECT_EQ(panel1().picture(), c.picture ? icon(c.picture) : icon("NOACT"));
        const QString text = c.text.isEmpty() ? u"vorher"_s : c.text;
        EXPECT_EQ(panel1().text(), text);
        EXPECT_EQ(panel1().toolTip(), text) << "the tooltip always follows the text";
        EXPECT_EQ(button().pictureKey(), c.button.isEmpty() ? u"passiv"_s : c.button);
        EXPECT_EQ(button().tag(), u"passiv"_s) << "the picture changes, not the monitor state";
    }
}

TEST_F(TelephonyEventsTest, CalledIdAndTapiMessagesShowTheirNumbersWithTheSignBlank)
{
    start();
    events().OnCalledID(u"201"_s, 7, 1);
    EXPECT_EQ(window()->lbID->text(), u"Nummer 201 ID  7"_s);
    events().OnCalledID(u""_s, -1, 1);
    EXPECT_EQ(window()->lbID->text(), u"Nummer  ID -1"_s);

    const struct {
        QString message, origin;
        int code;
        QString text;
    } cases[] = {
        {u"SUCCESS"_s, u"TapiLineOpen"_s, 1001, u"SUCCESS from TapiLineOpen # 1001"_s},
        {u"LINEERR_INVALADDRESSID"_s, u"getAddress"_s, int(0x8000000C),
         u"LINEERR_INVALADDRESSID from getAddress #-2147483636"_s},
        {u"TAPIERR_CONNECTED"_s, u"0"_s, 0, u"TAPIERR_CONNECTED from 0 # 0"_s},
        // A line closed by the driver while the monitor is off: only the panel changes.
        {u"LINE_CLOSED_FROM_TSP"_s, u"0"_s, 1013, u"LINE_CLOSED_FROM_TSP from 0 # 1013"_s},
    };
    for (const auto& c : cases) {
        events().OnTapiMessage(c.message, c.origin, c.code);
        EXPECT_EQ(panel1().text(), c.text);
        EXPECT_EQ(panel1().toolTip(), c.text);
    }
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(button().tag(), u"passiv"_s);
}

TEST_F(TelephonyEventsTest, LineClosedByTheDriverAsksWhetherToSwitchTheMonitorOnAgain)
{
    start();
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        if (button().tag() == u"passiv"_s)
            monitorOn();
        ui.clear();
        ui.answerNext(answer);
        ASSERT_TRUE(exchange().closeLineFromDriver(0));
        ASSERT_TRUE(testsupport::waitUntil([&] { return !ui.messages().isEmpty(); }));
        ASSERT_EQ(ui.messages().size(), 1);
        const platform::ui::Message& question = ui.messages()[0];
        EXPECT_EQ(question.text,
                  u"Das Tapi-Gerät \"Simulierte Leitung 1\" hat die Verbindung abgebrochen.\r\n"
                  "Fonkel wurde daher deaktiviert.\r\n"
                  "TAPI-Fehlermeldung: LINE_CLOSED_FROM_TSP\r\n"
                  "TAPI-Fehlernummer: 1013\r\n"
                  "Soll Fonkel wieder aktiviert werden?"_s);
        EXPECT_EQ(question.title, u"Fonkel"_s);
        EXPECT_EQ(question.icon, platform::ui::Icon::Question);
        EXPECT_EQ(question.buttons, platform::ui::Buttons::YesNo);

        if (answer == Answer::Yes) {
            EXPECT_EQ(button().tag(), u"aktiv"_s);
            EXPECT_EQ(window()->windowTitle(), u"Fonkel ist aktiv"_s);
            EXPECT_TRUE(
                testsupport::waitUntil([&] { return exchange().lines()[0].openCount == 1; }));
            // The line opened again carries calls again.
            ring(u"0221987654"_s);
            EXPECT_EQ(list().entry(0)->text(), u"0221987654"_s);
        } else {
            EXPECT_EQ(button().tag(), u"passiv"_s);
            EXPECT_EQ(button().pictureKey(), u"passiv"_s);
            EXPECT_EQ(window()->windowTitle(), u"Fonkel"_s);
            EXPECT_TRUE(window()->cbxTapiDevices->isEnabled());
            EXPECT_EQ(exchange().lines()[0].openCount, 0);
        }
    }
}

TEST_F(TelephonyEventsTest, BlankCallerNumberIsLoggedButStartsNoIdentification)
{
    start();
    logOn();
    events().OnCallerID(u"   "_s, u"Netz"_s, u"<ADDRESS>"_s, 7, 65537);
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(logged(u"OnCallerID"_s),
              QStringList{u"lSuche=\"1\", CNumber=\"   \", CName=\"Netz\", CPartyID=\"<ADDRESS>\", "
                          "CCallID=7, CCallHandle=65537"_s});
    EXPECT_TRUE(window()->LastCallEvent.endsWith(
        u"\r\nCNumber:   \r\nCName:Netz\r\nCPartyID:<ADDRESS>\r\nCCallID:7\r\nCCallHandle:65537\r\n"_s));
    EXPECT_EQ(window()->lSuche, 0);

    // A caller without a number at all is identified as "keine Nummer".
    events().OnCallerID(u"keine Nummer"_s, u""_s, u""_s, 8, 65538);
    ASSERT_EQ(list().count(), 1);
    EXPECT_EQ(list().entry(0)->text(), u"keine Nummer"_s);
}

TEST_F(TelephonyEventsTest, ConnectedNumberIsIdentifiedOnlyWhenTheUserAskedForIt)
{
    start();
    events().OnConnectedID(u"0301234567"_s, 7, 65537);
    EXPECT_EQ(list().count(), 0);

    window()->mnuVerbundeneNummern->trigger();
    ASSERT_TRUE(window()->mnuVerbundeneNummern->isChecked());
    events().OnConnectedID(u"  "_s, 7, 65537);
    EXPECT_EQ(list().count(), 0);
    events().OnConnectedID(u"0301234567"_s, 7, 65537);
    ASSERT_EQ(entries().size(), 1u);
    EXPECT_EQ(entries()[0], (QStringList{u"0301234567"_s, u"Berlin"_s, u"Unbekannt"_s,
                                         QString::number(icon("Unbekannt_Weiterleitung"))}));
}

// While an identification runs it lets queued events through; calls that
// arrive then meet the guards of the caller-ID handling.
class ReentranceTest : public TelephonyEventsTest {
protected:
    // Runs action once, inside the next identification, right after it put
    // its entry into the list (and before it lets events through again).
    void duringTheNextIdentification(std::function<void()> action)
    {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(list().model(), &QAbstractItemModel::rowsInserted,
                                       [connection, action = std::move(action)] {
                                           QObject::disconnect(*connection);
                                           action();
                                       });
    }
    void waitUntilIdle(int entriesExpected)
    {
        EXPECT_TRUE(testsupport::waitUntil([&] {
            return !program->members().SearchBusy && list().count() == entriesExpected &&
                   list().entry(0)->subItem(3) != u"suche..."_s;
        }));
        // Let anything still queued arrive: nothing more may come of it.
        testsupport::spin(std::chrono::milliseconds(200));
    }
    // Each identification a minute after the one before: the list shows the
    // newest first even for calls within one second.
    void distinctCallTimes()
    {
        program->identification()->setClock([n = 0]() mutable {
            return QDateTime(QDate(2024, 3, 17), QTime(9, 0)).addSecs(60 * n++);
        });
    }
    QStringList numbers() const
    {
        QStringList result;
        for (const QStringList& row : entries())
            result << row[0];
        return result;
    }
};

TEST_F(ReentranceTest, SecondCallerIdDuringAnIdentificationIsDropped)
{
    start();
    distinctCallTimes();
    logOn();
    monitorOn();
    int nested = 0;
    duringTheNextIdentification([&] {
        // A second call rings on the line while the first is being identified.
        SimExchange::IncomingCall second;
        second.callerNumber = u"0221987654"_s;
        EXPECT_NE(exchange().offerCall(0, second), 0u);
        ++nested;
    });
    QSignalSpy callers(control(), &Lintaro::OnCallerID);
    ring(u"0301234567"_s);
    waitUntilIdle(1);
    ASSERT_EQ(nested, 1);
    EXPECT_EQ(callers.count(), 2) << "the control reported both callers";
    EXPECT_EQ(numbers(), QStringList{u"0301234567"_s});
    // Dropped without a log line; the last-event text is the first caller's.
    EXPECT_EQ(logged(u"OnCallerID"_s).size(), 1);
    EXPECT_TRUE(window()->LastCallEvent.contains(u"CNumber:0301234567\r\n"_s));
    EXPECT_FALSE(window()->LastCallEvent.contains(u"0221987654"_s));
    EXPECT_EQ(window()->lSuche, 0);

    // The guard is down again: the next caller is identified.
    ring(u"0891234567"_s);
    waitUntilIdle(2);
    EXPECT_EQ(numbers(), (QStringList{u"0891234567"_s, u"0301234567"_s}));
}

TEST_F(ReentranceTest, OneWaitingConnectedNumberIsIdentifiedAfterTheCaller)
{
    start();
    distinctCallTimes();
    monitorOn();
    window()->mnuVerbundeneNummern->trigger();
    CallKey key = 0;
    SimExchange::IncomingCall incoming;
    incoming.callerNumber = u"0301234567"_s;
    QSignalSpy connected(control(), &Lintaro::OnConnectedID);
    duringTheNextIdentification([&] {
        // Two connected numbers during one identification: the later replaces
        // the earlier. Each is let through before the next is set (the control
        // reads the number when it handles the message).
        EXPECT_TRUE(exchange().answerAtPhone(key));
        EXPECT_TRUE(exchange().setConnectedParty(key, u"0401111222"_s, QString()));
        EXPECT_TRUE(testsupport::waitUntil([&] { return connected.count() == 1; }));
        EXPECT_TRUE(program->members().PendingConnected);
        EXPECT_TRUE(exchange().setConnectedParty(key, u"0221987654"_s, QString()));
        EXPECT_TRUE(testsupport::waitUntil([&] { return connected.count() == 2; }));
        EXPECT_EQ(program->members().PendingNumber, u"0221987654"_s);
    });
    key = exchange().offerCall(0, incoming);
    ASSERT_NE(key, 0u);
    waitUntilIdle(2);
    EXPECT_EQ(connected.count(), 2) << "both connected numbers were reported";
    EXPECT_FALSE(program->members().PendingConnected);
    ASSERT_EQ(entries().size(), 2u);
    // Newest first: the waiting connected number, identified after the caller.
    EXPECT_EQ(entries()[0], (QStringList{u"0221987654"_s, u"Köln"_s, u"Unbekannt"_s,
                                         QString::number(icon("Unbekannt_Weiterleitung"))}));
    EXPECT_EQ(entries()[1], (QStringList{u"0301234567"_s, u"Berlin"_s, u"Unbekannt"_s,
                                         QString::number(icon("Unbekannt"))}));
}

TEST_F(ReentranceTest, CallerIdDuringAConnectedNumbersIdentificationOnlyUpdatesTheLastEvent)
{
    start();
    logOn();
    window()->mnuVerbundeneNummern->trigger();
    duringTheNextIdentification(
        [&] { events().OnCallerID(u"0221987654"_s, u""_s, u"<ADDRESS>"_s, 9, 65539); });
    events().OnConnectedID(u"0301234567"_s, 7, 65537);
    waitUntilIdle(1);
    EXPECT_EQ(numbers(), QStringList{u"0301234567"_s});
    EXPECT_EQ(logged(u"OnCallerID"_s).size(), 1) << "logged, but neither searched nor kept";
    EXPECT_TRUE(window()->LastCallEvent.contains(u"CNumber:0221987654\r\n"_s));
    EXPECT_FALSE(program->members().PendingConnected);
    EXPECT_EQ(window()->lSuche, 0);
}

} // namespace
