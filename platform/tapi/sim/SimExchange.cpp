#include "platform/tapi/sim/SimExchange.h"

#include "platform/tapi/Codepage1252.h"
#include "platform/tapi/DialogRunner.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/sim/SimLineSettingsDialog.h"
#include "platform/tapi/sim/SimRules.h"

#include <QDateTime>
#include <QDialog>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace platform::tapi::sim {

using namespace rules;

SimExchange::SimExchange(SimConfig config, QObject* parent)
    : QObject(parent), m_config(std::move(config))
{
    m_lines.resize(m_config.lines.size());
    for (int i = 0; i < m_config.lines.size(); ++i) {
        const SimLineConfig& line = m_config.lines[i];
        if (line.addresses.isEmpty())
            m_config.lines[i].addresses = {QString::number(10 + i)};
        if (!line.phone.present)
            continue;
        Phone phone;
        phone.line = static_cast<DWORD>(i);
        phone.lampModes.fill(PHONELAMPMODE_OFF,
                             std::max<qsizetype>(1, line.phone.buttonFunctions.size()));
        for (DWORD dev :
             {PHONEHOOKSWITCHDEV_HANDSET, PHONEHOOKSWITCHDEV_SPEAKER, PHONEHOOKSWITCHDEV_HEADSET}) {
            const DWORD mode = (line.phone.hookSwitchDevs & dev) ? PHONEHOOKSWITCHMODE_ONHOOK : 0;
            if (dev == PHONEHOOKSWITCHDEV_HANDSET)
                phone.handset = mode;
            else if (dev == PHONEHOOKSWITCHDEV_SPEAKER)
                phone.speaker = mode;
            else
                phone.headset = mode;
        }
        m_lines[i].phone = static_cast<int>(m_phones.size());
        m_phones.append(phone);
    }
    const bool rings = std::any_of(m_config.lines.begin(), m_config.lines.end(),
                                   [](const SimLineConfig& l) { return l.ringIntervalMs > 0; });
    m_ringTimer.setInterval(100);
    connect(&m_ringTimer, &QTimer::timeout, this, [this] { ringTick(); });
    if (rings)
        m_ringTimer.start();
}

SimExchange::~SimExchange() = default;

SimConfig SimExchange::config() const
{
    Lock lock(m_mutex);
    return m_config;
}

void SimExchange::setConfigPath(const QString& path)
{
    Lock lock(m_mutex);
    m_configPath = path;
}

QString SimExchange::name() const
{
    return u"sim"_s;
}

void SimExchange::attach(ProviderEvents* events)
{
    Lock lock(m_mutex);
    m_events = events;
}

// --- Helpers -----------------------------------------------------------------

SimExchange::Call* SimExchange::findCall(CallKey id)
{
    const auto it = m_calls.find(id);
    return it == m_calls.end() || it->second.released ? nullptr : &it->second;
}

const SimExchange::Call* SimExchange::findCall(CallKey id) const
{
    const auto it = m_calls.find(id);
    return it == m_calls.end() || it->second.released ? nullptr : &it->second;
}

SimExchange::Call& SimExchange::newCall(DWORD line, DWORD address)
{
    Call call;
    call.id = m_nextCallId++;
    if (m_nextCallId == 0)
        m_nextCallId = 1;
    call.line = line;
    call.address = address;
    call.entered = QDateTime::currentDateTime();
    call.bearerMode = LINEBEARERMODE_VOICE;
    call.mediaMode = LINEMEDIAMODE_INTERACTIVEVOICE;
    return m_calls[call.id] = call;
}

DWORD SimExchange::activeCallCount(DWORD line) const
{
    DWORD count = 0;
    for (const auto& [id, call] : m_calls) {
        if (!call.released && call.line == line && (call.state & kActiveStates))
            ++count;
    }
    return count;
}

