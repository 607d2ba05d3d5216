#include "TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace testsupport {

bool waitUntil(const std::function<bool()>& pred, std::chrono::milliseconds timeout)
{
    QDeadlineTimer deadline(timeout);
    while (!pred()) {
        if (deadline.hasExpired())
            return pred();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

void spin(std::chrono::milliseconds duration)
{
    QDeadlineTimer deadline(duration);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

QString sourceDir()
{
    return qEnvironmentVariable("FONKEL_SOURCE_DIR", QStringLiteral(FONKEL_SOURCE_DIR_DEFAULT));
}

QString binaryDir()
{
    return qEnvironmentVariable("FONKEL_BINARY_DIR", QStringLiteral(FONKEL_BINARY_DIR_DEFAULT));
}

} // namespace testsupport
