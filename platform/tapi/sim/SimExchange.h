#pragma once

#include "platform/tapi/ServiceProvider.h"
#include "platform/tapi/sim/SimConfig.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <functional>
#include <map>
#include <optional>

namespace platform::tapi::sim {

// The simulated exchange: the service provider `sim`. Its line devices (and
// the phone devices of some of them) are described by a SimConfig. Calls made
// through the service run through the usual states (a call made with a number
// goes DIALTONE, DIALING, PROCEEDING, RINGBACK and waits for the far end); the
// far end, the phone's user and the driver are played through the functions
// below, by tests in C++ and by `phonesim` through PhonesimServer.
//
// Every driving function returns false and sets *error when it cannot do what
// it is asked (unknown call, wrong state, bad argument). All of it may be used
// from any thread; the ring timer runs in the thread that created the exchange.
class SimExchange final : public QObject, public ServiceProvider {
    Q_OBJECT
public:
    struct IncomingCall {
        QString callerNumber;
        QString callerName;
        bool callerBlocked = false; // the caller withheld the number
        QString calledNumber;       // default: the address called
        QString calledName;
        DWORD origin = 0; // LINECALLORIGIN_; default EXTERNAL
        DWORD reason = 0; // LINECALLREASON_; default DIRECT
        QString redirectingNumber;
        QString redirectionNumber;
        QString chargingInfo;
        DWORD address = 0;
        DWORD mediaMode = 0; // default INTERACTIVEVOICE
    };

    struct CallSnapshot {
        CallKey id = 0;
        DWORD line = 0;
        DWORD address = 0;
        DWORD state = 0;
        DWORD stateMode = 0;
        bool outgoing = false;
        QString callerNumber;
        QString callerName;
        QString calledNumber;
        QString connectedNumber;
        QString connectedName;
        QString redirectingNumber;
        QString redirectionNumber;
        QString chargingInfo;
        QString digitsSent;     // dialled on a connected call or generated as tones
        QString digitsReceived; // sent by the far end
        bool alerting = false;
        DWORD ringCount = 0; // rings so far
        QString note;        // where the call went: transferred, parked, redirected
    };

    struct PhoneSnapshot {
        DWORD phoneId = 0;
        DWORD line = 0;
        QString name;
        QString display;
        QVector<DWORD> lampModes;
        DWORD ringMode = 0;
        DWORD handset = 0; // PHONEHOOKSWITCHMODE_ of each hookswitch device
        DWORD speaker = 0;
        DWORD headset = 0;
    };

    struct LineSnapshot {
        DWORD line = 0;
        QString name;
        QStringList addresses;
        int phone = -1;
        int waveOut = -1;
        int waveIn = -1;
        int openCount = 0; // applications that have the line open
    };

    struct DevSpecificRequest {
        DWORD line = 0;
        DWORD address = 0;
        CallKey call = 0;
        bool isFeature = false; // lineDevSpecificFeature rather than lineDevSpecific
        DWORD feature = 0;
        QByteArray params;
    };
    // Answers a device-specific request: may change params, returns the result
    // reported with LINE_REPLY.
    using DevSpecificHandler = std::function<LONG(const DevSpecificRequest&, QByteArray& params)>;

    explicit SimExchange(SimConfig config, QObject* parent = nullptr);
    ~SimExchange() override;

    SimConfig config() const;
    // Where the line settings dialog stores its changes (the telephony
    // configuration file); empty keeps them in memory only.
    void setConfigPath(const QString& path);

    // --- The far end and the phone's user ---
    // A call arrives on a line; returns its ID (0 on error).
    CallKey offerCall(DWORD line, const IncomingCall& call, QString* error = nullptr);
    // The alerting call on the line rings once more.
    bool ringAgain(DWORD line, QString* error = nullptr);
    // The local user picks up an offered call at the phone.
    bool answerAtPhone(CallKey call, QString* error = nullptr);
    // The called party answers an outgoing call.
    bool farEndAnswers(CallKey call, QString* error = nullptr);
    bool farEndBusy(CallKey call, DWORD busyMode, QString* error = nullptr);
    // The other party hangs up: DISCONNECTED with the mode, then IDLE unless
    // thenIdle is false (the call then waits for lineDrop).
    bool farEndHangsUp(CallKey call, DWORD disconnectMode, bool thenIdle = true,
                       QString* error = nullptr);
    bool farEndSendsDigits(CallKey call, const QString& digits, QString* error = nullptr);
    // The caller's number and name as the exchange learns them (a name that
    // arrives after the number, or the same caller ID announced again).
    bool setCallerParty(CallKey call, const QString& number, const QString& name,
                        QString* error = nullptr);
    bool setConnectedParty(CallKey call, const QString& number, const QString& name,
                           QString* error = nullptr);
    bool setRedirectingNumber(CallKey call, const QString& number, QString* error = nullptr);
    bool setRedirectionNumber(CallKey call, const QString& number, QString* error = nullptr);
    bool setChargingInfo(CallKey call, const QString& text, QString* error = nullptr);
    // The driver closes the line device (LINE_CLOSE to every application).
    bool closeLineFromDriver(DWORD line, QString* error = nullptr);

