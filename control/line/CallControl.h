#pragma once

#include "platform/tapi/TapiTypes.h"

#include <QString>

#include <functional>

class LintaroPrivate;

// The call operations of the open line: dialling, dropping, answering,
// holding and swapping, transfers, parking, redirecting, digits,
// driver-specific requests, the address translation and the driver's dialogs.
// Each takes the host's call handle or a default call of TapiState; an
// asynchronous one names itself in lastOperation so that its reply is
// reported under that name by the line callback.
class CallControl {
public:
    explicit CallControl(LintaroPrivate& d) : d(d) {}

    void TapiLineDial(const QString& Number, int& addressId, int CCallHandle);
    void TapiLineDrop(int CCallHandle);
    void TapiLineAnswer(int CCallHandle);
    void TapiLineBlindTransfer(const QString& Number, int CCallHandle);
    void TapiLineHold(int CCallHandle);
    void TapiLineUnhold(int CCallHandle);
    void TapiLineConfigDialog();
    void TapiLineGenerateDigits(const QString& Digits, int CCallHandle);
    void TapiLinePark(const QString& ParkID, int CCallHandle);
    void TapiLineUnpark(const QString& ParkID);
    void TapiLineSwapHold();
    void TapiLineRedirect(const QString& Number, int CCallHandle);
    void TapiLineSetupTransfer(int CCallHandle);
    void TapiLineCompleteTransfer(int TransMode, int CCallHandle);
    void TapiDevSpecific(int Feature, int& param);
    void TapiLineMonitorDigits(int DigitMode, int CCallHandle);
    void Hicomdial(const QString& Number);
    QString TapiLineTranslateAddress(const QString& INumber, int deviceId);
    void TapiLineTranslateDialog(int deviceId);

private:
    using Request = std::function<platform::tapi::LONG(platform::tapi::HCALL)>;
    // The common pattern of the call operations: names an asynchronous
    // request, takes the owner privilege on the call, makes the request and
    // reports an immediate failure (a synchronous success as SUCCESS).
    void callRequest(const QString& origin, bool asynchronous, platform::tapi::HCALL call,
                     const Request& request);
    void reportOutcome(platform::tapi::LONG result, const QString& origin, bool asynchronous);
    void takeOwnership(platform::tapi::HCALL call);

    LintaroPrivate& d;
    // The conference call lineCompleteTransfer may return; nothing uses it,
    // but it must outlive the request.
    platform::tapi::HCALL m_conferenceCall = 0;
};
