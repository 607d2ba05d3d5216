#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform::desktop {

// Handle of a window of the desktop; 0 is no window. Handles stay valid for
// as long as the window exists and are never reused for another window.
using WindowId = quint64;

// How a top-level window is shown.
enum class Placement { Normal, Minimised, Maximised };

// The desktop's windows as the window automation sees them: top-level windows
// with a class and a title, their descendants (controls) with a class and a
// text, activation, clicks and typed keystrokes. Implementations drive real
// windows of other programs or hold an in-memory model for tests.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Top-level windows, hidden ones included, in the system's enumeration order.
    virtual QList<WindowId> topLevelWindows() = 0;
    // Every descendant of a window (children at every depth), depth first in
    // the system's enumeration order.
    virtual QList<WindowId> descendants(WindowId window) = 0;

    virtual bool exists(WindowId window) = 0;
    virtual bool isVisible(WindowId window) = 0;
    // The window that contains a control; 0 for a top-level window.
    virtual WindowId parent(WindowId window) = 0;
    // The class as the window reports it (not case-folded). Standard dialogs
    // report "#32770"; controls report "Button", "Edit", "Static", "ListBox", ...
    virtual QString className(WindowId window) = 0;
    // The caption of a window, the text of a control.
    virtual QString text(WindowId window) = 0;

    // List boxes: the number of items (-1 for a window that is no list), the
    // selected item (-1 when none) and the text of an item.
    virtual int itemCount(WindowId window) = 0;
    virtual int selectedItem(WindowId window) = 0;
    virtual QString itemText(WindowId window, int index) = 0;

    // The placement of a top-level window; nothing when it cannot be read.
    virtual std::optional<Placement> placement(WindowId window) = 0;
    // Shows a minimised window in its normal state.
    virtual bool restore(WindowId window) = 0;
    // Makes the window the one that receives the keyboard input.
    virtual bool setForeground(WindowId window) = 0;
    // Puts the window on top of the others.
    virtual bool bringToTop(WindowId window) = 0;
    // Keeps the window above all others (or stops doing so), without moving it.
    virtual bool setTopmost(WindowId window, bool topmost) = 0;

    // A left click on a control (a button's press). Does not wait for the
    // program that owns the control to handle it.
    virtual bool click(WindowId window) = 0;
    // Types keys in the keystroke notation (see KeySequence.h) into whatever
    // window has the keyboard focus; does not wait for them to be handled.
    // False when the notation is malformed (then nothing is typed).
    virtual bool typeKeys(const QString& keys) = 0;

    // The direct lookup of a top-level window by class (letter case ignored)
    // and exact title; the first one in enumeration order, visible or not.
    virtual WindowId findTopLevel(const QString& className, const QString& title);
};

} // namespace platform::desktop