    // --- Phones ---
    // Lifting a hookswitch device answers an alerting call; putting the last
    // one down ends the active call.
    bool setHookSwitch(DWORD phone, DWORD hookSwitchDev, DWORD mode, QString* error = nullptr);
    bool setDisplay(DWORD phone, const QString& text, QString* error = nullptr);
    bool setLamp(DWORD phone, DWORD lamp, DWORD lampMode, QString* error = nullptr);
    bool setRingMode(DWORD phone, DWORD ringMode, QString* error = nullptr);
    bool pressButton(DWORD phone, DWORD button, QString* error = nullptr);

    // --- Inspection ---
    QVector<CallSnapshot> calls() const; // calls not yet gone, oldest first
    std::optional<CallSnapshot> call(CallKey call) const;
    QVector<LineSnapshot> lines() const;
    QVector<PhoneSnapshot> phones() const;
    // -1 when the line has no phone.
    int phoneOfLine(DWORD line) const;
    QVector<DevSpecificRequest> devSpecificRequests() const;
    void setDevSpecificHandler(DevSpecificHandler handler);
    // The call IDs parked at each address.
    std::map<QString, CallKey> parkedCalls() const;

    // --- ServiceProvider ---
    QString name() const override;
    std::recursive_mutex& mutex() override { return m_mutex; }
    void attach(ProviderEvents* events) override;
    DWORD lineDeviceCount() const override;
    VersionRange lineApiVersions(DWORD deviceId) const override;
    VersionRange lineExtVersions(DWORD deviceId) const override;
    LINEEXTENSIONID lineExtensionId(DWORD deviceId) const override;
    bool acceptsLineExtVersion(DWORD deviceId, DWORD extVersion) const override;
    LineDeviceCaps lineDevCaps(DWORD deviceId) const override;
    AddressCaps addressCaps(DWORD deviceId, DWORD addressId) const override;
    LONG openLineDevice(DWORD deviceId) override;
    void closeLineDevice(DWORD deviceId) override;
    LONG deviceIdOfClass(DWORD deviceId, DWORD addressId, CallKey call,
                         const QByteArray& deviceClass, DWORD* id) const override;
    bool callData(CallKey call, CallData* data) const override;
    LONG makeCall(RequestId request, DWORD deviceId, const QByteArray& destination,
                  const CallSettings& settings) override;
    LONG dial(RequestId request, CallKey call, const QByteArray& destination) override;
    LONG drop(RequestId request, CallKey call) override;
    LONG answer(RequestId request, CallKey call) override;
    LONG accept(RequestId request, CallKey call) override;
    LONG hold(RequestId request, CallKey call) override;
    LONG unhold(RequestId request, CallKey call) override;
    LONG swapHold(RequestId request, CallKey active, CallKey held) override;
    LONG blindTransfer(RequestId request, CallKey call, const QByteArray& destination) override;
    LONG setupTransfer(RequestId request, CallKey call) override;
    LONG completeTransfer(RequestId request, CallKey held, CallKey consult,
                          DWORD transferMode) override;
    LONG park(RequestId request, CallKey call, DWORD parkMode, const QByteArray& directedAddress,
              QByteArray* parkedAt) override;
    LONG unpark(RequestId request, DWORD deviceId, DWORD addressId,
                const QByteArray& address) override;
    LONG redirect(RequestId request, CallKey call, const QByteArray& destination) override;
    LONG generateDigits(CallKey call, DWORD digitMode, const QByteArray& digits) override;
    LONG devSpecific(RequestId request, DWORD deviceId, DWORD addressId, CallKey call,
                     QByteArray& params) override;
    LONG devSpecificFeature(RequestId request, DWORD deviceId, DWORD feature,
                            QByteArray& params) override;
    void releaseCall(CallKey call) override;
    DWORD phoneDeviceCount() const override;
    VersionRange phoneApiVersions(DWORD phoneId) const override;
    VersionRange phoneExtVersions(DWORD phoneId) const override;
    PHONEEXTENSIONID phoneExtensionId(DWORD phoneId) const override;
    PhoneDeviceCaps phoneDevCaps(DWORD phoneId) const override;
    QByteArray phoneDisplay(DWORD phoneId) const override;
    LONG phoneLamp(DWORD phoneId, DWORD lampId, DWORD* lampMode) const override;
    LONG phoneButtonInfo(DWORD phoneId, DWORD buttonId, ButtonInfo* info) const override;
    LONG configDialog(DWORD deviceId, QWidget* owner, DialogRunner& runner) override;

private:
    struct Party {
        QString number;
        QString name;
        DWORD flags = 0;
    };
    struct Call {
        CallKey id = 0;
        DWORD line = 0;
        DWORD address = 0;
        DWORD state = 0;
        DWORD mode = 0;
        QDateTime entered;
        bool outgoing = false;
        DWORD origin = 0;
        DWORD reason = 0;
        DWORD bearerMode = 0;
        DWORD mediaMode = 0;
        DWORD relatedCall = 0;
        Party caller;
        Party called;
        Party connected;
        Party redirection;
        Party redirecting;
        QString chargingInfo;
        QString digitsSent;
        QString digitsReceived;
        bool alerting = false;
        DWORD ringCount = 0;
        qint64 lastRingMs = 0;
        bool released = false;
        QString note;
    };
    struct Line {
        int openCount = 0;
        int phone = -1;
    };
    struct Phone {
        DWORD line = 0;
        QString display;
        QVector<DWORD> lampModes;
        DWORD ringMode = 0;
        bool autoRinging = false;
        DWORD handset = 0;
        DWORD speaker = 0;
        DWORD headset = 0;
    };

