#include "WindowFixture.h"

#include "app/core/ListRoutines.h"
#include "app/core/PanelStatusBar.h"
#include "app/core/PictureBox.h"
#include "app/core/TapiButton.h"
#include "app/core/Twips.h"
#include "app/core/WindowTimer.h"
#include "app/core/frmInfo.h"
#include "app/localdata/NummernSchema.h"
#include "app/localdata/clFonkelDaten.h"
#include "platform/db/DBEngine.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/settings/LinuxRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>

using fonkel::frmHaupt;
using fonkel::twips::fromPixels;
using fonkel::twips::toPixels;
using platform::ui::Answer;

namespace {

class MainWindow : public WindowFixture {
protected:
    QAction* action(const char* name) const
    {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    }
};

TEST_F(MainWindow, MenuItemsCarryTheirCaptionsShortcutsAndMarks)
{
    struct Item {
        const char* name;
        const char* menu;
        QString caption;
        QKeySequence shortcut;
        bool checkable;
    };
    const QKeySequence none;
    const QList<Item> items{
        {"mnuTAPI", "mnuProgramm", "&Tapimonitor aktivieren", QKeySequence("Ctrl+T"), false},
        {"mnuCacheNeu", "mnuProgramm", "&Nummern-Cache erneuern", QKeySequence("Ctrl+N"), false},
        {"mnuOptionen", "mnuProgramm", "&Optionen", none, false},
        {"mnuBeenden", "mnuProgramm", "&Beenden", QKeySequence("Ctrl+Q"), false},
        {"mnuAutoNummern", "mnuOptionen", "ähnliche &Nummern suchen", QKeySequence("Ctrl+A"), true},
        {"mnuVerbundeneNummern", "mnuOptionen", "Auf &verbundene Nummern reagieren", none, true},
        {"mnuAutoTimer", "mnuOptionen", "ACT! Timer mit starten", none, true},
        {"mnuTelefonfelder", "mnuOptionen", "&Telefonfelder auswählen", none, false},
        {"mnuNummern", "mnuOptionen", "Fonkel &Nummern", none, false},
        {"mnuNummernfilter", "mnuOptionen", "Nummern&filter", none, false},
        {"mnuStartoptionen", "mnuOptionen", "&Startoptionen", none, false},
        {"mnuTapiTreiber", "mnuOptionen", "T&API", none, false},
        {"mnuTapiAktivieren", "mnuStartoptionen", "Tapi&monitor automatisch aktivieren", none,
         true},
        {"mnuFensterMin", "mnuStartoptionen", "&Fenster minimieren", none, true},
        {"mnuNummernCache", "mnuStartoptionen", "Nummern-&Cache benutzen", none, true},
        {"mnuNummernCacheAutomatisch", "mnuStartoptionen", "Nummern-Cache autom. aktualisieren",
         none, true},
        {"mnuTapiInfos", "mnuTapiTreiber", "Treiber &Informationen", QKeySequence("Ctrl+I"), false},
        {"mnuTapiEinstellungen", "mnuTapiTreiber", "Treiber &Einstellungen", none, false},
        {"mnuTapiWaehlregeln", "mnuTapiTreiber", "&Wählregeln", none, false},
        {"mnuTAPIProtokoll", "mnuTapiTreiber", "&Protokoll", none, true},
        {"mnuTapiNullAendern", "mnuTapiTreiber", "Präfix (0) än&dern", none, false},
        {"mnuTapiNull", "mnuTapiTreiber", "Präfix (0) hin&zufügen", none, true},
        {"mnuTAPINullEntfernen", "mnuTapiTreiber", "Präfix (0) ent&fernen", none, true},
        {"mnuTAPIPlusKlammerFilter", "mnuTapiTreiber", "&Pluszeichen und Klammern filtern", none,
         true},
        {"mnuKeineNullBeimSuchen", "mnuTapiTreiber", "&Suche in ACT! ohne Null", none, true},
        {"mnuACTAnzeigen", "mnuPopupListe", "&Kontakt anzeigen", none, false},
        {"mnuACTProtokollAufzeichnen", "mnuPopupListe", "&Protokoll aufzeichnen", none, false},
        {"mnuKopieren", "mnuPopupListe", "Eintrag &kopieren", none, false},
        {"mnuEintraege", "mnuPopupListe", "Einträge &löschen", none, false},
        {"mnuSuche_aehnliche", "mnuPopupListe", "&Suche ähnliche Nummern", none, false},
        {"mnuNummerAnwaehlen", "mnuPopupListe", "&Nummer anwählen", none, false},
        {"mnuKopiereKontaktNummer", "mnuKopieren", "Kontakt && Telefon&nummer", none, false},
        {"mnuKopiereNummer", "mnuKopieren", "&Telefonnummer", none, false},
        {"mnuKopiereOrt", "mnuKopieren", "&Ort", none, false},
        {"mnuKopiereKontakt", "mnuKopieren", "&Kontakt", none, false},
        {"mnuAlleLoeschen", "mnuEintraege", "&Alle", none, false},
        {"mnuTagLoeschen", "mnuEintraege", "Älter als 1 &Tag", none, false},
        {"mnuWocheLoeschen", "mnuEintraege", "Älter als 1 &Woche", none, false},
        {"mnuCopyStatus", "mnuStatusKopieren", "&Kopieren", none, false},
        {"mnuAehnlicheACTAnzeigen", "mnuMenueAehnliche", "&Kontakt anzeigen", none, false},
        {"mnuAehnlicheACTProtokollAufzeichnen", "mnuMenueAehnliche", "&Protokoll aufzeichnen", none,
         false},
        {"mnuMenueAehnlicheBlank01", "mnuMenueAehnliche", "", none, false},
        {"mnuAehnlicheNummerAnwaehlen", "mnuMenueAehnliche", "&Nummer anwählen", none, false},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        QAction* a = action(item.name);
        ASSERT_NE(a, nullptr);
        auto* menu = window->findChild<QMenu*>(QString::fromLatin1(item.menu));
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->actions().contains(a));
        EXPECT_EQ(a->text(), item.caption);
        EXPECT_EQ(a->shortcut(), item.shortcut);
        EXPECT_EQ(a->isCheckable(), item.checkable);
    }
    EXPECT_TRUE(action("mnuMenueAehnlicheBlank01")->isSeparator());

