#include "platform/desktop/InMemoryDesktop.h"

namespace platform::desktop {

WindowId InMemoryDesktop::addTopLevel(const QString& className, const QString& title, bool visible)
{
    const WindowId id = m_nextId++;
    Window window;
    window.className = className;
    window.text = title;
    window.visible = visible;
    m_windows.emplace(id, std::move(window));
    m_topLevels.append(id);
    return id;
}

WindowId InMemoryDesktop::addChild(WindowId parent, const QString& className, const QString& text,
                                   bool visible)
{
    Window* owner = find(parent);
    if (!owner)
        return 0;
    const WindowId id = m_nextId++;
    owner->children.append(id);
    Window window;
    window.parent = parent;
    window.className = className;
    window.text = text;
    window.visible = visible;
    window.placement = std::nullopt;
    m_windows.emplace(id, std::move(window));
    return id;
}

void InMemoryDesktop::remove(WindowId id)
{
    Window* window = find(id);
    if (!window)
        return;
    const QList<WindowId> children = window->children;
    for (WindowId child : children)
        remove(child);
    if (Window* owner = find(window->parent))
        owner->children.removeAll(id);
    m_topLevels.removeAll(id);
    m_windows.erase(id);
    if (m_foreground == id)
        m_foreground = 0;
}

void InMemoryDesktop::setText(WindowId id, const QString& text)
{
    if (Window* window = find(id))
        window->text = text;
}

void InMemoryDesktop::setVisible(WindowId id, bool visible)
{
    if (Window* window = find(id))
        window->visible = visible;
}

void InMemoryDesktop::setListItems(WindowId id, const QStringList& items, int selected)
{
    if (Window* window = find(id)) {
        window->isList = true;
        window->items = items;
        window->selected = selected;
    }
}

void InMemoryDesktop::setPlacement(WindowId id, std::optional<Placement> placement)
{
    if (Window* window = find(id))
        window->placement = placement;
}

bool InMemoryDesktop::isTopmost(WindowId id) const
{
    const auto it = m_windows.find(id);
    return it != m_windows.end() && it->second.topmost;
}

InMemoryDesktop::Window* InMemoryDesktop::find(WindowId id)
{
    const auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : &it->second;
}

void InMemoryDesktop::collect(WindowId id, QList<WindowId>& out)
{
    const Window* window = find(id);
    if (!window)
        return;
    for (WindowId child : window->children) {
        out.append(child);
        collect(child, out);
    }
}

QList<WindowId> InMemoryDesktop::topLevelWindows()
{
    return m_topLevels;
}

QList<WindowId> InMemoryDesktop::descendants(WindowId window)
{
    QList<WindowId> out;
    collect(window, out);
    return out;
}

bool InMemoryDesktop::exists(WindowId window)
{
    return find(window) != nullptr;
}

bool InMemoryDesktop::isVisible(WindowId id)
{
    // Like a real window system: hidden when the window or a container is.
    for (const Window* window = find(id); window; window = find(window->parent)) {
        if (!window->visible)
            return false;
    }
    return find(id) != nullptr;
}

WindowId InMemoryDesktop::parent(WindowId id)
{
    const Window* window = find(id);
    return window ? window->parent : 0;
}

QString InMemoryDesktop::className(WindowId id)
{
    const Window* window = find(id);
    return window ? window->className : QString();
}

QString InMemoryDesktop::text(WindowId id)
{
    const Window* window = find(id);
    return window ? window->text : QString();
}

int InMemoryDesktop::itemCount(WindowId id)
{
    const Window* window = find(id);
    return window && window->isList ? int(window->items.size()) : -1;
}

int InMemoryDesktop::selectedItem(WindowId id)
{
    const Window* window = find(id);
    return window && window->isList ? window->selected : -1;
}

QString InMemoryDesktop::itemText(WindowId id, int index)
{
    const Window* window = find(id);
    if (!window || index < 0 || index >= window->items.size())
        return QString();
    return window->items.at(index);
}

std::optional<Placement> InMemoryDesktop::placement(WindowId id)
{
    const Window* window = find(id);
    return window ? window->placement : std::nullopt;
}

bool InMemoryDesktop::restore(WindowId id)
{
    Window* window = find(id);
    if (!window)
        return false;
    window->placement = Placement::Normal;
    m_activations << QStringLiteral("restore %1").arg(id);
    return true;
}

bool InMemoryDesktop::setForeground(WindowId id)
{
    if (!find(id))
        return false;
    m_foreground = id;
    m_activations << QStringLiteral("foreground %1").arg(id);
    return true;
}

bool InMemoryDesktop::bringToTop(WindowId id)
{
    if (!find(id))
        return false;
    m_topLevels.removeAll(id);
    m_topLevels.prepend(id);
    m_activations << QStringLiteral("top %1").arg(id);
    return true;
}

bool InMemoryDesktop::setTopmost(WindowId id, bool topmost)
{
    Window* window = find(id);
    if (!window)
        return false;
    window->topmost = topmost;
    m_activations << QStringLiteral("topmost %1 %2").arg(id).arg(topmost ? "on" : "off");
    return true;
}

bool InMemoryDesktop::click(WindowId id)
{
    if (!find(id))
        return false;
    m_clicks.append(id);
    if (m_onClick)
        m_onClick(id);
    return true;
}

bool InMemoryDesktop::typeKeys(const QString& keys)
{
    const std::optional<QList<KeyStroke>> strokes = parseKeySequence(keys);
    if (!strokes)
        return false;
    m_typed.append({m_foreground, keys, *strokes});
    if (m_onTyped)
        m_onTyped(m_typed.last());
    return true;
}

} // namespace platform::desktop
