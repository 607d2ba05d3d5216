// AT-SPI first: Qt's keyword macros must not reach the GLib headers.
#include <atspi/atspi.h>

#include "platform/desktop/AtspiDesktop.h"
#include "platform/desktop/KeySequence.h"
#include "platform/desktop/X11Session.h"

#include <QCoreApplication>
#include <QRect>
#include <QRegularExpression>

#include <map>

#include <unistd.h>

namespace platform::desktop {

namespace {

// Owns one GLib reference.
template <typename T> class GRef {
public:
    explicit GRef(T* object = nullptr) : m_object(object) {}
    ~GRef()
    {
        if (m_object)
            g_object_unref(m_object);
    }
    GRef(const GRef&) = delete;
    GRef& operator=(const GRef&) = delete;
    T* get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object;
};

// Takes a GLib string and an error out of a call; a failed call gives "".
QString takeString(gchar* text, GError* error)
{
    if (error)
        g_error_free(error);
    const QString out = text ? QString::fromUtf8(text) : QString();
    g_free(text);
    return out;
}

// Frees the error a call reported: true when there was one.
bool failed(GError*& error)
{
    if (!error)
        return false;
    g_error_free(error);
    error = nullptr;
    return true;
}

// How many children the object reports; -1 when it cannot say.
int childCount(AtspiAccessible* object)
{
    GError* error = nullptr;
    const int count = atspi_accessible_get_child_count(object, &error);
    return failed(error) ? -1 : count;
}

// Visits the children the object reports, passing over any it cannot give.
template <typename Visit> void forEachChild(AtspiAccessible* object, Visit visit)
{
    const int count = childCount(object);
    for (int i = 0; i < count; ++i) {
        GError* error = nullptr;
        GRef<AtspiAccessible> child(atspi_accessible_get_child_at_index(object, i, &error));
        if (!failed(error) && child)
            visit(child.get());
    }
}

AtspiRole roleOf(AtspiAccessible* object)
{
    GError* error = nullptr;
    const AtspiRole role = atspi_accessible_get_role(object, &error);
    if (failed(error))
        return ATSPI_ROLE_INVALID;
    return role;
}

QString nameOf(AtspiAccessible* object)
{
    GError* error = nullptr;
    gchar* name = atspi_accessible_get_name(object, &error);
    return takeString(name, error);
}

bool hasState(AtspiAccessible* object, AtspiStateType state)
{
    AtspiStateSet* set = atspi_accessible_get_state_set(object);
    if (!set)
        return false;
    const bool out = atspi_state_set_contains(set, state);
    g_object_unref(set);
    return out;
}

bool isDialogRole(AtspiRole role)
{
    switch (role) {
    case ATSPI_ROLE_DIALOG:
    case ATSPI_ROLE_ALERT:
    case ATSPI_ROLE_FILE_CHOOSER:
    case ATSPI_ROLE_COLOR_CHOOSER:
    case ATSPI_ROLE_FONT_CHOOSER:
        return true;
    default:
        return false;
    }
}

bool isButtonRole(AtspiRole role)
{
    return role == ATSPI_ROLE_PUSH_BUTTON || role == ATSPI_ROLE_TOGGLE_BUTTON ||
           role == ATSPI_ROLE_CHECK_BOX || role == ATSPI_ROLE_RADIO_BUTTON ||
           role == ATSPI_ROLE_PUSH_BUTTON_MENU;
}

bool isEditRole(AtspiRole role)
{
    return role == ATSPI_ROLE_TEXT || role == ATSPI_ROLE_ENTRY ||
           role == ATSPI_ROLE_PASSWORD_TEXT || role == ATSPI_ROLE_SPIN_BUTTON ||
           role == ATSPI_ROLE_DATE_EDITOR || role == ATSPI_ROLE_EDITBAR;
}

bool isListRole(AtspiRole role)
{
    return role == ATSPI_ROLE_LIST || role == ATSPI_ROLE_LIST_BOX;
}

// The class a control of this role has on the system the automation was made for.
QString controlClass(AtspiRole role, AtspiAccessible* object)
{
    if (isButtonRole(role))
        return QStringLiteral("Button");
    if (isEditRole(role))
        return QStringLiteral("Edit");
    if (isListRole(role))
        return QStringLiteral("ListBox");
    switch (role) {
    case ATSPI_ROLE_LABEL:
    case ATSPI_ROLE_STATIC:
        return QStringLiteral("Static");
    case ATSPI_ROLE_COMBO_BOX:
        return QStringLiteral("ComboBox");
    case ATSPI_ROLE_PAGE_TAB_LIST:
        return QStringLiteral("SysTabControl32");
    case ATSPI_ROLE_TREE:
    case ATSPI_ROLE_TREE_TABLE:
        return QStringLiteral("SysTreeView32");
    case ATSPI_ROLE_TABLE:
        return QStringLiteral("SysListView32");
    case ATSPI_ROLE_SCROLL_BAR:
        return QStringLiteral("ScrollBar");
    case ATSPI_ROLE_PROGRESS_BAR:
        return QStringLiteral("msctls_progress32");
    case ATSPI_ROLE_STATUS_BAR:
        return QStringLiteral("msctls_statusbar32");
    case ATSPI_ROLE_TOOL_BAR:
        return QStringLiteral("ToolbarWindow32");
    default:
        break;
    }
    GError* error = nullptr;
    gchar* name = atspi_accessible_get_role_name(object, &error);
    return takeString(name, error);
}

// Controls whose parts are items, not windows of their own.
bool hasItemChildren(AtspiRole role)
{
    switch (role) {
    case ATSPI_ROLE_LIST:
    case ATSPI_ROLE_LIST_BOX:
    case ATSPI_ROLE_COMBO_BOX:
    case ATSPI_ROLE_TABLE:
    case ATSPI_ROLE_TREE:
    case ATSPI_ROLE_TREE_TABLE:
    case ATSPI_ROLE_PAGE_TAB_LIST:
    case ATSPI_ROLE_MENU:
    case ATSPI_ROLE_SCROLL_BAR:
        return true;
    default:
        return false;
    }
}

// The access key of a control from its action's key binding ("Alt+S" from Qt,
// "<Alt>s" from GTK); 0 when it has none.
QChar accessKey(AtspiAccessible* object)
{
    GRef<AtspiAction> action(atspi_accessible_get_action(object));
    if (!action)
        return QChar();
    GError* error = nullptr;
    const int count = atspi_action_get_n_actions(action.get(), &error);
    if (failed(error))
        return QChar();
    static const QRegularExpression binding(QStringLiteral("^(?:Alt\\+|<Alt>)(.)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    for (int i = 0; i < count; ++i) {
        gchar* text = atspi_action_get_key_binding(action.get(), i, &error);
        const QString keys = takeString(text, error);
        error = nullptr;
        // A binding may list several forms separated by ";".
        for (const QString& part : keys.split(QLatin1Char(';'))) {
            const QRegularExpressionMatch match = binding.match(part.trimmed());
            if (match.hasMatch())
                return match.captured(1).at(0);
        }
    }
    return QChar();
}

// A caption with its access key marked as the program's author wrote it:
// "&Start" for a button "Start" with the key Alt+S ("&&" for a literal "&").
QString markAccessKey(const QString& caption, QChar key)
{
    QString out = caption;
    out.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (key.isNull())
        return out;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out.at(i) != QLatin1Char('&') && out.at(i).toCaseFolded() == key.toCaseFolded()) {
            out.insert(i, QLatin1Char('&'));
            break;
        }
    }
    return out;
}

QString textContent(AtspiAccessible* object)
{
    GRef<AtspiText> text(atspi_accessible_get_text(object));
    if (!text)
        return QString();
    GError* error = nullptr;
    const int count = atspi_text_get_character_count(text.get(), &error);
    if (failed(error))
        return QString();
    gchar* content = atspi_text_get_text(text.get(), 0, count, &error);
    return takeString(content, error);
}

} // namespace

