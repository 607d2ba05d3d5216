// Capability reports. Not built yet: until they are, each report queries
// nothing, reports nothing and returns "".
#include "control/line/CapabilityReports.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"

// --- The control's methods --------------------------------------------------------

QString Lintaro::getProviderInfo(int deviceId)
{
    return d->reports.getProviderInfo(deviceId);
}

QString Lintaro::getSwitchInfo(int deviceId)
{
    return d->reports.getSwitchInfo(deviceId);
}

QString Lintaro::getCallStates(int deviceId)
{
    return d->reports.getCallStates(deviceId);
}

QString Lintaro::getCallinfoStates(int deviceId)
{
    return d->reports.getCallinfoStates(deviceId);
}

QString Lintaro::getParkModes(int deviceId)
{
    return d->reports.getParkModes(deviceId);
}

QString Lintaro::getCallFeatures(int deviceId)
{
    return d->reports.getCallFeatures(deviceId);
}

QString Lintaro::getAddress(int deviceId, int addressId)
{
    return d->reports.getAddress(deviceId, addressId);
}

QString Lintaro::getDialtoneModes(int deviceId)
{
    return d->reports.getDialtoneModes(deviceId);
}

QString Lintaro::getBusyModes(int deviceId)
{
    return d->reports.getBusyModes(deviceId);
}

QString Lintaro::getDisconnectModes(int deviceId)
{
    return d->reports.getDisconnectModes(deviceId);
}

QString Lintaro::getBearerModes(int deviceId)
{
    return d->reports.getBearerModes(deviceId);
}

QString Lintaro::getMediaModes(int deviceId)
{
    return d->reports.getMediaModes(deviceId);
}

QString Lintaro::getAddressModes(int deviceId)
{
    return d->reports.getAddressModes(deviceId);
}

QString Lintaro::getActiveCallFeatures(int CCallHandle)
{
    return d->reports.getActiveCallFeatures(CCallHandle);
}

// --- The reports (not built yet) ---------------------------------------------------

QString CapabilityReports::getProviderInfo(int)
{
    return QString();
}

QString CapabilityReports::getSwitchInfo(int)
{
    return QString();
}

QString CapabilityReports::getCallStates(int)
{
    return QString();
}

QString CapabilityReports::getCallinfoStates(int)
{
    return QString();
}

QString CapabilityReports::getParkModes(int)
{
    return QString();
}

QString CapabilityReports::getCallFeatures(int)
{
    return QString();
}

QString CapabilityReports::getAddress(int, int)
{
    return QString();
}

QString CapabilityReports::getDialtoneModes(int)
{
    return QString();
}

QString CapabilityReports::getBusyModes(int)
{
    return QString();
}

QString CapabilityReports::getDisconnectModes(int)
{
    return QString();
}

QString CapabilityReports::getBearerModes(int)
{
    return QString();
}

QString CapabilityReports::getMediaModes(int)
{
    return QString();
}

QString CapabilityReports::getAddressModes(int)
{
    return QString();
}

QString CapabilityReports::getActiveCallFeatures(int)
{
    return QString();
}
