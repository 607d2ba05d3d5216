// The whole chain on real windows: actsim with a generated database under X11,
// on a session bus of its own with the accessibility bus, driven by the
// application's automation client and window automation.
#include "ActsimHarness.h"

#include "TestSupport.h"
#include "app/actapp/clACTApplication.h"
#include "app/actapp/clButtonGuard.h"
#include "app/actapp/modACTRunning.h"
#include "platform/act/DBusAutomation.h"
#include "platform/desktop/AtspiDesktop.h"
#include "platform/ui/ScriptedUserInterface.h"
#include "tools/actsim/ActDatabase.h"
#include "tools/actsim/HistoryLog.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace actsim {
void PrintTo(const HistoryEntry& e, std::ostream* os)
{
    *os << QStringList{e.contactId, e.contactName, e.date, e.time, e.type, e.regarding}
               .join(QLatin1String(" | "))
               .toStdString();
}
} // namespace actsim
using platform::desktop::WindowId;

namespace {

// What the window automation sees, for failure messages.
std::string describeDesktop(platform::desktop::Desktop& desktop)
{
    QString out;
    for (WindowId window : desktop.topLevelWindows())
        out += QStringLiteral("\n  [%1] class \"%2\" title \"%3\" visible %4")
                   .arg(window)
                   .arg(desktop.className(window), desktop.text(window))
                   .arg(desktop.isVisible(window));
    return out.isEmpty() ? std::string("\n  (no windows)") : out.toStdString();
}

TEST(ActsimEndToEnd, RecordsAHistoryEntryThroughTheRealWindows)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "No X display (DISPLAY is not set); the end-to-end test drives real "
                        "windows and runs under Xvfb (scripts/test starts one).";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString error;
    const QString path =
        actsimtest::generateDatabase(dir.path(), QStringLiteral("KUNDEN"), 30, &error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    actsim::ActDatabase database;
    ASSERT_TRUE(database.open(path, &error)) << error.toStdString();
    const qint64 row = database.contacts().liveRow(11, true);
    const QString contactId = database.contacts().id(row);
    const QString contactName =
        database.contacts().text(row, database.contacts().columnOf(QStringLiteral("NAME")));
    ASSERT_EQ(contactId.size(), 12);
    ASSERT_FALSE(contactName.isEmpty());

    // A session bus of our own, with the accessibility bus started through it
    // (Qt programs do not start it themselves).
    actsimtest::PrivateSessionBus bus;
    ASSERT_TRUE(bus.start(&error)) << error.toStdString();
    const QString a11yBus = bus.activateAccessibilityBus();
    ASSERT_FALSE(a11yBus.isEmpty()) << "the accessibility bus (at-spi2-core) does not start";
    qputenv("AT_SPI_BUS_ADDRESS", a11yBus.toUtf8());

    actsimtest::ActsimProcess actsim;
    ASSERT_TRUE(actsim.start(bus, {path}, QStringLiteral("xcb"), true));
    ASSERT_TRUE(actsim.waitForAutomation(bus.connection())) << actsim.output().toStdString();

    platform::desktop::AtspiDesktop desktop;
    ASSERT_TRUE(desktop.isAvailable());
    platform::act::DBusAutomationConnector connector(bus.connection());
    platform::ui::ScriptedUserInterface ui;
    int programEnds = 0;
    clACTApplication act(desktop, connector, ui, [&] { ++programEnds; });

    ASSERT_TRUE(testsupport::waitUntil([&] { return act.ACTgestartet(); }, 20s))
        << "actsim's main window does not appear on the accessibility bus:"
        << describeDesktop(desktop) << "\nactsim: " << actsim.output().toStdString();
    EXPECT_EQ(act.ACTDatenbank(), path);

    // Going to a contact shows it in ACT!'s contact view.
    const WindowId mainWindow = modACTRunning::FindTopWindow(
        desktop, QStringLiteral("act3.0frameclass"), QStringLiteral("ACT"));
    ASSERT_NE(mainWindow, 0u);
    EXPECT_EQ(
        modACTRunning::FindChildWindow(desktop, mainWindow, QStringLiteral("Edit"), contactName),
        0u);
    act.gehezuKonatkt(contactId);
    EXPECT_EQ(act.AktuelleKontaktID(), contactId);
    EXPECT_TRUE(testsupport::waitUntil(
        [&] {
            return modACTRunning::FindChildWindow(desktop, mainWindow, QStringLiteral("Edit"),
                                                  contactName) != 0;
        },
        10s))
        << "the contact view does not show " << contactName.toStdString();

    // Ctrl+H opens the history dialog; its OK button is found by the descriptor.
    act.Zeigen();
    clButtonGuard guard(desktop);
    ASSERT_TRUE(guard.SetConfiguration(QStringLiteral("OK|Button|Protokoll aufzeichnen |#32770")));
    EXPECT_FALSE(guard.WindowExist());
    ASSERT_TRUE(desktop.typeKeys(QStringLiteral("^h")));
    ASSERT_TRUE(testsupport::waitUntil([&] { return guard.WindowExist(); }, 10s))
        << "the history dialog does not open on Ctrl+H";
    const WindowId dialog = modACTRunning::FindTopWindow(desktop, QStringLiteral("#32770"),
                                                         QStringLiteral("Protokoll aufzeichnen "));
    EXPECT_EQ(desktop.text(dialog), QStringLiteral("Protokoll aufzeichnen ") + contactName);

    // Typed keystrokes fill the fields, reached by their access keys.
    EXPECT_TRUE(modACTRunning::AppActivate(desktop, guard.ParentText()));
    const QString regarding = QStringLiteral("Rückruf 0301234567 Köln");
    for (const QString& keys :
         {QStringLiteral("%D"), QStringLiteral("24.12.2023"), QStringLiteral("%U"),
          QStringLiteral("16:45"), QStringLiteral("%y"), regarding})
        ASSERT_TRUE(desktop.typeKeys(keys)) << keys.toStdString();
    for (const QString& text : {QStringLiteral("24.12.2023"), QStringLiteral("16:45"), regarding}) {
        EXPECT_TRUE(testsupport::waitUntil(
            [&] {
                return modACTRunning::FindChildWindow(desktop, dialog, QStringLiteral("edit"),
                                                      text) != 0;
            },
            10s))
            << "no field shows " << text.toStdString();
    }

    // Clicking OK stores the entry with the contact beside the database.
    guard.MouseClick();
    QList<actsim::HistoryEntry> entries;
    ASSERT_TRUE(testsupport::waitUntil(
        [&] {
            entries = actsim::HistoryLog::read(database.historyPath());
            return !entries.isEmpty();
        },
        10s))
        << "no history entry was stored";
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.at(0),
              (actsim::HistoryEntry{contactId, contactName, QStringLiteral("24.12.2023"),
                                    QStringLiteral("16:45"), QStringLiteral("Anruf"), regarding}));
    EXPECT_TRUE(testsupport::waitUntil([&] { return !guard.WindowExist(); }, 10s));

    // Command 310 opens the timer dialog, whose start button is clicked the same way.
    EXPECT_EQ(act.ExecuteCommand(310), 1);
    clButtonGuard timer(desktop);
    ASSERT_TRUE(timer.SetConfiguration(QStringLiteral("&Start|button|Timer|#32770")));
    ASSERT_TRUE(testsupport::waitUntil([&] { return timer.WindowExist(); }, 10s));
    timer.MouseClick();
    EXPECT_TRUE(testsupport::waitUntil([&] { return !timer.WindowExist(); }, 10s))
        << "the timer did not start";

    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(programEnds, 0);
}

} // namespace
