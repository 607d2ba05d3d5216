#pragma once

#include "platform/desktop/Desktop.h"
#include "platform/desktop/KeySequence.h"

#include <QRect>

#include <map>
#include <memory>

namespace platform::desktop {

// The X11 side of the real desktop: finds the X window behind a program's
// top-level window, reads its class and state, activates it, and types keys
// through the XTest extension. Keeps its own connection to $DISPLAY.
class X11Session {
public:
    X11Session();
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool isOpen() const;

    // The client window of a top-level window of process pid: the one with
    // that title, and where several have it, the one nearest to extents
    // (screen coordinates). 0 when there is none.
    quint64 findClientWindow(qint64 pid, const QString& title, const QRect& extents);

    // The class part of WM_CLASS.
    QString windowClass(quint64 window);
    std::optional<Placement> placement(quint64 window);
    bool restore(quint64 window);
    bool activate(quint64 window);
    bool raise(quint64 window);
    bool setAbove(quint64 window, bool above);

    // Presses the strokes in order. Characters missing from the keyboard map
    // are put on spare key codes first; the map is restored when the session ends.
    bool type(const QList<KeyStroke>& strokes);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace platform::desktop
