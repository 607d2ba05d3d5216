// phonesim COMMAND [ARGUMENTS]: sends one command to the simulated exchange of
// a running program and prints the answer. Exit codes: 0 done, 1 the program
// refused or is not running, 2 wrong use.
#include "platform/tapi/sim/PhonesimProtocol.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace platform::tapi::sim;

namespace {

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    if (!text.endsWith(u'\n'))
        std::fputc('\n', stream);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList words = QCoreApplication::arguments();
    words.removeFirst();

    if (words.isEmpty()) {
        print(stderr, phonesimHelp());
        return 2;
    }
    const QString command = words.first();
    if (command == u"--help" || command == u"-h" || command == u"help") {
        print(stdout, phonesimHelp());
        return 0;
    }
    if (!isPhonesimCommand(command)) {
        print(stderr,
              u"phonesim: unknown command '%1'. Run 'phonesim --help' for the commands."_s.arg(
                  command));
        return 2;
    }

    const QString path = phonesimSocketPath();
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(3000)) {
        print(stderr, u"phonesim: no running program with the simulated exchange (nothing "
                      "listens on %1). Start Fonkel first."_s.arg(path));
        return 1;
    }
    socket.write(encodePhonesimRequest(words));
    socket.flush();

    QByteArray reply;
    const QDeadlineTimer deadline(10000);
    while (!reply.contains('\n') && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))) &&
            socket.state() != QLocalSocket::ConnectedState)
            break;
        reply += socket.readAll();
    }
    reply += socket.readAll();

    bool ok = false;
    QString text;
    if (!decodePhonesimReply(reply, &ok, &text)) {
        print(stderr, u"phonesim: the program sent no answer"_s);
        return 1;
    }
    if (!ok) {
        print(stderr, u"phonesim: "_s + text);
        return 1;
    }
    if (!text.isEmpty())
        print(stdout, text);
    return 0;
}