    // The menu bar holds the two menus; the two context menus are not in it.
    QStringList bar;
    for (QAction* a : window->menuBar()->actions())
        bar.append(a->text());
    EXPECT_EQ(bar, QStringList({"&Programm", "&Anruferliste"}));
    EXPECT_EQ(window->mnuStatusKopieren->title(), "Menü-Kopieren");
    EXPECT_EQ(window->mnuMenueAehnliche->title(), "Menü-Ähnliche");
}

TEST_F(MainWindow, ControlsStartWithTheirDesignTexts)
{
    EXPECT_EQ(window->windowTitle(), "Fonkel - Der Tapimonitor für ACT!");
    EXPECT_EQ(window->findChild<QGroupBox*>("frTapi")->title(), "Tapi-Gerät");
    EXPECT_EQ(window->findChild<QGroupBox*>("frAnruferliste")->title(), "Anruferliste");
    EXPECT_EQ(window->findChild<QGroupBox*>("frAehnliche")->title(),
              "Kontakte in ACT! mit ähnlicher Telefonnummer");
    EXPECT_EQ(window->findChild<QLineEdit*>("Text1")->text(), "Telefon");
    EXPECT_EQ(window->findChild<QLineEdit*>("Text2")->text(), "Adresse");
    EXPECT_NE(window->findChild<QComboBox*>("cbxTapiDevices"), nullptr);
    EXPECT_NE(window->findChild<QComboBox*>("cbxAddress"), nullptr);
    EXPECT_NE(window->findChild<QLabel*>("lbID"), nullptr);
    EXPECT_EQ(window->findChild<fonkel::PictureBox*>("imBanner")->toolTip(),
              "Informationen zum Programm");

    auto* button = window->findChild<fonkel::TapiButton*>("cmdInitTapi");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->tag(), "passiv");
    EXPECT_EQ(button->pictureKey(), "passiv");
    EXPECT_EQ(button->toolTip(), "Tapimonitor aktivieren");

    const auto columns = [](const fonkel::ListView* view) {
        QStringList keys;
        for (int i = 0; i < view->columnCount(); ++i)
            keys.append(view->columnKey(i) + "=" + view->columnCaption(i));
        return keys;
    };
    EXPECT_EQ(columns(window->findChild<fonkel::ListView*>("lvNummern")),
              QStringList({"Nummer=Nummer", "Datum=Datum", "Ort=Ort", "Kontakt=Kontakt"}));
    EXPECT_EQ(columns(window->findChild<fonkel::ListView*>("lvKontakte")),
              QStringList({"Nummer=Nummer", "Kontakt=Kontakt", "Firma=Firma"}));

    QStringList keys;
    for (int i = 1; i <= 4; ++i)
        keys.append(window->panel(i)->key());
    EXPECT_EQ(keys, QStringList({"Tapi", "Status", "ACT", "Cache"}));
    EXPECT_EQ(window->StatusBar->panel(QStringLiteral("Cache")), window->panel(4));
}

