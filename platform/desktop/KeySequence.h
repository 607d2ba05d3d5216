#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include <optional>

namespace platform::desktop {

// Keys with a name in the keystroke notation.
enum class NamedKey {
    Backspace,
    Break,
    CapsLock,
    Delete,
    Down,
    End,
    Enter,
    Escape,
    Help,
    Home,
    Insert,
    Left,
    NumLock,
    PageDown,
    PageUp,
    PrintScreen,
    Right,
    ScrollLock,
    Tab,
    Up,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    F13,
    F14,
    F15,
    F16,
    Add,
    Subtract,
    Multiply,
    Divide
};

enum class Modifier { Shift = 1, Control = 2, Alt = 4 };
Q_DECLARE_FLAGS(Modifiers, Modifier)

// One key typed with the modifiers held while it is pressed: either a named
// key or a character (a letter after a modifier names its key, so "%D" and
// "%d" both mean Alt+D).
struct KeyStroke {
    Modifiers modifiers;
    std::optional<NamedKey> named;
    char32_t character = 0;

    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The keystroke notation:
//   +x Shift, ^x Ctrl, %x Alt (combinable: ^+x); a modifier applies to the next
//   key or to a group in parentheses: ^(ab)
//   ~ Enter; {HOME}, {TAB}, {ENTER}, {F5}, ... named keys; {TAB 3} repeats;
//   {+} {^} {%} {~} {(} {)} {{} {}} type those characters;
//   every other character (umlauts included) is typed as it is.
// Returns nothing when the text is malformed (unbalanced braces or
// parentheses, an unknown key name, a modifier with no key after it).
std::optional<QList<KeyStroke>> parseKeySequence(const QString& keys);

// A readable form of strokes for logs and tests: "Alt+D Home Tab x".
QString describeKeyStrokes(const QList<KeyStroke>& strokes);
QString keyName(NamedKey key);

} // namespace platform::desktop

Q_DECLARE_OPERATORS_FOR_FLAGS(platform::desktop::Modifiers)
