#include "app/actapp/clACTApplication.h"
#include "platform/act/InProcessActServer.h"
#include "platform/desktop/InMemoryDesktop.h"
#include "platform/ui/ScriptedUserInterface.h"

#include <gtest/gtest.h>

using platform::act::AutomationError;
using platform::act::InProcessActServer;
using platform::desktop::InMemoryDesktop;
using platform::desktop::Placement;
using platform::desktop::WindowId;
using platform::ui::Answer;
using platform::ui::ScriptedUserInterface;

namespace {

const QString retryQuestion =
    QStringLiteral("Eine OLE-Verbindung zu Act! ist nicht möglich.\n"
                   "Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\n"
                   "Weiter versuchen ?");

class ACTApplicationTest : public ::testing::Test {
protected:
    ACTApplicationTest()
    {
        server.databaseName = QStringLiteral("/daten/act/KUNDEN.dbf");
        server.contactIds = {QStringLiteral("         abc"), QStringLiteral("AbCdEfGhIjKl")};
        server.currentContactId = QStringLiteral("AbCdEfGhIjKl");
    }

    WindowId startAct(const QString& title = QStringLiteral("ACT! - KUNDEN"))
    {
        return desktop.addTopLevel(QStringLiteral("act3.0frameclass"), title);
    }

    InMemoryDesktop desktop;
    InProcessActServer server;
    ScriptedUserInterface ui;
    int programEnds = 0;
    clACTApplication act{desktop, server, ui, [this] { ++programEnds; }};
};

TEST_F(ACTApplicationTest, ActIsRunningWhenItsMainWindowIsShown)
{
    struct Case {
        const char* className;
        const char* title;
        bool visible;
        bool running;
    };
    for (const Case& c : {Case{"ACT3.0FRAMECLASS", "ACT! - KUNDEN", true, true},
                          Case{"act3.0frameclass", "Kundenmanager - KUNDEN", true, true},
                          Case{"act3.0frameclass", "ACT! - KUNDEN", false, false},
                          Case{"act3.0frameclass", "act! - kunden", true, false},
                          Case{"act2.0frameclass", "ACT! - KUNDEN", true, false}}) {
        InMemoryDesktop desktop;
        desktop.addTopLevel(QString::fromLatin1(c.className), QString::fromLatin1(c.title),
                            c.visible);
        clACTApplication act(desktop, server, ui, [] {});
        EXPECT_EQ(act.ACTgestartet(), c.running) << c.className << " / " << c.title;
    }
    EXPECT_EQ(server.creations(), 0);
}

TEST_F(ACTApplicationTest, WithoutActEveryOperationGivesItsEmptyResultSilently)
{
    auto checkEmpty = [&](const char* situation) {
        EXPECT_FALSE(act.ACTgestartet() && server.running) << situation;
        EXPECT_EQ(act.ACTDatenbank(), QString()) << situation;
        EXPECT_EQ(act.AktuelleKontaktID(), QString()) << situation;
        EXPECT_EQ(act.AktuelleFeldID(), 0) << situation;
        EXPECT_EQ(act.aktuellerViewTyp(), -1) << situation;
        EXPECT_EQ(act.ExecuteCommand(310), 0) << situation;
        EXPECT_EQ(act.ACTVersion(), QString()) << situation;
        EXPECT_FALSE(act.setFeldwert(QStringLiteral("kontakt"), 25, QStringLiteral("x")))
            << situation;
        EXPECT_EQ(act.getFeldwert(QStringLiteral("kontakt"), 25), QString()) << situation;
        EXPECT_FALSE(act.gehezuKonatkt(QStringLiteral("abc"))) << situation;
        act.Zeigen();
        EXPECT_TRUE(server.calls().isEmpty()) << situation;
        EXPECT_TRUE(ui.messages().isEmpty()) << situation;
        EXPECT_EQ(programEnds, 0) << situation;
    };
    checkEmpty("no ACT! window");
    EXPECT_EQ(server.creations(), 0);

    // The window is there but the automation object cannot be created.
    startAct();
    server.running = false;
    checkEmpty("no automation object");
}

TEST_F(ACTApplicationTest, GoToPadsTheIdentifierToTwelveCharacters)
{
    startAct();
    for (const char* id : {"abc", "AbCdEfGhIjKl"}) {
        server.clearCalls();
        EXPECT_FALSE(act.gehezuKonatkt(QString::fromLatin1(id)));
        EXPECT_EQ(server.members(), (QStringList{"Views", "Create", "lookupall", "GoTo"}));
        const QVariantList createArgs = server.calls().at(1).args;
        EXPECT_EQ(createArgs,
                  (QVariantList{QVariant::fromValue(qint16(1)), QVariant::fromValue(qint16(2))}));
        const QString padded = server.calls().at(3).args.at(0).toString();
        EXPECT_EQ(padded.size(), 12);
        EXPECT_EQ(padded, QString::fromLatin1(id).rightJustified(12, QLatin1Char(' ')));
        EXPECT_EQ(server.currentContactId, padded);
    }
    EXPECT_EQ(server.calls().at(3).args.at(0).toString(), QStringLiteral("AbCdEfGhIjKl"));
    server.clearCalls();
    act.gehezuKonatkt(QStringLiteral("abc"));
    EXPECT_EQ(server.calls().at(3).args.at(0).toString(), QStringLiteral("         abc"));
    EXPECT_EQ(server.liveReferences(), 0);
}

TEST_F(ACTApplicationTest, CurrentContactOnlyFromAContactView)
{
    startAct();
    server.currentContactId = QStringLiteral("         abc");
    EXPECT_EQ(act.AktuelleKontaktID(), QStringLiteral("         abc"));
    EXPECT_EQ(act.aktuellerViewTyp(), 1);
    for (int type : {3, 2}) {
        server.activeViewType = type;
        EXPECT_EQ(act.AktuelleKontaktID(), QString()) << type;
        EXPECT_EQ(act.aktuellerViewTyp(), type);
    }
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(ACTApplicationTest, ConnectsAnewForEveryOperationAndReleasesEverything)
{
    startAct();
    server.currentFieldId = 77;
    server.commandResult = 5;
    const int before = server.creations();
    EXPECT_EQ(act.ACTDatenbank(), QStringLiteral("/daten/act/KUNDEN.dbf"));
    EXPECT_EQ(server.liveReferences(), 0);
    EXPECT_EQ(act.AktuelleFeldID(), 77);
    EXPECT_EQ(server.liveReferences(), 0);
    EXPECT_EQ(act.ExecuteCommand(310), 5);
    EXPECT_EQ(server.calls().last().args, QVariantList{qint32(310)});
    EXPECT_EQ(act.ACTVersion(), QStringLiteral("3.0"));
    EXPECT_EQ(server.calls().last().args, QVariantList{QVariant::fromValue(qint16(1))});
    EXPECT_EQ(server.liveReferences(), 0);
    EXPECT_EQ(server.creations(), before + 4);

    // The field operations keep their references until the next operation.
    EXPECT_TRUE(act.setFeldwert(QStringLiteral("contact"), 25, QStringLiteral("Berlin")));
    EXPECT_GT(server.liveReferences(), 0);
    EXPECT_EQ(act.getFeldwert(QStringLiteral("CONTACT"), 25), QStringLiteral("Berlin"));
    act.aktuellerViewTyp();
    EXPECT_EQ(server.liveReferences(), 0);
}

TEST_F(ACTApplicationTest, FieldKindsChooseTheViewAndAWrongKindIsReported)
{
    startAct();
    struct Case {
        const char* kind;
        int viewType;
        bool reported;
    };
    for (const Case& c :
         {Case{"Kontakt", 1, false}, Case{"contact", 1, false}, Case{"Gruppe", 3, false},
          Case{"GRUPPEN", 3, false}, Case{"group", 3, false}, Case{"Groups", 3, false},
          Case{"Firma", 1, true}}) {
        ui.clear();
        server.clearCalls();
        const QString kind = QString::fromLatin1(c.kind);
        EXPECT_TRUE(act.setFeldwert(kind, 9, kind));
        EXPECT_EQ(server.fields[std::make_pair(c.viewType, qint32(9))], kind) << c.kind;
        EXPECT_EQ(server.calls().at(1).args.at(0), QVariant::fromValue(qint16(c.viewType)))
            << c.kind;
        EXPECT_EQ(server.calls().last().args, (QVariantList{qint32(9), kind})) << c.kind;
        EXPECT_EQ(act.getFeldwert(kind, 9), kind) << c.kind;
        ASSERT_EQ(ui.messages().size(), c.reported ? 2 : 0) << c.kind;
        if (c.reported) {
            EXPECT_EQ(
                ui.messages().at(0).text,
                QStringLiteral("Falsche Feldtyp-Bezeichnung (Firma). Es wird Kontakt benutzt."));
            EXPECT_EQ(ui.messages().at(0).icon, platform::ui::Icon::Warning);
            EXPECT_EQ(ui.messages().at(0).buttons, platform::ui::Buttons::Ok);
        }
    }
}

TEST_F(ACTApplicationTest, AskingAgainWhileActShowsNoView)
{
    startAct();
    server.viewsUnavailable = 2;
    ui.answerNext(Answer::Yes);
    ui.answerNext(Answer::Yes);
    EXPECT_EQ(act.aktuellerViewTyp(), 1);
    EXPECT_EQ(server.members().count(QStringLiteral("GetActive")), 3);
    ASSERT_EQ(ui.messages().size(), 2);
    EXPECT_EQ(ui.messages().at(0).text, retryQuestion);
    EXPECT_EQ(ui.messages().at(0).title, QStringLiteral("Fonkel"));
    EXPECT_EQ(ui.messages().at(0).icon, platform::ui::Icon::Warning);
    EXPECT_EQ(ui.messages().at(0).buttons, platform::ui::Buttons::YesNo);

    // No gives up: the operation takes its result for nothing found.
    ui.clear();
    server.viewsUnavailable = 1;
    ui.answerNext(Answer::No);
    EXPECT_FALSE(act.setFeldwert(QStringLiteral("gruppe"), 1, QStringLiteral("x")));
    server.viewsUnavailable = 1;
    ui.answerNext(Answer::No);
    EXPECT_EQ(act.aktuellerViewTyp(), -1);
    EXPECT_EQ(ui.messages().size(), 2);
    EXPECT_EQ(server.liveReferences(), 0);

    // ACT! with no active view at all asks until the user gives up.
    ui.clear();
    server.activeViewType = 0;
    ui.answerNext(Answer::Yes);
    ui.answerNext(Answer::No);
    EXPECT_EQ(act.AktuelleKontaktID(), QString());
    EXPECT_EQ(ui.messages().size(), 2);
}

TEST_F(ACTApplicationTest, AFailingDatabaseNameEndsTheProgramAfterSayingWhy)
{
    startAct();
    server.databaseNameError =
        AutomationError(440, QStringLiteral("Keine Verbindung zur Datenbank"));
    EXPECT_EQ(act.ACTDatenbank(), QString());
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(
        ui.messages().at(0).text,
        QStringLiteral("Fehler #440 bei ACT!-Application OLE\nKeine Verbindung zur Datenbank"));
    EXPECT_EQ(ui.messages().at(0).title, QStringLiteral("Fonkel"));
    EXPECT_EQ(ui.messages().at(0).icon, platform::ui::Icon::Warning);
    EXPECT_EQ(ui.messages().at(0).buttons, platform::ui::Buttons::Ok);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(server.liveReferences(), 0);

    // Other failures of the automation give the empty result and end nothing.
    ui.clear();
    server.onCall = [](const InProcessActServer::Call& call) {
        if (call.member == QLatin1String("Type"))
            throw AutomationError(462, QStringLiteral("weg"));
    };
    EXPECT_EQ(act.aktuellerViewTyp(), -1);
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(server.liveReferences(), 0);
}

TEST_F(ACTApplicationTest, ShowingActBringsItsWindowToTheFront)
{
    const WindowId other = desktop.addTopLevel(QStringLiteral("fonkel"), QStringLiteral("Fonkel"));
    const WindowId window = startAct(QStringLiteral("ACT! - KUNDEN"));
    desktop.setForeground(other);
    act.Zeigen();
    EXPECT_TRUE(server.shown);
    EXPECT_EQ(server.calls().at(0).args, QVariantList{true});
    const QString id = QString::number(window);
    EXPECT_EQ(desktop.activations().mid(1),
              (QStringList{"foreground " + id, "top " + id, "topmost " + id + " on",
                           "topmost " + id + " off"}));
    EXPECT_EQ(desktop.foreground(), window);
    EXPECT_FALSE(desktop.isTopmost(window));
    EXPECT_EQ(server.liveReferences(), 0);
}

TEST_F(ACTApplicationTest, ShowingAMinimisedActOnlyRestoresIt)
{
    // Titled without "ACT": found by its second title.
    const WindowId window = startAct(QStringLiteral("Kundenmanager - KUNDEN"));
    desktop.setPlacement(window, Placement::Minimised);
    act.Zeigen();
    const QString id = QString::number(window);
    EXPECT_EQ(desktop.activations(),
              (QStringList{"restore " + id, "topmost " + id + " on", "topmost " + id + " off"}));
    EXPECT_EQ(desktop.placement(window), Placement::Normal);
}

} // namespace
