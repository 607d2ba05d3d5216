#pragma once

#include "control/line/TapiBuffer.h"
#include "control/line/TapiSizes.h"
#include "control/lintaro_export.h"
#include "platform/tapi/TapiStructs.h"
#include "platform/tapi/TapiTypes.h"

#include <QString>

#include <array>
#include <vector>

// One line device as TapiLineInit found it.
struct LineDeviceEntry {
    QString name;
    platform::tapi::LONG numAddresses = 0;
    platform::tapi::DWORD apiVersion = 0; // 0: negotiation failed
    platform::tapi::DWORD extVersion = 0; // 0: none
    platform::tapi::LINEEXTENSIONID extensionId{};
};

// One phone device as the phone-open procedure negotiated it.
struct PhoneDeviceEntry {
    platform::tapi::DWORD apiVersion = 0;
    platform::tapi::DWORD extVersion = 0;
    platform::tapi::PHONEEXTENSIONID extensionId{};
};

// The call information already reported for one call, so that a repeat
// announced before the call's next state change is not reported again.
struct CallSlot {
    platform::tapi::HCALL handle = 0; // 0: none
    bool free = false;
    platform::tapi::DWORD origin = 0;
    platform::tapi::DWORD reason = 0;
    QString callerNumber;
    QString callerName;
    QString calledNumber;
    QString connectedNumber;

    // Handle 0, marked free, values emptied.
    void clear() { *this = CallSlot{0, true}; }
};

// The control's state record. It exists once per process: the telephony
// registration it describes (application and line handles, the device
// tables, the calls of the open line, what was last reported) belongs to the
// process, and the line, phone and wave code reach it through the control
// (LintaroPrivate::st) rather than through their own copies. A process hosts
// one control at a time; a second instance would share this record.
struct LINTARO_TESTS_EXPORT TapiState {
    static TapiState& process();

    // --- Handles (0 = none) ---------------------------------------------------
    platform::tapi::DWORD_PTR hInstance = 0;
    platform::tapi::HLINEAPP hLineApp = 0;
    platform::tapi::HLINE hLine = 0;
    platform::tapi::HPHONEAPP hPhoneApp = 0;
    platform::tapi::HPHONE hPhone = 0;

    // --- Devices ------------------------------------------------------------------
    platform::tapi::DWORD lineDeviceCount = 0;
    std::vector<LineDeviceEntry> lineDevices;
    platform::tapi::DWORD phoneDeviceCount = 0;
    std::vector<PhoneDeviceEntry> phoneDevices; // phone device count + 1 entries
    platform::tapi::LONG phoneDeviceId = 0;     // -1: the open line has no phone
    platform::tapi::DWORD displayRows = 0;
    platform::tapi::DWORD displayColumns = 0;

    bool lineOpen = false;

    // --- Calls ----------------------------------------------------------------------
    // Default calls of the call operations, kept up to date by the call states.
    platform::tapi::HCALL currentCall = 0;
    platform::tapi::HCALL offeredCall = 0;
    platform::tapi::HCALL heldCall = 0;
    platform::tapi::HCALL swapHeldCall = 0;
    platform::tapi::HCALL featureCall = 0;
    platform::tapi::HCALL digitCall = 0;
    // Written by the service when the reply of lineMakeCall/lineUnpark or of
    // lineSetupTransfer arrives: they must live as long as the process.
    platform::tapi::HCALL newCall = 0;
    platform::tapi::HCALL consultCall = 0;
    // The call of the last call-state message and the call ID read for it.
    platform::tapi::HCALL lastCallHandle = 0;
    platform::tapi::DWORD lastCallId = 0;
    QString callStateText;
    // Name of the last asynchronous request, reported with its reply.
    QString lastOperation;
    bool acceptToAlert = false;
    // Handed out once by getActiveCallFeatures(-1).
    QString lastCallerNumber;
    platform::tapi::LONG debugMask = 0;
    std::array<CallSlot, 6> callSlots{};
    // The call parameters shared by dialling (and passed to lineOpen).
    TapiBuffer callParams{TapiSize::LINECALLPARAMS};

    // --- Pending values of the event relays ------------------------------------
    QString pendingNumber; // shared by the five number relays
    QString pendingCallerName;
    QString partyText; // "<ADDRESS>", "<NAME>"
    QString pendingReasonText;
    QString pendingOriginText;
    QString pendingChargeText;
    QString pendingOfferingMode;
    QString pendingDialtoneMode;
    QString pendingBusyMode;
    QString pendingConnectedMode;
    QString pendingDisconnectMode;
    QString pendingSpecialInfo;
    platform::tapi::LONG pendingRingMode = 0;
    platform::tapi::LONG pendingRingCount = 0;
    QString pendingDigitText;
    platform::tapi::LONG pendingTimeStamp = 0;
    QString pendingMessageName;
    QString pendingOrigin;
    platform::tapi::LONG pendingCode = 0;
    QString pendingDisplayText;
    platform::tapi::LONG pendingLampId = 0;
    platform::tapi::LONG pendingLampMode = 0;
    platform::tapi::LONG pendingPhoneRingMode = 0;
    platform::tapi::LONG pendingHookDevice = 0;
    platform::tapi::LONG pendingHookMode = 0;

private:
    TapiState() = default;
};

// The guard value of the event relays.
inline constexpr platform::tapi::LONG kSentinel = -33333;
inline const QString kSentinelText = QStringLiteral("-33333");
