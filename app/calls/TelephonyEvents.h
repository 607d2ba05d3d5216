#pragma once

#include <QObject>
#include <QString>

class Lintaro;

namespace fonkel {

class CallerIdentification;
class TapiWindows;
class frmHaupt;
struct modHaupt;

// The main window's side of the telephony control: the telephone button
// (monitor on and off), the device and address boxes, and the handlers of
// the control's events. Each handled event goes to the TAPI log while
// "&Protokoll" is checked; the line and call states show in the first status
// panel and on the button; a caller number (and, when the user wants it, a
// connected number) starts the caller identification.
//
// The identification lets queued events through while it runs, so the
// handlers may be entered again meanwhile: the window's lSuche counter drops
// a caller-ID event that arrives inside another one, modHaupt::SearchBusy
// keeps to one identification at a time, and one connected number may wait
// in modHaupt's pending record until the running caller-ID handling is done.
class TelephonyEvents : public QObject {
    Q_OBJECT
public:
    // The first panel's text after an idle call state.
    static inline const QString TapiAktiv = QStringLiteral("TAPI aktiv");

    TelephonyEvents(frmHaupt& window, Lintaro& control, modHaupt& members,
                    CallerIdentification& identification, TapiWindows& tapiWindows,
                    QObject* parent = nullptr);

    // The telephone button: switches the monitor on when its tag is
    // "passiv" (monitor privilege, line open), else off (line closed).
    void cmdInitTapi_Click();
    // A device chosen in the device box (its 0-based line).
    void cbxTapiDevices_Click(int index);

    // --- Handlers of the control's events ---
    void OnDeviceIDChanged(int deviceId);
    void OnCallerID(const QString& CNumber, const QString& CName, const QString& CPartyID,
                    int CCallID, int CCallHandle);
    void OnConnectedID(const QString& CNumber, int CCallID, int CCallHandle);
    void OnCalledID(const QString& CNumber, int CCallID, int CCallHandle);
    void OnCallState(const QString& CCallState, int CCallHandle, int CCallID);
    void OnConnected(const QString& CConnectedMode, int CCallHandle);
    void OnRinging(int CRingMode, int CRingCount);
    void OnTapiMessage(const QString& CMessage, const QString& CfromProc, int CErrNumber);
    // Only logged.
    void OnBusy(const QString& CBusyMode, int CCallHandle);
    void OnCallOrigin(const QString& CCallOrigin, int CCallID, int CCallHandle);
    void OnDialtone(const QString& CDialtoneMode, int CCallHandle);
    void OnDisconnected(const QString& CDisconnectedMode, int CCallHandle);
    void OnOffering(const QString& COfferingMode, int CCallHandle);
    void OnPhoneRing(int CRingMode);
    void OnRedirectingID(const QString& CNumber, int CCallID, int CCallHandle);
    void OnRedirectionID(const QString& CNumber, int CCallID, int CCallHandle);

private:
    void connectControl();
    void monitorOn();
    void monitorOff();
    void log(const QString& event, const QString& values);
    void setPanel1(int picture, const QString& text);
    bool monitorActive() const;

    frmHaupt& m_window;
    Lintaro& m_control;
    modHaupt& m_members;
    CallerIdentification& m_identification;
    TapiWindows& m_tapiWindows;
};

} // namespace fonkel
