#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

namespace actsimtest {

// A D-Bus session bus of the test's own (tests run side by side, and each
// actsim wants the one name "ACTOLE.APPOBJECT"). Stopped with the object;
// services it started (the accessibility bus) end with it.
class PrivateSessionBus {
public:
    PrivateSessionBus() = default;
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Starts dbus-daemon; false (and why in *error) when it does not come up.
    bool start(QString* error);
    const QString& address() const { return m_address; }
    // A connection of this process to the bus.
    QDBusConnection connection();
    // Starts the accessibility bus through this bus and returns its address
    // ("" when it does not start).
    QString activateAccessibilityBus();

private:
    QProcess m_daemon;
    QString m_address;
    QString m_connectionName;
};

// One actsim process on a given bus, ended with the object.
class ActsimProcess {
public:
    ~ActsimProcess();
    // platform: "offscreen" or "xcb"; accessible: it joins the accessibility bus.
    bool start(const PrivateSessionBus& bus, const QStringList& arguments, const QString& platform,
               bool accessible = false);
    // Waits until actsim owns the automation object's name on the bus.
    bool waitForAutomation(QDBusConnection connection);
    QProcess& process() { return m_process; }
    QString output();

private:
    QProcess m_process;
};

// The path of the actsim program built with the tests.
QString actsimProgram();

// Writes an ACT!-format database of count contacts into dir; the contact
// table's path, or "" (and why in *error).
QString generateDatabase(const QString& dir, const QString& baseName, int count, QString* error);

} // namespace actsimtest
