#pragma once

#include <QRect>

#include <functional>

class QWidget;

namespace fonkel {

// Where the desktop's panel (taskbar) lies, read from a screen's full
// geometry against its available geometry: the strip the panel reserves is
// the difference. Every operation asks for the geometry anew.
class clTaskbar {
public:
    struct ScreenGeometry {
        QRect geometry;  // the whole screen
        QRect available; // without the reserved panel strips
    };
    using ScreenSource = std::function<ScreenGeometry()>;

    enum Align { Left = 0, Right = 1, Top = 2, Bottom = 3 };

    // Without a source the primary screen is asked.
    explicit clTaskbar(ScreenSource source = primaryScreen);

    static ScreenGeometry primaryScreen();

    // Moves the window to the screen's bottom right-hand corner, beside the
    // taskbar when it is on the right, above it when it is at the bottom.
    void SnapFormTo(QWidget* window) const;
    // The panel reserves its strip (it stays on top and does not hide).
    bool IsTaskBarOnTop() const;
    int TaskBarAlign() const;
    int TaskbarHeight() const;
    int TaskBarWidth() const;

    // The taskbar's rectangle in screen-relative pixels; a screen without a
    // reserved strip gives an empty rectangle along its bottom edge.
    QRect TaskbarRect() const;

private:
    ScreenSource m_source;
};

} // namespace fonkel
