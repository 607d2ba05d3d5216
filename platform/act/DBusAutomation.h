#pragma once

#include "platform/act/Automation.h"

#include <QDBusConnection>

namespace platform::act {

// The automation client over D-Bus: the programmatic identifier is the bus
// name of the server; the first object is the application (see ActBus.h).
class DBusAutomationConnector final : public AutomationConnector {
public:
    explicit DBusAutomationConnector(QDBusConnection bus = QDBusConnection::sessionBus(),
                                     int timeoutMs = 10000)
        : m_bus(std::move(bus)), m_timeoutMs(timeoutMs)
    {
    }

    // nullptr when the server is not on the bus.
    AutomationRef create(const QString& progId) override;

private:
    QDBusConnection m_bus;
    int m_timeoutMs;
};

// One object of the server, called without naming an interface (late bound).
class DBusAutomationObject final : public AutomationObject {
public:
    DBusAutomationObject(QDBusConnection bus, QString service, QString path, int timeoutMs)
        : m_bus(std::move(bus)), m_service(std::move(service)), m_path(std::move(path)),
          m_timeoutMs(timeoutMs)
    {
    }
    const QString& path() const { return m_path; }

    AutomationValue call(const QString& member, const QVariantList& args = {}) override;

private:
    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
    int m_timeoutMs;
};

} // namespace platform::act
