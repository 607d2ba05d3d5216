#include "app/actapp/modACTRunning.h"

namespace modACTRunning {

namespace {

constexpr qsizetype shownLength = 50;
constexpr qsizetype classLength = 255;

QString cutAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString removeLeadingBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

} // namespace

QString WindowTitle(Desktop& desktop, WindowId window)
{
    const QString title = cutAtNul(removeLeadingBlanks(desktop.text(window)).left(shownLength));
    return title.isEmpty() ? QStringLiteral("NoText") : title;
}

QString ControlText(Desktop& desktop, WindowId window)
{
    QString text;
    if (ClassName(desktop, window).contains(QLatin1String("listbox"))) {
        if (desktop.itemCount(window) > 0) {
            const int selected = desktop.selectedItem(window);
            text = desktop.itemText(window, selected < 0 ? 0 : selected);
        }
    } else {
        text = desktop.text(window);
    }
    text = cutAtNul(text);
    if (text.isEmpty())
        return QStringLiteral("NoText");
    return text.left(shownLength);
}

QString ClassName(Desktop& desktop, WindowId window)
{
    return desktop.className(window).left(classLength).toLower();
}

WindowId FindTopWindow(Desktop& desktop, const QString& classPattern, const QString& titlePattern)
{
    WindowId found = 0;
    const QList<WindowId> windows = desktop.topLevelWindows();
    for (WindowId window : windows) {
        if (!desktop.isVisible(window))
            continue;
        if (!ClassName(desktop, window).contains(classPattern))
            continue;
        if (titlePattern == QLatin1String("*") ||
            WindowTitle(desktop, window).contains(titlePattern))
            found = window; // the last match wins
    }
    return found;
}

WindowId FindChildWindow(Desktop& desktop, WindowId parent, const QString& classPattern,
                         const QString& textPattern)
{
    WindowId found = 0;
    const QString pattern = classPattern.toLower();
    const QList<WindowId> windows = desktop.descendants(parent);
    for (WindowId window : windows) {
        if (!desktop.isVisible(window))
            continue;
        if (!ClassName(desktop, window).contains(pattern))
            continue;
        if (textPattern == QLatin1String("*") || ControlText(desktop, window).contains(textPattern))
            found = window; // the last match wins
    }
    return found;
}

bool AppActivate(Desktop& desktop, const QString& title)
{
    if (title.isEmpty())
        return false;
    WindowId exact = 0;
    WindowId prefix = 0;
    const QList<WindowId> windows = desktop.topLevelWindows();
    for (WindowId window : windows) {
        if (!desktop.isVisible(window))
            continue;
        const QString text = desktop.text(window);
        if (!exact && text == title)
            exact = window;
        if (!prefix && text.startsWith(title))
            prefix = window;
    }
    const WindowId target = exact ? exact : prefix;
    return target && desktop.setForeground(target);
}

} // namespace modACTRunning
