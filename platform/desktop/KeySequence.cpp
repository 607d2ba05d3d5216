#include "platform/desktop/KeySequence.h"

#include <QStringList>

#include <string>

namespace platform::desktop {

namespace {

struct KeyNameEntry {
    const char* name;
    NamedKey key;
};

// Every name the notation accepts (several keys have more than one).
constexpr KeyNameEntry keyNames[] = {
    {"BACKSPACE", NamedKey::Backspace},
    {"BS", NamedKey::Backspace},
    {"BKSP", NamedKey::Backspace},
    {"BREAK", NamedKey::Break},
    {"CAPSLOCK", NamedKey::CapsLock},
    {"DELETE", NamedKey::Delete},
    {"DEL", NamedKey::Delete},
    {"DOWN", NamedKey::Down},
    {"END", NamedKey::End},
    {"ENTER", NamedKey::Enter},
    {"ESC", NamedKey::Escape},
    {"ESCAPE", NamedKey::Escape},
    {"HELP", NamedKey::Help},
    {"HOME", NamedKey::Home},
    {"INSERT", NamedKey::Insert},
    {"INS", NamedKey::Insert},
    {"LEFT", NamedKey::Left},
    {"NUMLOCK", NamedKey::NumLock},
    {"PGDN", NamedKey::PageDown},
    {"PGUP", NamedKey::PageUp},
    {"PRTSC", NamedKey::PrintScreen},
    {"RIGHT", NamedKey::Right},
    {"SCROLLLOCK", NamedKey::ScrollLock},
    {"TAB", NamedKey::Tab},
    {"UP", NamedKey::Up},
    {"F1", NamedKey::F1},
    {"F2", NamedKey::F2},
    {"F3", NamedKey::F3},
    {"F4", NamedKey::F4},
    {"F5", NamedKey::F5},
    {"F6", NamedKey::F6},
    {"F7", NamedKey::F7},
    {"F8", NamedKey::F8},
    {"F9", NamedKey::F9},
    {"F10", NamedKey::F10},
    {"F11", NamedKey::F11},
    {"F12", NamedKey::F12},
    {"F13", NamedKey::F13},
    {"F14", NamedKey::F14},
    {"F15", NamedKey::F15},
    {"F16", NamedKey::F16},
    {"ADD", NamedKey::Add},
    {"SUBTRACT", NamedKey::Subtract},
    {"MULTIPLY", NamedKey::Multiply},
    {"DIVIDE", NamedKey::Divide},
};

std::optional<NamedKey> lookupKeyName(const QString& name)
{
    const QString upper = name.toUpper();
    for (const KeyNameEntry& entry : keyNames) {
        if (upper == QLatin1String(entry.name))
            return entry.key;
    }
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(const QString& text) : m_chars(text.toStdU32String()) {}

    std::optional<QList<KeyStroke>> parse()
    {
        QList<KeyStroke> out;
        if (!parseUntil(out, Modifiers(), false))
            return std::nullopt;
        return out;
    }

private:
    bool atEnd() const { return m_pos >= m_chars.size(); }
    char32_t current() const { return m_chars[m_pos]; }

    // Parses keys until the end (or a closing parenthesis inside a group).
    bool parseUntil(QList<KeyStroke>& out, Modifiers held, bool inGroup)
    {
        while (!atEnd()) {
            const char32_t c = current();
            if (c == U')') {
                if (!inGroup)
                    return false;
                ++m_pos;
                return true;
            }
            if (!parseItem(out, held))
                return false;
        }
        return !inGroup;
    }

    // One key or group with the modifiers written before it.
    bool parseItem(QList<KeyStroke>& out, Modifiers held)
    {
        Modifiers mods = held;
        while (!atEnd()) {
            const char32_t c = current();
            if (c == U'+')
                mods |= Modifier::Shift;
            else if (c == U'^')
                mods |= Modifier::Control;
            else if (c == U'%')
                mods |= Modifier::Alt;
            else
                break;
            ++m_pos;
        }
        if (atEnd())
            return false; // a modifier with nothing after it

        const char32_t c = m_chars[m_pos++];
        if (c == U'(')
            return parseUntil(out, mods, true);
        if (c == U')')
            return false;
        if (c == U'~') {
            out.append({mods, NamedKey::Enter, 0});
            return true;
        }
        if (c == U'{')
            return parseBraced(out, mods);
        if (c == U'}')
            return false;
        out.append({mods, std::nullopt, c});
        return true;
    }

    // After "{": a name or a single character, an optional repeat count, "}".
    bool parseBraced(QList<KeyStroke>& out, Modifiers mods)
    {
        // "{}}" and "{{}" name the brace characters themselves.
        const std::size_t close = m_chars.find(U'}', m_pos + 1);
        if (atEnd() || close == std::u32string::npos)
            return false;
        const QString body = QString::fromStdU32String(m_chars.substr(m_pos, close - m_pos));
        m_pos = close + 1;

        QString name = body;
        int count = 1;
        const qsizetype blank = body.lastIndexOf(QLatin1Char(' '));
        if (blank > 0) {
            bool ok = false;
            count = body.mid(blank + 1).toInt(&ok);
            if (!ok || count < 0)
                return false;
            name = body.left(blank);
        }
        if (name.isEmpty())
            return false;

        KeyStroke stroke{mods, std::nullopt, 0};
        const std::u32string ucs = name.toStdU32String();
        if (ucs.size() == 1) {
            stroke.character = ucs.front();
        } else {
            stroke.named = lookupKeyName(name);
            if (!stroke.named)
                return false;
        }
        for (int i = 0; i < count; ++i)
            out.append(stroke);
        return true;
    }

    std::u32string m_chars;
    std::size_t m_pos = 0;
};

} // namespace

std::optional<QList<KeyStroke>> parseKeySequence(const QString& keys)
{
    return Parser(keys).parse();
}

QString keyName(NamedKey key)
{
    for (const KeyNameEntry& entry : keyNames) {
        if (entry.key == key) {
            const QString name = QString::fromLatin1(entry.name);
            return name.at(0) + name.mid(1).toLower();
        }
    }
    return QString();
}

QString describeKeyStrokes(const QList<KeyStroke>& strokes)
{
    QStringList parts;
    for (const KeyStroke& stroke : strokes) {
        QString text;
        if (stroke.modifiers & Modifier::Control)
            text += QLatin1String("Ctrl+");
        if (stroke.modifiers & Modifier::Alt)
            text += QLatin1String("Alt+");
        if (stroke.modifiers & Modifier::Shift)
            text += QLatin1String("Shift+");
        if (stroke.named) {
            text += keyName(*stroke.named);
        } else {
            QString character = QString::fromUcs4(&stroke.character, 1);
            if (stroke.modifiers & (Modifier::Control | Modifier::Alt))
                character = character.toUpper();
            text += character;
        }
        parts << text;
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace platform::desktop
