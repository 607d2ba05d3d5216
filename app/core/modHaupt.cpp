#include "modHaupt.h"

namespace fonkel {

void modHaupt::Reset()
{
    ACTMonitorReady = false;
    SearchBusy = false;
    PendingConnected = false;
    PendingCallHandle = 0;
    PendingCallId = 0;
    PendingNumber.clear();
    CachePath.clear();
}

} // namespace fonkel
