#include "platform/desktop/X11Session.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <vector>

// X11 last: its macros (None, Bool, Status, ...) would break Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace platform::desktop {

namespace {

// Xlib's default error handler ends the process; windows of other programs
// may vanish at any time, so errors are collected instead while a call runs.
int g_trappedErrors = 0;

int trapError(Display*, XErrorEvent*)
{
    ++g_trappedErrors;
    return 0;
}

class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : m_display(display)
    {
        g_trappedErrors = 0;
        m_previous = XSetErrorHandler(trapError);
    }
    ~ErrorTrap()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    bool failed()
    {
        XSync(m_display, False);
        return g_trappedErrors != 0;
    }

private:
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*) = nullptr;
};

KeySym namedKeySym(NamedKey key)
{
    switch (key) {
    case NamedKey::Backspace:
        return XK_BackSpace;
    case NamedKey::Break:
        return XK_Break;
    case NamedKey::CapsLock:
        return XK_Caps_Lock;
    case NamedKey::Delete:
        return XK_Delete;
    case NamedKey::Down:
        return XK_Down;
    case NamedKey::End:
        return XK_End;
    case NamedKey::Enter:
        return XK_Return;
    case NamedKey::Escape:
        return XK_Escape;
    case NamedKey::Help:
        return XK_Help;
    case NamedKey::Home:
        return XK_Home;
    case NamedKey::Insert:
        return XK_Insert;
    case NamedKey::Left:
        return XK_Left;
    case NamedKey::NumLock:
        return XK_Num_Lock;
    case NamedKey::PageDown:
        return XK_Next;
    case NamedKey::PageUp:
        return XK_Prior;
    case NamedKey::PrintScreen:
        return XK_Print;
    case NamedKey::Right:
        return XK_Right;
    case NamedKey::ScrollLock:
        return XK_Scroll_Lock;
    case NamedKey::Tab:
        return XK_Tab;
    case NamedKey::Up:
        return XK_Up;
    case NamedKey::Add:
        return XK_KP_Add;
    case NamedKey::Subtract:
        return XK_KP_Subtract;
    case NamedKey::Multiply:
        return XK_KP_Multiply;
    case NamedKey::Divide:
        return XK_KP_Divide;
    default:
        break;
    }
    return XK_F1 + (int(key) - int(NamedKey::F1));
}

KeySym characterKeySym(char32_t c, bool withCommandModifier)
{
    if (c == U'\n' || c == U'\r')
        return XK_Return;
    if (c == U'\t')
        return XK_Tab;
    // Ctrl+H and Alt+D name keys: the unshifted letter.
    if (withCommandModifier && c < 0x80 && c >= U'A' && c <= U'Z')
        c = c - U'A' + U'a';
    if ((c >= 0x20 && c <= 0x7e) || (c >= 0xa0 && c <= 0xff))
        return KeySym(c); // Latin-1 key symbols equal their code points
    return KeySym(0x01000000 | c);
}

struct PressedKey {
    KeyCode code = 0;
    bool shift = false;
};

} // namespace

struct X11Session::Private {
    Display* display = nullptr;
    bool xtest = false;
    std::map<KeySym, KeyCode> spareCodes; // key symbols this session put on spare codes

    Atom atom(const char* name) { return XInternAtom(display, name, False); }

    QByteArray property(Window window, Atom name, Atom type, int format, unsigned long* items)
    {
        Atom actualType = 0;
        int actualFormat = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        *items = 0;
        if (XGetWindowProperty(display, window, name, 0, 1 << 20, False, type, &actualType,
                               &actualFormat, &count, &after, &data) != Success ||
            !data)
            return QByteArray();
        QByteArray out;
        if (actualFormat == format && (type == AnyPropertyType || actualType == type)) {
            const int unit = format == 32 ? int(sizeof(long)) : format / 8;
            out = QByteArray(reinterpret_cast<const char*>(data), qsizetype(count) * unit);
            *items = count;
        }
        XFree(data);
        return out;
    }