DWORD SimExchange::featuresOf(const Call& call) const
{
    DWORD features = 0;
    bool otherHeld = false;
    bool otherConnected = false;
    for (const auto& [id, other] : m_calls) {
        if (other.released || id == call.id || other.line != call.line)
            continue;
        otherHeld = otherHeld || (other.state & kHeldStates);
        otherConnected = otherConnected || other.state == LINECALLSTATE_CONNECTED;
    }
    switch (call.state) {
    case LINECALLSTATE_OFFERING:
        features = LINECALLFEATURE_ACCEPT | LINECALLFEATURE_ANSWER | LINECALLFEATURE_DROP |
                   LINECALLFEATURE_REDIRECT;
        break;
    case LINECALLSTATE_ACCEPTED:
        features = LINECALLFEATURE_ANSWER | LINECALLFEATURE_DROP | LINECALLFEATURE_REDIRECT;
        break;
    case LINECALLSTATE_DIALTONE:
    case LINECALLSTATE_DIALING:
        features = LINECALLFEATURE_DIAL | LINECALLFEATURE_DROP;
        break;
    case LINECALLSTATE_PROCEEDING:
    case LINECALLSTATE_RINGBACK:
        features = LINECALLFEATURE_DROP | (otherHeld ? LINECALLFEATURE_COMPLETETRANSF : 0);
        break;
    case LINECALLSTATE_BUSY:
    case LINECALLSTATE_DISCONNECTED:
        features = LINECALLFEATURE_DROP;
        break;
    case LINECALLSTATE_CONNECTED:
        features = LINECALLFEATURE_DROP | LINECALLFEATURE_HOLD | LINECALLFEATURE_DIAL |
                   LINECALLFEATURE_BLINDTRANSFER | LINECALLFEATURE_SETUPTRANSFER |
                   LINECALLFEATURE_PARK | LINECALLFEATURE_GENERATEDIGITS |
                   LINECALLFEATURE_MONITORDIGITS;
        if (otherHeld)
            features |= LINECALLFEATURE_SWAPHOLD | LINECALLFEATURE_COMPLETETRANSF;
        break;
    case LINECALLSTATE_ONHOLD:
    case LINECALLSTATE_ONHOLDPENDTRANSFER:
        features = LINECALLFEATURE_UNHOLD | LINECALLFEATURE_DROP |
                   (otherConnected ? LINECALLFEATURE_SWAPHOLD : 0);
        break;
    default:
        break;
    }
    return features & lineConfig(call.line).callFeatures;
}

SimExchange::CallSnapshot SimExchange::snapshot(const Call& call) const
{
    CallSnapshot s;
    s.id = call.id;
    s.line = call.line;
    s.address = call.address;
    s.state = call.state;
    s.stateMode = call.mode;
    s.outgoing = call.outgoing;
    s.callerNumber = call.caller.number;
    s.callerName = call.caller.name;
    s.calledNumber = call.called.number;
    s.connectedNumber = call.connected.number;
    s.connectedName = call.connected.name;
    s.redirectingNumber = call.redirecting.number;
    s.redirectionNumber = call.redirection.number;
    s.chargingInfo = call.chargingInfo;
    s.digitsSent = call.digitsSent;
    s.digitsReceived = call.digitsReceived;
    s.alerting = call.alerting;
    s.ringCount = call.ringCount;
    s.note = call.note;
    return s;
}

SimExchange::Call* SimExchange::callForDriving(CallKey id, QString* error)
{
    purge();
    Call* call = findCall(id);
    if (!call || call->state == LINECALLSTATE_IDLE) {
        fail(error, u"no call %1"_s.arg(id));
        return nullptr;
    }
    return call;
}

void SimExchange::setState(Call& call, DWORD state, DWORD mode)
{
    call.state = state;
    call.mode = mode;
    call.entered = QDateTime::currentDateTime();
    if (!(state & kAlertingStates))
        call.alerting = false;
    const CallKey id = call.id;
    const DWORD line = call.line;
    if (m_events)
        m_events->callStateChanged(id, state, mode);
    else if (state == LINECALLSTATE_IDLE)
        call.released = true;
    updatePhoneOfLine(line);
}