    Call* findCall(CallKey id);
    const Call* findCall(CallKey id) const;
    bool validLine(DWORD line) const { return line < static_cast<DWORD>(m_config.lines.size()); }
    bool validPhone(DWORD phone) const { return phone < static_cast<DWORD>(m_phones.size()); }
    const SimLineConfig& lineConfig(DWORD line) const { return m_config.lines[int(line)]; }
    Call& newCall(DWORD line, DWORD address);
    Call& newOutgoingCall(DWORD line, DWORD address);
    DWORD activeCallCount(DWORD line) const;
    DWORD featuresOf(const Call& call) const;
    CallSnapshot snapshot(const Call& call) const;
    Call* callForDriving(CallKey id, QString* error);
    void setState(Call& call, DWORD state, DWORD mode);
    void startAlerting(Call& call);
    void ring(Call& call);
    void completeRequest(RequestId request, LONG result);
    void callInfoChanged(Call& call, DWORD infoStates);
    void dialDigits(Call& call, const QString& digits);
    using CallEffect = std::function<void(Call&)>;
    // The common shape of a call operation. Its errors in the order they are
    // reported: an unknown handle, an undiallable destination (when one is
    // given), a state outside allowedStates. Otherwise the request completes
    // and the effect runs on the call, all under the lock.
    // A driving change of the call's information, reported with infoStates.
    bool changeCallInfo(CallKey id, DWORD infoStates, QString* error, const CallEffect& change);
    LONG callOperation(RequestId request, CallKey id, DWORD allowedStates, const CallEffect& effect,
                       const QString* destination = nullptr);
    void updatePhoneOfLine(DWORD line);
    void setPhoneRingMode(Phone& phone, DWORD phoneId, DWORD mode);
    void setPhoneLamp(Phone& phone, DWORD phoneId, DWORD lamp, DWORD mode);
    DWORD phoneLampCount(DWORD phoneId) const;
    void purge();
    void ringTick();
    QByteArray deviceClasses(DWORD line) const;

    mutable std::recursive_mutex m_mutex;
    SimConfig m_config;
    QString m_configPath;
    ProviderEvents* m_events = nullptr;
    QVector<Line> m_lines;
    QVector<Phone> m_phones;
    std::map<CallKey, Call> m_calls;
    std::map<QString, Call> m_parked; // the calls as they were when parked
    QVector<DevSpecificRequest> m_devSpecific;
    DevSpecificHandler m_devSpecificHandler;
    CallKey m_nextCallId = 1;
    DWORD m_nextParkSlot = 7001;
    QTimer m_ringTimer;
};

} // namespace platform::tapi::sim
