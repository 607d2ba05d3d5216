#include "platform/desktop/Desktop.h"

namespace platform::desktop {

WindowId Desktop::findTopLevel(const QString& className, const QString& title)
{
    const QList<WindowId> windows = topLevelWindows();
    for (WindowId window : windows) {
        if (this->className(window).compare(className, Qt::CaseInsensitive) == 0 &&
            text(window) == title)
            return window;
    }
    return 0;
}

} // namespace platform::desktop