void SimExchange::startAlerting(Call& call)
{
    call.alerting = true;
    call.ringCount = 0;
    ring(call);
}

void SimExchange::ring(Call& call)
{
    call.lastRingMs = nowMs();
    const DWORD count = call.ringCount++;
    if (m_events)
        m_events->lineDevStateChanged(call.line, LINEDEVSTATE_RINGING, 1, count);
    updatePhoneOfLine(call.line);
}

void SimExchange::completeRequest(RequestId request, LONG result)
{
    if (m_events)
        m_events->requestCompleted(request, result);
}

void SimExchange::callInfoChanged(Call& call, DWORD infoStates)
{
    if (m_events)
        m_events->callInfoChanged(call.id, infoStates);
}

void SimExchange::purge()
{
    std::erase_if(m_calls, [](const auto& entry) { return entry.second.released; });
}

void SimExchange::ringTick()
{
    Lock lock(m_mutex);
    purge();
    const qint64 now = nowMs();
    for (auto& [id, call] : m_calls) {
        const int interval = lineConfig(call.line).ringIntervalMs;
        if (call.alerting && interval > 0 && now - call.lastRingMs >= interval)
            ring(call);
    }
}

QByteArray SimExchange::deviceClasses(DWORD line) const
{
    const SimLineConfig& config = lineConfig(line);
    QByteArray classes("tapi/line");
    classes.append('\0');
    if (config.phone.present)
        classes.append("tapi/phone").append('\0');
    if (config.waveIn >= 0)
        classes.append("wave/in").append('\0');
    if (config.waveOut >= 0)
        classes.append("wave/out").append('\0');
    classes.append('\0');
    return classes;
}

// --- Inspection ------------------------------------------------------------------

QVector<SimExchange::CallSnapshot> SimExchange::calls() const
{
    Lock lock(m_mutex);
    QVector<CallSnapshot> result;
    for (const auto& [id, call] : m_calls) {
        if (!call.released)
            result.append(snapshot(call));
    }
    return result;
}

std::optional<SimExchange::CallSnapshot> SimExchange::call(CallKey id) const
{
    Lock lock(m_mutex);
    if (const Call* c = findCall(id))
        return snapshot(*c);
    return std::nullopt;
}

QVector<SimExchange::LineSnapshot> SimExchange::lines() const
{
    Lock lock(m_mutex);
    QVector<LineSnapshot> result;
    for (int i = 0; i < m_config.lines.size(); ++i) {
        const SimLineConfig& line = m_config.lines[i];
        result.append({DWORD(i), line.name, line.addresses, m_lines[i].phone, line.waveOut,
                       line.waveIn, m_lines[i].openCount});
    }
    return result;
}

QVector<SimExchange::PhoneSnapshot> SimExchange::phones() const
{
    Lock lock(m_mutex);
    QVector<PhoneSnapshot> result;
    for (int i = 0; i < m_phones.size(); ++i) {
        const Phone& phone = m_phones[i];
        result.append({DWORD(i), phone.line, lineConfig(phone.line).phone.name, phone.display,
                       phone.lampModes, phone.ringMode, phone.handset, phone.speaker,
                       phone.headset});
    }
    return result;
}

int SimExchange::phoneOfLine(DWORD line) const
{
    Lock lock(m_mutex);
    return validLine(line) ? m_lines[int(line)].phone : -1;
}

QVector<SimExchange::DevSpecificRequest> SimExchange::devSpecificRequests() const
{
    Lock lock(m_mutex);
    return m_devSpecific;
}

void SimExchange::setDevSpecificHandler(DevSpecificHandler handler)
{
    Lock lock(m_mutex);
    m_devSpecificHandler = std::move(handler);
}

std::map<QString, CallKey> SimExchange::parkedCalls() const
{
    Lock lock(m_mutex);
    std::map<QString, CallKey> result;
    for (const auto& [address, call] : m_parked)
        result[address] = call.id;
    return result;
}

