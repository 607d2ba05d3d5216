#include "app/actapp/clButtonGuard.h"
#include "app/actapp/modACTRunning.h"
#include "platform/desktop/InMemoryDesktop.h"

#include <gtest/gtest.h>

#include <ostream>

using platform::desktop::InMemoryDesktop;
using platform::desktop::WindowId;

namespace {

const QString historyDescriptor = QStringLiteral("OK|Button|Protokoll aufzeichnen |#32770");

struct TopCase {
    const char* className;
    const char* title;
    bool visible;
    const char* classPattern;
    const char* titlePattern;
    bool found;
};

// Shows the case in failure messages.
void PrintTo(const TopCase& c, std::ostream* os)
{
    *os << c.className << " / " << c.title << " ~ " << c.classPattern << " / " << c.titlePattern;
}

class TopWindowMatching : public ::testing::TestWithParam<TopCase> {};

TEST_P(TopWindowMatching, ClassAndTitleRules)
{
    const TopCase& c = GetParam();
    InMemoryDesktop desktop;
    const WindowId window =
        desktop.addTopLevel(QString::fromUtf8(c.className), QString::fromUtf8(c.title), c.visible);
    EXPECT_EQ(modACTRunning::FindTopWindow(desktop, QString::fromUtf8(c.classPattern),
                                           QString::fromUtf8(c.titlePattern)),
              c.found ? window : 0)
        << c.className << " / " << c.title << " against " << c.classPattern << " / "
        << c.titlePattern;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TopWindowMatching,
    ::testing::Values(
        // The class is compared in lower case, with the pattern unchanged.
        TopCase{"ACT3.0FrameClass", "ACT! - Kontakte", true, "act3.0frameclass", "ACT", true},
        TopCase{"xact3.0frameclassx", "ACT!", true, "act3.0frameclass", "ACT", true},
        TopCase{"Button", "OK", true, "Button", "OK", false},
        TopCase{"Button", "OK", true, "button", "OK", true},
        // Invisible windows never count.
        TopCase{"act3.0frameclass", "ACT! - Kontakte", false, "act3.0frameclass", "ACT", false},
        // The title is compared with its letter case.
        TopCase{"act3.0frameclass", "act! - kontakte", true, "act3.0frameclass", "ACT", false},
        TopCase{"act3.0frameclass", "ACT! Kundenmanager", true, "act3.0frameclass", "Kundenmanager",
                true},
        TopCase{"act3.0frameclass", "whatever", true, "act3.0frameclass", "*", true},
        // Leading blanks are dropped, trailing ones kept.
        TopCase{"#32770", "   Timer", true, "#32770", "Timer", true},
        TopCase{"#32770", "   Timer", true, "#32770", " Timer", false},
        TopCase{"#32770", "Protokoll aufzeichnen ", true, "#32770", "Protokoll aufzeichnen ", true},
        // Only the first 50 characters of a title count.
        TopCase{"#32770", "0123456789012345678901234567890123456789012345678Z", true, "#32770",
                "8Z", true},
        TopCase{"#32770", "0123456789012345678901234567890123456789012345678ZY", true, "#32770",
                "ZY", false},
        // An empty title reads "NoText".
        TopCase{"#32770", "", true, "#32770", "NoText", true}));

TEST(TopWindowMatching, TheLastMatchInEnumerationOrderWins)
{
    InMemoryDesktop desktop;
    desktop.addTopLevel(QStringLiteral("#32770"), QStringLiteral("Timer"));
    const WindowId second =
        desktop.addTopLevel(QStringLiteral("#32770"), QStringLiteral("Timer 2"));
    desktop.addTopLevel(QStringLiteral("#32770"), QStringLiteral("Anderes"));
    desktop.addTopLevel(QStringLiteral("#32770"), QStringLiteral("Timer 3"), false);
    EXPECT_EQ(
        modACTRunning::FindTopWindow(desktop, QStringLiteral("#32770"), QStringLiteral("Timer")),
        second);
}

TEST(ControlText, ReadingRules)
{
    InMemoryDesktop desktop;
    const WindowId dialog = desktop.addTopLevel(QStringLiteral("#32770"), QStringLiteral("D"));
    auto control = [&](const char* className, const QString& text) {
        return desktop.addChild(dialog, QString::fromLatin1(className), text);
    };
    const WindowId selected = control("ListBox", QString());
    desktop.setListItems(selected, {QStringLiteral("eins"), QStringLiteral("zwei")}, 1);
    const WindowId unselected = control("TListBox", QString());
    desktop.setListItems(unselected, {QStringLiteral("eins"), QStringLiteral("zwei")});
    const WindowId emptyList = control("ListBox", QStringLiteral("caption is ignored"));
    desktop.setListItems(emptyList, {});
    const WindowId emptyEdit = control("Edit", QString());
    const WindowId longEdit = control("Edit", QString(60, QLatin1Char('x')));
    const WindowId withNul =
        control("Static", QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd"));
    const WindowId blanks = control("Static", QStringLiteral("  Name "));

    EXPECT_EQ(modACTRunning::ControlText(desktop, selected), QStringLiteral("zwei"));
    EXPECT_EQ(modACTRunning::ControlText(desktop, unselected), QStringLiteral("eins"));
    EXPECT_EQ(modACTRunning::ControlText(desktop, emptyList), QStringLiteral("NoText"));
    EXPECT_EQ(modACTRunning::ControlText(desktop, emptyEdit), QStringLiteral("NoText"));
    EXPECT_EQ(modACTRunning::ControlText(desktop, longEdit), QString(50, QLatin1Char('x')));
    EXPECT_EQ(modACTRunning::ControlText(desktop, withNul), QStringLiteral("ab"));
    EXPECT_EQ(modACTRunning::ControlText(desktop, blanks), QStringLiteral("  Name "));
}

TEST(ChildWindowMatching, IgnoresClassCaseSearchesEveryDepthAndSkipsHiddenControls)
{
    InMemoryDesktop desktop;
    const WindowId dialog = desktop.addTopLevel(QStringLiteral("#32770"), QStringLiteral("D"));
    const WindowId group =
        desktop.addChild(dialog, QStringLiteral("Button"), QStringLiteral("Gruppe"));
    const WindowId nested =
        desktop.addChild(group, QStringLiteral("Button"), QStringLiteral("&Start"));
    const WindowId hiddenPanel =
        desktop.addChild(dialog, QStringLiteral("Panel"), QString(), false);
    desktop.addChild(hiddenPanel, QStringLiteral("Button"), QStringLiteral("&Start"));

    EXPECT_EQ(modACTRunning::FindChildWindow(desktop, dialog, QStringLiteral("BUTTON"),
                                             QStringLiteral("&Start")),
              nested);
    EXPECT_EQ(modACTRunning::FindChildWindow(desktop, dialog, QStringLiteral("button"),
                                             QStringLiteral("Start")),
              nested);
    EXPECT_EQ(modACTRunning::FindChildWindow(desktop, dialog, QStringLiteral("button"),
                                             QStringLiteral("&Stop")),
              0u);
    // Last match wins among children too.
    EXPECT_EQ(modACTRunning::FindChildWindow(desktop, dialog, QStringLiteral("button"),
                                             QStringLiteral("*")),
              nested);

    const WindowId list = desktop.addChild(dialog, QStringLiteral("ListBox"), QString());
    desktop.setListItems(list, {QStringLiteral("Anruf"), QStringLiteral("Brief")});
    EXPECT_EQ(modACTRunning::FindChildWindow(desktop, dialog, QStringLiteral("listbox"),
                                             QStringLiteral("Anruf")),
              list);
    desktop.setListItems(list, {QStringLiteral("Anruf"), QStringLiteral("Brief")}, 1);
    EXPECT_EQ(modACTRunning::FindChildWindow(desktop, dialog, QStringLiteral("listbox"),
                                             QStringLiteral("Anruf")),
              0u);
}

TEST(ButtonGuardConfiguration, TakesExactlyFourFieldsAsWritten)
{
    InMemoryDesktop desktop;
    clButtonGuard guard(desktop);
    ASSERT_TRUE(guard.SetConfiguration(historyDescriptor));
    EXPECT_EQ(guard.WindowText(), QStringLiteral("OK"));
    EXPECT_EQ(guard.WindowClass(), QStringLiteral("Button"));
    EXPECT_EQ(guard.ParentText(), QStringLiteral("Protokoll aufzeichnen "));
    EXPECT_EQ(guard.ParentClass(), QStringLiteral("#32770"));
    EXPECT_EQ(guard.GetConfiguration(), historyDescriptor);

    for (const char* refused :
         {"OK|Button|Protokoll aufzeichnen", "OK|Button|Protokoll|#32770|x", ""}) {
        EXPECT_FALSE(guard.SetConfiguration(QString::fromLatin1(refused))) << refused;
        EXPECT_EQ(guard.GetConfiguration(), historyDescriptor) << refused;
    }
    EXPECT_TRUE(guard.SetConfiguration(QStringLiteral("|||")));
    EXPECT_EQ(guard.GetConfiguration(), QStringLiteral("|||"));
}

// A history dialog of ACT! with its OK button, as the tests below vary it.
struct HistoryDialog {
    WindowId dialog;
    WindowId ok;
};

HistoryDialog addHistoryDialog(InMemoryDesktop& desktop, const QString& title,
                               bool okVisible = true)
{
    const WindowId dialog = desktop.addTopLevel(QStringLiteral("#32770"), title);
    desktop.addChild(dialog, QStringLiteral("Edit"), QStringLiteral("12.03.2024"));
    const WindowId ok =
        desktop.addChild(dialog, QStringLiteral("Button"), QStringLiteral("OK"), okVisible);
    desktop.addChild(dialog, QStringLiteral("Button"), QStringLiteral("Abbrechen"));
    return {dialog, ok};
}

TEST(ButtonGuardWindowExist, FindsTheOkButtonOfTheHistoryDialog)
{
    struct Case {
        const char* title;
        bool okVisible;
        bool exists;
    };
    for (const Case& c : {Case{"Protokoll aufzeichnen Müller, Hans", true, true},
                          Case{"protokoll aufzeichnen Müller", true, false},
                          // The dialog search needs the trailing blank in the title.
                          Case{"Protokoll aufzeichnen", true, false},
                          Case{"Protokoll aufzeichnen Müller", false, false}}) {
        InMemoryDesktop desktop;
        addHistoryDialog(desktop, QString::fromUtf8(c.title), c.okVisible);
        clButtonGuard guard(desktop);
        ASSERT_TRUE(guard.SetConfiguration(historyDescriptor));
        EXPECT_EQ(guard.WindowExist(), c.exists) << c.title;
        guard.MouseClick();
        EXPECT_EQ(desktop.clicks().size(), c.exists ? 1 : 0) << c.title;
    }
}

TEST(ButtonGuardWindowExist, ClicksTheButtonOfTheDialogEnumeratedLast)
{
    InMemoryDesktop desktop;
    addHistoryDialog(desktop, QStringLiteral("Protokoll aufzeichnen Meier"));
    const HistoryDialog last =
        addHistoryDialog(desktop, QStringLiteral("Protokoll aufzeichnen Müller"));
    clButtonGuard guard(desktop);
    guard.SetConfiguration(historyDescriptor);
    guard.MouseClick();
    EXPECT_EQ(desktop.clicks(), QList<WindowId>{last.ok});
}

TEST(ButtonGuardWindowExist, TheButtonsOwnParentMustCarryTheDialogTitle)
{
    InMemoryDesktop desktop;
    const WindowId dialog = desktop.addTopLevel(QStringLiteral("#32770"), QStringLiteral("Timer"));
    const WindowId frame =
        desktop.addChild(dialog, QStringLiteral("Button"), QStringLiteral("Zeit"));
    desktop.addChild(frame, QStringLiteral("Button"), QStringLiteral("&Start"));
    clButtonGuard guard(desktop);
    guard.SetConfiguration(QStringLiteral("&Start|button|Timer|#32770"));
    // Found inside the dialog, but its parent is the frame "Zeit".
    EXPECT_FALSE(guard.WindowExist());

    const WindowId start =
        desktop.addChild(dialog, QStringLiteral("Button"), QStringLiteral("&Start"));
    EXPECT_TRUE(guard.WindowExist());
    guard.MouseClick();
    EXPECT_EQ(desktop.clicks(), QList<WindowId>{start});
}

TEST(ButtonGuardWindowExist, ATopLevelButtonCountsOnlyWithoutParentFields)
{
    InMemoryDesktop desktop;
    desktop.addTopLevel(QStringLiteral("button"), QStringLiteral("OK"));
    clButtonGuard guard(desktop);
    guard.SetConfiguration(QStringLiteral("OK|Button||"));
    EXPECT_TRUE(guard.WindowExist());
    guard.SetConfiguration(historyDescriptor);
    EXPECT_FALSE(guard.WindowExist());
}

TEST(ButtonGuardSendeTasten, ActivatesTheWindowTitledWindowTextThenTypes)
{
    InMemoryDesktop desktop;
    const WindowId prefixed =
        desktop.addTopLevel(QStringLiteral("x"), QStringLiteral("Notizen - ACT"));
    const WindowId exact = desktop.addTopLevel(QStringLiteral("x"), QStringLiteral("Notizen"));
    clButtonGuard guard(desktop);
    guard.setWindowText(QStringLiteral("Notizen"));
    guard.SendeTasten(QStringLiteral("%D12.03.{TAB}"));
    ASSERT_EQ(desktop.typed().size(), 1);
    EXPECT_EQ(desktop.typed().at(0).foreground, exact);
    EXPECT_EQ(describeKeyStrokes(desktop.typed().at(0).strokes),
              QStringLiteral("Alt+D 1 2 . 0 3 . Tab"));

    desktop.remove(exact);
    guard.SendeTasten(QStringLiteral("a"));
    EXPECT_EQ(desktop.typed().at(1).foreground, prefixed);

    // Without such a window the keys still go where the focus is.
    guard.setWindowText(QStringLiteral("Gibt es nicht"));
    guard.SendeTasten(QStringLiteral("b"));
    EXPECT_EQ(desktop.typed().size(), 3);
    EXPECT_EQ(desktop.typed().at(2).foreground, prefixed);
}

} // namespace
