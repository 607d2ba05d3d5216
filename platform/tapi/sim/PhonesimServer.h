#pragma once

#include "platform/tapi/sim/PhonesimInterpreter.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace platform::tapi::sim {

class SimExchange;

// Lets `phonesim` drive the exchange of this program: listens on the local
// socket phonesimSocketPath() (or the path given) and answers one command per
// connection. Runs in the thread that created it.
class PhonesimServer final : public QObject {
    Q_OBJECT
public:
    explicit PhonesimServer(SimExchange& exchange, QObject* parent = nullptr);
    ~PhonesimServer() override;

    // Starts listening; a socket left behind by a program that is gone is
    // replaced, one still served by another program is not.
    bool listen(QString* error = nullptr);
    bool listen(const QString& path, QString* error = nullptr);
    QString socketPath() const;

private:
    void serve(QLocalSocket* socket);

    PhonesimInterpreter m_interpreter;
    QLocalServer* m_server;
};

} // namespace platform::tapi::sim
