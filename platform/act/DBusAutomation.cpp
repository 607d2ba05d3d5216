#include "platform/act/DBusAutomation.h"

#include "platform/act/ActBus.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace platform::act {

namespace {

using namespace automation_error;

long errorNumber(const QDBusMessage& reply)
{
    const QString name = reply.errorName();
    if (name.startsWith(bus::errorPrefix)) {
        bool ok = false;
        const long number = name.mid(bus::errorPrefix.size()).toLong(&ok);
        if (ok)
            return number;
    }
    switch (QDBusError(reply).type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::Disconnected:
    case QDBusError::NoServer:
        return serverUnavailable;
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
        return noSuchMember;
    case QDBusError::InvalidArgs:
    case QDBusError::InvalidSignature:
        return badArgument;
    default:
        return automationFailed;
    }
}

} // namespace

AutomationRef DBusAutomationConnector::create(const QString& progId)
{
    if (!m_bus.isConnected())
        return nullptr;
    QDBusConnectionInterface* daemon = m_bus.interface();
    if (!daemon || !daemon->isServiceRegistered(progId).value())
        return nullptr;
    return std::make_shared<DBusAutomationObject>(m_bus, progId, QString(bus::applicationPath),
                                                  m_timeoutMs);
}

AutomationValue DBusAutomationObject::call(const QString& member, const QVariantList& args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(m_service, m_path, QString(), member);
    message.setArguments(args);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, m_timeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        throw AutomationError(errorNumber(reply), reply.errorMessage());
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw AutomationError(serverUnavailable, QStringLiteral("No reply from the server"));
    if (reply.arguments().isEmpty())
        return {};

    QVariant value = reply.arguments().constFirst();
    if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>()) {
        const QString path = value.value<QDBusObjectPath>().path();
        if (path == bus::noObjectPath)
            return {};
        return {QVariant(),
                std::make_shared<DBusAutomationObject>(m_bus, m_service, path, m_timeoutMs)};
    }
    return {value, nullptr};
}

} // namespace platform::act
