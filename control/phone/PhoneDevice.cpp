// The phone device of the open line: opened by TapiLineOpen with
// autoPhoneOpen, its display, lamps, ringer and hookswitches reported as
// OnPhoneDisplay, OnPhoneLamp, OnPhoneRing and OnPhoneHook.
#include "control/phone/PhoneDevice.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiMessages.h"
#include "control/line/TapiSizes.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/TelephonyService.h"

using namespace Qt::StringLiterals;
using namespace platform::tapi;

namespace {

// The versions this control asks phones for.
constexpr DWORD kPhoneApiVersion = TAPI_VERSION1_4;
constexpr DWORD kLowestPhoneVersion = TAPI_VERSION1_0; // 1.3
constexpr DWORD kHighestPhoneVersion = TAPI_VERSION3_0;
// Display, lamps, ringer, the three hookswitches and device-specific states.
constexpr DWORD kPhoneStatusMessages = PHONESTATE_DISPLAY | PHONESTATE_LAMP | PHONESTATE_RINGMODE |
                                       PHONESTATE_HANDSETHOOKSWITCH | PHONESTATE_SPEAKERHOOKSWITCH |
                                       PHONESTATE_HEADSETHOOKSWITCH | PHONESTATE_DEVSPECIFIC;
static_assert(kPhoneStatusMessages == 0x001092E0);

} // namespace

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

// --- Opening ------------------------------------------------------------------------

