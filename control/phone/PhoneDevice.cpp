// The phone device. Not built yet: until it is, TapiLineOpen detects the phone
// but opens none, and the phone methods query nothing and raise nothing.
#include "control/phone/PhoneDevice.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"

// --- The control's methods --------------------------------------------------------

int Lintaro::getPhoneButtonInfo(int Button)
{
    return d->phone.getPhoneButtonInfo(Button);
}

void Lintaro::getPhoneDisplay()
{
    d->phone.getPhoneDisplay();
}

void Lintaro::getPhoneLamp(int CLampId)
{
    d->phone.getPhoneLamp(CLampId);
}

// --- The phone (not built yet) -------------------------------------------------------

bool PhoneDevice::openPhone()
{
    return false;
}

void PhoneDevice::PhoneCallbackProc(platform::tapi::DWORD, platform::tapi::DWORD,
                                    platform::tapi::DWORD_PTR, platform::tapi::DWORD_PTR,
                                    platform::tapi::DWORD_PTR, platform::tapi::DWORD_PTR)
{
}

void PhoneDevice::getPhoneDisplay() {}

void PhoneDevice::getPhoneLamp(int) {}

int PhoneDevice::getPhoneButtonInfo(int)
{
    return 0;
}
