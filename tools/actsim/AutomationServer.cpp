#include "tools/actsim/AutomationServer.h"

#include "platform/act/ActBus.h"
#include "tools/actsim/ActMainWindow.h"

#include <QDBusError>

namespace actsim {

namespace bus = platform::act::bus;

namespace {

QDBusObjectPath pathFor(ActSimState::View view)
{
    switch (view) {
    case ActSimState::View::Contact:
        return QDBusObjectPath(QString(bus::contactViewPath));
    case ActSimState::View::Group:
        return QDBusObjectPath(QString(bus::groupViewPath));
    case ActSimState::View::None:
        break;
    }
    return QDBusObjectPath(QString(bus::noObjectPath));
}

} // namespace

QString ApplicationObject::GetOpenDBName()
{
    return m_state.database() ? m_state.database()->path() : QString();
}

QString ApplicationObject::GetVersion(qint16)
{
    return QStringLiteral("3.0.8");
}

qint32 ApplicationObject::Command(qint32 command)
{
    return m_window.runCommand(command);
}

void ApplicationObject::Show(bool show)
{
    if (show)
        m_window.showInFront();
    else
        m_window.showMinimized();
}

QDBusObjectPath ApplicationObject::Views()
{
    return QDBusObjectPath(QString(bus::viewsPath));
}

QDBusObjectPath ViewsObject::GetActive()
{
    return pathFor(m_state.activeView());
}

QDBusObjectPath ViewsObject::Create(qint16 type, qint16)
{
    if (!m_state.database())
        return pathFor(ActSimState::View::None);
    if (type == bus::contactView)
        return pathFor(ActSimState::View::Contact);
    if (type == bus::groupView)
        return pathFor(ActSimState::View::Group);
    return pathFor(ActSimState::View::None);
}

qint32 ViewObject::Type()
{
    return qint32(m_type);
}

QString ViewObject::GetCurrentID()
{
    return m_type == ActSimState::View::Contact ? m_state.currentContactId()
                                                : m_state.currentGroupId();
}

qint32 ViewObject::currentfieldid()
{
    return m_state.currentFieldId();
}

void ViewObject::setfield(qint32 fieldId, const QString& value)
{
    m_state.setFieldValue(m_type, fieldId, value);
}

QString ViewObject::getfield(qint32 fieldId)
{
    return m_state.fieldValue(m_type, fieldId).value_or(QString());
}

void ViewObject::lookupall()
{
    if (m_type == ActSimState::View::Contact)
        m_state.lookupAll();
}

void ViewObject::GoTo(const QString& contactId)
{
    if (m_type == ActSimState::View::Contact)
        m_state.goToContact(contactId);
}

AutomationServer::AutomationServer(ActSimState& state, ActMainWindow& window, QObject* parent)
    : QObject(parent), m_application(state, window), m_views(state),
      m_contactView(state, ActSimState::View::Contact), m_groupView(state, ActSimState::View::Group)
{
}

bool AutomationServer::registerOn(QDBusConnection connection, QString* error)
{
    if (!connection.isConnected()) {
        *error = QStringLiteral("Keine Verbindung zum D-Bus-Sitzungsbus.");
        return false;
    }
    const auto options = QDBusConnection::ExportAllSlots;
    if (!connection.registerObject(QString(bus::applicationPath), &m_application, options) ||
        !connection.registerObject(QString(bus::viewsPath), &m_views, options) ||
        !connection.registerObject(QString(bus::contactViewPath), &m_contactView, options) ||
        !connection.registerObject(QString(bus::groupViewPath), &m_groupView, options)) {
        *error = connection.lastError().message();
        return false;
    }
    if (!connection.registerService(QString(bus::serviceName))) {
        *error =
            QStringLiteral("Der Name %1 ist auf dem Bus schon vergeben (läuft schon ein ACT!?).")
                .arg(bus::serviceName);
        return false;
    }
    return true;
}

} // namespace actsim
