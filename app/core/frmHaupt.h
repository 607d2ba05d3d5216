#pragma once

#include "ImageList.h"
#include "frmHauptLayout.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class clFonkelDaten;

namespace platform::ui {
class UserInterface;
}

namespace fonkel {

class ListView;
class PanelStatusBar;
class PictureBox;
class StatusPanel;
class TapiButton;
class WindowTimer;

// The main window: the telephony frame at the top, the caller list, the list
// of contacts with similar numbers, the status bar, and the menus.
//
// Controls and menu items are public members named like the window's
// controls; each carries that name as its object name. Menu items whose
// commands belong to other parts of the program (ACT! commands, number cache,
// phone fields, number list, TAPI log and driver windows, dialling, similar
// numbers) are plain QActions here: connect their triggered signal. Checkable
// items reverse their mark before triggered(bool) arrives with the new state.
class frmHaupt : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString DesignCaption = QStringLiteral("Fonkel - Der Tapimonitor für ACT!");

    explicit frmHaupt(platform::ui::UserInterface& ui, QWidget* parent = nullptr);
    ~frmHaupt() override;

    // Image lists.
    const ImageList ilIcons = ImageList::ilIcons();
    const ImageList ilTelefone = ImageList::ilTelefone();
    const ImageList ilSortierung = ImageList::ilSortierung();

    // Top frame "Tapi-Gerät". The telephone button, the device and address
    // boxes are handled by the telephony side of the window (cmdInitTapi's
    // clicked signal, cbxTapiDevices' activated signal).
    QGroupBox* frTapi = nullptr;
    QComboBox* cbxTapiDevices = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QComboBox* cbxAddress = nullptr;
    TapiButton* cmdInitTapi = nullptr;
    // Where the telephony control sits (see setLintaroControl).
    QWidget* LintaroSlot = nullptr;
    QLabel* lbID = nullptr;
    PictureBox* imBanner = nullptr;

    QGroupBox* frAnruferliste = nullptr;
    ListView* lvNummern = nullptr;
    QGroupBox* frAehnliche = nullptr;
    ListView* lvKontakte = nullptr;

    PanelStatusBar* StatusBar = nullptr;
    // The ACT! timer; the layout switches it off and on around its work.
    WindowTimer* TimerACT = nullptr;

    // "&Programm"
    QMenu* mnuProgramm = nullptr;
    QAction* mnuTAPI = nullptr;
    QAction* mnuCacheNeu = nullptr;
    QMenu* mnuOptionen = nullptr;
    QAction* mnuAutoNummern = nullptr;
    QAction* mnuVerbundeneNummern = nullptr;
    QAction* mnuAutoTimer = nullptr;
    QAction* mnuTelefonfelder = nullptr;
    QAction* mnuNummern = nullptr;
    QAction* mnuNummernfilter = nullptr;
    QMenu* mnuStartoptionen = nullptr;
    QAction* mnuTapiAktivieren = nullptr;
    QAction* mnuFensterMin = nullptr;
    QAction* mnuNummernCache = nullptr;
    QAction* mnuNummernCacheAutomatisch = nullptr;
    QMenu* mnuTapiTreiber = nullptr;
    QAction* mnuTapiInfos = nullptr;
    QAction* mnuTapiEinstellungen = nullptr;
    QAction* mnuTapiWaehlregeln = nullptr;
    QAction* mnuTAPIProtokoll = nullptr;
    QAction* mnuTapiNullAendern = nullptr;
    QAction* mnuTapiNull = nullptr;
    QAction* mnuTAPINullEntfernen = nullptr;
    QAction* mnuTAPIPlusKlammerFilter = nullptr;
    QAction* mnuKeineNullBeimSuchen = nullptr;
    QAction* mnuBeenden = nullptr;
    // "&Anruferliste", also the caller list's context menu
    QMenu* mnuPopupListe = nullptr;
    QAction* mnuACTAnzeigen = nullptr;
    QAction* mnuACTProtokollAufzeichnen = nullptr;
    QMenu* mnuKopieren = nullptr;
    QAction* mnuKopiereKontaktNummer = nullptr;
    QAction* mnuKopiereNummer = nullptr;
    QAction* mnuKopiereOrt = nullptr;
    QAction* mnuKopiereKontakt = nullptr;
    QMenu* mnuEintraege = nullptr;
    QAction* mnuAlleLoeschen = nullptr;
    QAction* mnuTagLoeschen = nullptr;
    QAction* mnuWocheLoeschen = nullptr;
    QAction* mnuSuche_aehnliche = nullptr;
    QAction* mnuNummerAnwaehlen = nullptr;
    // Context menu of the status bar.
    QMenu* mnuStatusKopieren = nullptr;
    QAction* mnuCopyStatus = nullptr;
    // Context menu of the similar-contacts list.
    QMenu* mnuMenueAehnliche = nullptr;
    QAction* mnuAehnlicheACTAnzeigen = nullptr;
    QAction* mnuAehnlicheACTProtokollAufzeichnen = nullptr;
    QAction* mnuMenueAehnlicheBlank01 = nullptr;
    QAction* mnuAehnlicheNummerAnwaehlen = nullptr;

    const frmHauptDesign& design() const { return m_design; }
    platform::ui::UserInterface& ui() const { return m_ui; }

    // Status panel 1 to 4 ("Tapi", "Status", "ACT", "Cache").
    StatusPanel* panel(int index) const;

    // Runs the layout rules (size changes, start-up, mnuAutoNummern and
    // mnuAutoTimer call it).
    void LayoutWindow();
    // Column widths at start-up; not repeated on resize.
    void SetupColumns();

    // Window position and size in twips (the "Window" settings).
    QRect geometryInTwips() const;
    void setGeometryInTwips(const QRect& twips);

    // The sub-item index of a caller-list column key ("Datum" -> 1).
    int ColumnSubItemIndex(const QString& key) const;

    // Puts the telephony control into its place in the top frame; the window
    // takes ownership.
    void setLintaroControl(QWidget* control);
    QWidget* lintaroControl() const { return m_lintaro; }

    // The local number database (Nummern.mdb): the window owns it from
    // start-up to shutdown; the delete commands work on its stored calls.
    void setFonkelDaten(std::unique_ptr<clFonkelDaten> daten);
    clFonkelDaten* FonkelDaten() const { return m_fonkelDaten.get(); }

    // Commands of the menus (each is also the triggered handler of its item).
    enum class CopyPart { KontaktNummer, Nummer, Ort, Kontakt };
    void CopyEntry(CopyPart part);
    void CopyStatus();
    void DeleteEntries(int days);

    // Opens the program's information window (modal, owned by this window).
    void ShowInfo();

    // What start-up defers to the first tick of TimerACT: switching the
    // monitor on and minimising the window.
    bool AutoStartPending = false;
    bool MinimisePending = false;

    // What happened with the last caller-ID event: the event's values, then
    // what the identification made of the number.
    QString LastCallEvent;
    // Nesting depth of the caller-ID event handling (0: none runs).
    qint32 lSuche = 0;

    // The close handler (shutdown); it runs whenever the window gets a close
    // event, before the window goes.
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectCommands();
    void placeFixedControls();

    platform::ui::UserInterface& m_ui;
    frmHauptDesign m_design;
    std::unique_ptr<clFonkelDaten> m_fonkelDaten;
    std::function<void()> m_closeHandler;
    QWidget* m_client = nullptr;
    QWidget* m_lintaro = nullptr;
};

} // namespace fonkel
