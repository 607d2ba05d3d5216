#pragma once

#include "control/line/TapiBuffer.h"

#include <QString>

class LintaroPrivate;

// What a line device, one of its addresses or a call can do, as texts the
// host can show without knowing the telephony constants: provider and switch
// descriptions, an address, and chains of tokens such as "<VOICE>".
class CapabilityReports {
public:
    explicit CapabilityReports(LintaroPrivate& d) : d(d) {}

    QString getProviderInfo(int deviceId);
    QString getSwitchInfo(int deviceId);
    QString getCallStates(int deviceId);
    QString getCallinfoStates(int deviceId);
    QString getParkModes(int deviceId);
    QString getCallFeatures(int deviceId);
    QString getAddress(int deviceId, int addressId);
    QString getDialtoneModes(int deviceId);
    QString getBusyModes(int deviceId);
    QString getDisconnectModes(int deviceId);
    QString getBearerModes(int deviceId);
    QString getMediaModes(int deviceId);
    QString getAddressModes(int deviceId);
    QString getActiveCallFeatures(int CCallHandle);

private:
    // The capabilities of the device or of one of its addresses, again with
    // extension version 0 when the first query fails; a second failure is
    // reported from origin and leaves the buffer zero-filled.
    TapiBuffer deviceCaps(int deviceId, const QString& origin);
    TapiBuffer addressCaps(int deviceId, int addressId, const QString& origin);

    LintaroPrivate& d;
};
