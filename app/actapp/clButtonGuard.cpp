#include "app/actapp/clButtonGuard.h"

#include "app/actapp/modACTRunning.h"

#include <QStringList>

using platform::desktop::WindowId;

bool clButtonGuard::WindowExist()
{
    WindowId window = m_desktop.findTopLevel(m_windowClass, m_windowText);
    if (!window) {
        const WindowId dialog =
            modACTRunning::FindTopWindow(m_desktop, m_parentClass, m_parentText);
        if (dialog)
            window = modACTRunning::FindChildWindow(m_desktop, dialog, m_windowClass, m_windowText);
    }
    m_window = window;
    if (!window)
        return false;

    const WindowId parent = m_desktop.parent(window);
    if (parent) {
        const QString caption = m_desktop.text(parent).left(99);
        return caption.toLower().startsWith(m_parentText.toLower());
    }
    return m_parentClass.isEmpty() && m_parentText.isEmpty();
}

void clButtonGuard::MouseClick()
{
    if (WindowExist())
        m_desktop.click(m_window);
}

void clButtonGuard::SendeTasten(const QString& keys)
{
    modACTRunning::AppActivate(m_desktop, m_windowText);
    m_desktop.typeKeys(keys);
}

bool clButtonGuard::SetConfiguration(const QString& descriptor)
{
    const QStringList fields = descriptor.split(QLatin1Char('|'));
    if (fields.size() != 4)
        return false;
    m_windowText = fields.at(0);
    m_windowClass = fields.at(1);
    m_parentText = fields.at(2);
    m_parentClass = fields.at(3);
    return true;
}

QString clButtonGuard::GetConfiguration() const
{
    return m_windowText + QLatin1Char('|') + m_windowClass + QLatin1Char('|') + m_parentText +
           QLatin1Char('|') + m_parentClass;
}
