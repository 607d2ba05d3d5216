// Call control: the operations by which the host acts on the calls of the
// open line, and the dialling helpers (address translation, the driver's
// dialogs) that its dialling uses.
#include "control/line/CallControl.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiMessages.h"
#include "control/line/TapiSizes.h"
#include "platform/tapi/Codepage1252.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TelephonyService.h"

#include <QCoreApplication>
#include <QThread>
#include <QtEndian>

using namespace Qt::StringLiterals;
using namespace platform::tapi;

namespace {

// TAPI_LINEADDRESSMODE: choose the address mode from what the line offers.
constexpr int kAutomaticAddressMode = 65535;
// The Hicom driver's dial request.
constexpr quint32 kHicomDialCommand = 1;
constexpr qsizetype kHicomNumberLength = 101;

// Lets the wave device's last notifications through and gives the device
// time to let go of the call before it is dropped.
void letWaveDeviceSettle()
{
    QCoreApplication::processEvents();
    QThread::msleep(100);
}

// The driver-specific dial request of a Siemens Hicom driver: command code 1
// (32-bit, little-endian) and the number in the 8-bit code page, cut to 101
// characters and padded with blanks; 105 bytes.
QByteArray hicomDialBlock(const QString& Number)
{
    QByteArray block(sizeof(quint32), '\0');
    qToLittleEndian(kHicomDialCommand, block.data());
    block.append(
        toCodepage1252(Number).left(kHicomNumberLength).leftJustified(kHicomNumberLength, ' '));
    return block;
}

HCALL hostCallOr(int CCallHandle, HCALL defaultCall)
{
    return CCallHandle != 0 ? HCALL(CCallHandle) : defaultCall;
}

} // namespace

// --- The control's methods --------------------------------------------------------

void Lintaro::TapiLineDial(const QString& Number, int& addressId, int CCallHandle)
{
    d->calls.TapiLineDial(Number, addressId, CCallHandle);
}

void Lintaro::TapiLineDrop(int CCallHandle)
{
    d->calls.TapiLineDrop(CCallHandle);
}

void Lintaro::TapiLineAnswer(int CCallHandle)
{
    d->calls.TapiLineAnswer(CCallHandle);
}

void Lintaro::TapiLineBlindTransfer(const QString& Number, int CCallHandle)
{
    d->calls.TapiLineBlindTransfer(Number, CCallHandle);
}

void Lintaro::TapiLineHold(int CCallHandle)
{
    d->calls.TapiLineHold(CCallHandle);
}

void Lintaro::TapiLineUnhold(int CCallHandle)
{
    d->calls.TapiLineUnhold(CCallHandle);
}

void Lintaro::TapiLineConfigDialog()
{
    d->calls.TapiLineConfigDialog();
}

void Lintaro::TapiLineGenerateDigits(const QString& Digits, int CCallHandle)
{
    d->calls.TapiLineGenerateDigits(Digits, CCallHandle);
}

void Lintaro::TapiLinePark(const QString& ParkID, int CCallHandle)
{
    d->calls.TapiLinePark(ParkID, CCallHandle);
}

void Lintaro::TapiLineUnpark(const QString& ParkID)
{
    d->calls.TapiLineUnpark(ParkID);
}

void Lintaro::TapiLineSwapHold()
{
    d->calls.TapiLineSwapHold();
}

void Lintaro::TapiLineRedirect(const QString& Number, int CCallHandle)
{
    d->calls.TapiLineRedirect(Number, CCallHandle);
}

void Lintaro::TapiLineSetupTransfer(int CCallHandle)
{
    d->calls.TapiLineSetupTransfer(CCallHandle);
}

void Lintaro::TapiLineCompleteTransfer(int TransMode, int CCallHandle)
{
    d->calls.TapiLineCompleteTransfer(TransMode, CCallHandle);
}

void Lintaro::TapiDevSpecific(int Feature, int& param)
{
    d->calls.TapiDevSpecific(Feature, param);
}

void Lintaro::TapiLineMonitorDigits(int DigitMode, int CCallHandle)
{
    d->calls.TapiLineMonitorDigits(DigitMode, CCallHandle);
}

