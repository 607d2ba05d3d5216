#include "ActsimHarness.h"

#include "TestSupport.h"
#include "tools/mkactdb/ActDatabaseGenerator.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QUuid>

#include <chrono>

using namespace std::chrono_literals;

namespace actsimtest {

PrivateSessionBus::~PrivateSessionBus()
{
    if (!m_connectionName.isEmpty())
        QDBusConnection::disconnectFromBus(m_connectionName);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }
}

bool PrivateSessionBus::start(QString* error)
{
    m_daemon.setProgram(QStringLiteral("dbus-daemon"));
    m_daemon.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
                           QStringLiteral("--print-address=1")});
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start();
    if (!m_daemon.waitForStarted(5000)) {
        *error = QStringLiteral("dbus-daemon does not start: ") + m_daemon.errorString();
        return false;
    }
    const bool gotAddress = testsupport::waitUntil(
        [this] {
            m_daemon.waitForReadyRead(10);
            return m_daemon.canReadLine();
        },
        10s);
    if (!gotAddress) {
        *error = QStringLiteral("dbus-daemon printed no address");
        return false;
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    return !m_address.isEmpty();
}

QDBusConnection PrivateSessionBus::connection()
{
    if (m_connectionName.isEmpty()) {
        m_connectionName = QStringLiteral("test-bus-") + QUuid::createUuid().toString(QUuid::Id128);
        QDBusConnection::connectToBus(m_address, m_connectionName);
    }
    return QDBusConnection(m_connectionName);
}

QString PrivateSessionBus::activateAccessibilityBus()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    const QDBusReply<QString> reply = connection().call(call, QDBus::Block, 20000);
    return reply.isValid() ? reply.value() : QString();
}

ActsimProcess::~ActsimProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

bool ActsimProcess::start(const PrivateSessionBus& bus, const QStringList& arguments,
                          const QString& platform, bool accessible)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    // Qt finds the accessibility bus through the session bus; given its
    // address directly (AT_SPI_BUS_ADDRESS) it does not register.
    env.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    if (accessible)
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(actsimProgram(), arguments);
    return m_process.waitForStarted(10000);
}

bool ActsimProcess::waitForAutomation(QDBusConnection connection)
{
    return testsupport::waitUntil(
               [&] {
                   if (m_process.state() == QProcess::NotRunning)
                       return true;
                   return connection.interface()
                       ->isServiceRegistered(QStringLiteral("ACTOLE.APPOBJECT"))
                       .value();
               },
               20s) &&
           m_process.state() != QProcess::NotRunning;
}

QString ActsimProcess::output()
{
    return QString::fromLocal8Bit(m_process.readAll());
}

QString actsimProgram()
{
    return testsupport::binaryDir() + QStringLiteral("/bin/actsim");
}

QString generateDatabase(const QString& dir, const QString& baseName, int count, QString* error)
{
    actdbgen::ActDatabaseOptions options;
    options.directory = dir;
    options.baseName = baseName;
    options.contacts = count;
    options.seed = 7;
    if (!actdbgen::generateActDatabase(options, error))
        return QString();
    return actdbgen::ActDatabaseFiles::in(dir, baseName).contactTable;
}

} // namespace actsimtest