// --- Line devices ----------------------------------------------------------------

DWORD SimExchange::lineDeviceCount() const
{
    Lock lock(m_mutex);
    return static_cast<DWORD>(m_config.lines.size());
}

VersionRange SimExchange::lineApiVersions(DWORD deviceId) const
{
    Lock lock(m_mutex);
    return validLine(deviceId) ? lineConfig(deviceId).apiVersions : VersionRange{};
}

VersionRange SimExchange::lineExtVersions(DWORD deviceId) const
{
    Lock lock(m_mutex);
    return validLine(deviceId) ? lineConfig(deviceId).extVersions : VersionRange{};
}

LINEEXTENSIONID SimExchange::lineExtensionId(DWORD deviceId) const
{
    Lock lock(m_mutex);
    if (!validLine(deviceId) || lineConfig(deviceId).extVersions.isEmpty())
        return {};
    return lineConfig(deviceId).extensionId;
}

bool SimExchange::acceptsLineExtVersion(DWORD deviceId, DWORD extVersion) const
{
    Lock lock(m_mutex);
    if (!validLine(deviceId))
        return false;
    const SimLineConfig& line = lineConfig(deviceId);
    return line.extVersions.contains(extVersion) && !line.refuseExtVersions;
}

LineDeviceCaps SimExchange::lineDevCaps(DWORD deviceId) const
{
    Lock lock(m_mutex);
    LineDeviceCaps caps;
    if (!validLine(deviceId))
        return caps;
    const SimLineConfig& line = lineConfig(deviceId);
    LINEDEVCAPS& f = caps.fixed;
    f.dwPermanentLineID = line.permanentLineId;
    f.dwStringFormat = STRINGFORMAT_ASCII;
    f.dwAddressModes = line.addressModes;
    f.dwNumAddresses = static_cast<DWORD>(line.addresses.size());
    f.dwBearerModes = line.bearerModes;
    f.dwMaxRate = 0;
    f.dwMediaModes = line.mediaModes;
    f.dwGenerateDigitModes = LINEDIGITMODE_DTMF | LINEDIGITMODE_PULSE;
    f.dwMonitorDigitModes = LINEDIGITMODE_DTMF | LINEDIGITMODE_DTMFEND;
    f.dwDevCapFlags = LINEDEVCAPFLAGS_CLOSEDROP | LINEDEVCAPFLAGS_DIALBILLING |
                      LINEDEVCAPFLAGS_DIALQUIET | LINEDEVCAPFLAGS_DIALDIALTONE;
    f.dwMaxNumActiveCalls = 1;
    f.dwAnswerMode = LINEANSWERMODE_HOLD;
    f.dwRingModes = 1;
    f.dwLineStates = line.lineStates;
    f.MinDialParams = {0, 50, 50, 0};
    f.MaxDialParams = {5000, 500, 500, 30000};
    f.DefaultDialParams = {2000, 95, 95, 3500};
    f.dwLineFeatures = LINEFEATURE_MAKECALL | LINEFEATURE_DEVSPECIFIC | LINEFEATURE_DEVSPECIFICFEAT;
    f.dwAddressTypes = 0x1; // phone numbers
    caps.providerInfo = toTapiText(line.providerInfo);
    caps.switchInfo = toTapiText(line.switchInfo);
    caps.lineName = toTapiText(line.name);
    caps.deviceClasses = deviceClasses(deviceId);
    return caps;
}