void Lintaro::Hicomdial(const QString& Number)
{
    d->calls.Hicomdial(Number);
}

QString Lintaro::TapiLineTranslateAddress(const QString& INumber, int deviceId)
{
    return d->calls.TapiLineTranslateAddress(INumber, deviceId);
}

void Lintaro::TapiLineTranslateDialog(int deviceId)
{
    d->calls.TapiLineTranslateDialog(deviceId);
}

// --- The common pattern ----------------------------------------------------------------

void CallControl::takeOwnership(HCALL call)
{
    // The control acts on calls it only monitors as well; a refusal shows in
    // the request that follows.
    d.tapi.lineSetCallPrivilege(call, LINECALLPRIVILEGE_OWNER);
}

void CallControl::reportOutcome(LONG result, const QString& origin, bool asynchronous)
{
    // A request ID means the reply will tell; a synchronous function is done.
    if (result < 0)
        d.RaiseTapiMessage(result, origin);
    else if (!asynchronous)
        d.RaiseTapiMessage(LintaroCode::SUCCESS, origin);
}

void CallControl::callRequest(const QString& origin, bool asynchronous, HCALL call,
                              const Request& request)
{
    if (asynchronous)
        d.st.lastOperation = origin;
    takeOwnership(call);
    reportOutcome(request(call), origin, asynchronous);
}

// --- Dialling --------------------------------------------------------------------------

void CallControl::TapiLineDial(const QString& Number, int& addressId, int CCallHandle)
{
    TapiState& st = d.st;
    const QByteArray number = toCodepage1252(Number);
    // More digits on a call in progress: the host's call, or the current one
    // unless there is none going on (idle, or the active call put on hold
    // for a consultation call).
    const bool callInProgress = st.callStateText != u"IDLE" && st.callStateText != u"ONHOLD";
    if (CCallHandle > 0 || callInProgress) {
        const HCALL call = CCallHandle > 0 ? HCALL(CCallHandle) : st.currentCall;
        callRequest(u"TapiLineDialD"_s, true, call,
                    [&](HCALL c) { return d.tapi.lineDial(c, number.constData(), 0); });
        return;
    }

    const QString origin = u"TapiLineDialMk"_s;
    st.lastOperation = origin;
    st.callParams.clear();
    LINECALLPARAMS& params = *st.callParams.as<LINECALLPARAMS>();
    params.dwMediaMode = DWORD(d.mediaMode);
    params.dwBearerMode = DWORD(d.bearerMode);
    params.dwAddressMode = DWORD(d.addressMode);
    bool withParams = d.addressMode != 0;
    if (d.addressMode == kAutomaticAddressMode) {
        const QString modes = d.reports.getAddressModes(d.deviceId);
        if (modes.contains(u"<ADDRESSID>"_s, Qt::CaseInsensitive)) {
            params.dwAddressMode = LINEADDRESSMODE_ADDRESSID;
            if (addressId < 0)
                addressId = 0;
        } else if (modes.contains(u"<DIALABLEADDR>"_s, Qt::CaseInsensitive)) {
            params.dwAddressMode = LINEADDRESSMODE_DIALABLEADDR;
        } else {
            // Nothing to choose from: the driver's own defaults make the call.
            withParams = false;
        }
    }
    params.dwAddressID = DWORD(addressId);
    params.dwTotalSize = TapiSize::LINECALLPARAMS;
    const LONG result = d.tapi.lineMakeCall(st.hLine, &st.newCall, number.constData(), 0,
                                            withParams ? &params : nullptr);
    reportOutcome(result, origin, true);
}

void CallControl::Hicomdial(const QString& Number)
{
    const QString origin = u"HicomDial"_s;
    d.st.lastOperation = origin;
    QByteArray block = hicomDialBlock(Number);
    const LONG result = d.tapi.lineDevSpecific(d.st.hLine, 0, 0, block.data(), DWORD(block.size()));
    // A request that never started sends no reply: the host learns of it now.
    reportOutcome(result, origin, true);
}

