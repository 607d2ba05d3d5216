#include "platform/desktop/KeySequence.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace platform::desktop;

namespace {

struct NotationCase {
    const char* keys;
    const char* strokes;
};

// Shows the case in failure messages.
void PrintTo(const NotationCase& c, std::ostream* os)
{
    *os << '"' << c.keys << '"';
}

class KeyNotation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(KeyNotation, ParsesIntoStrokes)
{
    const auto parsed = parseKeySequence(QString::fromUtf8(GetParam().keys));
    ASSERT_TRUE(parsed.has_value()) << GetParam().keys;
    EXPECT_EQ(describeKeyStrokes(*parsed), QString::fromUtf8(GetParam().strokes));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyNotation,
    ::testing::Values(
        // The history template's pieces.
        NotationCase{"%D", "Alt+D"}, NotationCase{"%d", "Alt+D"}, NotationCase{"^h", "Ctrl+H"},
        NotationCase{"+x", "Shift+x"}, NotationCase{"^+s", "Ctrl+Shift+S"},
        NotationCase{"{HOME}", "Home"}, NotationCase{"{tab}", "Tab"},
        NotationCase{"{ENTER}~", "Enter Enter"}, NotationCase{"12.03.", "1 2 . 0 3 ."},
        NotationCase{"Ä ß", "Ä   ß"},
        // A modifier holds for one key, or for a group.
        NotationCase{"%ab", "Alt+A b"}, NotationCase{"^(ab)c", "Ctrl+A Ctrl+B c"},
        // Repeats and the characters that are otherwise notation.
        NotationCase{"{TAB 3}", "Tab Tab Tab"}, NotationCase{"{+}{^}{%}{~}", "+ ^ % ~"},
        NotationCase{"{(}{)}{{}{}}", "( ) { }"},
        NotationCase{"{F12}{PGDN}{BS}", "F12 Pgdn Backspace"}, NotationCase{"", ""}));

TEST(KeyNotation, MalformedTextIsRefused)
{
    for (const char* keys :
         {"{HOME", "HOME}", "{NOSUCHKEY}", "%", "^+", "(ab", "ab)", "{}", "{TAB x}"})
        EXPECT_FALSE(parseKeySequence(QString::fromLatin1(keys)).has_value()) << keys;
}

} // namespace