struct AtspiDesktop::Private {
    bool initialised = false;
    X11Session x11;
    std::map<WindowId, AtspiAccessible*> objects;
    std::map<AtspiAccessible*, WindowId> ids;
    // Whether a handle is a top-level window, as learnt from the enumerations.
    std::map<WindowId, bool> topLevel;
    WindowId nextId = 1;

    WindowId idFor(AtspiAccessible* object)
    {
        const auto it = ids.find(object);
        if (it != ids.end())
            return it->second;
        g_object_ref(object);
        const WindowId id = nextId++;
        objects[id] = object;
        ids[object] = id;
        return id;
    }

    AtspiAccessible* object(WindowId id) const
    {
        const auto it = objects.find(id);
        return it == objects.end() ? nullptr : it->second;
    }

    // Handles of windows that are gone are dropped now and then, so that a
    // long run does not collect them.
    void prune()
    {
        if (objects.size() < 2000)
            return;
        for (auto it = objects.begin(); it != objects.end();) {
            if (hasState(it->second, ATSPI_STATE_DEFUNCT) ||
                roleOf(it->second) == ATSPI_ROLE_INVALID) {
                ids.erase(it->second);
                topLevel.erase(it->first);
                g_object_unref(it->second);
                it = objects.erase(it);
            } else {
                ++it;
            }
        }
    }

