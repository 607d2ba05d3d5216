#include "platform/tapi/sim/SimExchange.h"

#include "platform/tapi/Codepage1252.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/sim/SimRules.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace platform::tapi::sim {

using namespace rules;

// What the far end, the phone's user and the driver do.

// --- The far end and the phone's user ----------------------------------------

CallKey SimExchange::offerCall(DWORD line, const IncomingCall& incoming, QString* error)
{
    Lock lock(m_mutex);
    purge();
    if (!validLine(line))
        return fail(error, u"no line %1"_s.arg(line)), 0;
    const SimLineConfig& config = lineConfig(line);
    if (incoming.address >= static_cast<DWORD>(config.addresses.size()))
        return fail(error, u"line %1 has no address %2"_s.arg(line).arg(incoming.address)), 0;
    const DWORD media = incoming.mediaMode ? incoming.mediaMode : LINEMEDIAMODE_INTERACTIVEVOICE;
    if (!isSingleFlag(media) || !(media & config.mediaModes))
        return fail(error, u"line %1 does not carry media mode 0x%2"_s.arg(line).arg(media, 0, 16)),
               0;

    Call& call = newCall(line, incoming.address);
    call.outgoing = false;
    call.origin = incoming.origin ? incoming.origin : LINECALLORIGIN_EXTERNAL;
    call.reason = incoming.reason ? incoming.reason : LINECALLREASON_DIRECT;
    call.mediaMode = media;
    if (incoming.callerBlocked) {
        call.caller = {QString(), QString(), LINECALLPARTYID_BLOCKED};
    } else {
        call.caller = {incoming.callerNumber, incoming.callerName,
                       partyFlags(incoming.callerNumber, incoming.callerName)};
    }
    const QString called = incoming.calledNumber.isEmpty() ? config.addresses[int(incoming.address)]
                                                           : incoming.calledNumber;
    call.called = {called, incoming.calledName, partyFlags(called, incoming.calledName)};
    if (!incoming.redirectingNumber.isEmpty())
        call.redirecting = {incoming.redirectingNumber, QString(), LINECALLPARTYID_ADDRESS};
    if (!incoming.redirectionNumber.isEmpty())
        call.redirection = {incoming.redirectionNumber, QString(), LINECALLPARTYID_ADDRESS};
    call.chargingInfo = incoming.chargingInfo;

    // Without accept-to-alert the call rings from the start.
    call.alerting = !config.acceptToAlert;
    const CallKey id = call.id;
    if (m_events)
        m_events->callCreated(id, line, 0);
    setState(call, LINECALLSTATE_OFFERING, LINEOFFERINGMODE_ACTIVE);
    if (Call* offered = findCall(id); offered && offered->alerting)
        ring(*offered);
    return id;
}

bool SimExchange::ringAgain(DWORD line, QString* error)
{
    Lock lock(m_mutex);
    purge();
    if (!validLine(line))
        return fail(error, u"no line %1"_s.arg(line));
    for (auto& [id, call] : m_calls) {
        if (!call.released && call.line == line && call.alerting) {
            ring(call);
            return true;
        }
    }
    return fail(error, u"no call is ringing on line %1"_s.arg(line));
}

bool SimExchange::answerAtPhone(CallKey id, QString* error)
{
    Lock lock(m_mutex);
    Call* call = callForDriving(id, error);
    if (!call)
        return false;
    if (!(call->state & kAlertingStates))
        return fail(error, u"call %1 is not offered"_s.arg(id));
    setState(*call, LINECALLSTATE_CONNECTED, LINECONNECTEDMODE_ACTIVE);
    if (const int phoneId = m_lines[int(call->line)].phone; phoneId >= 0) {
        Phone& phone = m_phones[phoneId];
        if (phone.handset == PHONEHOOKSWITCHMODE_ONHOOK) {
            phone.handset = PHONEHOOKSWITCHMODE_MICSPEAKER;
            if (m_events)
                m_events->phoneStateChanged(DWORD(phoneId), PHONESTATE_HANDSETHOOKSWITCH,
                                            phone.handset);
        }
    }
    return true;
}

