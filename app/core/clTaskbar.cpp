#include "clTaskbar.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace fonkel {

clTaskbar::clTaskbar(ScreenSource source) : m_source(std::move(source)) {}

clTaskbar::ScreenGeometry clTaskbar::primaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->geometry(), screen->availableGeometry()};
}

QRect clTaskbar::TaskbarRect() const
{
    const ScreenGeometry screen = m_source();
    const QRect& g = screen.geometry;
    const QRect a = screen.available.isValid() ? screen.available : g;
    const int w = g.width();
    const int h = g.height();
    // Thickness of the strip reserved on each side; the thickest is the panel.
    const int top = a.top() - g.top();
    const int bottom = g.bottom() - a.bottom();
    const int left = a.left() - g.left();
    const int right = g.right() - a.right();
    const int thickest = std::max({top, bottom, left, right});
    if (thickest <= 0)
        return QRect(0, h, w, 0);
    if (bottom == thickest)
        return QRect(0, h - bottom, w, bottom);
    if (right == thickest)
        return QRect(w - right, 0, right, h);
    if (top == thickest)
        return QRect(0, 0, w, top);
    return QRect(0, 0, left, h);
}

int clTaskbar::TaskBarAlign() const
{
    const QRect bar = TaskbarRect();
    const int screenHeight = m_source().geometry.height();
    if (screenHeight > TaskbarHeight())
        return bar.top() > 0 ? Bottom : Top;
    return bar.left() > 0 ? Right : Left;
}

int clTaskbar::TaskbarHeight() const
{
    return TaskbarRect().height();
}

int clTaskbar::TaskBarWidth() const
{
    return TaskbarRect().width();
}

bool clTaskbar::IsTaskBarOnTop() const
{
    return !TaskbarRect().isEmpty();
}

void clTaskbar::SnapFormTo(QWidget* window) const
{
    if (!window)
        return;
    const ScreenGeometry screen = m_source();
    const QSize size = window->frameGeometry().size();
    int left = screen.geometry.width() - size.width();
    int top = screen.geometry.height() - size.height();
    switch (TaskBarAlign()) {
    case Right:
        left -= TaskBarWidth();
        break;
    case Bottom:
        top -= TaskbarHeight();
        break;
    default:
        break;
    }
    window->move(screen.geometry.topLeft() + QPoint(left, top));
}

} // namespace fonkel