// --- Dropping, answering, holding ---------------------------------------------------------

void CallControl::TapiLineDrop(int CCallHandle)
{
    // Wave devices let go of the call before it goes.
    if (d.playback.outputActive()) {
        d.playback.StopWaveOut();
        letWaveDeviceSettle();
    }
    if (d.recording.deviceOpen()) {
        d.recording.StopWaveIn();
        letWaveDeviceSettle();
    }
    const QString origin = u"TapiLineDrop"_s;
    const bool defaultCall = CCallHandle == 0;
    const HCALL call = hostCallOr(CCallHandle, d.st.currentCall);
    d.st.lastOperation = origin;
    takeOwnership(call);
    const LONG result = d.tapi.lineDrop(call, nullptr, 0);
    d.logEntry(LogBit::LineDrop, defaultCall ? u"9A"_s : u"9B"_s, call, u""_s);
    reportOutcome(result, origin, true);
}

void CallControl::TapiLineAnswer(int CCallHandle)
{
    callRequest(u"TapiLineAnswer"_s, true, hostCallOr(CCallHandle, d.st.offeredCall),
                [this](HCALL c) { return d.tapi.lineAnswer(c, nullptr, 0); });
}

void CallControl::TapiLineHold(int CCallHandle)
{
    callRequest(u"TapiLineHold"_s, true, hostCallOr(CCallHandle, d.st.currentCall),
                [this](HCALL c) { return d.tapi.lineHold(c); });
}

void CallControl::TapiLineUnhold(int CCallHandle)
{
    callRequest(u"TapiLineUnhold"_s, true, hostCallOr(CCallHandle, d.st.heldCall),
                [this](HCALL c) { return d.tapi.lineUnhold(c); });
}

void CallControl::TapiLineSwapHold()
{
    TapiState& st = d.st;
    const QString origin = u"TapiLineSwapHold"_s;
    st.lastOperation = origin;
    const HCALL active = st.currentCall;
    const HCALL held = st.swapHeldCall;
    takeOwnership(active);
    takeOwnership(held);
    reportOutcome(d.tapi.lineSwapHold(active, held), origin, true);
}

// --- Transfers, parking, redirecting ------------------------------------------------------

void CallControl::TapiLineBlindTransfer(const QString& Number, int CCallHandle)
{
    const QByteArray number = toCodepage1252(Number);
    callRequest(u"TapiLineBlindTransfer"_s, true, hostCallOr(CCallHandle, d.st.currentCall),
                [&](HCALL c) { return d.tapi.lineBlindTransfer(c, number.constData(), 0); });
}

void CallControl::TapiLineSetupTransfer(int CCallHandle)
{
    TapiState& st = d.st;
    const HCALL call = CCallHandle > 0 ? HCALL(CCallHandle) : st.currentCall;
    callRequest(u"TapiLineSetupTransfer"_s, true, call,
                [&](HCALL c) { return d.tapi.lineSetupTransfer(c, &st.consultCall, nullptr); });
}

void CallControl::TapiLineCompleteTransfer(int TransMode, int CCallHandle)
{
    TapiState& st = d.st;
    const QString origin = u"TapiLineCompleteTransfer"_s;
    st.lastOperation = origin;
    const HCALL held = st.heldCall;
    const HCALL consult = CCallHandle > 0 ? HCALL(CCallHandle) : st.currentCall;
    takeOwnership(held);
    takeOwnership(consult);
    const LONG result =
        d.tapi.lineCompleteTransfer(held, consult, &m_conferenceCall, DWORD(TransMode));
    reportOutcome(result, origin, true);
}

void CallControl::TapiLinePark(const QString& ParkID, int CCallHandle)
{
    const QByteArray parkId = toCodepage1252(ParkID);
    // Parking at the host's address: the non-directed answer stays unused.
    VARSTRING nonDirected{};
    callRequest(u"TapiLinePark"_s, true, hostCallOr(CCallHandle, d.st.currentCall), [&](HCALL c) {
        return d.tapi.linePark(c, LINEPARKMODE_DIRECTED, parkId.constData(), &nonDirected);
    });
}

