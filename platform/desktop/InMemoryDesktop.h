#pragma once

#include "platform/desktop/Desktop.h"
#include "platform/desktop/KeySequence.h"

#include <QStringList>

#include <functional>
#include <map>

namespace platform::desktop {

// A desktop held in memory: windows are added, changed and removed by the
// test, and what the automation does to them (clicks, typed keys,
// activation) is recorded. Top-level windows are enumerated in z-order: the
// order they were added in, except that bringToTop moves a window to the front.
class InMemoryDesktop final : public Desktop {
public:
    struct Typed {
        WindowId foreground; // the window that had the keyboard then
        QString keys;        // the keys as given
        QList<KeyStroke> strokes;
    };

    WindowId addTopLevel(const QString& className, const QString& title, bool visible = true);
    WindowId addChild(WindowId parent, const QString& className, const QString& text,
                      bool visible = true);
    void remove(WindowId window); // with its descendants
    void setText(WindowId window, const QString& text);
    void setVisible(WindowId window, bool visible);
    void setListItems(WindowId window, const QStringList& items, int selected = -1);
    void setPlacement(WindowId window, std::optional<Placement> placement);

    // Called after a click was recorded (for example to close a dialog).
    void onClick(std::function<void(WindowId)> handler) { m_onClick = std::move(handler); }
    // Called after keys were recorded.
    void onTyped(std::function<void(const Typed&)> handler) { m_onTyped = std::move(handler); }

    const QList<WindowId>& clicks() const { return m_clicks; }
    const QList<Typed>& typed() const { return m_typed; }
    // Every call that changes placement, focus or z-order, in order, as text:
    // "restore 3", "foreground 3", "top 3", "topmost 3 on", "topmost 3 off".
    const QStringList& activations() const { return m_activations; }
    WindowId foreground() const { return m_foreground; }
    bool isTopmost(WindowId window) const;

    QList<WindowId> topLevelWindows() override;
    QList<WindowId> descendants(WindowId window) override;
    bool exists(WindowId window) override;
    bool isVisible(WindowId window) override;
    WindowId parent(WindowId window) override;
    QString className(WindowId window) override;
    QString text(WindowId window) override;
    int itemCount(WindowId window) override;
    int selectedItem(WindowId window) override;
    QString itemText(WindowId window, int index) override;
    std::optional<Placement> placement(WindowId window) override;
    bool restore(WindowId window) override;
    bool setForeground(WindowId window) override;
    bool bringToTop(WindowId window) override;
    bool setTopmost(WindowId window, bool topmost) override;
    bool click(WindowId window) override;
    bool typeKeys(const QString& keys) override;

private:
    struct Window {
        WindowId parent = 0;
        QString className;
        QString text;
        bool visible = true;
        bool isList = false;
        QStringList items;
        int selected = -1;
        std::optional<Placement> placement = Placement::Normal;
        bool topmost = false;
        QList<WindowId> children;
    };

    Window* find(WindowId window);
    void collect(WindowId window, QList<WindowId>& out);

    std::map<WindowId, Window> m_windows;
    QList<WindowId> m_topLevels;
    WindowId m_nextId = 0x100;
    WindowId m_foreground = 0;
    QList<WindowId> m_clicks;
    QList<Typed> m_typed;
    QStringList m_activations;
    std::function<void(WindowId)> m_onClick;
    std::function<void(const Typed&)> m_onTyped;
};

} // namespace platform::desktop
