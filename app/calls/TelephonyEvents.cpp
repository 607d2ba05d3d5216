#include "TelephonyEvents.h"

#include "CallerIdentification.h"
#include "NumberFilters.h"

#include "app/core/PanelStatusBar.h"
#include "app/core/TapiButton.h"
#include "app/core/TapiWindows.h"
#include "app/core/frmHaupt.h"
#include "app/core/frmProtokoll.h"
#include "app/core/modHaupt.h"
#include "control/line/Lintaro.h"
#include "platform/ui/LocaleDateTime.h"
#include "platform/ui/UserInterface.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QMenu>

namespace fonkel {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Aktiv = QStringLiteral("aktiv");
const QString Passiv = QStringLiteral("passiv");

// The privilege the monitor opens the line with: it watches calls and
// never owns them.
constexpr int LINECALLPRIVILEGE_MONITOR = 2;
// The control's code for a line that the driver closed.
constexpr int LineClosedFromTsp = 1013;
// At most this many addresses are listed for a device.
constexpr int MaximumAddresses = 11;

// The values text of a log line: one "label=value" line per parameter, text
// values in double quotes, numbers in plain decimal digits.
class LogValues {
public:
    LogValues& text(const char* label, const QString& value)
    {
        m_lines << QString::fromLatin1(label) + QStringLiteral("=\"") + value + u'"';
        return *this;
    }
    LogValues& number(const char* label, qint64 value)
    {
        m_lines << QString::fromLatin1(label) + u'=' + QString::number(value);
        return *this;
    }
    operator QString() const { return m_lines.join(CrLf); }

private:
    QStringList m_lines;
};

// A number with the blank that stands before it when it is not negative.
QString withSignBlank(qint64 value)
{
    return value >= 0 ? u' ' + QString::number(value) : QString::number(value);
}

} // namespace

TelephonyEvents::TelephonyEvents(frmHaupt& window, Lintaro& control, modHaupt& members,
                                 CallerIdentification& identification, TapiWindows& tapiWindows,
                                 QObject* parent)
    : QObject(parent), m_window(window), m_control(control), m_members(members),
      m_identification(identification), m_tapiWindows(tapiWindows)
{
    connect(m_window.cmdInitTapi, &QAbstractButton::clicked, this,
            &TelephonyEvents::cmdInitTapi_Click);
    connect(m_window.cbxTapiDevices, &QComboBox::activated, this,
            &TelephonyEvents::cbxTapiDevices_Click);
    connectControl();
}

void TelephonyEvents::connectControl()
{
    // Direct connections: the control raises its events while it handles the
    // message that caused them, and the handlers may call back into it.
    Lintaro* c = &m_control;
    connect(c, &Lintaro::OnDeviceIDChanged, this, &TelephonyEvents::OnDeviceIDChanged);
    connect(c, &Lintaro::OnCallerID, this, &TelephonyEvents::OnCallerID);
    connect(c, &Lintaro::OnConnectedID, this, &TelephonyEvents::OnConnectedID);
    connect(c, &Lintaro::OnCalledID, this, &TelephonyEvents::OnCalledID);
    connect(c, &Lintaro::OnCallState, this, &TelephonyEvents::OnCallState);
    connect(c, &Lintaro::OnConnected, this, &TelephonyEvents::OnConnected);
    connect(c, &Lintaro::OnRinging, this, &TelephonyEvents::OnRinging);
    connect(c, &Lintaro::OnTapiMessage, this, &TelephonyEvents::OnTapiMessage);
    connect(c, &Lintaro::OnBusy, this, &TelephonyEvents::OnBusy);
    connect(c, &Lintaro::OnCallOrigin, this, &TelephonyEvents::OnCallOrigin);
    connect(c, &Lintaro::OnDialtone, this, &TelephonyEvents::OnDialtone);
    connect(c, &Lintaro::OnDisconnected, this, &TelephonyEvents::OnDisconnected);
    connect(c, &Lintaro::OnOffering, this, &TelephonyEvents::OnOffering);
    connect(c, &Lintaro::OnPhoneRing, this, &TelephonyEvents::OnPhoneRing);
    connect(c, &Lintaro::OnRedirectingID, this, &TelephonyEvents::OnRedirectingID);
    connect(c, &Lintaro::OnRedirectionID, this, &TelephonyEvents::OnRedirectionID);
}