    QList<unsigned long> cardinals(Window window, const char* name, Atom type)
    {
        unsigned long items = 0;
        const QByteArray data = property(window, atom(name), type, 32, &items);
        QList<unsigned long> out;
        const auto* values = reinterpret_cast<const unsigned long*>(data.constData());
        for (unsigned long i = 0; i < items; ++i)
            out.append(values[i]);
        return out;
    }

    QString title(Window window)
    {
        unsigned long items = 0;
        const QByteArray utf8 =
            property(window, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, &items);
        if (!utf8.isEmpty())
            return QString::fromUtf8(utf8);
        XTextProperty text;
        if (!XGetWMName(display, window, &text) || !text.value)
            return QString();
        QString out;
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display, &text, &list, &count) >= Success && list) {
            if (count > 0)
                out = QString::fromUtf8(list[0]);
            XFreeStringList(list);
        }
        XFree(text.value);
        return out;
    }

    bool wmSupports(const char* name)
    {
        const Atom wanted = atom(name);
        const QList<unsigned long> supported =
            cardinals(DefaultRootWindow(display), "_NET_SUPPORTED", XA_ATOM);
        return supported.contains(wanted);
    }

    // Client windows: from the window manager's list, or else the windows
    // near the root that carry a process id (no window manager, or one that
    // keeps no list).
    QList<Window> clientWindows()
    {
        const Window root = DefaultRootWindow(display);
        QList<Window> out;
        for (unsigned long window : cardinals(root, "_NET_CLIENT_LIST", XA_WINDOW))
            out.append(Window(window));
        if (!out.isEmpty())
            return out;
        collectClients(root, 0, out);
        return out;
    }

    void collectClients(Window parent, int depth, QList<Window>& out)
    {
        Window rootReturn = 0, parentReturn = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, parent, &rootReturn, &parentReturn, &children, &count))
            return;
        for (unsigned int i = 0; i < count; ++i) {
            if (!cardinals(children[i], "_NET_WM_PID", XA_CARDINAL).isEmpty())
                out.append(children[i]);
            else if (depth < 2)
                collectClients(children[i], depth + 1, out);
        }
        if (children)
            XFree(children);
    }

    void sendRootMessage(Window window, const char* type, long d0, long d1, long d2)
    {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = atom(type);
        event.xclient.format = 32;
        event.xclient.data.l[0] = d0;
        event.xclient.data.l[1] = d1;
        event.xclient.data.l[2] = d2;
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    }

    PressedKey resolve(KeySym sym)
    {
        const auto spare = spareCodes.find(sym);
        if (spare != spareCodes.end())
            return {spare->second, false};
        const KeyCode code = XKeysymToKeycode(display, sym);
        if (code != 0) {
            if (XkbKeycodeToKeysym(display, code, 0, 0) == sym)
                return {code, false};
            if (XkbKeycodeToKeysym(display, code, 0, 1) == sym)
                return {code, true};
        }
        return {};
    }

    // Puts every key symbol the keyboard map lacks on a code of its own, all in
    // one change, so that the program reading the keys sees one stable map
    // (changing the map between keys loses characters).
    bool mapMissing(const std::vector<KeySym>& symbols)
    {
        std::vector<KeySym> missing;
        for (KeySym sym : symbols) {
            if (resolve(sym).code == 0 &&
                std::find(missing.begin(), missing.end(), sym) == missing.end())
                missing.push_back(sym);
        }
        if (missing.empty())
            return true;

        int minCode = 0, maxCode = 0;
        XDisplayKeycodes(display, &minCode, &maxCode);
        int perCode = 0;
        KeySym* map =
            XGetKeyboardMapping(display, KeyCode(minCode), maxCode - minCode + 1, &perCode);
        if (!map)
            return false;
        std::vector<KeyCode> free;
        for (int code = maxCode; code >= minCode && free.size() < missing.size(); --code) {
            bool empty = true;
            for (int i = 0; i < perCode; ++i)
                empty = empty && map[(code - minCode) * perCode + i] == NoSymbol;
            bool taken = false;
            for (const auto& entry : spareCodes)
                taken = taken || entry.second == code;
            if (empty && !taken)
                free.push_back(KeyCode(code));
        }
        XFree(map);
        if (free.size() < missing.size())
            return false;
        for (std::size_t i = 0; i < missing.size(); ++i) {
            KeySym pair[2] = {missing[i], missing[i]};
            XChangeKeyboardMapping(display, free[i], 2, pair, 1);
            spareCodes[missing[i]] = free[i];
        }
        XSync(display, False);
        return true;
    }
};

