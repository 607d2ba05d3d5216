// Call control operations. Not built yet: until they are, each operation
// makes no request and reports nothing.
#include "control/line/CallControl.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"

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

// --- The operations (not built yet) ------------------------------------------------

void CallControl::TapiLineDial(const QString&, int&, int) {}

void CallControl::TapiLineDrop(int) {}

void CallControl::TapiLineAnswer(int) {}

void CallControl::TapiLineBlindTransfer(const QString&, int) {}

void CallControl::TapiLineHold(int) {}

void CallControl::TapiLineUnhold(int) {}

void CallControl::TapiLineConfigDialog() {}

void CallControl::TapiLineGenerateDigits(const QString&, int) {}

void CallControl::TapiLinePark(const QString&, int) {}

void CallControl::TapiLineUnpark(const QString&) {}

void CallControl::TapiLineSwapHold() {}

void CallControl::TapiLineRedirect(const QString&, int) {}

void CallControl::TapiLineSetupTransfer(int) {}

void CallControl::TapiLineCompleteTransfer(int, int) {}

void CallControl::TapiDevSpecific(int, int&) {}

void CallControl::TapiLineMonitorDigits(int, int) {}

void CallControl::Hicomdial(const QString&) {}

QString CallControl::TapiLineTranslateAddress(const QString&, int)
{
    return QString();
}

void CallControl::TapiLineTranslateDialog(int) {}
