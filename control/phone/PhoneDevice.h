#pragma once

#include "platform/tapi/TapiTypes.h"

class LintaroPrivate;

// The phone device that belongs to the open line (handset, display, lamps,
// ringer, hookswitches): opened by TapiLineOpen when autoPhoneOpen is set, and
// reported through OnPhoneDisplay, OnPhoneLamp, OnPhoneRing and OnPhoneHook
// (relays lblPhonedisplay, lblPhonelamp, lblPhoneRingmode, lblHook).
class PhoneDevice {
public:
    explicit PhoneDevice(LintaroPrivate& d) : d(d) {}

    // The phone-open procedure of TapiLineOpen, run after the line's phone
    // device ID (TapiState::phoneDeviceId) was read and only with
    // autoPhoneOpen. Returns whether the phone was opened (TapiLineOpen then
    // ends with SUCCESS from "PhoneOpen").
    bool openPhone();
    // Every message of the phone application.
    void PhoneCallbackProc(platform::tapi::DWORD hDevice, platform::tapi::DWORD message,
                           platform::tapi::DWORD_PTR instance, platform::tapi::DWORD_PTR param1,
                           platform::tapi::DWORD_PTR param2, platform::tapi::DWORD_PTR param3);

    void getPhoneDisplay();
    void getPhoneLamp(int CLampId);
    int getPhoneButtonInfo(int Button);

private:
    // Raise OnPhoneDisplay / OnPhoneLamp with what the phone shows now.
    void ReadPhoneDisplay();
    void ReadPhoneLamp(platform::tapi::DWORD lampId);
    void reportRingMode(platform::tapi::DWORD ringMode);
    void reportHook(platform::tapi::DWORD hookSwitchDevice, platform::tapi::DWORD mode);

    LintaroPrivate& d;
};
