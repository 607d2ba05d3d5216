#pragma once

#include "platform/tapi/TapiStructs.h"
#include "platform/tapi/TapiTypes.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <mutex>

class QWidget;

namespace platform::tapi {

class DialogRunner;

// A provider's identity of a call; it is also the call's dwCallID.
using CallKey = DWORD;
// The ID of an asynchronous request, as the application sees it.
using RequestId = DWORD;

struct VersionRange {
    DWORD low = 0;
    DWORD high = 0;
    bool isEmpty() const { return high == 0 || low > high; }
    bool contains(DWORD version) const { return !isEmpty() && version >= low && version <= high; }
};

// Capabilities of a line device: the scalar fields in the structure itself
// (its Size/Offset fields are ignored) and the variable parts as bytes, texts
// with their terminating NUL.
struct LineDeviceCaps {
    LINEDEVCAPS fixed{};
    QByteArray providerInfo;
    QByteArray switchInfo;
    QByteArray lineName;
    QByteArray devSpecific;
    QByteArray deviceClasses;
};

struct AddressCaps {
    LINEADDRESSCAPS fixed{};
    QByteArray address;
    QByteArray devSpecific;
    QByteArray deviceClasses;
};

// One party of a call: number and name as texts with NUL, and the
// LINECALLPARTYID_ flags that describe them.
struct CallParty {
    QByteArray number;
    QByteArray name;
    DWORD flags = 0;
};

// What a provider knows of one call.
struct CallData {
    DWORD deviceId = 0;
    DWORD addressId = 0;
    DWORD state = 0;
    DWORD stateMode = 0;
    QDateTime stateEntered;
    DWORD callFeatures = 0; // what can be done in the current state
    DWORD bearerMode = 0;
    DWORD mediaMode = 0;
    DWORD rate = 0;
    DWORD origin = 0;
    DWORD reason = 0;
    DWORD relatedCallId = 0;
    CallParty caller;
    CallParty called;
    CallParty connected;
    CallParty redirection;
    CallParty redirecting;
    QByteArray chargingInfo;
    QByteArray displayableAddress;
    QByteArray calledParty;
    QByteArray comment;
};

// How a new call is to be made, from the caller's LINECALLPARAMS (or defaults).
struct CallSettings {
    DWORD addressId = 0;
    DWORD bearerMode = 0;
    DWORD mediaMode = 0;
};

struct PhoneDeviceCaps {
    PHONECAPS fixed{};
    QByteArray providerInfo;
    QByteArray phoneInfo;
    QByteArray phoneName;
    QByteArray buttonModes;     // one DWORD per button
    QByteArray buttonFunctions; // one DWORD per button
    QByteArray lampModes;       // one DWORD per lamp: the modes it can show
    QByteArray devSpecific;
    QByteArray deviceClasses;
};

struct ButtonInfo {
    DWORD mode = 0;
    DWORD function = 0;
    DWORD state = 0;
    QByteArray text;
};

// What a provider reports to the service. Calls happen with the provider's
// mutex held; the service only records and queues messages here.
class ProviderEvents {
public:
    virtual ~ProviderEvents() = default;

    // A call came into being on a line device. originRequest names the request
    // that made it (lineMakeCall, lineSetupTransfer, lineUnpark), 0 for a call
    // from outside.
    virtual void callCreated(CallKey call, DWORD deviceId, RequestId originRequest) = 0;
    virtual void callStateChanged(CallKey call, DWORD state, DWORD mode) = 0;
    // infoStates: LINECALLINFOSTATE_ flags of what changed.
    virtual void callInfoChanged(CallKey call, DWORD infoStates) = 0;
    virtual void requestCompleted(RequestId request, LONG result) = 0;
    virtual void lineDevStateChanged(DWORD deviceId, DWORD state, DWORD param2, DWORD param3) = 0;
    virtual void digitReceived(CallKey call, char digit, DWORD digitMode) = 0;
    // The driver closed the line device: every open line on it is gone.
    virtual void lineClosedByProvider(DWORD deviceId) = 0;
    virtual void phoneStateChanged(DWORD phoneId, DWORD state, DWORD param) = 0;
    virtual void phoneButtonChanged(DWORD phoneId, DWORD buttonId, DWORD mode, DWORD state) = 0;
};

// The interface behind the line and phone functions: a driver for one kind of
// telephone system (the simulated exchange, later a SIP engine). The service
// keeps applications, handles, privileges and messages; a provider keeps
// devices and calls. Functions that take a RequestId start an asynchronous
// request: they return 0 when it was accepted and then report its outcome with
// requestCompleted (possibly before they return), or a negative error at once.
class ServiceProvider {
public:
    virtual ~ServiceProvider() = default;