void CallControl::TapiLineUnpark(const QString& ParkID)
{
    TapiState& st = d.st;
    const QString origin = u"TapiLineUnpark"_s;
    st.lastOperation = origin;
    const QByteArray parkId = toCodepage1252(ParkID);
    reportOutcome(d.tapi.lineUnpark(st.hLine, 0, &st.newCall, parkId.constData()), origin, true);
}

void CallControl::TapiLineRedirect(const QString& Number, int CCallHandle)
{
    const QByteArray number = toCodepage1252(Number);
    callRequest(u"TapiLineRedirect"_s, true, hostCallOr(CCallHandle, d.st.offeredCall),
                [&](HCALL c) { return d.tapi.lineRedirect(c, number.constData(), 0); });
}

// --- Digits and driver-specific requests ----------------------------------------------------

void CallControl::TapiLineGenerateDigits(const QString& Digits, int CCallHandle)
{
    const QByteArray digits = toCodepage1252(Digits);
    callRequest(u"TapiLineGenerateDigits"_s, false, hostCallOr(CCallHandle, d.st.currentCall),
                [&](HCALL c) {
                    return d.tapi.lineGenerateDigits(c, LINEDIGITMODE_DTMF, digits.constData(), 0);
                });
}

void CallControl::TapiLineMonitorDigits(int DigitMode, int CCallHandle)
{
    callRequest(u"TapiLineMonitorDigits"_s, false, hostCallOr(CCallHandle, d.st.currentCall),
                [&](HCALL c) { return d.tapi.lineMonitorDigits(c, DWORD(DigitMode)); });
}

void CallControl::TapiDevSpecific(int Feature, int& param)
{
    const QString origin = u"TapiDevSpecific"_s;
    d.st.lastOperation = origin;
    // The driver may write into the host's variable.
    const LONG result = d.tapi.lineDevSpecificFeature(d.st.hLine, DWORD(Feature), &param,
                                                      param != 0 ? DWORD(sizeof param) : 0);
    // A request that never started sends no reply: the host learns of it now.
    reportOutcome(result, origin, true);
}

// --- Dialling helpers and the driver's dialogs ---------------------------------------------

QString CallControl::TapiLineTranslateAddress(const QString& INumber, int deviceId)
{
    const QString origin = u"TapiLineTranslateAddress"_s;
    const LineDeviceEntry* device = d.lineDevice(deviceId, origin);
    if (!device)
        return QString();
    TapiBuffer output(TapiSize::LINETRANSLATEOUTPUT);
    const QByteArray number = toCodepage1252(INumber);
    const LONG result = d.tapi.lineTranslateAddress(
        d.st.hLineApp, DWORD(deviceId), device->apiVersion, number.constData(), 0,
        LINETRANSLATEOPTION_CARDOVERRIDE, output.as<LINETRANSLATEOUTPUT>());
    if (result < 0) {
        d.RaiseTapiMessage(result, origin);
        return QString();
    }
    // The dialable string with its own length: the displayable one (which
    // hides calling-card digits) may be shorter and would cut the number.
    const LINETRANSLATEOUTPUT& translated = *output.as<LINETRANSLATEOUTPUT>();
    const QString dialable =
        ReadVarText(output, translated.dwDialableStringOffset, translated.dwDialableStringSize);
    d.RaiseTapiMessage(LintaroCode::SUCCESS, origin);
    return dialable;
}

void CallControl::TapiLineTranslateDialog(int deviceId)
{
    const QString origin = u"TapiLineTranslateDialog"_s;
    const LineDeviceEntry* device = d.lineDevice(deviceId, origin);
    if (!device)
        return;
    const LONG result =
        d.tapi.lineTranslateDialog(d.st.hLineApp, DWORD(deviceId), device->apiVersion, nullptr, "");
    reportOutcome(result, origin, false);
}

void CallControl::TapiLineConfigDialog()
{
    const LONG result = d.tapi.lineConfigDialog(DWORD(d.deviceId), nullptr, "tapi/line");
    reportOutcome(result, u"TapiLineConfigDialog"_s, false);
}