// --- The telephone button and the device box ---------------------------------------------------

bool TelephonyEvents::monitorActive() const
{
    return m_window.cmdInitTapi->tag() == Aktiv;
}

void TelephonyEvents::cmdInitTapi_Click()
{
    if (monitorActive())
        monitorOff();
    else
        monitorOn();
    m_window.lSuche = 0;
}

void TelephonyEvents::monitorOn()
{
    m_control.setTAPI_LINECALLPRIVILEGE(LINECALLPRIVILEGE_MONITOR);
    // A failure to open shows as the control's message in the first panel;
    // the button goes to "aktiv" all the same.
    m_control.TapiLineOpen();
    TapiButton& button = *m_window.cmdInitTapi;
    button.setPicture(Aktiv);
    button.setTag(Aktiv);
    m_window.cbxTapiDevices->setEnabled(false);
    m_window.setWindowTitle(QStringLiteral("Fonkel ist aktiv"));
    button.setToolTip(QStringLiteral("Tapimonitor deaktivieren"));
    m_window.mnuTAPI->setText(QStringLiteral("&Tapimonitor deaktivieren"));
}

void TelephonyEvents::monitorOff()
{
    m_control.TapiLineClose();
    TapiButton& button = *m_window.cmdInitTapi;
    button.setPicture(Passiv);
    button.setTag(Passiv);
    m_window.cbxTapiDevices->setEnabled(true);
    m_window.setWindowTitle(QStringLiteral("Fonkel"));
    button.setToolTip(QStringLiteral("Tapimonitor aktivieren"));
    m_window.mnuTAPI->setText(QStringLiteral("&Tapimonitor aktivieren"));
}

void TelephonyEvents::cbxTapiDevices_Click(int index)
{
    // The box lists the devices in the control's order.
    m_control.setDeviceId(index);
    m_window.mnuTapiTreiber->setTitle(QStringLiteral("TAPI (") +
                                      m_window.cbxTapiDevices->currentText() + u')');
}

// --- Events ------------------------------------------------------------------------------------

void TelephonyEvents::log(const QString& event, const QString& values)
{
    if (!m_window.mnuTAPIProtokoll->isChecked())
        return;
    if (frmProtokoll* protokoll = m_tapiWindows.protokoll())
        protokoll->PrintProtokoll(event, values);
}

void TelephonyEvents::setPanel1(int picture, const QString& text)
{
    StatusPanel& panel = *m_window.panel(1);
    panel.setPicture(picture);
    panel.setText(text);
}

void TelephonyEvents::OnDeviceIDChanged(int /*deviceId*/)
{
    m_window.mnuTapiTreiber->setTitle(QStringLiteral("TAPI (") + m_control.DeviceName() + u')');
    QComboBox& box = *m_window.cbxAddress;
    box.clear();
    const int device = m_control.deviceId();
    for (int i = 0; i < MaximumAddresses; ++i) {
        const QString address = m_control.getAddress(device, i);
        if (address.isEmpty())
            break;
        box.addItem(address);
    }
    if (box.count() == 0)
        box.addItem(QStringLiteral("keine"));
    box.setCurrentIndex(0);
}