AddressCaps SimExchange::addressCaps(DWORD deviceId, DWORD addressId) const
{
    Lock lock(m_mutex);
    AddressCaps caps;
    if (!validLine(deviceId))
        return caps;
    const SimLineConfig& line = lineConfig(deviceId);
    LINEADDRESSCAPS& f = caps.fixed;
    f.dwLineDeviceID = deviceId;
    f.dwAddressSharing = LINEADDRESSSHARING_PRIVATE;
    f.dwAddressStates = line.addressStates;
    f.dwCallInfoStates = line.callInfoStates;
    f.dwCallerIDFlags = LINECALLPARTYID_ADDRESS | LINECALLPARTYID_NAME | LINECALLPARTYID_BLOCKED |
                        LINECALLPARTYID_UNKNOWN;
    f.dwCalledIDFlags = LINECALLPARTYID_ADDRESS | LINECALLPARTYID_NAME | LINECALLPARTYID_UNKNOWN;
    f.dwConnectedIDFlags = LINECALLPARTYID_ADDRESS | LINECALLPARTYID_NAME | LINECALLPARTYID_UNKNOWN;
    f.dwRedirectionIDFlags = LINECALLPARTYID_ADDRESS | LINECALLPARTYID_UNKNOWN;
    f.dwRedirectingIDFlags = LINECALLPARTYID_ADDRESS | LINECALLPARTYID_UNKNOWN;
    f.dwCallStates = line.callStates;
    f.dwDialToneModes = line.dialToneModes;
    f.dwBusyModes = line.busyModes;
    f.dwSpecialInfo = line.specialInfo;
    f.dwDisconnectModes = line.disconnectModes;
    f.dwMaxNumActiveCalls = 1;
    f.dwMaxNumOnHoldCalls = 1;
    f.dwMaxNumOnHoldPendingCalls = 1;
    f.dwAddrCapFlags = LINEADDRCAPFLAGS_DIALED | LINEADDRCAPFLAGS_PARTIALDIAL |
                       LINEADDRCAPFLAGS_TRANSFERHELD | LINEADDRCAPFLAGS_TRANSFERMAKE |
                       (line.acceptToAlert ? LINEADDRCAPFLAGS_ACCEPTTOALERT : 0);
    f.dwCallFeatures = line.callFeatures;
    f.dwTransferModes = line.transferModes;
    f.dwParkModes = line.parkModes;
    f.dwAddressFeatures = LINEADDRFEATURE_MAKECALL | LINEADDRFEATURE_UNPARK;
    f.dwConnectedModes = LINECONNECTEDMODE_ACTIVE;
    f.dwOfferingModes = LINEOFFERINGMODE_ACTIVE;
    f.dwAvailableMediaModes = line.mediaModes;
    if (addressId < static_cast<DWORD>(line.addresses.size()))
        caps.address = toTapiText(line.addresses[int(addressId)]);
    caps.deviceClasses = deviceClasses(deviceId);
    return caps;
}

LONG SimExchange::openLineDevice(DWORD deviceId)
{
    Lock lock(m_mutex);
    if (!validLine(deviceId))
        return LINEERR_BADDEVICEID;
    ++m_lines[int(deviceId)].openCount;
    return 0;
}

void SimExchange::closeLineDevice(DWORD deviceId)
{
    Lock lock(m_mutex);
    if (validLine(deviceId) && m_lines[int(deviceId)].openCount > 0)
        --m_lines[int(deviceId)].openCount;
}

LONG SimExchange::deviceIdOfClass(DWORD deviceId, DWORD /*addressId*/, CallKey /*call*/,
                                  const QByteArray& deviceClass, DWORD* id) const
{
    Lock lock(m_mutex);
    if (!validLine(deviceId))
        return LINEERR_BADDEVICEID;
    const SimLineConfig& line = lineConfig(deviceId);
    const QByteArray name = deviceClass.toLower();
    if (name == "tapi/line") {
        *id = deviceId;
    } else if (name == "tapi/phone" && m_lines[int(deviceId)].phone >= 0) {
        const int reported = line.phone.reportedDeviceId;
        *id = static_cast<DWORD>(reported >= 0 ? reported : m_lines[int(deviceId)].phone);
    } else if (name == "wave/out" && line.waveOut >= 0) {
        *id = static_cast<DWORD>(line.waveOut);
    } else if (name == "wave/in" && line.waveIn >= 0) {
        *id = static_cast<DWORD>(line.waveIn);
    } else {
        return LINEERR_INVALDEVICECLASS;
    }
    return 0;
}