X11Session::X11Session() : d(std::make_unique<Private>())
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    d->display = XOpenDisplay(nullptr);
    if (!d->display)
        return;
    int event = 0, error = 0, major = 0, minor = 0;
    d->xtest = XTestQueryExtension(d->display, &event, &error, &major, &minor);
}

X11Session::~X11Session()
{
    if (!d->display)
        return;
    {
        ErrorTrap trap(d->display);
        for (const auto& entry : d->spareCodes) {
            KeySym none[2] = {NoSymbol, NoSymbol};
            XChangeKeyboardMapping(d->display, entry.second, 2, none, 1);
        }
    }
    XCloseDisplay(d->display);
}

bool X11Session::isOpen() const
{
    return d->display != nullptr;
}

quint64 X11Session::findClientWindow(qint64 pid, const QString& title, const QRect& extents)
{
    if (!d->display)
        return 0;
    ErrorTrap trap(d->display);
    Window best = 0;
    long bestDistance = -1;
    for (Window window : d->clientWindows()) {
        const QList<unsigned long> pids = d->cardinals(window, "_NET_WM_PID", XA_CARDINAL);
        if (pids.isEmpty() || qint64(pids.first()) != pid)
            continue;
        // Toolkits may add the program's name to the X11 title.
        const QString xTitle = d->title(window);
        if (!xTitle.startsWith(title))
            continue;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(d->display, window, &attributes))
            continue;
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(d->display, window, attributes.root, 0, 0, &x, &y, &child);
        long distance = std::labs(x - extents.x()) + std::labs(y - extents.y()) +
                        std::labs(attributes.width - extents.width()) +
                        std::labs(attributes.height - extents.height());
        if (xTitle != title)
            distance += 100000; // an exact title before a longer one
        if (attributes.map_state != IsViewable)
            distance += 1000000; // a shown window before a hidden one of the same title
        if (bestDistance < 0 || distance < bestDistance) {
            best = window;
            bestDistance = distance;
        }
    }
    return best;
}

QString X11Session::windowClass(quint64 window)
{
    if (!d->display || !window)
        return QString();
    ErrorTrap trap(d->display);
    XClassHint hint = {nullptr, nullptr};
    if (!XGetClassHint(d->display, Window(window), &hint))
        return QString();
    const QString out = QString::fromLocal8Bit(hint.res_class);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return out;
}

std::optional<Placement> X11Session::placement(quint64 window)
{
    if (!d->display || !window)
        return std::nullopt;
    ErrorTrap trap(d->display);
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(d->display, Window(window), &attributes) || trap.failed())
        return std::nullopt;
    const QList<unsigned long> wmState =
        d->cardinals(Window(window), "WM_STATE", d->atom("WM_STATE"));
    if (!wmState.isEmpty() && wmState.first() == IconicState)
        return Placement::Minimised;
    const QList<unsigned long> netState = d->cardinals(Window(window), "_NET_WM_STATE", XA_ATOM);
    if (netState.contains(d->atom("_NET_WM_STATE_HIDDEN")))
        return Placement::Minimised;
    if (netState.contains(d->atom("_NET_WM_STATE_MAXIMIZED_VERT")) &&
        netState.contains(d->atom("_NET_WM_STATE_MAXIMIZED_HORZ")))
        return Placement::Maximised;
    return Placement::Normal;
}