TEST_F(MainWindow, MenuItemTapiPressesTheTelephoneButton)
{
    QSignalSpy pressed(window->cmdInitTapi, &QAbstractButton::clicked);
    window->mnuTAPI->trigger();
    EXPECT_EQ(pressed.count(), 1);
}

TEST_F(MainWindow, ResizingBelowTheMinimumSnapsBack)
{
    window->setGeometryInTwips(QRect(1500, 1500, 5000, 4000));
    QTest::qWait(0);
    const QRect twips = window->geometryInTwips();
    EXPECT_EQ(twips.width(), 7575);
    EXPECT_EQ(twips.height(), 6540);

    window->setGeometryInTwips(QRect(1500, 1500, 12000, 9000));
    EXPECT_EQ(window->geometryInTwips(), QRect(1500, 1500, 12000, 9000));
}

TEST_F(MainWindow, SimilarNumbersTakeFortyPercentOfTheHeightWhenSwitchedOn)
{
    window->resize(900, 700);
    QWidget* client = window->centralWidget();
    ASSERT_TRUE(QTest::qWaitFor([&] { return client->height() > 500; }));
    const auto& d = window->design();
    const int available = fromPixels(client->height()) - d.anruferlisteTop - 2 * d.margin;

    window->mnuAutoNummern->trigger(); // on
    ASSERT_TRUE(window->mnuAutoNummern->isChecked());
    const QRect anrufer = window->frAnruferliste->geometry();
    const QRect aehnliche = window->frAehnliche->geometry();
    EXPECT_TRUE(window->frAehnliche->isVisible());
    EXPECT_NEAR(fromPixels(anrufer.height()), available * 0.6, 15);
    EXPECT_NEAR(fromPixels(aehnliche.height()), available * 0.4, 15);
    EXPECT_EQ(aehnliche.top(), anrufer.top() + anrufer.height() + 6);
    // Equal margins left and right, for all three frames.
    for (QWidget* frame : {window->frTapi, window->frAnruferliste, window->frAehnliche}) {
        EXPECT_EQ(frame->x(), toPixels(d.margin));
        EXPECT_EQ(frame->width(), client->width() - 2 * toPixels(d.margin));
    }
    // The lists fill their frames with the same margin all round.
    const QRect list = window->lvNummern->geometry();
    EXPECT_EQ(list.width(), anrufer.width() - 2 * list.x());
    EXPECT_EQ(list.height(), anrufer.height() - 2 * list.y());
    const QRect kontakte = window->lvKontakte->geometry();
    EXPECT_EQ(kontakte.height(), aehnliche.height() - 2 * kontakte.y());
    // The banner ends one margin before the top frame's right edge.
    EXPECT_EQ(window->imBanner->geometry().right() + 1,
              window->frTapi->width() - toPixels(d.margin));
    // Status panels 1 to 3 share the width in quarters; panel 4 is its picture.
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(window->panel(i)->width(), toPixels(fromPixels(client->width()) / 4));
    EXPECT_LT(window->panel(4)->width(), 30);

    window->mnuAutoNummern->trigger(); // off
    EXPECT_FALSE(window->frAehnliche->isVisible());
    EXPECT_EQ(window->frAnruferliste->height(), toPixels(available));
}

