#pragma once

#include "control/lintaro_export.h"

#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>

namespace platform::tapi {
class TelephonyService;
}
namespace platform::wave {
class WaveDevices;
}

class LintaroPrivate;
class LintaroPropertyBag;
class LintaroTestAccess;

// Settings a host may give the control at construction.
struct LINTARO_EXPORT LintaroOptions {
    // Folder of the diagnostic log "status.log". Empty: the folder that holds
    // the control's library file (where the log has always been looked for).
    QString logDirectory;
};

// The Lintaro telephony control: the line and phone devices of the telephony
// service, call control and wave playback/recording on a call, behind 15
// properties, 47 methods and 27 events (signals).
//
// Every outcome of an operation reaches the host as OnTapiMessage (message
// name, origin, code), never as a return value; only data (texts, numbers) is
// returned. Events are raised synchronously while the telephony message that
// caused them is handled, so a handler connected directly may call back into
// the control before the handling continues.
//
// The control keeps process-wide state (see TapiState): a process hosts one
// instance at a time.
class LINTARO_EXPORT Lintaro : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int deviceId READ deviceId WRITE setDeviceId)
    Q_PROPERTY(int addressId READ addressId WRITE setAddressId)
    Q_PROPERTY(int DeviceCount READ DeviceCount WRITE setDeviceCount)
    Q_PROPERTY(QString DeviceName READ DeviceName WRITE setDeviceName)
    Q_PROPERTY(int NumAddresses READ NumAddresses WRITE setNumAddresses)
    Q_PROPERTY(bool TapiPhoneExist READ TapiPhoneExist WRITE setTapiPhoneExist)
    Q_PROPERTY(bool waveSupported READ waveSupported WRITE setWaveSupported)
    Q_PROPERTY(bool autoPhoneOpen READ autoPhoneOpen WRITE setAutoPhoneOpen)
    Q_PROPERTY(
        int TAPI_LINECALLPRIVILEGE READ TAPI_LINECALLPRIVILEGE WRITE setTAPI_LINECALLPRIVILEGE)
    Q_PROPERTY(int TAPI_LINEMEDIAMODE READ TAPI_LINEMEDIAMODE WRITE setTAPI_LINEMEDIAMODE)
    Q_PROPERTY(int TAPI_LINEBEARERMODE READ TAPI_LINEBEARERMODE WRITE setTAPI_LINEBEARERMODE)
    Q_PROPERTY(int TAPI_LINEADDRESSMODE READ TAPI_LINEADDRESSMODE WRITE setTAPI_LINEADDRESSMODE)
    // Not QWidget's "enabled": stored and saved, with no effect on the control.
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled)
    Q_PROPERTY(int debugLevel READ debugLevel WRITE setDebugLevel)
    Q_PROPERTY(QString vexVersion READ vexVersion WRITE setVexVersion)

public:
    // The control on the seams the host created (the host keeps them alive
    // longer than the control).
    Lintaro(platform::tapi::TelephonyService& telephony, platform::wave::WaveDevices& wave,
            const LintaroOptions& options = {}, QWidget* parent = nullptr);
    // For a host that passes nothing: the control creates the telephony
    // service and the wave devices from the telephony configuration's defaults.
    explicit Lintaro(QWidget* parent = nullptr);
    ~Lintaro() override;

    // --- Properties (a read-only property's setter reports READONLY) ----------
    int deviceId() const;
    void setDeviceId(int value);
    int addressId() const;
    void setAddressId(int value);
    int DeviceCount() const;
    void setDeviceCount(int value);
    QString DeviceName() const;
    void setDeviceName(const QString& value);
    int NumAddresses() const;
    void setNumAddresses(int value);
    bool TapiPhoneExist() const;
    void setTapiPhoneExist(bool value);
    bool waveSupported() const;
    void setWaveSupported(bool value);
    bool autoPhoneOpen() const;
    void setAutoPhoneOpen(bool value);
    int TAPI_LINECALLPRIVILEGE() const;
    void setTAPI_LINECALLPRIVILEGE(int value);
    int TAPI_LINEMEDIAMODE() const;
    void setTAPI_LINEMEDIAMODE(int value);
    int TAPI_LINEBEARERMODE() const;
    void setTAPI_LINEBEARERMODE(int value);
    int TAPI_LINEADDRESSMODE() const;
    void setTAPI_LINEADDRESSMODE(int value);
    bool controlEnabled() const;
    void setControlEnabled(bool value);
    int debugLevel() const;
    void setDebugLevel(int value);
    QString vexVersion() const;
    void setVexVersion(const QString& value);

    // --- Container side -------------------------------------------------------
    // Whether the host is in design mode (it decides one origin text of
    // READONLY and when the property pages may be shown).
    void setDesignMode(bool design);
    bool designMode() const;
    // The host's saved form: saving writes every key with its default; loading
    // takes the stored values without the setters' checks and side effects.
    void saveProperties(LintaroPropertyBag& bag) const;
    void loadProperties(const LintaroPropertyBag& bag);
    // Where the diagnostic log is written.
    QString logFilePath() const;

    QSize sizeHint() const override;

