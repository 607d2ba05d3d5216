#include "TapiWindows.h"

#include "DriverReport.h"
#include "frmHaupt.h"
#include "frmProtokoll.h"
#include "frmTapiInfo.h"

#include <QAction>

namespace fonkel {

TapiWindows::TapiWindows(frmHaupt& window, Lintaro& control, QObject* parent)
    : QObject(parent), m_window(window), m_control(control)
{
    // The item reverses its mark before triggered arrives with the new state.
    connect(m_window.mnuTAPIProtokoll, &QAction::triggered, this, [this](bool checked) {
        if (checked)
            openProtokoll();
        else
            UnloadProtokoll();
    });
    connect(m_window.mnuTapiInfos, &QAction::triggered, this, &TapiWindows::ShowTapiInfo);
}

frmProtokoll* TapiWindows::protokoll() const
{
    return m_protokoll;
}

frmTapiInfo* TapiWindows::tapiInfo() const
{
    return m_tapiInfo;
}

void TapiWindows::openProtokoll()
{
    m_window.mnuTAPIProtokoll->setChecked(true);
    if (!m_protokoll) {
        // A fresh window each time: a log closed and opened again starts empty.
        m_protokoll = new frmProtokoll(&m_window);
        m_protokoll->setAttribute(Qt::WA_DeleteOnClose);
        // The closed window is deleted later; from now on the log is off.
        connect(m_protokoll, &frmProtokoll::closed, this, [this] {
            m_protokoll = nullptr;
            m_window.mnuTAPIProtokoll->setChecked(false);
        });
    }
    m_protokoll->show();
    m_protokoll->raise();
}

void TapiWindows::UnloadProtokoll()
{
    if (m_protokoll)
        m_protokoll->close();
    m_window.mnuTAPIProtokoll->setChecked(false);
}

void TapiWindows::ShowTapiInfo()
{
    auto* info = new frmTapiInfo(DriverReport(m_control, m_window.LastCallEvent), &m_window);
    info->setAttribute(Qt::WA_DeleteOnClose);
    info->setModal(true);
    m_tapiInfo = info;
    info->show();
}

} // namespace fonkel