    bool isTopLevel(AtspiAccessible* object)
    {
        const auto known = topLevel.find(idFor(object));
        if (known != topLevel.end())
            return known->second;
        GError* error = nullptr;
        AtspiAccessible* parent = atspi_accessible_get_parent(object, &error);
        if (error)
            g_error_free(error);
        if (!parent)
            return false;
        const bool out = roleOf(parent) == ATSPI_ROLE_APPLICATION;
        g_object_unref(parent);
        return out;
    }

    // The X11 window of a top-level window; 0 when there is none.
    quint64 xWindow(AtspiAccessible* object)
    {
        if (!x11.isOpen())
            return 0;
        GError* error = nullptr;
        const guint pid = atspi_accessible_get_process_id(object, &error);
        if (failed(error))
            return 0;
        QRect extents;
        GRef<AtspiComponent> component(atspi_accessible_get_component(object));
        if (component) {
            AtspiRect* rect =
                atspi_component_get_extents(component.get(), ATSPI_COORD_TYPE_SCREEN, &error);
            if (error)
                g_error_free(error);
            if (rect) {
                extents = QRect(rect->x, rect->y, rect->width, rect->height);
                g_free(rect);
            }
        }
        return x11.findClientWindow(pid, nameOf(object), extents);
    }

    void collect(AtspiAccessible* parent, QList<WindowId>& out)
    {
        forEachChild(parent, [&](AtspiAccessible* child) {
            const AtspiRole role = roleOf(child);
            // Menus are no windows of a dialog's; items are parts of their list.
            if (role == ATSPI_ROLE_MENU_BAR || role == ATSPI_ROLE_INVALID)
                return;
            const WindowId id = idFor(child);
            topLevel[id] = false;
            out.append(id);
            if (!hasItemChildren(role))
                collect(child, out);
        });
    }
};

AtspiDesktop::AtspiDesktop() : d(std::make_unique<Private>())
{
    const int result = atspi_init();
    d->initialised = result == 0 || result == 1;
    if (d->initialised) {
        // Read everything fresh: this process may not run the main loop that
        // would keep a cache current.
        GRef<AtspiAccessible> desktop(atspi_get_desktop(0));
        if (desktop)
            atspi_accessible_set_cache_mask(desktop.get(), ATSPI_CACHE_NONE);
    }
}

AtspiDesktop::~AtspiDesktop()
{
    for (const auto& entry : d->objects)
        g_object_unref(entry.second);
}

bool AtspiDesktop::isAvailable()
{
    if (!d->initialised)
        return false;
    GRef<AtspiAccessible> desktop(atspi_get_desktop(0));
    if (!desktop)
        return false;
    GError* error = nullptr;
    atspi_accessible_get_child_count(desktop.get(), &error);
    return !failed(error);
}

QList<WindowId> AtspiDesktop::topLevelWindows()
{
    QList<WindowId> out;
    if (!d->initialised)
        return out;
    d->prune();
    GRef<AtspiAccessible> desktop(atspi_get_desktop(0));
    if (!desktop)
        return out;
    const guint self = guint(getpid());
    forEachChild(desktop.get(), [&](AtspiAccessible* app) {
        GError* error = nullptr;
        const guint pid = atspi_accessible_get_process_id(app, &error);
        if (failed(error) || pid == self)
            return;
        forEachChild(app, [&](AtspiAccessible* window) {
            const WindowId id = d->idFor(window);
            d->topLevel[id] = true;
            out.append(id);
        });
    });
    return out;
}

QList<WindowId> AtspiDesktop::descendants(WindowId window)
{
    QList<WindowId> out;
    if (AtspiAccessible* object = d->object(window))
        d->collect(object, out);
    return out;
}

bool AtspiDesktop::exists(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    return object && roleOf(object) != ATSPI_ROLE_INVALID && !hasState(object, ATSPI_STATE_DEFUNCT);
}

bool AtspiDesktop::isVisible(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    return object && hasState(object, ATSPI_STATE_VISIBLE) &&
           !hasState(object, ATSPI_STATE_DEFUNCT);
}

WindowId AtspiDesktop::parent(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    if (!object || d->isTopLevel(object))
        return 0;
    GError* error = nullptr;
    AtspiAccessible* parent = atspi_accessible_get_parent(object, &error);
    if (error)
        g_error_free(error);
    if (!parent)
        return 0;
    const WindowId out = d->idFor(parent);
    g_object_unref(parent);
    return out;
}