bool SimExchange::farEndAnswers(CallKey id, QString* error)
{
    Lock lock(m_mutex);
    Call* call = callForDriving(id, error);
    if (!call)
        return false;
    if (!call->outgoing || !(call->state & kProgressStates))
        return fail(error, u"call %1 is not waiting for an answer"_s.arg(id));
    if (call->connected.number.isEmpty() && !call->called.number.isEmpty())
        call->connected = {call->called.number, QString(), LINECALLPARTYID_ADDRESS};
    setState(*call, LINECALLSTATE_CONNECTED, LINECONNECTEDMODE_ACTIVE);
    return true;
}

bool SimExchange::farEndBusy(CallKey id, DWORD busyMode, QString* error)
{
    Lock lock(m_mutex);
    Call* call = callForDriving(id, error);
    if (!call)
        return false;
    if (!call->outgoing || !(call->state & kProgressStates))
        return fail(error, u"call %1 is not waiting for an answer"_s.arg(id));
    const DWORD mode = busyMode ? busyMode : LINEBUSYMODE_STATION;
    if (!isSingleFlag(mode) || !(mode & lineConfig(call->line).busyModes))
        return fail(error, u"busy mode 0x%1 is not supported"_s.arg(mode, 0, 16));
    setState(*call, LINECALLSTATE_BUSY, mode);
    return true;
}

bool SimExchange::farEndHangsUp(CallKey id, DWORD disconnectMode, bool thenIdle, QString* error)
{
    Lock lock(m_mutex);
    Call* call = callForDriving(id, error);
    if (!call)
        return false;
    if (call->state == LINECALLSTATE_DISCONNECTED)
        return fail(error, u"call %1 is already disconnected"_s.arg(id));
    const DWORD mode = disconnectMode ? disconnectMode : LINEDISCONNECTMODE_NORMAL;
    if (!isSingleFlag(mode) || !(mode & lineConfig(call->line).disconnectModes))
        return fail(error, u"disconnect mode 0x%1 is not supported"_s.arg(mode, 0, 16));
    setState(*call, LINECALLSTATE_DISCONNECTED, mode);
    if (thenIdle) {
        if (Call* still = findCall(id); still && still->state == LINECALLSTATE_DISCONNECTED)
            setState(*still, LINECALLSTATE_IDLE, 0);
    }
    return true;
}

bool SimExchange::farEndSendsDigits(CallKey id, const QString& digits, QString* error)
{
    Lock lock(m_mutex);
    Call* call = callForDriving(id, error);
    if (!call)
        return false;
    if (call->state != LINECALLSTATE_CONNECTED)
        return fail(error, u"call %1 is not connected"_s.arg(id));
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDtmfDigit))
        return fail(error, u"'%1' are no tone digits (0-9, *, #, A-D)"_s.arg(digits));
    for (QChar c : digits) {
        const QChar digit = c.toUpper();
        call->digitsReceived.append(digit);
        if (m_events)
            m_events->digitReceived(id, char(digit.toLatin1()), LINEDIGITMODE_DTMF);
    }
    return true;
}

bool SimExchange::changeCallInfo(CallKey id, DWORD infoStates, QString* error,
                                 const CallEffect& change)
{
    Lock lock(m_mutex);
    Call* call = callForDriving(id, error);
    if (!call)
        return false;
    change(*call);
    callInfoChanged(*call, infoStates);
    return true;
}

bool SimExchange::setCallerParty(CallKey id, const QString& number, const QString& name,
                                 QString* error)
{
    return changeCallInfo(id, LINECALLINFOSTATE_CALLERID, error, [&](Call& call) {
        call.caller = {number, name, partyFlags(number, name)};
    });
}

bool SimExchange::setConnectedParty(CallKey id, const QString& number, const QString& name,
                                    QString* error)
{
    return changeCallInfo(id, LINECALLINFOSTATE_CONNECTEDID, error, [&](Call& call) {
        call.connected = {number, name, partyFlags(number, name)};
    });
}

bool SimExchange::setRedirectingNumber(CallKey id, const QString& number, QString* error)
{
    return changeCallInfo(id, LINECALLINFOSTATE_REDIRECTINGID, error, [&](Call& call) {
        call.redirecting = {number, QString(), partyFlags(number, QString())};
    });
}

bool SimExchange::setRedirectionNumber(CallKey id, const QString& number, QString* error)
{
    return changeCallInfo(id, LINECALLINFOSTATE_REDIRECTIONID, error, [&](Call& call) {
        call.redirection = {number, QString(), partyFlags(number, QString())};
    });
}

