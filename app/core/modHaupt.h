#pragma once

#include <QString>

class clACTApplication;
class clActDBF;
class clACTFelder;

namespace fonkel {

// The program's application-wide members: the three shared ACT! objects and
// the flags and values that the identification, the telephony events and the
// ACT! side share. The start routine owns the ACT! objects and points here at
// them; the rest is reset by Reset().
struct modHaupt {
    // The shared ACT! objects (not owned here; nullptr until created).
    clACTApplication* ACTApplication = nullptr;
    clActDBF* ActDBF = nullptr;
    clACTFelder* ACTFelder = nullptr;

    // The ACT! database check found ACT! with a database whose fields are known.
    bool ACTMonitorReady = false;
    // An identification runs (one at a time).
    bool SearchBusy = false;
    // One connected-party number that waits for the running identification.
    bool PendingConnected = false;
    qint32 PendingCallHandle = 0;
    qint32 PendingCallId = 0;
    QString PendingNumber;
    // The number cache file (the option CacheMDB, read at start-up).
    QString CachePath;

    // Start values of the flags and values (the object pointers stay).
    void Reset();
};

} // namespace fonkel
