#pragma once

#include <QLockFile>
#include <QString>

namespace fonkel {

// Keeps a second copy of the program from running: the first instance holds a
// lock file in the user's runtime folder for as long as it runs. A lock left
// behind by an instance that is gone (killed, crashed) does not count; its
// age alone never makes a lock stale, however long the first instance runs.
class SingleInstance {
public:
    // $XDG_RUNTIME_DIR/fonkel.lock
    static QString defaultLockPath();

    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    // True when this process now holds the lock (or held it already); false
    // while another running process holds it.
    bool tryAcquire();

private:
    QLockFile m_lock;
};

} // namespace fonkel
