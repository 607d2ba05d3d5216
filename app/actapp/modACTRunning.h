#pragma once

#include "platform/desktop/Desktop.h"

#include <QString>

// The window searches of the ACT! integration: top-level windows by class and
// title, controls of a window by class and text, and the way both are read.
namespace modACTRunning {

using platform::desktop::Desktop;
using platform::desktop::WindowId;

// A top-level window's title as the searches compare it: leading blanks
// removed (trailing ones kept), at most 50 characters, "NoText" when empty.
QString WindowTitle(Desktop& desktop, WindowId window);

// A control's text as the searches compare it: a list box's selected item
// (its first item when none is selected), any other control's text; "NoText"
// when empty; at most 50 characters.
QString ControlText(Desktop& desktop, WindowId window);

// The class name in lower case (at most 255 characters).
QString ClassName(Desktop& desktop, WindowId window);

// The last visible top-level window, in enumeration order, whose lower-case
// class contains classPattern as given (so a pattern with capitals never
// matches) and whose title contains titlePattern ("*" matches every title).
// 0 when none.
WindowId FindTopWindow(Desktop& desktop, const QString& classPattern, const QString& titlePattern);

// The last visible descendant of parent whose class contains classPattern
// (letter case ignored on both sides) and whose control text contains
// textPattern ("*" matches every text). 0 when none.
WindowId FindChildWindow(Desktop& desktop, WindowId parent, const QString& classPattern,
                         const QString& textPattern);

// Activates the visible top-level window titled title, or else the first
// whose title begins with it. False when there is none.
bool AppActivate(Desktop& desktop, const QString& title);

} // namespace modACTRunning
