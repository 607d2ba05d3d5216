// Opening the line device deviceId, and undoing it in four degrees: closing
// the line, shutting the application down, shutdownControl before the host
// unloads, and the destruction of the object.
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

// Ringing and re-initialisation as this control has always asked for them.
constexpr DWORD kLineStatusMessages = 0x00020002;

} // namespace

void Lintaro::TapiLineOpen()
{
    TapiState& st = d->st;
    const QString origin = u"TapiLineOpen"_s;
    if (st.lineOpen) {
        d->RaiseTapiMessage(LintaroCode::DRIVER_ALREADY_OPENED, origin);
        return;
    }
    const int id = d->deviceId < 0 ? 0 : d->deviceId;
    LineDeviceEntry* device = d->lineDevice(id, origin);
    if (!device)
        return;
    const LINECALLPARAMS* callParams = st.callParams.as<LINECALLPARAMS>();
    d->logEntry(LogBit::LineOpen, u"12A"_s, st.hLine, LONG(callParams->dwMediaMode));
    d->logEntry(LogBit::LineOpen, u"12B"_s, LONG(callParams->dwAddressMode),
                LONG(callParams->dwBearerMode));

    const auto open = [&](DWORD extVersion) {
        return d->tapi.lineOpen(st.hLineApp, DWORD(id), &st.hLine, device->apiVersion, extVersion,
                                reinterpret_cast<DWORD_PTR>(d.get()), DWORD(d->callPrivilege),
                                DWORD(d->mediaMode), callParams);
    };
    LONG result = open(device->extVersion);
    if (result == LINEERR_INCOMPATIBLEEXTVERSION) {
        // The driver negotiated an extension version it does not work with:
        // this device goes on without one.
        result = open(0);
        device->extVersion = 0;
        if (result < 0) {
            d->RaiseTapiMessage(result, origin);
            return;
        }
    } else if (result < 0) {
        st.lineOpen = false;
        st.callStateText = u"IDLE"_s;
        d->RaiseTapiMessage(result, origin);
        return;
    }

    d->numAddresses = device->numAddresses;
    st.lineOpen = true;
    st.callStateText = u"IDLE"_s;
    d->logEntry(LogBit::LineOpen, u"12C"_s, st.hLine, id);

    const LONG statusMessages = d->tapi.lineSetStatusMessages(st.hLine, kLineStatusMessages, 0);

    TapiBuffer caps(TapiSize::LINEDEVCAPS);
    result = d->getDevCaps(DWORD(id), *device, caps);
    if (result < 0)
        d->RaiseTapiMessage(result, u"getDevCaps"_s);
    const LINEDEVCAPS& fixed = *caps.as<LINEDEVCAPS>();
    d->deviceName = fixed.dwLineNameSize != 0
                        ? ReadVarText(caps, fixed.dwLineNameOffset, fixed.dwLineNameSize)
                        : u"n/a"_s;

    TapiBuffer waveOut(TapiSize::VARSTRING);
    d->waveSupported = d->tapi.lineGetID(st.hLine, 0, 0, LINECALLSELECT_LINE,
                                         waveOut.as<VARSTRING>(), "wave/out") >= 0;

    TapiBuffer phoneId(TapiSize::VARSTRING);
    phoneId.as<VARSTRING>()->dwStringFormat = STRINGFORMAT_BINARY;
    bool phoneDetected = false;
    bool phoneOpened = false;
    if (d->tapi.lineGetID(st.hLine, 0, 0, LINECALLSELECT_LINE, phoneId.as<VARSTRING>(),
                          "tapi/phone") < 0) {
        st.phoneDeviceId = -1;
    } else {
        const VARSTRING& answer = *phoneId.as<VARSTRING>();
        st.phoneDeviceId = ReadVarByte(phoneId, answer.dwStringOffset, answer.dwStringSize);
        d->tapiPhoneExist = true;
        phoneDetected = true;
        d->logEntry(LogBit::LineOpen, u"12D"_s, true, st.phoneDeviceId);
        if (d->autoPhoneOpen)
            phoneOpened = d->phone.openPhone();
    }

    st.lastOperation = origin;

    TapiBuffer addressCaps(TapiSize::LINEADDRESSCAPS);
    result = d->getAddressCaps(DWORD(id), 0, *device, addressCaps);
    if (result < 0)
        d->RaiseTapiMessage(result, u"getAddressCaps"_s);
    st.acceptToAlert =
        (addressCaps.as<LINEADDRESSCAPS>()->dwAddrCapFlags & LINEADDRCAPFLAGS_ACCEPTTOALERT) != 0;
    d->logEntry(LogBit::LineOpen, u"12F"_s, st.acceptToAlert, u""_s);

    for (size_t slot = 1; slot < st.callSlots.size(); ++slot)
        st.callSlots[slot].free = true;

    d->RaiseTapiMessage(LintaroCode::SUCCESS, origin);
    if (statusMessages < 0)
        d->RaiseTapiMessage(statusMessages, u"setStatusMessages"_s);
    if (phoneDetected)
        d->RaiseTapiMessage(LintaroCode::PHONE_DETECTED, u"PhoneDetect"_s);
    if (phoneOpened)
        d->RaiseTapiMessage(LintaroCode::SUCCESS, u"PhoneOpen"_s);
}