void TelephonyEvents::OnCallerID(const QString& CNumber, const QString& CName,
                                 const QString& CPartyID, int CCallID, int CCallHandle)
{
    qint32& lSuche = m_window.lSuche;
    // Entered again through the message processing of a running
    // identification: this event is dropped, without a log line.
    if (++lSuche >= 2) {
        --lSuche;
        return;
    }

    log(QStringLiteral("OnCallerID"), LogValues()
                                          .text("lSuche", QString::number(lSuche))
                                          .text("CNumber", CNumber)
                                          .text("CName", CName)
                                          .text("CPartyID", CPartyID)
                                          .number("CCallID", CCallID)
                                          .number("CCallHandle", CCallHandle));

    const QDateTime now = QDateTime::currentDateTime();
    m_window.LastCallEvent = QStringLiteral("OnCallerEvent:") + QString::number(lSuche) + u' ' +
                             platform::ui::LocaleDateTime::shortDate(now.date()) + u' ' +
                             platform::ui::LocaleDateTime::longTime(now.time()) + CrLf;
    m_window.LastCallEvent += QStringLiteral("CNumber:") + CNumber + CrLf;
    m_window.LastCallEvent += QStringLiteral("CName:") + CName + CrLf;
    m_window.LastCallEvent += QStringLiteral("CPartyID:") + CPartyID + CrLf;
    m_window.LastCallEvent += QStringLiteral("CCallID:") + QString::number(CCallID) + CrLf;
    m_window.LastCallEvent += QStringLiteral("CCallHandle:") + QString::number(CCallHandle) + CrLf;

    // A caller-ID event during an identification that a connected number
    // started is neither searched nor kept for later.
    if (!m_members.SearchBusy && !TrimBlanks(CNumber).isEmpty()) {
        m_identification.IdentifyCaller(CNumber, CName, CPartyID, CCallID, CCallHandle, false);
        if (m_members.PendingConnected) {
            m_members.PendingConnected = false;
            m_identification.IdentifyCaller(m_members.PendingNumber, QStringLiteral(">"),
                                            QStringLiteral("<ADDRESS>"), m_members.PendingCallId,
                                            m_members.PendingCallHandle, true);
        }
    }

    // The telephone button sets the counter to 0; a switch of the monitor
    // during the identification (a line closed by the driver) must not leave
    // it below 0, or the next nested event would slip through.
    if (lSuche > 0)
        --lSuche;
}

void TelephonyEvents::OnConnectedID(const QString& CNumber, int CCallID, int CCallHandle)
{
    log(QStringLiteral("OnConnectedID"), LogValues()
                                             .text("CNumber", CNumber)
                                             .number("CCallID", CCallID)
                                             .number("CCallHandle", CCallHandle));
    if (TrimBlanks(CNumber).isEmpty() || !m_window.mnuVerbundeneNummern->isChecked())
        return;
    if (m_members.SearchBusy) {
        // One waiting number at most: a later one replaces an earlier one.
        m_members.PendingConnected = true;
        m_members.PendingNumber = CNumber;
        m_members.PendingCallId = CCallID;
        m_members.PendingCallHandle = CCallHandle;
        return;
    }
    // "<ADDRESS>" makes the preparation take the connected number as present.
    m_identification.IdentifyCaller(CNumber, QStringLiteral(">"), QStringLiteral("<ADDRESS>"),
                                    CCallID, CCallHandle, true);
}

void TelephonyEvents::OnCalledID(const QString& CNumber, int CCallID, int CCallHandle)
{
    log(QStringLiteral("OnCalledID"), LogValues()
                                          .text("CNumber", CNumber)
                                          .number("CCallID", CCallID)
                                          .number("CCallHandle", CCallHandle));
    m_window.lbID->setText(QStringLiteral("Nummer ") + CNumber + QStringLiteral(" ID ") +
                           withSignBlank(CCallID));
}

void TelephonyEvents::OnCallState(const QString& CCallState, int CCallHandle, int CCallID)
{
    log(QStringLiteral("OnCallState"), LogValues()
                                           .text("CCallstate", CCallState)
                                           .number("CCallID", CCallID)
                                           .number("CCallHandle", CCallHandle));
    StatusPanel& panel = *m_window.panel(1);
    const ImageList& icons = m_window.ilIcons;
    if (CCallState == u"IDLE") {
        setPanel1(icons.index(QStringLiteral("Leer")), TapiAktiv);
        m_window.cmdInitTapi->setPicture(Aktiv);
    } else if (CCallState == u"DIALTONE") {
        setPanel1(icons.index(QStringLiteral("Ton")), QStringLiteral("Wählton"));
        m_window.cmdInitTapi->setPicture(QStringLiteral("abgenommen"));
    } else if (CCallState == u"CONNECTED") {
        panel.setPicture(icons.index(QStringLiteral("Verbindung")));
    } else if (CCallState == u"ACCEPTED") {
        panel.setPicture(icons.index(QStringLiteral("Klingel")));
    }
    panel.setToolTip(panel.text());
}