    virtual QString name() const = 0;
    // Serialises the provider and the service: both hold it while they work.
    virtual std::recursive_mutex& mutex() = 0;
    // The service that receives the provider's events (nullptr to detach).
    virtual void attach(ProviderEvents* events) = 0;

    // --- Line devices ---
    virtual DWORD lineDeviceCount() const = 0;
    virtual VersionRange lineApiVersions(DWORD deviceId) const = 0;
    // Extension versions the device negotiates; empty when it has none.
    virtual VersionRange lineExtVersions(DWORD deviceId) const = 0;
    virtual LINEEXTENSIONID lineExtensionId(DWORD deviceId) const = 0;
    // Whether the device works with this (non-zero, negotiated) extension version.
    virtual bool acceptsLineExtVersion(DWORD deviceId, DWORD extVersion) const = 0;
    virtual LineDeviceCaps lineDevCaps(DWORD deviceId) const = 0;
    // The address must exist (below dwNumAddresses).
    virtual AddressCaps addressCaps(DWORD deviceId, DWORD addressId) const = 0;
    // The first application opens the device, the last one closes it.
    virtual LONG openLineDevice(DWORD deviceId) = 0;
    virtual void closeLineDevice(DWORD deviceId) = 0;
    // The ID of a device of another class that belongs to the line, address
    // or call ("tapi/phone", "wave/out", "wave/in"); LINEERR_INVALDEVICECLASS
    // when there is none.
    virtual LONG deviceIdOfClass(DWORD deviceId, DWORD addressId, CallKey call,
                                 const QByteArray& deviceClass, DWORD* id) const = 0;

    // --- Calls ---
    virtual bool callData(CallKey call, CallData* data) const = 0;
    virtual LONG makeCall(RequestId request, DWORD deviceId, const QByteArray& destination,
                          const CallSettings& settings) = 0;
    virtual LONG dial(RequestId request, CallKey call, const QByteArray& destination) = 0;
    virtual LONG drop(RequestId request, CallKey call) = 0;
    virtual LONG answer(RequestId request, CallKey call) = 0;
    virtual LONG accept(RequestId request, CallKey call) = 0;
    virtual LONG hold(RequestId request, CallKey call) = 0;
    virtual LONG unhold(RequestId request, CallKey call) = 0;
    virtual LONG swapHold(RequestId request, CallKey active, CallKey held) = 0;
    virtual LONG blindTransfer(RequestId request, CallKey call, const QByteArray& destination) = 0;
    virtual LONG setupTransfer(RequestId request, CallKey call) = 0;
    virtual LONG completeTransfer(RequestId request, CallKey held, CallKey consult,
                                  DWORD transferMode) = 0;
    // For LINEPARKMODE_NONDIRECTED the provider fills parkedAt.
    virtual LONG park(RequestId request, CallKey call, DWORD parkMode,
                      const QByteArray& directedAddress, QByteArray* parkedAt) = 0;
    virtual LONG unpark(RequestId request, DWORD deviceId, DWORD addressId,
                        const QByteArray& address) = 0;
    virtual LONG redirect(RequestId request, CallKey call, const QByteArray& destination) = 0;
    // Synchronous: the digits are sent when it returns 0.
    virtual LONG generateDigits(CallKey call, DWORD digitMode, const QByteArray& digits) = 0;
    // params may be changed by the provider before it returns.
    virtual LONG devSpecific(RequestId request, DWORD deviceId, DWORD addressId, CallKey call,
                             QByteArray& params) = 0;
    virtual LONG devSpecificFeature(RequestId request, DWORD deviceId, DWORD feature,
                                    QByteArray& params) = 0;
    // The service holds no handle to this idle call any more.
    virtual void releaseCall(CallKey call) = 0;

    // --- Phone devices ---
    virtual DWORD phoneDeviceCount() const = 0;
    virtual VersionRange phoneApiVersions(DWORD phoneId) const = 0;
    virtual VersionRange phoneExtVersions(DWORD phoneId) const = 0;
    virtual PHONEEXTENSIONID phoneExtensionId(DWORD phoneId) const = 0;
    virtual PhoneDeviceCaps phoneDevCaps(DWORD phoneId) const = 0;
    virtual QByteArray phoneDisplay(DWORD phoneId) const = 0;
    virtual LONG phoneLamp(DWORD phoneId, DWORD lampId, DWORD* lampMode) const = 0;
    virtual LONG phoneButtonInfo(DWORD phoneId, DWORD buttonId, ButtonInfo* info) const = 0;

    // --- Dialogs ---
    // The line device's settings dialog; changes take effect at once.
    virtual LONG configDialog(DWORD deviceId, QWidget* owner, DialogRunner& runner) = 0;
};

} // namespace platform::tapi