bool PhoneDevice::openPhone()
{
    TapiState& st = d.st;
    DWORD apiVersion = kPhoneApiVersion;
    PHONEINITIALIZEEXPARAMS params{sizeof(PHONEINITIALIZEEXPARAMS),         0, 0,
                                   PHONEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
    const auto callback = [this](DWORD hDevice, DWORD message, DWORD_PTR instance, DWORD_PTR param1,
                                 DWORD_PTR param2, DWORD_PTR param3) {
        PhoneCallbackProc(hDevice, message, instance, param1, param2, param3);
    };
    const LONG initialized =
        d.tapi.phoneInitializeEx(&st.hPhoneApp, st.hInstance, callback, "Lintaro",
                                 &st.phoneDeviceCount, &apiVersion, &params);
    if (initialized < 0) {
        d.RaiseTapiMessage(initialized, u"PhoneIni"_s);
        return false;
    }
    d.logEntry(LogBit::LineOpen, u"12E"_s, st.hPhoneApp, st.phoneDeviceCount);

    // One entry more than there are phones: a line that names the ID just
    // past the last phone reaches phoneOpen, which refuses it.
    st.phoneDevices.assign(size_t(st.phoneDeviceCount) + 1, PhoneDeviceEntry{});
    for (DWORD i = 0; i < st.phoneDeviceCount; ++i) {
        PhoneDeviceEntry& phone = st.phoneDevices[i];
        d.tapi.phoneNegotiateAPIVersion(st.hPhoneApp, i, kLowestPhoneVersion, kHighestPhoneVersion,
                                        &phone.apiVersion, &phone.extensionId);
    }
    for (DWORD i = 0; i < st.phoneDeviceCount; ++i) {
        PhoneDeviceEntry& phone = st.phoneDevices[i];
        d.tapi.phoneNegotiateExtVersion(st.hPhoneApp, i, phone.apiVersion, 0, 0xFFFFFFFF,
                                        &phone.extVersion);
    }

    const QString origin = u"PhoneOpen"_s;
    if (st.phoneDeviceId < 0 || LONG(st.phoneDeviceCount) < st.phoneDeviceId) {
        d.RaiseTapiMessage(LintaroCode::DEVICEID_OUTOFRANGE, origin);
        return false;
    }
    const PhoneDeviceEntry& phone = st.phoneDevices[size_t(st.phoneDeviceId)];
    const LONG opened =
        d.tapi.phoneOpen(st.hPhoneApp, DWORD(st.phoneDeviceId), &st.hPhone, phone.apiVersion,
                         phone.extVersion, reinterpret_cast<DWORD_PTR>(&d), PHONEPRIVILEGE_OWNER);
    if (opened < 0) {
        d.RaiseTapiMessage(opened, origin);
        if (st.hPhone != 0)
            d.tapi.phoneShutdown(st.hPhoneApp);
        return false;
    }

    d.tapi.phoneSetStatusMessages(st.hPhone, kPhoneStatusMessages, 0, 0);
    TapiBuffer caps(TapiSize::PHONECAPS);
    const LONG capsRead =
        d.tapi.phoneGetDevCaps(st.hPhoneApp, DWORD(st.phoneDeviceId), kPhoneApiVersion,
                               phone.extVersion, caps.as<PHONECAPS>());
    if (capsRead < 0) {
        d.RaiseTapiMessage(capsRead, u"PhoneGetDevcaps"_s);
    } else {
        st.displayRows = caps.as<PHONECAPS>()->dwDisplayNumRows;
        st.displayColumns = caps.as<PHONECAPS>()->dwDisplayNumColumns;
    }
    return true;
}

// --- Messages of the phone ------------------------------------------------------------

void PhoneDevice::PhoneCallbackProc(DWORD, DWORD message, DWORD_PTR, DWORD_PTR param1,
                                    DWORD_PTR param2, DWORD_PTR)
{
    d.logEntry(LogBit::PhoneCallback, u"2"_s, message, u""_s);
    // The state that changed is told by the first parameter.
    const auto state = DWORD(param1);
    const auto value = DWORD(param2);
    switch (state) {
    case PHONESTATE_DISPLAY:
        ReadPhoneDisplay();
        break;
    case PHONESTATE_LAMP:
        ReadPhoneLamp(value);
        break;
    case PHONESTATE_RINGMODE:
        reportRingMode(value);
        break;
    case PHONESTATE_HANDSETHOOKSWITCH:
    case PHONESTATE_SPEAKERHOOKSWITCH:
    case PHONESTATE_HEADSETHOOKSWITCH:
        reportHook(state, value);
        break;
    default:
        break;
    }
}

void PhoneDevice::reportRingMode(DWORD ringMode)
{
    TapiState& st = d.st;
    st.pendingPhoneRingMode = LONG(ringMode);
    d.relays.lblPhoneRingmode->setText(QString::number(st.pendingPhoneRingMode));
    st.pendingPhoneRingMode = kSentinel;
    d.relays.lblPhoneRingmode->setText(kSentinelText);
}

void PhoneDevice::reportHook(DWORD hookSwitchDevice, DWORD mode)
{
    TapiState& st = d.st;
    st.pendingHookDevice = LONG(hookSwitchDevice);
    st.pendingHookMode = LONG(mode);
    const QString trigger =
        QString::number(st.pendingHookDevice) + QString::number(st.pendingHookMode);
    d.relays.lblHook->setText(trigger);
    // The trigger stays: the same hookswitch report twice in a row is one change.
    st.pendingHookDevice = kSentinel;
    d.relays.lblHook->setText(trigger);
}

// --- Display, lamps and buttons -------------------------------------------------------------

void PhoneDevice::ReadPhoneDisplay()
{
    TapiState& st = d.st;
    TapiBuffer display(TapiSize::VARSTRING);
    const LONG result = d.tapi.phoneGetDisplay(st.hPhone, display.as<VARSTRING>());
    // Only a display larger than the buffer is worth telling; the host gets
    // what the buffer holds either way.
    if (result == PHONEERR_STRUCTURETOOSMALL)
        d.RaiseTapiMessage(result, u"getPhoneDisplay"_s);
    const VARSTRING& text = *display.as<VARSTRING>();
    st.pendingDisplayText = ReadVarText(display, text.dwStringOffset, text.dwStringSize);
    d.relays.lblPhonedisplay->setText(st.pendingDisplayText);
    st.pendingDisplayText = kSentinelText;
    d.relays.lblPhonedisplay->setText(kSentinelText);
}

void PhoneDevice::ReadPhoneLamp(DWORD lampId)
{
    TapiState& st = d.st;
    DWORD mode = 0;
    d.tapi.phoneGetLamp(st.hPhone, lampId, &mode);
    st.pendingLampId = LONG(lampId);
    st.pendingLampMode = LONG(mode);
    d.relays.lblPhonelamp->setText(QString::number(st.pendingLampId) +
                                   QString::number(st.pendingLampMode));
    st.pendingLampId = kSentinel;
    d.relays.lblPhonelamp->setText(kSentinelText);
}

void PhoneDevice::getPhoneDisplay()
{
    ReadPhoneDisplay();
}

void PhoneDevice::getPhoneLamp(int CLampId)
{
    ReadPhoneLamp(DWORD(CLampId));
}

int PhoneDevice::getPhoneButtonInfo(int Button)
{
    TapiBuffer info(TapiSize::PHONEBUTTONINFO);
    d.tapi.phoneGetButtonInfo(d.st.hPhone, DWORD(Button), info.as<PHONEBUTTONINFO>());
    return int(info.as<PHONEBUTTONINFO>()->dwButtonFunction);
}
