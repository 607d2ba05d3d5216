#include "platform/tapi/sim/PhonesimServer.h"

#include "platform/tapi/sim/PhonesimProtocol.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

using namespace Qt::StringLiterals;

namespace platform::tapi::sim {

namespace {

constexpr qsizetype kMaxRequest = 64 * 1024;

} // namespace

PhonesimServer::PhonesimServer(SimExchange& exchange, QObject* parent)
    : QObject(parent), m_interpreter(exchange), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
}

PhonesimServer::~PhonesimServer() = default;

bool PhonesimServer::listen(QString* error)
{
    return listen(phonesimSocketPath(), error);
}

bool PhonesimServer::listen(const QString& path, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Listening would quietly take the socket from a program that still
    // serves it, so ask first; a socket nobody answers on is left over.
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(500)) {
        probe.disconnectFromServer();
        if (error)
            *error = u"another program already serves phonesim on %1"_s.arg(path);
        return false;
    }
    QLocalServer::removeServer(path);
    if (m_server->listen(path))
        return true;
    if (error)
        *error = u"cannot listen on %1: %2"_s.arg(path, m_server->errorString());
    return false;
}

QString PhonesimServer::socketPath() const
{
    return m_server->fullServerName();
}

void PhonesimServer::serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kMaxRequest) {
                socket->write(encodePhonesimReply(false, u"request too long"_s));
                socket->disconnectFromServer();
            }
            return;
        }
        const QByteArray line = socket->readLine(kMaxRequest);
        QStringList words;
        QString output;
        bool ok = false;
        if (!decodePhonesimRequest(line, &words))
            output = u"malformed request"_s;
        else
            ok = m_interpreter.execute(words, &output);
        socket->write(encodePhonesimReply(ok, output));
        socket->flush();
        socket->disconnectFromServer();
    });
}

} // namespace platform::tapi::sim
