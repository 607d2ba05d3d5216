#pragma once

#include <QObject>
#include <QPointer>

class Lintaro;

namespace fonkel {

class frmHaupt;
class frmProtokoll;
class frmTapiInfo;

// The main window's two diagnostic windows of the telephone line: the TAPI
// log, switched on and off by "&Protokoll" (its check mark and the open
// window go together), and the driver information opened by "Treiber
// &Informationen".
class TapiWindows : public QObject {
    Q_OBJECT
public:
    TapiWindows(frmHaupt& window, Lintaro& control, QObject* parent = nullptr);

    // The open log window; nullptr while the log is off.
    frmProtokoll* protokoll() const;
    // The driver information window while it is open.
    frmTapiInfo* tapiInfo() const;

    // Closes the log window (shutdown); the log is off afterwards.
    void UnloadProtokoll();
    // Builds the driver report anew and shows it (modal).
    void ShowTapiInfo();

private:
    void openProtokoll();

    frmHaupt& m_window;
    Lintaro& m_control;
    QPointer<frmProtokoll> m_protokoll;
    QPointer<frmTapiInfo> m_tapiInfo;
};

} // namespace fonkel
