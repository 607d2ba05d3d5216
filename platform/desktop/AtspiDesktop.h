#pragma once

#include "platform/desktop/Desktop.h"

#include <memory>

namespace platform::desktop {

// The real desktop: the windows of other programs under X11, read through the
// accessibility bus (AT-SPI) and driven through it and X11 (focus, XTest keys).
//
// Top-level windows are the windows of every program on the accessibility
// bus except this one (asking our own program over the bus would block it).
// A dialog reports the class "#32770", any other top-level window the class
// part of its X11 WM_CLASS. Controls report a class by their role ("Button",
// "Edit", "Static", "ListBox", "ComboBox", ...); buttons report their caption
// with the mnemonic marked by "&" as the program shows it ("&Start"), edits
// their content, list boxes their items. A click is the button's press action.
//
// A program takes part when it is on the accessibility bus: the bus must run
// (see the README) and Qt programs join it with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
class AtspiDesktop final : public Desktop {
public:
    AtspiDesktop();
    ~AtspiDesktop() override;

    // True when the accessibility bus answers.
    bool isAvailable();

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
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform::desktop