TEST_F(MainWindow, LayoutLeavesTheActTimerAsItFoundIt)
{
    window->TimerACT->setInterval(4500);
    window->TimerACT->setEnabled(true);
    window->mnuAutoTimer->trigger();
    EXPECT_TRUE(window->mnuAutoTimer->isChecked());
    EXPECT_TRUE(window->TimerACT->isRunning());

    window->TimerACT->setEnabled(false); // as while a caller is identified
    window->resize(800, 600);
    QTest::qWait(0);
    window->LayoutWindow();
    EXPECT_FALSE(window->TimerACT->isEnabled());
    EXPECT_EQ(window->TimerACT->interval(), 4500);
}

TEST_F(MainWindow, ColumnSetupSharesTheListWidth)
{
    window->resize(900, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->lvNummern->width() > 700; }));
    window->SetupColumns();
    const int share = (window->lvNummern->width() - 24) / 4;
    EXPECT_EQ(window->lvNummern->columnWidth(0), share);
    EXPECT_EQ(window->lvNummern->columnWidth(1), share + 3);
    EXPECT_EQ(window->lvNummern->columnWidth(2), share);
    EXPECT_EQ(window->lvNummern->columnWidth(3), share);
    const int third = (window->lvKontakte->width() - 24) / 3;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(window->lvKontakte->columnWidth(i), third);
}

TEST_F(MainWindow, CopyCommandsPutTheSelectedEntryOnTheClipboard)
{
    addCall("0301234", "05.03.2024 18:00:00", "Berlin", "Hans Huber", "[         123]", 6);
    fonkel::ListItem* unknown = addCall("040999", "05.03.2024 19:00:00", "Hamburg", "Unbekannt");
    const struct {
        QAction* item;
        fonkel::ListItem* entry;
        QString text;
    } cases[] = {
        {window->mnuKopiereKontaktNummer, list().entry(0), "Hans Huber\r\n0301234"},
        {window->mnuKopiereKontaktNummer, unknown, "Unbekannt\r\n040999"},
        {window->mnuKopiereNummer, list().entry(0), "0301234"},
        {window->mnuKopiereOrt, list().entry(0), "Berlin"},
        {window->mnuKopiereKontakt, unknown, "Unbekannt"},
    };
    for (const auto& c : cases) {
        list().selectEntry(c.entry);
        ui.setClipboardText("alt");
        c.item->trigger();
        EXPECT_EQ(ui.clipboardText(), c.text) << c.item->objectName().toStdString();
        // The clipboard is emptied first.
        EXPECT_EQ(ui.clipboardHistory().mid(ui.clipboardHistory().size() - 2),
                  QStringList({QString(), c.text}));
    }
}

TEST_F(MainWindow, CopyCommandsDoNothingOnAnEmptyList)
{
    ui.setClipboardText("alt");
    for (QAction* item : {window->mnuKopiereKontaktNummer, window->mnuKopiereNummer,
                          window->mnuKopiereOrt, window->mnuKopiereKontakt})
        item->trigger();
    EXPECT_EQ(ui.clipboardHistory(), QStringList({"alt"}));
}

TEST_F(MainWindow, CopyStatusCollectsThePanelTextsAndSaysSo)
{
    window->panel(1)->setText("TAPI aktiv");
    window->panel(2)->setText("ACT! bereit");
    window->panel(3)->setText("Anruf speichern ...");
    window->mnuCopyStatus->trigger();
    EXPECT_EQ(ui.clipboardText(),
              "TAPI:TAPI aktiv\r\nFonkel:Anruf speichern ...\r\nACT:ACT! bereit");
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages().first().text,
              "Die Statusmeldungen sind in die Zwischenanblage kopiert worden.");
    EXPECT_EQ(ui.messages().first().title, "Fonkel");
    EXPECT_EQ(ui.messages().first().icon, platform::ui::Icon::Information);
}

