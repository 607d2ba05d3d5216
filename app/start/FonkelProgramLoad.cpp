// The main window's load handler.
#include "FonkelProgram.h"

#include "app/calls/NumberPreparation.h"
#include "app/core/ActSide.h"
#include "app/core/ListRoutines.h"
#include "app/core/ListView.h"
#include "app/core/Twips.h"
#include "app/core/WindowTimer.h"
#include "app/core/frmHaupt.h"
#include "app/core/frmStatus.h"
#include "app/core/modOptionen.h"
#include "app/localdata/clFonkelDaten.h"
#include "control/line/Lintaro.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScreen>

namespace fonkel {

namespace {

bool optionIsOne(const modOptionen& options, const char* key)
{
    return options.ReadOption(QString::fromLatin1(key)).toDouble() == 1;
}

} // namespace

void FonkelProgram::showStep(const QString& text)
{
    m_status->lbInfo->setText(text);
    emit loadStep(text);
    QCoreApplication::processEvents();
}

void FonkelProgram::Form_Load()
{
    m_status = std::make_unique<frmStatus>();
    m_status->lbHauptInfo->setText(QStringLiteral("wird gestartet..."));
    m_status->show();
    QCoreApplication::processEvents();

    restoreGeometry();
    // The layout works on the sizes the restored geometry gives the children.
    m_window->layout()->activate();
    m_window->LayoutWindow();
    m_window->SetupColumns();

    showStep(QStringLiteral("TAPI-Initialisierung"));
    m_control->TapiLineInit();
    QCoreApplication::processEvents();

    showStep(QStringLiteral("Nummern.mdb einlesen"));
    auto daten = std::make_unique<clFonkelDaten>(m_seams.engine, m_seams.ui, m_seams.settings,
                                                 m_seams.registry);
    daten->init(m_seams.nummernMdb);
    daten->leseMDBinListview(*m_window->lvNummern);
    m_window->setFonkelDaten(std::move(daten));
    SortListView(*m_window->lvNummern, m_window->lvNummern->columnOfKey(QStringLiteral("Datum")),
                 false);

    fillDeviceBox();
    m_window->mnuTapiTreiber->setTitle(
        QStringLiteral("TAPI (") + m_window->cbxTapiDevices->currentText() + QStringLiteral(")"));

    showStep(QStringLiteral("Telefonfelder einlesen"));
    m_act->LoadTelefonfelder();

    showStep(QStringLiteral("ACT!-Monitor initialisieren"));
    m_act->CheckACTDatabase();

    applyOptionMarks();

    m_members.CachePath = m_options->ReadOption(QStringLiteral("CacheMDB")).toString();
    // The number cache never survives a restart.
    if (!m_members.CachePath.isEmpty() && QFile::exists(m_members.CachePath))
        QFile::remove(m_members.CachePath);
    if (m_options->ReadOption(QStringLiteral("NummernCache")).toDouble() == 0) {
        m_act->SetNumberCacheUse(false);
    } else {
        m_act->BuildNumberCache();
        m_act->SetNumberCacheUse(true);
    }

    m_numbers->setNummernfilter(m_options->ReadOption(QStringLiteral("Nummernfilter")).toString());
    m_window->mnuAutoTimer->setChecked(optionIsOne(*m_options, "AutostartTimer"));
    m_window->mnuTAPIPlusKlammerFilter->setChecked(optionIsOne(*m_options, "PlusKlammerFilter"));
    m_window->mnuVerbundeneNummern->setChecked(optionIsOne(*m_options, "WeiterleitungErkennen"));

    if (m_window->cbxAddress->count() > 0)
        m_window->cbxAddress->setCurrentIndex(0);

    m_status.reset();
    // The TAPI log is off after every start.
    m_window->mnuTAPIProtokoll->setChecked(false);
    m_window->TimerACT->setInterval(TimerACTInterval);
}

void FonkelProgram::restoreGeometry()
{
    int left = m_options->ReadWindow(QStringLiteral("Left"));
    int top = m_options->ReadWindow(QStringLiteral("Top"));
    const int height = m_options->ReadWindow(QStringLiteral("Height"));
    const int width = m_options->ReadWindow(QStringLiteral("Width"));
    // A window stored off the screen (a screen that has gone) comes back onto it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect screenArea = screen->geometry();
        if (left < 0 || left > twips::fromPixels(screenArea.width()))
            left = 0;
        if (top < 0 || top > twips::fromPixels(screenArea.height()))
            top = 0;
    }
    m_window->setGeometryInTwips(QRect(left, top, width, height));
}

void FonkelProgram::fillDeviceBox()
{
    QComboBox& devices = *m_window->cbxTapiDevices;
    devices.clear();
    const int count = m_control->DeviceCount();
    for (int i = 0; i < count; ++i)
        devices.addItem(m_control->getDeviceName(i));
    // Filling selects nothing; only a stored device is selected below.
    devices.setCurrentIndex(-1);

    const QString stored = m_options->ReadOption(QStringLiteral("TapiDevice")).toString();
    if (stored.isEmpty() || count <= 0)
        return;
    // A device that is gone: the first one instead.
    const int device = std::max(devices.findText(stored), 0);
    // Selecting a line runs the box's click handling, as a click would; that
    // sets the control's deviceId, which fills the address box.
    devices.setCurrentIndex(device);
    emit devices.activated(device);
}

void FonkelProgram::applyOptionMarks()
{
    frmHaupt& w = *m_window;
    modOptionen& o = *m_options;

    const double null = o.ReadOption(QStringLiteral("Null")).toDouble();
    if (null == 0 || null == 1 || null == -1)
        m_numbers->ApplyNullOption(static_cast<int>(null));

    w.AutoStartPending = optionIsOne(o, "AutoTapimonitor");
    w.mnuTapiAktivieren->setChecked(w.AutoStartPending);
    w.MinimisePending = optionIsOne(o, "FensterMin");
    w.mnuFensterMin->setChecked(w.MinimisePending);
    w.mnuAutoNummern->setChecked(optionIsOne(o, "AutoNummern"));
    w.mnuKeineNullBeimSuchen->setChecked(optionIsOne(o, "KeineNullBeimSuchen"));
    m_numbers->BuildPrefixCaptions();
    w.mnuNummernCacheAutomatisch->setChecked(
        o.ReadOption(QStringLiteral("NummernCacheAutomatisch")).toDouble() != 0);
}

} // namespace fonkel
