#pragma once

#include "control/line/EventRelay.h"
#include "control/lintaro_export.h"

#include <vector>

class LintaroPrivate;

// The event relays of the control, named as the hidden child objects they
// are. Each handler raises its event from the pending values of TapiState
// (copied first, so that a host handler that calls back into the control and
// causes a nested report cannot change the values it was given).
//
// A reporter stores the pending values, sets the trigger text (text given for
// each relay below), and afterwards sets the guard value to the sentinel and
// the trigger text to kSentinelText (except lblCallState, which stays, and
// lblHook, which is written again with the same text).
class LINTARO_TESTS_EXPORT EventRelays {
public:
    explicit EventRelays(LintaroPrivate& d);

    void bindAll();
    void unbindAll();
    // Binds every relay that is not bound.
    void bindUnbound();

    // OnCallerID(number, name, party text, lastCallId, lastCallHandle);
    // trigger: number, name, party text, call ID, call.
    EventRelay* lblCallerID;
    // OnCalledID / OnConnectedID / OnRedirectionID / OnRedirectingID
    // (number, lastCallId, lastCallHandle); trigger: number, call ID, call.
    EventRelay* lblCalledID;
    EventRelay* lblConnectedId;
    EventRelay* lblRedirectionID;
    EventRelay* lblRedirectingID;
    // OnCallReason / OnCallOrigin / OnChargeInfo (text, lastCallId,
    // lastCallHandle); trigger: text, call ID, call.
    EventRelay* lblCallReason;
    EventRelay* lblCallOrigin;
    EventRelay* lblChargeInfo;
    // OnCallState(callStateText, lastCallHandle, lastCallId); trigger: state
    // text, call, call ID. Not reset.
    EventRelay* lblCallState;
    // Mode events; trigger: the text. lblOfferingMode accepts the offered
    // call after raising when the line needs it.
    EventRelay* lblOfferingMode;
    EventRelay* lblDialtoneMode;
    EventRelay* lblBusyMode;
    EventRelay* lblConnectedMode;
    EventRelay* lblDisconnectedMode;
    EventRelay* lblSpecialInfo;
    // OnRinging(ring mode, ring count); trigger: mode, count.
    EventRelay* lblRingMode;
    // OnDigitMonitoring(character, time stamp, digitCall); trigger: digit
    // code, time stamp. The pending digit text holds the code in decimal.
    EventRelay* lblDigit;
    // OnTapiMessage(name, origin, code); trigger: name, origin, code. Writes
    // the "TAPIMESSAGE" log entries and clears lineOpen for a driver close.
    EventRelay* lblTapiErr;
    // OnPhoneDisplay(text, displayRows, displayColumns); trigger: the text.
    EventRelay* lblPhonedisplay;
    // OnPhoneLamp(lamp ID, lamp mode); trigger: lamp ID, mode.
    EventRelay* lblPhonelamp;
    // OnPhoneHook(hookswitch device, hook mode); trigger: device, mode.
    EventRelay* lblHook;
    // OnPhoneRing(ring mode); trigger: the ring mode (no event while the
    // trigger text reads -33333).
    EventRelay* lblPhoneRingmode;
    // OnWavePlayStart(trigger text): the trigger is the file name.
    EventRelay* lblWavePlStart;

private:
    EventRelay* make(const char* name);
    void connectHandlers();

    LintaroPrivate& d;
    std::vector<EventRelay*> m_all;
};