void TelephonyEvents::OnConnected(const QString& CConnectedMode, int CCallHandle)
{
    log(QStringLiteral("OnConnected"),
        LogValues().text("CConnectedMode", CConnectedMode).number("CCallHandle", CCallHandle));
    setPanel1(m_window.ilIcons.index(QStringLiteral("Verbindung")), CConnectedMode);
}

void TelephonyEvents::OnRinging(int CRingMode, int CRingCount)
{
    log(QStringLiteral("OnRinging"),
        LogValues().number("CRingMode", CRingMode).number("CRingCount", CRingCount));
    const QString text = QString::number(CRingCount) + QStringLiteral(". Klingeln");
    setPanel1(m_window.ilIcons.index(QStringLiteral("Klingel")), text);
    m_window.panel(1)->setToolTip(text);
}

void TelephonyEvents::OnTapiMessage(const QString& CMessage, const QString& CfromProc,
                                    int CErrNumber)
{
    const QString text = CMessage + QStringLiteral(" from ") + CfromProc + QStringLiteral(" #") +
                         withSignBlank(CErrNumber);
    StatusPanel& panel = *m_window.panel(1);
    panel.setText(text);
    panel.setToolTip(text);

    if (CErrNumber != LineClosedFromTsp || !monitorActive())
        return;
    cmdInitTapi_Click();
    const QString question = QStringLiteral("Das Tapi-Gerät \"") + m_control.DeviceName() +
                             QStringLiteral("\" hat die Verbindung abgebrochen.") + CrLf +
                             QStringLiteral("Fonkel wurde daher deaktiviert.") + CrLf +
                             QStringLiteral("TAPI-Fehlermeldung: ") + CMessage + CrLf +
                             QStringLiteral("TAPI-Fehlernummer: ") + QString::number(CErrNumber) +
                             CrLf + QStringLiteral("Soll Fonkel wieder aktiviert werden?");
    if (m_window.ui().ask(question, QStringLiteral("Fonkel")))
        cmdInitTapi_Click();
}

void TelephonyEvents::OnBusy(const QString& CBusyMode, int CCallHandle)
{
    log(QStringLiteral("OnBusy"),
        LogValues().text("CBusyMode", CBusyMode).number("CCallHandle", CCallHandle));
}

void TelephonyEvents::OnCallOrigin(const QString& CCallOrigin, int CCallID, int CCallHandle)
{
    log(QStringLiteral("OnCallOrigin"), LogValues()
                                            .text("CCallOrigin", CCallOrigin)
                                            .number("CCallID", CCallID)
                                            .number("CCallHandle", CCallHandle));
}

void TelephonyEvents::OnDialtone(const QString& CDialtoneMode, int CCallHandle)
{
    log(QStringLiteral("OnDialtone"),
        LogValues().text("CDialtoneMode", CDialtoneMode).number("CCallHandle", CCallHandle));
}

void TelephonyEvents::OnDisconnected(const QString& CDisconnectedMode, int CCallHandle)
{
    log(QStringLiteral("OnDisconnected"), LogValues()
                                              .text("CDisconnectedMode", CDisconnectedMode)
                                              .number("CCallHandle", CCallHandle));
}

void TelephonyEvents::OnOffering(const QString& COfferingMode, int CCallHandle)
{
    log(QStringLiteral("OnOffering"),
        LogValues().text("COfferingMode", COfferingMode).number("CCallHandle", CCallHandle));
}

void TelephonyEvents::OnPhoneRing(int CRingMode)
{
    log(QStringLiteral("OnPhoneRing"), LogValues().number("CRingMode", CRingMode));
}

void TelephonyEvents::OnRedirectingID(const QString& CNumber, int CCallID, int CCallHandle)
{
    log(QStringLiteral("OnRedirectingID"), LogValues()
                                               .text("CNumber", CNumber)
                                               .number("CCallID", CCallID)
                                               .number("CCallHandle", CCallHandle));
}

void TelephonyEvents::OnRedirectionID(const QString& CNumber, int CCallID, int CCallHandle)
{
    log(QStringLiteral("OnRedirectionID"), LogValues()
                                               .text("CNumber", CNumber)
                                               .number("CCallID", CCallID)
                                               .number("CCallHandle", CCallHandle));
}

} // namespace fonkel
