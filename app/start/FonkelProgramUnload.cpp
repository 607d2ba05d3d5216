// The main window's close handler: the shutdown.
#include "FonkelProgram.h"

#include "app/calls/NumberPreparation.h"
#include "app/core/ActSide.h"
#include "app/core/TapiButton.h"
#include "app/core/TapiWindows.h"
#include "app/core/frmHaupt.h"
#include "app/core/modOptionen.h"
#include "app/localdata/clFonkelDaten.h"
#include "control/line/Lintaro.h"
#include "platform/settings/SettingsStore.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>

namespace fonkel {

namespace {

int mark(const QAction* item)
{
    return item->isChecked() ? 1 : 0;
}

} // namespace

void FonkelProgram::Form_Unload()
{
    // The window may get more than one close event; it goes down once.
    if (m_unloaded)
        return;
    m_unloaded = true;

    m_tapiWindows->UnloadProtokoll();
    frmHaupt& w = *m_window;
    if (w.cmdInitTapi->tag() == u"aktiv") {
        m_control->TapiLineClose();
        QCoreApplication::processEvents();
        m_control->TapiLineShutdown();
        QCoreApplication::processEvents();
    }
    m_control->shutdownControl();
    QCoreApplication::processEvents();
    if (clFonkelDaten* daten = w.FonkelDaten())
        daten->kill();
    w.setFonkelDaten(nullptr);
    QCoreApplication::processEvents();

    if (!w.isMinimized()) {
        const QRect geometry = w.geometryInTwips();
        m_options->WriteWindow(QStringLiteral("Left"), geometry.left());
        m_options->WriteWindow(QStringLiteral("Top"), geometry.top());
        m_options->WriteWindow(QStringLiteral("Height"), geometry.height());
        m_options->WriteWindow(QStringLiteral("Width"), geometry.width());
    }
    m_options->WriteOption(QStringLiteral("TapiDevice"), w.cbxTapiDevices->currentText());
    writeOptions();
    m_act->UnloadTelefonfelder();

    // The history keys have no dialog: written back so that they stand in
    // the store for the user to change.
    for (const char* key : {"ProtokollAufruf", "ProtokollSendKeys", "ProtokollSendKeyIntervall",
                            "ProtokollFensterKennung"}) {
        const QString name = QString::fromLatin1(key);
        m_options->WriteOption(name, m_options->ReadOption(name));
    }
    m_options->WriteOption(QStringLiteral("PlusKlammerFilter"), mark(w.mnuTAPIPlusKlammerFilter));

    if (!m_members.CachePath.isEmpty() && QFile::exists(m_members.CachePath))
        QFile::remove(m_members.CachePath); // a failure is of no consequence
    m_seams.settings.sync();
    emit unloaded();
}

void FonkelProgram::writeOptions()
{
    frmHaupt& w = *m_window;
    modOptionen& o = *m_options;
    o.WriteOption(QStringLiteral("NummernCache"), mark(w.mnuNummernCache));
    o.WriteOption(QStringLiteral("NummernCacheAutomatisch"), mark(w.mnuNummernCacheAutomatisch));
    o.WriteOption(QStringLiteral("Null"), m_numbers->NullOption());
    o.WriteOption(QStringLiteral("AutoNummern"), mark(w.mnuAutoNummern));
    o.WriteOption(QStringLiteral("AutoTapimonitor"), mark(w.mnuTapiAktivieren));
    o.WriteOption(QStringLiteral("FensterMin"), mark(w.mnuFensterMin));
    o.WriteOption(QStringLiteral("KeineNullBeimSuchen"), mark(w.mnuKeineNullBeimSuchen));
    o.WriteOption(QStringLiteral("AutostartTimer"), mark(w.mnuAutoTimer));
    o.WriteOption(QStringLiteral("WeiterleitungErkennen"), mark(w.mnuVerbundeneNummern));
}

} // namespace fonkel
