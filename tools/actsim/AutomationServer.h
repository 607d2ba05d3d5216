#pragma once

#include "tools/actsim/ActSimState.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>

namespace actsim {

class ActMainWindow;

// The application object: "GetOpenDBName", "GetVersion", "Command", "Show", "Views".
class ApplicationObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ACTOLE.Application")

public:
    ApplicationObject(ActSimState& state, ActMainWindow& window, QObject* parent = nullptr)
        : QObject(parent), m_state(state), m_window(window)
    {
    }

public slots:
    QString GetOpenDBName();
    QString GetVersion(qint16 kind);
    qint32 Command(qint32 command);
    void Show(bool show);
    QDBusObjectPath Views();

private:
    ActSimState& m_state;
    ActMainWindow& m_window;
};

// The views: "GetActive" and "Create" give a view's path, "/" for none.
class ViewsObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ACTOLE.Views")

public:
    explicit ViewsObject(ActSimState& state, QObject* parent = nullptr)
        : QObject(parent), m_state(state)
    {
    }

public slots:
    QDBusObjectPath GetActive();
    QDBusObjectPath Create(qint16 type, qint16 flags);

private:
    ActSimState& m_state;
};

// The contact view (type 1) or the group view (type 3).
class ViewObject : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "ACTOLE.View")

public:
    ViewObject(ActSimState& state, ActSimState::View type, QObject* parent = nullptr)
        : QObject(parent), m_state(state), m_type(type)
    {
    }

public slots:
    qint32 Type();
    QString GetCurrentID();
    qint32 currentfieldid();
    void setfield(qint32 fieldId, const QString& value);
    QString getfield(qint32 fieldId);
    void lookupall();
    void GoTo(const QString& contactId);

private:
    ActSimState& m_state;
    ActSimState::View m_type;
};

// Puts the automation object on the bus under "ACTOLE.APPOBJECT".
class AutomationServer : public QObject {
    Q_OBJECT

public:
    AutomationServer(ActSimState& state, ActMainWindow& window, QObject* parent = nullptr);
    // False (and why in *error) when the name or an object cannot be registered.
    bool registerOn(QDBusConnection bus, QString* error);

private:
    ApplicationObject m_application;
    ViewsObject m_views;
    ViewObject m_contactView;
    ViewObject m_groupView;
};

} // namespace actsim