// The main window with a real Nummern.mdb whose engine's clock says it is
// Sunday, 17 March 2024, 14:05:09.
class WindowWithDatabase : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        const QString file = dir.filePath("Nummern.mdb");
        {
            auto db = engine.createDatabase(file);
            db->createTable(NummernSchema::laender());
            db->createTable(NummernSchema::liste());
            db->createTable(NummernSchema::anrufspeicher());
        }
        auto daten = std::make_unique<clFonkelDaten>(engine, ui, options, registry);
        ASSERT_TRUE(daten->init(file));
        window->setFonkelDaten(std::move(daten));
    }

    // Stores calls through the caller list itself, as identification does.
    void storeCalls(const QList<std::pair<QString, QString>>& calls)
    {
        for (const auto& [number, datum] : calls) {
            fonkel::ListItem* item = addCall(number, datum, "Berlin", "Anna Alt");
            ASSERT_TRUE(window->FonkelDaten()->schreibIteminMDB(list(), item->toCallerListEntry()));
        }
    }

    QTemporaryDir dir;
    platform::db::DBEngine engine{[] { return QDateTime(QDate(2024, 3, 17), QTime(14, 5, 9)); }};
    platform::settings::IniSettingsStore options{dir.filePath("Fonkel.ini")};
    platform::settings::LinuxRegistry registry{QProcessEnvironment()};
};