QString AtspiDesktop::className(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    if (!object)
        return QString();
    const AtspiRole role = roleOf(object);
    if (!d->isTopLevel(object))
        return controlClass(role, object);
    if (isDialogRole(role))
        return QStringLiteral("#32770");
    const QString x11Class = d->x11.windowClass(d->xWindow(object));
    if (!x11Class.isEmpty())
        return x11Class;
    // Without X11 the program's name stands in (for Qt programs it is the same).
    GError* error = nullptr;
    AtspiAccessible* app = atspi_accessible_get_application(object, &error);
    if (error)
        g_error_free(error);
    if (!app)
        return QString();
    const QString out = nameOf(app);
    g_object_unref(app);
    return out;
}

QString AtspiDesktop::text(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    if (!object)
        return QString();
    const AtspiRole role = roleOf(object);
    if (d->isTopLevel(object))
        return nameOf(object);
    if (isButtonRole(role))
        return markAccessKey(nameOf(object), accessKey(object));
    if (isEditRole(role))
        return textContent(object);
    const QString name = nameOf(object);
    return name.isEmpty() ? textContent(object) : name;
}

int AtspiDesktop::itemCount(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    if (!object || !isListRole(roleOf(object)))
        return -1;
    return childCount(object);
}

int AtspiDesktop::selectedItem(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    if (!object || !isListRole(roleOf(object)))
        return -1;
    // A list that cannot say how many items it has selects none.
    const int count = childCount(object);
    GError* error = nullptr;
    for (int i = 0; i < count; ++i) {
        GRef<AtspiAccessible> item(atspi_accessible_get_child_at_index(object, i, &error));
        if (failed(error))
            return -1;
        if (item && hasState(item.get(), ATSPI_STATE_SELECTED))
            return i;
    }
    return -1;
}

QString AtspiDesktop::itemText(WindowId window, int index)
{
    AtspiAccessible* object = d->object(window);
    if (!object || index < 0)
        return QString();
    GError* error = nullptr;
    GRef<AtspiAccessible> item(atspi_accessible_get_child_at_index(object, index, &error));
    if (failed(error))
        return QString();
    return item ? nameOf(item.get()) : QString();
}

std::optional<Placement> AtspiDesktop::placement(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    if (!object || !d->isTopLevel(object))
        return std::nullopt;
    if (const quint64 x = d->xWindow(object))
        return d->x11.placement(x);
    if (hasState(object, ATSPI_STATE_DEFUNCT))
        return std::nullopt;
    return hasState(object, ATSPI_STATE_ICONIFIED) ? Placement::Minimised : Placement::Normal;
}

bool AtspiDesktop::restore(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    return object && d->x11.restore(d->xWindow(object));
}

bool AtspiDesktop::setForeground(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    if (!object)
        return false;
    if (d->x11.activate(d->xWindow(object)))
        return true;
    GRef<AtspiComponent> component(atspi_accessible_get_component(object));
    if (!component)
        return false;
    GError* error = nullptr;
    const bool out = atspi_component_grab_focus(component.get(), &error);
    if (error)
        g_error_free(error);
    return out;
}

bool AtspiDesktop::bringToTop(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    return object && d->x11.raise(d->xWindow(object));
}

bool AtspiDesktop::setTopmost(WindowId window, bool topmost)
{
    AtspiAccessible* object = d->object(window);
    return object && d->x11.setAbove(d->xWindow(object), topmost);
}

bool AtspiDesktop::click(WindowId window)
{
    AtspiAccessible* object = d->object(window);
    if (!object)
        return false;
    GRef<AtspiAction> action(atspi_accessible_get_action(object));
    if (!action)
        return false;
    GError* error = nullptr;
    const int count = atspi_action_get_n_actions(action.get(), &error);
    if (failed(error) || count <= 0)
        return false;
    int chosen = 0;
    for (int i = 0; i < count; ++i) {
        gchar* name = atspi_action_get_action_name(action.get(), i, &error);
        const QString actionName = takeString(name, error).toLower();
        error = nullptr;
        if (actionName == QLatin1String("press") || actionName == QLatin1String("click")) {
            chosen = i;
            break;
        }
    }
    const bool out = atspi_action_do_action(action.get(), chosen, &error);
    if (failed(error))
        return false;
    return out;
}

bool AtspiDesktop::typeKeys(const QString& keys)
{
    const std::optional<QList<KeyStroke>> strokes = parseKeySequence(keys);
    return strokes && d->x11.type(*strokes);
}

} // namespace platform::desktop