bool X11Session::restore(quint64 window)
{
    if (!d->display || !window)
        return false;
    ErrorTrap trap(d->display);
    XMapRaised(d->display, Window(window));
    if (d->wmSupports("_NET_ACTIVE_WINDOW"))
        d->sendRootMessage(Window(window), "_NET_ACTIVE_WINDOW", 2, CurrentTime, 0);
    return !trap.failed();
}

bool X11Session::activate(quint64 window)
{
    if (!d->display || !window)
        return false;
    ErrorTrap trap(d->display);
    // A window manager decides who is active; without one, the input focus does.
    if (d->wmSupports("_NET_ACTIVE_WINDOW"))
        d->sendRootMessage(Window(window), "_NET_ACTIVE_WINDOW", 2, CurrentTime, 0);
    XRaiseWindow(d->display, Window(window));
    XWindowAttributes attributes;
    if (XGetWindowAttributes(d->display, Window(window), &attributes) &&
        attributes.map_state == IsViewable)
        XSetInputFocus(d->display, Window(window), RevertToParent, CurrentTime);
    return !trap.failed();
}

bool X11Session::raise(quint64 window)
{
    if (!d->display || !window)
        return false;
    ErrorTrap trap(d->display);
    XRaiseWindow(d->display, Window(window));
    return !trap.failed();
}

bool X11Session::setAbove(quint64 window, bool above)
{
    if (!d->display || !window)
        return false;
    ErrorTrap trap(d->display);
    if (d->wmSupports("_NET_WM_STATE_ABOVE"))
        d->sendRootMessage(Window(window), "_NET_WM_STATE", above ? 1 : 0,
                           long(d->atom("_NET_WM_STATE_ABOVE")), 0);
    else if (above)
        XRaiseWindow(d->display, Window(window));
    return !trap.failed();
}

bool X11Session::type(const QList<KeyStroke>& strokes)
{
    if (!d->display || !d->xtest)
        return false;
    ErrorTrap trap(d->display);

    auto symbolOf = [](const KeyStroke& stroke) {
        return stroke.named
                   ? namedKeySym(*stroke.named)
                   : characterKeySym(stroke.character,
                                     stroke.modifiers & (Modifier::Control | Modifier::Alt));
    };
    std::vector<KeySym> symbols;
    for (const KeyStroke& stroke : strokes)
        symbols.push_back(symbolOf(stroke));
    if (!d->mapMissing(symbols))
        return false;

    const KeyCode shift = XKeysymToKeycode(d->display, XK_Shift_L);
    const KeyCode control = XKeysymToKeycode(d->display, XK_Control_L);
    KeyCode alt = XKeysymToKeycode(d->display, XK_Alt_L);
    if (alt == 0)
        alt = XKeysymToKeycode(d->display, XK_Meta_L);

    std::vector<PressedKey> keys;
    for (KeySym sym : symbols) {
        keys.push_back(d->resolve(sym));
        if (keys.back().code == 0)
            return false;
    }
    for (qsizetype i = 0; i < strokes.size(); ++i) {
        const Modifiers modifiers = strokes.at(i).modifiers;
        const PressedKey key = keys.at(std::size_t(i));
        std::vector<KeyCode> held;
        if (modifiers & Modifier::Control)
            held.push_back(control);
        if (modifiers & Modifier::Alt)
            held.push_back(alt);
        if ((modifiers & Modifier::Shift) || key.shift)
            held.push_back(shift);
        for (KeyCode code : held)
            XTestFakeKeyEvent(d->display, code, True, CurrentTime);
        XTestFakeKeyEvent(d->display, key.code, True, CurrentTime);
        XTestFakeKeyEvent(d->display, key.code, False, CurrentTime);
        for (auto it = held.rbegin(); it != held.rend(); ++it)
            XTestFakeKeyEvent(d->display, *it, False, CurrentTime);
    }
    XFlush(d->display);
    return !trap.failed();
}

} // namespace platform::desktop
