#pragma once

#include "control/line/CallControl.h"
#include "control/line/CapabilityReports.h"
#include "control/line/EventRelays.h"
#include "control/line/ModeTexts.h"
#include "control/line/StatusLog.h"
#include "control/line/TapiState.h"
#include "control/lintaro_export.h"
#include "control/phone/PhoneDevice.h"
#include "control/wave/WavePlayback.h"
#include "control/wave/WaveRecording.h"
#include "platform/tapi/TapiTypes.h"

#include <QString>

#include <memory>

class Lintaro;
class LintaroDevices;
struct LintaroOptions;
namespace platform::tapi {
class TelephonyService;
}
namespace platform::wave {
class WaveDevices;
}

// The kinds of call information a call slot remembers.
enum class CallInfoKind { Origin, Reason, CallerNumber, CallerName, CalledNumber, ConnectedNumber };

// The implementation behind Lintaro. The line part (initialisation, open and
// close, the line callback and its events, the messages and the log) lives
// here; call control, the capability reports, the phone and the wave devices
// are parts of their own that reach the rest through this object.
class LINTARO_TESTS_EXPORT LintaroPrivate {
public:
    LintaroPrivate(Lintaro* q, platform::tapi::TelephonyService& telephony,
                   platform::wave::WaveDevices& wave, const LintaroOptions& options,
                   std::unique_ptr<LintaroDevices> ownDevices = nullptr);
    ~LintaroPrivate();

    Lintaro* const q;
    // Created by the control itself when the host passed nothing.
    std::unique_ptr<LintaroDevices> ownDevices;
    platform::tapi::TelephonyService& tapi;
    platform::wave::WaveDevices& wave;
    TapiState& st;

    // --- Properties of this instance ------------------------------------------
    int deviceId = 0;
    int addressId = 0;
    int deviceCount = 0;
    QString deviceName;
    int numAddresses = 0;
    bool tapiPhoneExist = false;
    bool waveSupported = false;
    bool autoPhoneOpen = false;
    int callPrivilege = 6;   // LINECALLPRIVILEGE_MONITOR | OWNER
    int mediaMode = 4;       // LINEMEDIAMODE_INTERACTIVEVOICE
    int bearerMode = 1;      // LINEBEARERMODE_VOICE
    int addressMode = 65535; // chosen when a call is made
    bool enabled = false;
    int debugLevel = 0;
    QString vexVersion;
    // Saved as "PhoneDeviceExist"; nothing else reads it.
    bool phoneDeviceExistFlag = false;
    // OLE colour; the default is the system colour of button faces.
    quint32 backColor = 0x8000000F;
    bool designMode = false;

    EventRelays relays;
    StatusLog log;

    // --- The other parts ----------------------------------------------------------
    CallControl calls;
    CapabilityReports reports;
    PhoneDevice phone;
    WavePlayback playback;
    WaveRecording recording;

    // --- Messages and log ---------------------------------------------------------
    // Names the code and raises OnTapiMessage(name, origin, code) through the
    // relay lblTapiErr (code 5 and an unbound relay raise nothing).
    void RaiseTapiMessage(platform::tapi::LONG code, const QString& origin);
    // Appends an entry to the log; a failure is reported as ERROR_WRITE_LOGFILE,
    // once until the log can be written again, and never from inside the
    // report of a failure.
    void writeLogFile(const QString& code, const LogValue& a, const LogValue& b);
    // writeLogFile when debugMask has the bit.
    void logEntry(int bit, const QString& code, const LogValue& a, const LogValue& b);

    // --- Devices ------------------------------------------------------------------
    // The entry of a line device, nullptr (after reporting LINEERR_BADDEVICEID
    // from origin) when TapiLineInit has not found that device.
    LineDeviceEntry* lineDevice(int id, const QString& origin);
    // lineGetDevCaps for the device into buffer, again with extension version
    // 0 on failure; returns the result of the last call.
    platform::tapi::LONG getDevCaps(platform::tapi::DWORD id, const LineDeviceEntry& device,
                                    TapiBuffer& buffer);
    platform::tapi::LONG getAddressCaps(platform::tapi::DWORD id, platform::tapi::DWORD address,
                                        const LineDeviceEntry& device, TapiBuffer& buffer);
    // The module handle of the host program (the address it was loaded at).
    static platform::tapi::DWORD_PTR hostModuleHandle();

    // --- Line callback and call events -------------------------------------------
    platform::tapi::LINECALLBACK lineCallback();
    void LineCallbackProc(platform::tapi::DWORD hDevice, platform::tapi::DWORD message,
                          platform::tapi::DWORD_PTR instance, platform::tapi::DWORD_PTR param1,
                          platform::tapi::DWORD_PTR param2, platform::tapi::DWORD_PTR param3);
    void HandleCallState(platform::tapi::DWORD state, platform::tapi::DWORD mode,
                         platform::tapi::HCALL call);
    void HandleCallInfo(platform::tapi::DWORD flags, platform::tapi::HCALL call);
    void HandleLineDevState(platform::tapi::DWORD state, platform::tapi::DWORD param2,
                            platform::tapi::DWORD param3);
    void reportReply(platform::tapi::LONG result);
    void reportDigit(platform::tapi::DWORD digit, platform::tapi::DWORD timeStamp,
                     platform::tapi::HCALL call);
    void reportCallState();
    // True when the call's slot already holds the value of that kind; else the
    // value is remembered for the call (which takes a free slot if it has none).
    bool IsRepeatedCallInfo(platform::tapi::HCALL call, CallInfoKind kind, const QString& text,
                            platform::tapi::DWORD number = 0);
    void RaiseModeEvent(ModeKind kind, platform::tapi::DWORD value, platform::tapi::HCALL call);
    void DeallocateCall(platform::tapi::HCALL call);
    void clearSlotsOf(platform::tapi::HCALL call);

    // --- Closing ------------------------------------------------------------------
    // Closes the phone device and its application (results ignored, handles kept).
    void closePhone();
    // What the destruction of the object does.
    void destroy();

private:
    bool m_reportingLogFailure = false;
    bool m_logFailureReported = false;
};