void Lintaro::TapiLineClose()
{
    TapiState& st = d->st;
    if (d->playback.outputActive()) {
        d->logEntry(LogBit::LineClose, u"10A"_s, d->playback.outputHandle(), st.hLine);
        d->playback.StopWaveOut();
    }
    if (st.hLine == 0)
        return;
    d->logEntry(LogBit::LineClose, u"10B"_s, st.hLine, u""_s);
    const LONG result = d->tapi.lineClose(st.hLine);
    d->logEntry(LogBit::LineClose, u"10C"_s, st.hLine, result);
    if (result < 0) {
        d->RaiseTapiMessage(result, u"TapiLineClose"_s);
    } else {
        // The state first: a host handler of the message may open again.
        st.lineOpen = false;
        st.hLine = 0;
        d->RaiseTapiMessage(LintaroCode::SUCCESS, u"TapiLineClose"_s);
    }
    d->closePhone();
}

void Lintaro::TapiLineShutdown()
{
    TapiState& st = d->st;
    if (d->playback.outputActive())
        d->playback.StopWaveOut();
    if (st.hLineApp == 0)
        return;
    const LONG result = d->tapi.lineShutdown(st.hLineApp);
    if (result < 0) {
        d->RaiseTapiMessage(result, u"TapiLineShutdown"_s);
    } else {
        // hLine keeps its value: a later TapiLineClose reports the service's error.
        st.lineOpen = false;
        st.hLineApp = 0;
        d->RaiseTapiMessage(LintaroCode::SUCCESS, u"TapiLineShutdown"_s);
    }
    d->closePhone();
}

void Lintaro::shutdownControl()
{
    TapiState& st = d->st;
    if (d->playback.outputActive())
        d->playback.StopWaveOut();
    d->tapi.lineClose(st.hLine);
    d->tapi.lineShutdown(st.hLineApp);
    st.hLine = 0;
    st.hLineApp = 0;
    d->tapi.phoneClose(st.hPhone);
    d->tapi.phoneShutdown(st.hPhoneApp);
    st.hPhone = 0;
    st.hPhoneApp = 0;
    // Nothing is open any more; a host that initialises again may open again.
    st.lineOpen = false;
    d->relays.unbindAll();
    d->playback.releaseTimer();
}

void LintaroPrivate::closePhone()
{
    if (st.hPhone != 0)
        tapi.phoneClose(st.hPhone);
    if (st.hPhoneApp != 0)
        tapi.phoneShutdown(st.hPhoneApp);
}

void LintaroPrivate::destroy()
{
    // Nothing is reported. Playback and recording could not be ended any
    // more: the wave parts let go of their devices and finish the file.
    if (st.hLine != 0)
        tapi.lineClose(st.hLine);
    if (st.hLineApp != 0)
        tapi.lineShutdown(st.hLineApp);
    closePhone();
    // The handles are gone with the object; a later control must not close
    // them again.
    st.hLine = 0;
    st.hLineApp = 0;
    st.hPhone = 0;
    st.hPhoneApp = 0;
    st.lineOpen = false;
    relays.unbindAll();
    playback.releaseTimer();
    recording.controlShuttingDown();
}