// --- Phone devices -------------------------------------------------------------------

DWORD SimExchange::phoneDeviceCount() const
{
    Lock lock(m_mutex);
    return static_cast<DWORD>(m_phones.size());
}

VersionRange SimExchange::phoneApiVersions(DWORD phoneId) const
{
    Lock lock(m_mutex);
    return validPhone(phoneId) ? lineConfig(m_phones[int(phoneId)].line).apiVersions
                               : VersionRange{};
}

VersionRange SimExchange::phoneExtVersions(DWORD /*phoneId*/) const
{
    return {};
}

PHONEEXTENSIONID SimExchange::phoneExtensionId(DWORD /*phoneId*/) const
{
    return {};
}

PhoneDeviceCaps SimExchange::phoneDevCaps(DWORD phoneId) const
{
    Lock lock(m_mutex);
    PhoneDeviceCaps caps;
    if (!validPhone(phoneId))
        return caps;
    const SimLineConfig& line = lineConfig(m_phones[int(phoneId)].line);
    const SimPhoneConfig& phone = line.phone;
    PHONECAPS& f = caps.fixed;
    f.dwPermanentPhoneID = 0x2000 + phoneId;
    f.dwStringFormat = STRINGFORMAT_ASCII;
    f.dwPhoneStates = PHONESTATE_OTHER | PHONESTATE_DISPLAY | PHONESTATE_LAMP |
                      PHONESTATE_RINGMODE | PHONESTATE_HANDSETHOOKSWITCH |
                      PHONESTATE_SPEAKERHOOKSWITCH | PHONESTATE_HEADSETHOOKSWITCH |
                      PHONESTATE_DEVSPECIFIC | PHONESTATE_REINIT | PHONESTATE_CAPSCHANGE;
    f.dwHookSwitchDevs = phone.hookSwitchDevs;
    const DWORD modes = PHONEHOOKSWITCHMODE_ONHOOK | PHONEHOOKSWITCHMODE_MIC |
                        PHONEHOOKSWITCHMODE_SPEAKER | PHONEHOOKSWITCHMODE_MICSPEAKER;
    f.dwHandsetHookSwitchModes = (phone.hookSwitchDevs & PHONEHOOKSWITCHDEV_HANDSET) ? modes : 0;
    f.dwSpeakerHookSwitchModes = (phone.hookSwitchDevs & PHONEHOOKSWITCHDEV_SPEAKER) ? modes : 0;
    f.dwHeadsetHookSwitchModes = (phone.hookSwitchDevs & PHONEHOOKSWITCHDEV_HEADSET) ? modes : 0;
    f.dwDisplayNumRows = phone.displayRows;
    f.dwDisplayNumColumns = phone.displayColumns;
    f.dwNumRingModes = phone.numRingModes;
    f.dwNumButtonLamps = static_cast<DWORD>(phone.buttonFunctions.size());
    f.dwPhoneFeatures = PHONEFEATURE_GETBUTTONINFO | PHONEFEATURE_GETDISPLAY |
                        PHONEFEATURE_GETLAMP | PHONEFEATURE_GETRING |
                        PHONEFEATURE_GETHOOKSWITCHHANDSET;
    f.dwMonitoredHandsetHookSwitchModes = f.dwHandsetHookSwitchModes;
    f.dwMonitoredSpeakerHookSwitchModes = f.dwSpeakerHookSwitchModes;
    f.dwMonitoredHeadsetHookSwitchModes = f.dwHeadsetHookSwitchModes;
    QVector<DWORD> buttonModes;
    QVector<DWORD> lampModes;
    for (DWORD function : phone.buttonFunctions) {
        buttonModes.append(function == PHONEBUTTONFUNCTION_CALLAPP ? PHONEBUTTONMODE_CALL
                                                                   : PHONEBUTTONMODE_FEATURE);
        lampModes.append(PHONELAMPMODE_OFF | PHONELAMPMODE_STEADY | PHONELAMPMODE_WINK |
                         PHONELAMPMODE_FLASH);
    }
    caps.providerInfo = toTapiText(line.providerInfo);
    caps.phoneInfo = toTapiText(u"Tischtelefon der simulierten Telefonanlage"_s);
    caps.phoneName = toTapiText(phone.name);
    caps.buttonModes = dwords(buttonModes);
    caps.buttonFunctions = dwords(phone.buttonFunctions);
    caps.lampModes = dwords(lampModes);
    caps.deviceClasses = QByteArray("tapi/phone\0\0", 12);
    return caps;
}

