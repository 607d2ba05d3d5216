#pragma once

#include "platform/desktop/Desktop.h"

#include <QString>

// Watches one button (or other control) in one dialog of another program,
// given by a window descriptor "WindowText|WindowClass|ParentText|ParentClass":
// tells whether it is there, clicks it, and types keys into its program.
class clButtonGuard {
public:
    explicit clButtonGuard(platform::desktop::Desktop& desktop) : m_desktop(desktop) {}

    // Free texts that are only stored.
    QString SendKey() const { return m_sendKey; }
    void setSendKey(const QString& value) { m_sendKey = value; }
    QString Key() const { return m_key; }
    void setKey(const QString& value) { m_key = value; }
    QString Tag() const { return m_tag; }
    void setTag(const QString& value) { m_tag = value; }

    // The descriptor's fields, taken exactly as written (blanks included).
    QString ParentClass() const { return m_parentClass; }
    void setParentClass(const QString& value) { m_parentClass = value; }
    QString ParentText() const { return m_parentText; }
    void setParentText(const QString& value) { m_parentText = value; }
    QString WindowClass() const { return m_windowClass; }
    void setWindowClass(const QString& value) { m_windowClass = value; }
    QString WindowText() const { return m_windowText; }
    void setWindowText(const QString& value) { m_windowText = value; }

    // True when the described control is there, inside a window whose caption
    // begins with ParentText (or, for a window without parent, when both
    // parent fields are empty). Remembers the window found.
    bool WindowExist();
    // Clicks the control when it is there; does not wait for the click to be handled.
    void MouseClick();
    // Activates the program window titled WindowText (failures ignored) and
    // types the keys (keystroke notation).
    void SendeTasten(const QString& keys);

    // Takes a descriptor of exactly four fields; otherwise changes nothing and
    // returns false.
    bool SetConfiguration(const QString& descriptor);
    QString GetConfiguration() const;

private:
    platform::desktop::Desktop& m_desktop;
    QString m_sendKey;
    QString m_key;
    QString m_tag;
    QString m_parentClass;
    QString m_parentText;
    QString m_windowClass;
    QString m_windowText;
    platform::desktop::WindowId m_window = 0;
};