public slots:
    // --- Methods, in interface order ------------------------------------------
    void TapiLineInit();
    void TapiLineOpen();
    // addressId may come back changed (automatic address mode).
    void TapiLineDial(const QString& Number, int& addressId, int CCallHandle = 0);
    void TapiLineDrop(int CCallHandle = 0);
    void TapiLineAnswer(int CCallHandle = 0);
    void TapiLineClose();
    void TapiLineShutdown();
    void TapiLineBlindTransfer(const QString& Number, int CCallHandle = 0);
    void TapiLineHold(int CCallHandle = 0);
    void TapiLineUnhold(int CCallHandle = 0);
    void TapiLineConfigDialog();
    void TapiLineGenerateDigits(const QString& Digits, int CCallHandle = 0);
    void TapiLinePark(const QString& ParkID, int CCallHandle = 0);
    void TapiLineUnpark(const QString& ParkID);
    QString getDeviceName(int deviceId);
    int getTapiVersion(int deviceId);
    QString getProviderInfo(int deviceId);
    QString getSwitchInfo(int deviceId);
    int getPhoneButtonInfo(int Button);
    QString getCallStates(int deviceId);
    QString getCallinfoStates(int deviceId);
    QString getParkModes(int deviceId);
    QString getCallFeatures(int deviceId);
    QString getAddress(int deviceId, int addressId);
    QString getDialtoneModes(int deviceId);
    QString getBusyModes(int deviceId);
    QString getDisconnectModes(int deviceId);
    QString getBearerModes(int deviceId);
    QString getMediaModes(int deviceId);
    QString getActiveCallFeatures(int CCallHandle = 0);
    void TapiLineSwapHold();
    void TapiLineRedirect(const QString& Number, int CCallHandle = 0);
    void shutdownControl();
    void TapiLineSetupTransfer(int CCallHandle = 0);
    void TapiLineCompleteTransfer(int TransMode, int CCallHandle = 0);
    // The driver may write into param.
    void TapiDevSpecific(int Feature, int& param);
    void TapiLineMonitorDigits(int DigitMode, int CCallHandle = 0);
    QString getAddressModes(int deviceId);
    void WavePlayStop();
    void WavePlayStart(const QString& CFileName);
    void WaveRecStart(const QString& CFileName);
    QVariant WaveRecStop();
    void Hicomdial(const QString& Number);
    QString TapiLineTranslateAddress(const QString& INumber, int deviceId);
    void TapiLineTranslateDialog(int deviceId);
    void getPhoneDisplay();
    void getPhoneLamp(int CLampId);

signals:
    // --- Events, in interface order -------------------------------------------
    void OnDeviceIDChanged(int deviceId);
    void OnWaveRecStart(const QString& CFileName);
    void OnWaveRecStop(const QString& CFileName);
    void OnPhoneRing(int CRingMode);
    void OnWavePlayStart(const QString& CFileName);
    void OnWavePlayDone(const QString& CFileName);
    void OnDigitMonitoring(const QString& CDigit, int CTimeStamp, int CCallHandle);
    void OnPhoneHook(int CHook, int CMode);
    void OnPhoneDisplay(const QString& CDisplaytext, int CRows, int CCols);
    void OnPhoneLamp(int CLampId, int CLampMode);
    void OnRinging(int CRingMode, int CRingCount);
    void OnDialtone(const QString& CDialtoneMode, int CCallHandle);
    void OnBusy(const QString& CBusyMode, int CCallHandle);
    void OnSpecialinfo(const QString& CSpecialinfo);
    void OnConnected(const QString& CConnectedMode, int CCallHandle);
    void OnRedirectionID(const QString& CNumber, int CCallID, int CCallHandle);
    void OnRedirectingID(const QString& CNumber, int CCallID, int CCallHandle);
    void OnCallOrigin(const QString& CCallOrigin, int CCallID, int CCallHandle);
    void OnCallReason(const QString& CCallReason, int CCallID, int CCallHandle);
    void OnChargeInfo(const QString& CChargeInfo, int CCallID, int CCallHandle);
    void OnDisconnected(const QString& CDisconnectedMode, int CCallHandle);
    void OnOffering(const QString& COfferingMode, int CCallHandle);
    void OnTapiMessage(const QString& CMessage, const QString& CfromProc, int CErrNumber);
    void OnConnectedID(const QString& CNumber, int CCallID, int CCallHandle);
    void OnCalledID(const QString& CNumber, int CCallID, int CCallHandle);
    void OnCallerID(const QString& CNumber, const QString& CName, const QString& CPartyID,
                    int CCallID, int CCallHandle);
    void OnCallState(const QString& CCallState, int CCallHandle, int CCallID);

    // Not an event: tells the container that a property changed, so that a
    // host in design mode saves its form.
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class LintaroPrivate;
    friend class LintaroTestAccess;
    std::unique_ptr<LintaroPrivate> d;
};