TEST_F(WindowWithDatabase, DeleteCommandsAskThenDeleteAndShowWhatIsStored)
{
    const struct {
        QAction* item;
        QString question;
        Answer answer;
        QStringList shown;
    } cases[] = {
        {window->mnuAlleLoeschen, "Sollen alle Einträge gelöscht werden ?", Answer::Yes, {}},
        {window->mnuTagLoeschen,
         "Sollen alle Einträge gelöscht werden, die älter als ein Tag sind ?",
         Answer::Yes,
         {"0301", "0302"}},
        {window->mnuWocheLoeschen,
         "Sollen alle Einträge gelöscht werden, die älter als eine Woche sind ?",
         Answer::Yes,
         {"0301", "0302", "0303", "0304"}},
        {window->mnuAlleLoeschen,
         "Sollen alle Einträge gelöscht werden ?",
         Answer::No,
         {"0301", "0302", "0303", "0304", "0305"}},
        {window->mnuTagLoeschen,
         "Sollen alle Einträge gelöscht werden, die älter als ein Tag sind ?",
         Answer::No,
         {"0301", "0302", "0303", "0304", "0305"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item->objectName().toStdString());
        window->FonkelDaten()->LoescheAnruferliste(-1);
        list().clearEntries();
        storeCalls({{"0305", "09.03.2024 23:59:59"},
                    {"0302", "16.03.2024 00:00:00"},
                    {"0304", "10.03.2024 00:00:00"},
                    {"0301", "17.03.2024 14:00:00"},
                    {"0303", "15.03.2024 12:00:00"}});
        SortListView(list(), 1, false);
        list().addEntry("nur in der Liste");
        ui.clear();
        ui.answerNext(c.answer);

        c.item->trigger();

        ASSERT_EQ(ui.messages().size(), 1);
        EXPECT_EQ(ui.messages().first().text, c.question);
        EXPECT_EQ(ui.messages().first().title, "Fonkel - Anruferliste löschen");
        EXPECT_EQ(ui.messages().first().icon, platform::ui::Icon::Question);
        EXPECT_EQ(ui.messages().first().buttons, platform::ui::Buttons::YesNo);
        // Whatever the answer, the list shows exactly the stored calls, newest first.
        EXPECT_EQ(numbers(), c.shown);
        EXPECT_EQ(list().headerIconKey(1), "Runter");
    }
}

TEST_F(WindowWithDatabase, DeletingAllOfAnEmptyListDoesNotEvenAsk)
{
    storeCalls({{"0305", "09.03.2024 23:59:59"}, {"0301", "17.03.2024 14:00:00"}});
    list().clearEntries();
    window->mnuAlleLoeschen->trigger();
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(list().count(), 0) << "not even reloaded";

    window->mnuWocheLoeschen->trigger(); // the others always ask
    EXPECT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(numbers(), QStringList({"0301"}));
}

TEST_F(WindowWithDatabase, StoredCallsComeBackWithTheirIconsAndTags)
{
    fonkel::ListItem* found =
        addCall("0301234", "17.03.2024 14:00:00", "Berlin", "Hans Huber", "[         123]", 10);
    ASSERT_TRUE(window->FonkelDaten()->schreibIteminMDB(list(), found->toCallerListEntry()));
    window->FonkelDaten()->leseMDBinListview(list());
    ASSERT_EQ(list().count(), 1);
    const fonkel::ListItem* reloaded = list().entry(0);
    EXPECT_EQ(
        reloaded->toCallerListEntry(),
        (CallerListEntry{
            "0301234", {"17.03.2024 14:00:00", "Berlin", "Hans Huber"}, "[         123]", 10}));
    EXPECT_EQ(reloaded->icon(0).pixmap(16, 16).toImage(),
              window->ilIcons.picture("ACT_Weiterleitung").toImage());
}

TEST_F(MainWindow, MouseOnTheListsOpensContactsAndContextMenus)
{
    addCall("0301234", "05.03.2024 18:00:00", "Berlin", "Hans Huber");
    window->lvKontakte->addEntry("[Telefon] 0301235");
    window->mnuAutoNummern->trigger();
    QTest::qWait(0);

    QSignalSpy showContact(window->mnuACTAnzeigen, &QAction::triggered);
    QWidget* viewport = list().viewport();
    const QPoint onEntry = list().visualItemRect(list().entry(0)).center();
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, onEntry);
    EXPECT_EQ(showContact.count(), 1);

    QTest::mouseClick(viewport, Qt::RightButton, {}, onEntry);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->mnuPopupListe->isVisible(); }));
    window->mnuPopupListe->hide();

    QSignalSpy showSimilar(window->mnuAehnlicheACTAnzeigen, &QAction::triggered);
    QWidget* similar = window->lvKontakte->viewport();
    const QPoint onSimilar =
        window->lvKontakte->visualItemRect(window->lvKontakte->entry(0)).center();
    QTest::mouseDClick(similar, Qt::LeftButton, {}, onSimilar);
    EXPECT_EQ(showSimilar.count(), 1);
    QTest::mouseClick(similar, Qt::RightButton, {}, onSimilar);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->mnuMenueAehnliche->isVisible(); }));
    window->mnuMenueAehnliche->hide();

    QTest::mouseClick(window->StatusBar, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->mnuStatusKopieren->isVisible(); }));
    window->mnuStatusKopieren->hide();
    EXPECT_FALSE(window->mnuPopupListe->isVisible());
}

TEST_F(MainWindow, BannerClickOpensTheModalInformationWindow)
{
    QTest::mouseClick(window->imBanner, Qt::LeftButton, {}, QPoint(10, 10));
    auto* info = window->findChild<fonkel::frmInfo*>();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return info->isVisible(); }));
    EXPECT_TRUE(info->isModal());
    EXPECT_EQ(info->parentWidget(), window.get());
    const auto* version = info->findChild<QLabel*>("lblVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version " + fonkel::frmInfo::version());
    EXPECT_FALSE(fonkel::frmInfo::version().isEmpty());
    EXPECT_EQ(info->findChild<QLabel*>("lblProdukt")->text(), "Fonkel");
    info->accept();
}

TEST_F(MainWindow, TheControlTakesItsPlaceInTheTopFrame)
{
    auto* control = new QWidget;
    window->setLintaroControl(control);
    EXPECT_EQ(control->parentWidget(), window->LintaroSlot);
    EXPECT_TRUE(window->frTapi->isAncestorOf(control));
    QPointer<QWidget> old(control);
    window->setLintaroControl(new QWidget);
    EXPECT_TRUE(old.isNull());
}

} // namespace