bool SimExchange::setChargingInfo(CallKey id, const QString& text, QString* error)
{
    return changeCallInfo(id, LINECALLINFOSTATE_CHARGINGINFO, error,
                          [&](Call& call) { call.chargingInfo = text; });
}

bool SimExchange::closeLineFromDriver(DWORD line, QString* error)
{
    Lock lock(m_mutex);
    purge();
    if (!validLine(line))
        return fail(error, u"no line %1"_s.arg(line));
    if (m_lines[int(line)].openCount == 0)
        return fail(error, u"line %1 is not open"_s.arg(line));
    if (m_events)
        m_events->lineClosedByProvider(line);
    m_lines[int(line)].openCount = 0;
    for (auto& [id, call] : m_calls) {
        if (call.line == line)
            call.released = true;
    }
    purge();
    updatePhoneOfLine(line);
    return true;
}

// --- Phones --------------------------------------------------------------------

bool SimExchange::setHookSwitch(DWORD phoneId, DWORD hookSwitchDev, DWORD mode, QString* error)
{
    Lock lock(m_mutex);
    purge();
    if (!validPhone(phoneId))
        return fail(error, u"no phone %1"_s.arg(phoneId));
    Phone& phone = m_phones[int(phoneId)];
    const SimPhoneConfig& config = lineConfig(phone.line).phone;
    DWORD* current = nullptr;
    DWORD state = 0;
    switch (hookSwitchDev) {
    case PHONEHOOKSWITCHDEV_HANDSET:
        current = &phone.handset;
        state = PHONESTATE_HANDSETHOOKSWITCH;
        break;
    case PHONEHOOKSWITCHDEV_SPEAKER:
        current = &phone.speaker;
        state = PHONESTATE_SPEAKERHOOKSWITCH;
        break;
    case PHONEHOOKSWITCHDEV_HEADSET:
        current = &phone.headset;
        state = PHONESTATE_HEADSETHOOKSWITCH;
        break;
    default:
        break;
    }
    if (!current || !(config.hookSwitchDevs & hookSwitchDev))
        return fail(error,
                    u"phone %1 has no hookswitch device %2"_s.arg(phoneId).arg(hookSwitchDev));
    const DWORD modes = PHONEHOOKSWITCHMODE_ONHOOK | PHONEHOOKSWITCHMODE_MIC |
                        PHONEHOOKSWITCHMODE_SPEAKER | PHONEHOOKSWITCHMODE_MICSPEAKER;
    if (!isSingleFlag(mode) || !(mode & modes))
        return fail(error, u"hookswitch mode %1 is not valid"_s.arg(mode));
    if (*current == mode)
        return true;
    const auto anyOffHook = [&phone] {
        return phone.handset > PHONEHOOKSWITCHMODE_ONHOOK ||
               phone.speaker > PHONEHOOKSWITCHMODE_ONHOOK ||
               phone.headset > PHONEHOOKSWITCHMODE_ONHOOK;
    };
    const bool wasOffHook = anyOffHook();
    *current = mode;
    const bool offHook = anyOffHook();
    if (m_events)
        m_events->phoneStateChanged(phoneId, state, mode);

    // The handset works the line: lifting it answers, the last one down hangs up.
    const DWORD line = phone.line;
    if (offHook && !wasOffHook) {
        for (auto& [id, call] : m_calls) {
            if (!call.released && call.line == line && call.alerting) {
                setState(call, LINECALLSTATE_CONNECTED, LINECONNECTEDMODE_ACTIVE);
                break;
            }
        }
    } else if (!offHook && wasOffHook) {
        for (auto& [id, call] : m_calls) {
            if (!call.released && call.line == line &&
                (call.state & (kActiveStates | LINECALLSTATE_DISCONNECTED))) {
                call.note = u"hung up at the phone"_s;
                setState(call, LINECALLSTATE_IDLE, 0);
                break;
            }
        }
    }
    return true;
}

bool SimExchange::setDisplay(DWORD phoneId, const QString& text, QString* error)
{
    Lock lock(m_mutex);
    if (!validPhone(phoneId))
        return fail(error, u"no phone %1"_s.arg(phoneId));
    Phone& phone = m_phones[int(phoneId)];
    const SimPhoneConfig& config = lineConfig(phone.line).phone;
    phone.display = text.left(int(config.displayRows * config.displayColumns));
    if (m_events)
        m_events->phoneStateChanged(phoneId, PHONESTATE_DISPLAY, 0);
    return true;
}

