#include "platform/ui/ScriptedUserInterface.h"

#include <gtest/gtest.h>

using namespace platform::ui;

TEST(ScriptedUserInterface, AnswersFromTheScriptThenWithTheFirstButton)
{
    ScriptedUserInterface ui;
    ui.answerNext(Answer::No);
    EXPECT_FALSE(ui.ask(QStringLiteral("Weiter?"), QStringLiteral("Fonkel")));
    EXPECT_TRUE(ui.ask(QStringLiteral("Nochmal?"), QStringLiteral("Fonkel")));
    EXPECT_EQ(ui.message({QStringLiteral("x"), QStringLiteral("Fonkel"), Icon::Warning, Buttons::RetryCancel}),
              Answer::Retry);
    ASSERT_EQ(ui.messages().size(), 3);
    EXPECT_EQ(ui.messages().at(0).text, QStringLiteral("Weiter?"));
    EXPECT_EQ(ui.messages().at(0).icon, Icon::Question);
    EXPECT_EQ(ui.messages().at(2).buttons, Buttons::RetryCancel);
}

TEST(ScriptedUserInterface, InputBoxesAreCancelledUnlessScripted)
{
    ScriptedUserInterface ui;
    ui.inputNext(QStringLiteral("0301234"));
    EXPECT_EQ(ui.input({QStringLiteral("Nummer?"), QStringLiteral("Fonkel"), QString()}),
              std::optional<QString>(QStringLiteral("0301234")));
    EXPECT_EQ(ui.input({QStringLiteral("Nummer?"), QStringLiteral("Fonkel"), QString()}), std::nullopt);
    EXPECT_EQ(ui.inputs().size(), 2);
}

TEST(ScriptedUserInterface, ClipboardKeepsItsHistory)
{
    ScriptedUserInterface ui;
    ui.clearClipboard();
    ui.setClipboardText(QStringLiteral("a"));
    EXPECT_EQ(ui.clipboardText(), QStringLiteral("a"));
    EXPECT_EQ(ui.clipboardHistory(), (QStringList{QString(), QStringLiteral("a")}));
}
