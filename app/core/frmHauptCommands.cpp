// The copy, copy-status and delete commands of the main window.
#include "frmHaupt.h"

#include "ListRoutines.h"
#include "ListView.h"
#include "PanelStatusBar.h"
#include "PictureBox.h"
#include "frmInfo.h"

#include "app/localdata/clFonkelDaten.h"
#include "platform/ui/UserInterface.h"

namespace fonkel {

namespace {
const QString CrLf = QStringLiteral("\r\n");
}

void frmHaupt::CopyEntry(CopyPart part)
{
    if (lvNummern->count() == 0)
        return;
    const ListItem* entry = lvNummern->selectedEntry();
    if (!entry)
        return;
    const QString kontakt = entry->subItem(ColumnSubItemIndex(QStringLiteral("Kontakt")));
    const QString ort = entry->subItem(ColumnSubItemIndex(QStringLiteral("Ort")));
    QString text;
    switch (part) {
    case CopyPart::KontaktNummer:
        text = kontakt + CrLf + entry->text();
        break;
    case CopyPart::Nummer:
        text = entry->text();
        break;
    case CopyPart::Ort:
        text = ort;
        break;
    case CopyPart::Kontakt:
        text = kontakt;
        break;
    }
    m_ui.clearClipboard();
    m_ui.setClipboardText(text);
}

void frmHaupt::CopyStatus()
{
    m_ui.clearClipboard();
    m_ui.setClipboardText(u"TAPI:" + panel(1)->text() + CrLf + u"Fonkel:" + panel(3)->text() +
                          CrLf + u"ACT:" + panel(2)->text());
    m_ui.inform(QStringLiteral("Die Statusmeldungen sind in die Zwischenanblage kopiert worden."),
                QStringLiteral("Fonkel"), platform::ui::Icon::Information);
}

void frmHaupt::DeleteEntries(int days)
{
    QString question;
    if (days < 0) {
        if (lvNummern->count() == 0)
            return;
        question = QStringLiteral("Sollen alle Einträge gelöscht werden ?");
    } else if (days == 1) {
        question =
            QStringLiteral("Sollen alle Einträge gelöscht werden, die älter als ein Tag sind ?");
    } else {
        question =
            QStringLiteral("Sollen alle Einträge gelöscht werden, die älter als eine Woche sind ?");
    }
    const bool yes = m_ui.ask(question, QStringLiteral("Fonkel - Anruferliste löschen"));
    // Before start-up has opened the database there is nothing to delete or reload.
    if (!m_fonkelDaten)
        return;
    if (yes)
        m_fonkelDaten->LoescheAnruferliste(days);
    // The list always shows exactly what is stored afterwards, in its order.
    m_fonkelDaten->leseMDBinListview(*lvNummern);
    if (lvNummern->sortKeyColumn() >= 0)
        SortListView(*lvNummern, lvNummern->sortKeyColumn(), false);
}

void frmHaupt::ShowInfo()
{
    auto* info = new frmInfo(imBanner->picture(), this);
    info->setAttribute(Qt::WA_DeleteOnClose);
    info->setModal(true);
    info->show();
}

} // namespace fonkel