bool SimExchange::setLamp(DWORD phoneId, DWORD lamp, DWORD lampMode, QString* error)
{
    Lock lock(m_mutex);
    if (!validPhone(phoneId))
        return fail(error, u"no phone %1"_s.arg(phoneId));
    if (lamp >= phoneLampCount(phoneId))
        return fail(error, u"phone %1 has no lamp %2"_s.arg(phoneId).arg(lamp));
    if (!isSingleFlag(lampMode) || lampMode > PHONELAMPMODE_UNKNOWN)
        return fail(error, u"lamp mode %1 is not valid"_s.arg(lampMode));
    setPhoneLamp(m_phones[int(phoneId)], phoneId, lamp, lampMode);
    return true;
}

bool SimExchange::setRingMode(DWORD phoneId, DWORD ringMode, QString* error)
{
    Lock lock(m_mutex);
    if (!validPhone(phoneId))
        return fail(error, u"no phone %1"_s.arg(phoneId));
    Phone& phone = m_phones[int(phoneId)];
    if (ringMode >= lineConfig(phone.line).phone.numRingModes)
        return fail(error, u"phone %1 has no ring mode %2"_s.arg(phoneId).arg(ringMode));
    phone.autoRinging = false;
    setPhoneRingMode(phone, phoneId, ringMode);
    return true;
}

bool SimExchange::pressButton(DWORD phoneId, DWORD button, QString* error)
{
    Lock lock(m_mutex);
    if (!validPhone(phoneId))
        return fail(error, u"no phone %1"_s.arg(phoneId));
    const SimPhoneConfig& config = lineConfig(m_phones[int(phoneId)].line).phone;
    if (button >= static_cast<DWORD>(config.buttonFunctions.size()))
        return fail(error, u"phone %1 has no button %2"_s.arg(phoneId).arg(button));
    const DWORD mode = config.buttonFunctions[int(button)] == PHONEBUTTONFUNCTION_CALLAPP
                           ? PHONEBUTTONMODE_CALL
                           : PHONEBUTTONMODE_FEATURE;
    if (m_events) {
        m_events->phoneButtonChanged(phoneId, button, mode, PHONEBUTTONSTATE_DOWN);
        m_events->phoneButtonChanged(phoneId, button, mode, PHONEBUTTONSTATE_UP);
    }
    return true;
}

DWORD SimExchange::phoneLampCount(DWORD phoneId) const
{
    return static_cast<DWORD>(m_phones[int(phoneId)].lampModes.size());
}

void SimExchange::setPhoneRingMode(Phone& phone, DWORD phoneId, DWORD mode)
{
    if (phone.ringMode == mode)
        return;
    phone.ringMode = mode;
    if (m_events)
        m_events->phoneStateChanged(phoneId, PHONESTATE_RINGMODE, mode);
}

void SimExchange::setPhoneLamp(Phone& phone, DWORD phoneId, DWORD lamp, DWORD mode)
{
    if (phone.lampModes[int(lamp)] == mode)
        return;
    phone.lampModes[int(lamp)] = mode;
    if (m_events)
        m_events->phoneStateChanged(phoneId, PHONESTATE_LAMP, lamp);
}

void SimExchange::updatePhoneOfLine(DWORD line)
{
    const int phoneId = m_lines[int(line)].phone;
    if (phoneId < 0)
        return;
    Phone& phone = m_phones[phoneId];
    bool alerting = false;
    bool busy = false;
    for (const auto& [id, call] : m_calls) {
        if (call.released || call.line != line || call.state == LINECALLSTATE_IDLE)
            continue;
        alerting = alerting || call.alerting;
        busy = true;
    }
    // The ringer follows alerting calls unless the user set a ring mode himself.
    if (alerting && phone.ringMode == 0) {
        phone.autoRinging = true;
        setPhoneRingMode(phone, DWORD(phoneId), 1);
    } else if (!alerting && phone.autoRinging) {
        phone.autoRinging = false;
        setPhoneRingMode(phone, DWORD(phoneId), 0);
    }
    const DWORD lamp =
        alerting ? PHONELAMPMODE_FLASH : (busy ? PHONELAMPMODE_STEADY : PHONELAMPMODE_OFF);
    setPhoneLamp(phone, DWORD(phoneId), 0, lamp);
}

} // namespace platform::tapi::sim
