#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace fonkel {

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/fonkel.lock");
}

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    // A lock is stale only when its process is gone, never by age.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    return m_lock.tryLock(0);
}

} // namespace fonkel