QByteArray SimExchange::phoneDisplay(DWORD phoneId) const
{
    Lock lock(m_mutex);
    return validPhone(phoneId) ? toTapiText(m_phones[int(phoneId)].display) : QByteArray();
}

LONG SimExchange::phoneLamp(DWORD phoneId, DWORD lampId, DWORD* lampMode) const
{
    Lock lock(m_mutex);
    if (!validPhone(phoneId))
        return PHONEERR_BADDEVICEID;
    if (lampId >= phoneLampCount(phoneId))
        return PHONEERR_INVALBUTTONLAMPID;
    *lampMode = m_phones[int(phoneId)].lampModes[int(lampId)];
    return 0;
}

LONG SimExchange::phoneButtonInfo(DWORD phoneId, DWORD buttonId, ButtonInfo* info) const
{
    Lock lock(m_mutex);
    if (!validPhone(phoneId))
        return PHONEERR_BADDEVICEID;
    const SimPhoneConfig& phone = lineConfig(m_phones[int(phoneId)].line).phone;
    if (buttonId >= static_cast<DWORD>(phone.buttonFunctions.size()))
        return PHONEERR_INVALBUTTONLAMPID;
    const DWORD function = phone.buttonFunctions[int(buttonId)];
    info->function = function;
    info->mode =
        function == PHONEBUTTONFUNCTION_CALLAPP ? PHONEBUTTONMODE_CALL : PHONEBUTTONMODE_FEATURE;
    info->state = PHONEBUTTONSTATE_UP;
    info->text = toTapiText(buttonText(function));
    return 0;
}

// --- Dialogs --------------------------------------------------------------------------

LONG SimExchange::configDialog(DWORD deviceId, QWidget* owner, DialogRunner& runner)
{
    SimLineConfig line;
    {
        Lock lock(m_mutex);
        if (!validLine(deviceId))
            return LINEERR_BADDEVICEID;
        line = lineConfig(deviceId);
    }
    // The dialog runs without the lock: the exchange keeps working meanwhile.
    SimLineSettingsDialog dialog(line, owner);
    if (runner.run(dialog) != QDialog::Accepted)
        return 0;
    const SimLineConfig edited = dialog.settings();

    Lock lock(m_mutex);
    SimLineConfig& target = m_config.lines[int(deviceId)];
    target.name = edited.name;
    target.addresses = edited.addresses;
    target.acceptToAlert = edited.acceptToAlert;
    target.ringIntervalMs = edited.ringIntervalMs;
    target.waveOut = edited.waveOut;
    target.waveIn = edited.waveIn;
    if (target.ringIntervalMs > 0 && !m_ringTimer.isActive())
        QMetaObject::invokeMethod(&m_ringTimer, qOverload<>(&QTimer::start), Qt::QueuedConnection);
    if (!m_configPath.isEmpty()) {
        QSettings settings(m_configPath, QSettings::IniFormat);
        SimConfig::saveLineSettings(settings, int(deviceId), target);
    }
    if (m_events)
        m_events->lineDevStateChanged(deviceId, LINEDEVSTATE_CAPSCHANGE, 0, 0);
    return 0;
}

} // namespace platform::tapi::sim
