// The menus of the main window and the wiring of its own commands.
#include "frmHaupt.h"

#include "ListRoutines.h"
#include "ListView.h"
#include "PanelStatusBar.h"
#include "PictureBox.h"
#include "TapiButton.h"

#include <QMenu>
#include <QMenuBar>

namespace fonkel {

namespace {

QMenu* subMenu(QMenu* parent, const QString& name, const QString& caption)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    parent->addMenu(menu);
    return menu;
}

} // namespace

void frmHaupt::createMenus()
{
    const auto item = [this](QMenu* menu, const QString& name, const QString& caption,
                             const QKeySequence& shortcut = {}, bool checkable = false) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        action->setCheckable(checkable);
        menu->addAction(action);
        return action;
    };
    const bool Checkable = true;

    mnuProgramm = menuBar()->addMenu(QStringLiteral("&Programm"));
    mnuProgramm->setObjectName(QStringLiteral("mnuProgramm"));
    mnuProgramm->menuAction()->setObjectName(QStringLiteral("mnuProgramm"));
    mnuTAPI = item(mnuProgramm, QStringLiteral("mnuTAPI"),
                   QStringLiteral("&Tapimonitor aktivieren"), QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuCacheNeu =
        item(mnuProgramm, QStringLiteral("mnuCacheNeu"), QStringLiteral("&Nummern-Cache erneuern"),
             QKeySequence(Qt::CTRL | Qt::Key_N));

    mnuOptionen = subMenu(mnuProgramm, QStringLiteral("mnuOptionen"), QStringLiteral("&Optionen"));
    mnuAutoNummern = item(mnuOptionen, QStringLiteral("mnuAutoNummern"),
                          QStringLiteral("ähnliche &Nummern suchen"),
                          QKeySequence(Qt::CTRL | Qt::Key_A), Checkable);
    mnuVerbundeneNummern = item(mnuOptionen, QStringLiteral("mnuVerbundeneNummern"),
                                QStringLiteral("Auf &verbundene Nummern reagieren"), {}, Checkable);
    mnuAutoTimer = item(mnuOptionen, QStringLiteral("mnuAutoTimer"),
                        QStringLiteral("ACT! Timer mit starten"), {}, Checkable);
    mnuOptionen->addSeparator();
    mnuTelefonfelder = item(mnuOptionen, QStringLiteral("mnuTelefonfelder"),
                            QStringLiteral("&Telefonfelder auswählen"));
    mnuNummern = item(mnuOptionen, QStringLiteral("mnuNummern"), QStringLiteral("Fonkel &Nummern"));
    mnuNummernfilter =
        item(mnuOptionen, QStringLiteral("mnuNummernfilter"), QStringLiteral("Nummern&filter"));

    mnuStartoptionen =
        subMenu(mnuOptionen, QStringLiteral("mnuStartoptionen"), QStringLiteral("&Startoptionen"));
    mnuTapiAktivieren = item(mnuStartoptionen, QStringLiteral("mnuTapiAktivieren"),
                             QStringLiteral("Tapi&monitor automatisch aktivieren"), {}, Checkable);
    mnuFensterMin = item(mnuStartoptionen, QStringLiteral("mnuFensterMin"),
                         QStringLiteral("&Fenster minimieren"), {}, Checkable);
    mnuNummernCache = item(mnuStartoptionen, QStringLiteral("mnuNummernCache"),
                           QStringLiteral("Nummern-&Cache benutzen"), {}, Checkable);
    mnuNummernCacheAutomatisch =
        item(mnuStartoptionen, QStringLiteral("mnuNummernCacheAutomatisch"),
             QStringLiteral("Nummern-Cache autom. aktualisieren"), {}, Checkable);

    mnuTapiTreiber =
        subMenu(mnuOptionen, QStringLiteral("mnuTapiTreiber"), QStringLiteral("T&API"));
    mnuTapiInfos =
        item(mnuTapiTreiber, QStringLiteral("mnuTapiInfos"),
             QStringLiteral("Treiber &Informationen"), QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuTapiEinstellungen = item(mnuTapiTreiber, QStringLiteral("mnuTapiEinstellungen"),
                                QStringLiteral("Treiber &Einstellungen"));
    mnuTapiWaehlregeln =
        item(mnuTapiTreiber, QStringLiteral("mnuTapiWaehlregeln"), QStringLiteral("&Wählregeln"));
    mnuTAPIProtokoll = item(mnuTapiTreiber, QStringLiteral("mnuTAPIProtokoll"),
                            QStringLiteral("&Protokoll"), {}, Checkable);
    mnuTapiTreiber->addSeparator();
    // Design captions; the prefix in them is replaced at start-up.
    mnuTapiNullAendern = item(mnuTapiTreiber, QStringLiteral("mnuTapiNullAendern"),
                              QStringLiteral("Präfix (0) än&dern"));
    mnuTapiNull = item(mnuTapiTreiber, QStringLiteral("mnuTapiNull"),
                       QStringLiteral("Präfix (0) hin&zufügen"), {}, Checkable);
    mnuTAPINullEntfernen = item(mnuTapiTreiber, QStringLiteral("mnuTAPINullEntfernen"),
                                QStringLiteral("Präfix (0) ent&fernen"), {}, Checkable);
    mnuTapiTreiber->addSeparator();
    mnuTAPIPlusKlammerFilter =
        item(mnuTapiTreiber, QStringLiteral("mnuTAPIPlusKlammerFilter"),
             QStringLiteral("&Pluszeichen und Klammern filtern"), {}, Checkable);
    mnuKeineNullBeimSuchen = item(mnuTapiTreiber, QStringLiteral("mnuKeineNullBeimSuchen"),
                                  QStringLiteral("&Suche in ACT! ohne Null"), {}, Checkable);

    mnuBeenden = item(mnuProgramm, QStringLiteral("mnuBeenden"), QStringLiteral("&Beenden"),
                      QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuPopupListe = menuBar()->addMenu(QStringLiteral("&Anruferliste"));
    mnuPopupListe->setObjectName(QStringLiteral("mnuPopupListe"));
    mnuPopupListe->menuAction()->setObjectName(QStringLiteral("mnuPopupListe"));
    mnuACTAnzeigen =
        item(mnuPopupListe, QStringLiteral("mnuACTAnzeigen"), QStringLiteral("&Kontakt anzeigen"));
    mnuACTProtokollAufzeichnen = item(mnuPopupListe, QStringLiteral("mnuACTProtokollAufzeichnen"),
                                      QStringLiteral("&Protokoll aufzeichnen"));
    mnuPopupListe->addSeparator();
    mnuKopieren =
        subMenu(mnuPopupListe, QStringLiteral("mnuKopieren"), QStringLiteral("Eintrag &kopieren"));
    mnuKopiereKontaktNummer = item(mnuKopieren, QStringLiteral("mnuKopiereKontaktNummer"),
                                   QStringLiteral("Kontakt && Telefon&nummer"));
    mnuKopieren->addSeparator();
    mnuKopiereNummer =
        item(mnuKopieren, QStringLiteral("mnuKopiereNummer"), QStringLiteral("&Telefonnummer"));
    mnuKopiereOrt = item(mnuKopieren, QStringLiteral("mnuKopiereOrt"), QStringLiteral("&Ort"));
    mnuKopiereKontakt =
        item(mnuKopieren, QStringLiteral("mnuKopiereKontakt"), QStringLiteral("&Kontakt"));
    mnuEintraege =
        subMenu(mnuPopupListe, QStringLiteral("mnuEintraege"), QStringLiteral("Einträge &löschen"));
    mnuAlleLoeschen =
        item(mnuEintraege, QStringLiteral("mnuAlleLoeschen"), QStringLiteral("&Alle"));
    mnuTagLoeschen =
        item(mnuEintraege, QStringLiteral("mnuTagLoeschen"), QStringLiteral("Älter als 1 &Tag"));
    mnuWocheLoeschen = item(mnuEintraege, QStringLiteral("mnuWocheLoeschen"),
                            QStringLiteral("Älter als 1 &Woche"));
    mnuPopupListe->addSeparator();
    mnuSuche_aehnliche = item(mnuPopupListe, QStringLiteral("mnuSuche_aehnliche"),
                              QStringLiteral("&Suche ähnliche Nummern"));
    mnuNummerAnwaehlen = item(mnuPopupListe, QStringLiteral("mnuNummerAnwaehlen"),
                              QStringLiteral("&Nummer anwählen"));

    // Context menus only (not in the menu bar).
    mnuStatusKopieren = new QMenu(QStringLiteral("Menü-Kopieren"), this);
    mnuStatusKopieren->setObjectName(QStringLiteral("mnuStatusKopieren"));
    mnuCopyStatus =
        item(mnuStatusKopieren, QStringLiteral("mnuCopyStatus"), QStringLiteral("&Kopieren"));

    mnuMenueAehnliche = new QMenu(QStringLiteral("Menü-Ähnliche"), this);
    mnuMenueAehnliche->setObjectName(QStringLiteral("mnuMenueAehnliche"));
    mnuAehnlicheACTAnzeigen = item(mnuMenueAehnliche, QStringLiteral("mnuAehnlicheACTAnzeigen"),
                                   QStringLiteral("&Kontakt anzeigen"));
    mnuAehnlicheACTProtokollAufzeichnen =
        item(mnuMenueAehnliche, QStringLiteral("mnuAehnlicheACTProtokollAufzeichnen"),
             QStringLiteral("&Protokoll aufzeichnen"));
    mnuMenueAehnlicheBlank01 = mnuMenueAehnliche->addSeparator();
    mnuMenueAehnlicheBlank01->setObjectName(QStringLiteral("mnuMenueAehnlicheBlank01"));
    mnuAehnlicheNummerAnwaehlen =
        item(mnuMenueAehnliche, QStringLiteral("mnuAehnlicheNummerAnwaehlen"),
             QStringLiteral("&Nummer anwählen"));
}

void frmHaupt::connectCommands()
{
    connect(mnuTAPI, &QAction::triggered, cmdInitTapi, &QAbstractButton::click);
    connect(mnuBeenden, &QAction::triggered, this, &QWidget::close);
    connect(mnuAutoNummern, &QAction::triggered, this, &frmHaupt::LayoutWindow);
    connect(mnuAutoTimer, &QAction::triggered, this, &frmHaupt::LayoutWindow);

    connect(mnuKopiereKontaktNummer, &QAction::triggered, this,
            [this] { CopyEntry(CopyPart::KontaktNummer); });
    connect(mnuKopiereNummer, &QAction::triggered, this, [this] { CopyEntry(CopyPart::Nummer); });
    connect(mnuKopiereOrt, &QAction::triggered, this, [this] { CopyEntry(CopyPart::Ort); });
    connect(mnuKopiereKontakt, &QAction::triggered, this, [this] { CopyEntry(CopyPart::Kontakt); });
    connect(mnuAlleLoeschen, &QAction::triggered, this, [this] { DeleteEntries(-1); });
    connect(mnuTagLoeschen, &QAction::triggered, this, [this] { DeleteEntries(1); });
    connect(mnuWocheLoeschen, &QAction::triggered, this, [this] { DeleteEntries(7); });
    connect(mnuCopyStatus, &QAction::triggered, this, &frmHaupt::CopyStatus);

    connect(lvNummern, &ListView::headerClicked, this,
            [this](int column) { SortListView(*lvNummern, column, true); });
    connect(lvNummern, &ListView::listDoubleClicked, mnuACTAnzeigen, &QAction::trigger);
    connect(lvNummern, &ListView::rightButtonReleased, this,
            [this](const QPoint& pos) { mnuPopupListe->popup(pos); });
    connect(lvKontakte, &ListView::listDoubleClicked, mnuAehnlicheACTAnzeigen, &QAction::trigger);
    connect(lvKontakte, &ListView::rightButtonReleased, this,
            [this](const QPoint& pos) { mnuMenueAehnliche->popup(pos); });
    connect(StatusBar, &PanelStatusBar::rightButtonReleased, this,
            [this](const QPoint& pos) { mnuStatusKopieren->popup(pos); });
    connect(imBanner, &PictureBox::clicked, this, &frmHaupt::ShowInfo);
}

} // namespace fonkel
