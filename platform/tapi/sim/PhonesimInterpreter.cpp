#include "platform/tapi/sim/PhonesimInterpreter.h"

#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiNames.h"
#include "platform/tapi/sim/PhonesimProtocol.h"
#include "platform/tapi/sim/SimExchange.h"

#include <QHash>
#include <QMap>

#include <functional>

using namespace Qt::StringLiterals;

namespace platform::tapi::sim {

namespace {

using Names = QHash<QString, DWORD>;

const Names& origins()
{
    static const Names names = {
        {u"outbound"_s, LINECALLORIGIN_OUTBOUND}, {u"internal"_s, LINECALLORIGIN_INTERNAL},
        {u"external"_s, LINECALLORIGIN_EXTERNAL}, {u"unknown"_s, LINECALLORIGIN_UNKNOWN},
        {u"unavail"_s, LINECALLORIGIN_UNAVAIL},   {u"conference"_s, LINECALLORIGIN_CONFERENCE},
        {u"inbound"_s, LINECALLORIGIN_INBOUND}};
    return names;
}

const Names& reasons()
{
    static const Names names = {{u"direct"_s, LINECALLREASON_DIRECT},
                                {u"fwdbusy"_s, LINECALLREASON_FWDBUSY},
                                {u"fwdnoanswer"_s, LINECALLREASON_FWDNOANSWER},
                                {u"fwduncond"_s, LINECALLREASON_FWDUNCOND},
                                {u"pickup"_s, LINECALLREASON_PICKUP},
                                {u"unpark"_s, LINECALLREASON_UNPARK},
                                {u"redirect"_s, LINECALLREASON_REDIRECT},
                                {u"callcompletion"_s, LINECALLREASON_CALLCOMPLETION},
                                {u"transfer"_s, LINECALLREASON_TRANSFER},
                                {u"reminder"_s, LINECALLREASON_REMINDER},
                                {u"unknown"_s, LINECALLREASON_UNKNOWN},
                                {u"unavail"_s, LINECALLREASON_UNAVAIL},
                                {u"intrude"_s, LINECALLREASON_INTRUDE},
                                {u"parked"_s, LINECALLREASON_PARKED},
                                {u"campedon"_s, LINECALLREASON_CAMPEDON},
                                {u"routerequest"_s, LINECALLREASON_ROUTEREQUEST}};
    return names;
}

const Names& disconnectModes()
{
    static const Names names = {{u"normal"_s, LINEDISCONNECTMODE_NORMAL},
                                {u"unknown"_s, LINEDISCONNECTMODE_UNKNOWN},
                                {u"reject"_s, LINEDISCONNECTMODE_REJECT},
                                {u"pickup"_s, LINEDISCONNECTMODE_PICKUP},
                                {u"forwarded"_s, LINEDISCONNECTMODE_FORWARDED},
                                {u"busy"_s, LINEDISCONNECTMODE_BUSY},
                                {u"noanswer"_s, LINEDISCONNECTMODE_NOANSWER},
                                {u"badaddress"_s, LINEDISCONNECTMODE_BADADDRESS},
                                {u"unreachable"_s, LINEDISCONNECTMODE_UNREACHABLE},
                                {u"congestion"_s, LINEDISCONNECTMODE_CONGESTION},
                                {u"incompatible"_s, LINEDISCONNECTMODE_INCOMPATIBLE},
                                {u"unavail"_s, LINEDISCONNECTMODE_UNAVAIL},
                                {u"nodialtone"_s, LINEDISCONNECTMODE_NODIALTONE},
                                {u"numberchanged"_s, LINEDISCONNECTMODE_NUMBERCHANGED},
                                {u"outoforder"_s, LINEDISCONNECTMODE_OUTOFORDER},
                                {u"tempfailure"_s, LINEDISCONNECTMODE_TEMPFAILURE},
                                {u"qosunavail"_s, LINEDISCONNECTMODE_QOSUNAVAIL},
                                {u"blocked"_s, LINEDISCONNECTMODE_BLOCKED},
                                {u"donotdisturb"_s, LINEDISCONNECTMODE_DONOTDISTURB},
                                {u"cancelled"_s, LINEDISCONNECTMODE_CANCELLED}};
    return names;
}

const Names& lampModes()
{
    static const Names names = {{u"dummy"_s, PHONELAMPMODE_DUMMY},
                                {u"off"_s, PHONELAMPMODE_OFF},
                                {u"steady"_s, PHONELAMPMODE_STEADY},
                                {u"wink"_s, PHONELAMPMODE_WINK},
                                {u"flash"_s, PHONELAMPMODE_FLASH},
                                {u"flutter"_s, PHONELAMPMODE_FLUTTER},
                                {u"brokenflutter"_s, PHONELAMPMODE_BROKENFLUTTER},
                                {u"unknown"_s, PHONELAMPMODE_UNKNOWN}};
    return names;
}

const Names& hookSwitchDevices()
{
    static const Names names = {{u"handset"_s, PHONEHOOKSWITCHDEV_HANDSET},
                                {u"speaker"_s, PHONEHOOKSWITCHDEV_SPEAKER},
                                {u"headset"_s, PHONEHOOKSWITCHDEV_HEADSET}};
    return names;
}

QString nameOf(const Names& names, DWORD value)
{
    return names.key(value, QString::number(value));
}

QString hookName(DWORD mode)
{
    switch (mode) {
    case 0:
        return u"none"_s;
    case PHONEHOOKSWITCHMODE_ONHOOK:
        return u"on hook"_s;
    default:
        return u"off hook"_s;
    }
}

// The words of a command: positional values and --options.
struct Arguments {
    QStringList values;
    QMap<QString, QString> options;
    QStringList flags;
};

bool parseArguments(const QStringList& words, const QStringList& flagNames,
                    const QStringList& optionNames, Arguments* args, QString* error)
{
    for (int i = 1; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith(u"--")) {
            args->values.append(word);
            continue;
        }
        const QString name = word.mid(2);
        if (flagNames.contains(name)) {
            args->flags.append(name);
        } else if (optionNames.contains(name)) {
            if (i + 1 >= words.size()) {
                *error = u"option %1 needs a value"_s.arg(word);
                return false;
            }
            args->options.insert(name, words[++i]);
        } else {
            *error = u"unknown option %1 for '%2'"_s.arg(word, words[0]);
            return false;
        }
    }
    return true;
}

bool toNumber(const QString& text, DWORD* value)
{
    bool ok = false;
    const qulonglong v = text.startsWith(u"0x"_s, Qt::CaseInsensitive)
                             ? text.mid(2).toULongLong(&ok, 16)
                             : text.toULongLong(&ok, 10);
    if (!ok || v > 0xFFFFFFFFull)
        return false;
    *value = static_cast<DWORD>(v);
    return true;
}

bool named(const Names& names, const QString& text, const QString& what, DWORD* value,
           QString* error)
{
    const QString key = text.toLower();
    if (names.contains(key)) {
        *value = names.value(key);
        return true;
    }
    if (toNumber(text, value))
        return true;
    QStringList known = names.keys();
    known.sort();
    *error = u"unknown %1 '%2' (one of: %3)"_s.arg(what, text, known.join(u", "_s));
    return false;
}

// An option given by name or number; without it the value stays as it is.
bool namedOption(const Arguments& args, const QString& option, const Names& names,
                 const QString& what, DWORD* value, QString* error)
{
    return !args.options.contains(option) ||
           named(names, args.options.value(option), what, value, error);
}

bool numberOption(const Arguments& args, const QString& name, DWORD fallback, DWORD* value,
                  QString* error)
{
    if (!args.options.contains(name)) {
        *value = fallback;
        return true;
    }
    if (toNumber(args.options.value(name), value))
        return true;
    *error = u"--%1 needs a number, not '%2'"_s.arg(name, args.options.value(name));
    return false;
}

QString describe(const SimExchange::CallSnapshot& call)
{
    QString text =
        u"call %1 on line %2: %3"_s.arg(call.id).arg(call.line).arg(callStateName(call.state));
    if (call.outgoing) {
        text += u", outgoing to "_s + (call.calledNumber.isEmpty() ? u"-"_s : call.calledNumber);
    } else {
        text += u", incoming from "_s +
                (call.callerNumber.isEmpty() ? u"(no number)"_s : call.callerNumber);
        if (!call.callerName.isEmpty())
            text += u" \""_s + call.callerName + u'"';
        if (!call.calledNumber.isEmpty())
            text += u" to "_s + call.calledNumber;
    }
    if (!call.connectedNumber.isEmpty())
        text += u", connected "_s + call.connectedNumber;
    if (call.alerting || call.ringCount > 0)
        text += u", rang %1 time(s)"_s.arg(call.ringCount);
    if (!call.digitsSent.isEmpty())
        text += u", digits sent "_s + call.digitsSent;
    if (!call.digitsReceived.isEmpty())
        text += u", digits received "_s + call.digitsReceived;
    if (!call.note.isEmpty())
        text += u", "_s + call.note;
    return text;
}

} // namespace

PhonesimInterpreter::PhonesimInterpreter(SimExchange& exchange) : m_exchange(exchange) {}

bool PhonesimInterpreter::execute(const QStringList& words, QString* output)
{
    output->clear();
    QString error;
    const auto failWith = [&](const QString& message) {
        *output = message;
        return false;
    };
    if (words.isEmpty())
        return failWith(u"no command"_s);
    const QString command = words.first();
    if (!isPhonesimCommand(command))
        return failWith(u"unknown command '%1'"_s.arg(command));

    Arguments args;
    const QStringList flags = {u"blocked"_s, u"keep"_s};
    const QStringList options = {u"line"_s,   u"address"_s,     u"called"_s,      u"origin"_s,
                                 u"reason"_s, u"redirecting"_s, u"redirection"_s, u"charge"_s,
                                 u"call"_s,   u"mode"_s,        u"device"_s,      u"phone"_s};
    if (!parseArguments(words, flags, options, &args, &error))
        return failWith(error);
    const auto needValues = [&](int min, int max) {
        if (args.values.size() >= min && args.values.size() <= max)
            return true;
        error = u"wrong number of arguments for '%1'; see phonesim --help"_s.arg(command);
        return false;
    };

    // The call a command acts on: --call, or the newest call that fits.
    const auto pickCall = [&](const std::function<bool(const SimExchange::CallSnapshot&)>& fits,
                              const QString& what, CallKey* id) {
        if (args.options.contains(u"call"_s)) {
            DWORD value = 0;
            if (!toNumber(args.options.value(u"call"_s), &value)) {
                error = u"--call needs a call ID"_s;
                return false;
            }
            *id = value;
            return true;
        }
        const auto calls = m_exchange.calls();
        for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
            if (fits(*it)) {
                *id = it->id;
                return true;
            }
        }
        error = u"there is no %1"_s.arg(what);
        return false;
    };
    const auto anyCall = [](const SimExchange::CallSnapshot& c) {
        return c.state != LINECALLSTATE_IDLE;
    };
    const auto report = [&](CallKey id) {
        if (const auto call = m_exchange.call(id))
            *output = describe(*call);
        return true;
    };

    if (command == u"ring") {
        if (!needValues(0, 2))
            return failWith(error);
        SimExchange::IncomingCall call;
        call.callerNumber = args.values.value(0);
        call.callerName = args.values.value(1);
        call.callerBlocked = args.flags.contains(u"blocked"_s);
        call.calledNumber = args.options.value(u"called"_s);
        call.redirectingNumber = args.options.value(u"redirecting"_s);
        call.redirectionNumber = args.options.value(u"redirection"_s);
        call.chargingInfo = args.options.value(u"charge"_s);
        DWORD line = 0;
        if (!numberOption(args, u"line"_s, 0, &line, &error) ||
            !numberOption(args, u"address"_s, 0, &call.address, &error) ||
            !namedOption(args, u"origin"_s, origins(), u"origin"_s, &call.origin, &error) ||
            !namedOption(args, u"reason"_s, reasons(), u"reason"_s, &call.reason, &error))
            return failWith(error);
        const CallKey id = m_exchange.offerCall(line, call, &error);
        if (id == 0)
            return failWith(error);
        return report(id);
    }
    if (command == u"ring-again" || command == u"close-line") {
        DWORD line = 0;
        if (!needValues(0, 0) || !numberOption(args, u"line"_s, 0, &line, &error))
            return failWith(error);
        const bool done = command == u"ring-again" ? m_exchange.ringAgain(line, &error)
                                                   : m_exchange.closeLineFromDriver(line, &error);
        if (!done)
            return failWith(error);
        *output = command == u"ring-again" ? u"line %1 rings"_s.arg(line)
                                           : u"line %1 closed by the driver"_s.arg(line);
        return true;
    }
    if (command == u"answer") {
        CallKey id = 0;
        if (!needValues(0, 0) ||
            !pickCall(
                [](const auto& c) {
                    return c.alerting || c.state == LINECALLSTATE_OFFERING ||
                           c.state == LINECALLSTATE_ACCEPTED;
                },
                u"ringing call"_s, &id) ||
            !m_exchange.answerAtPhone(id, &error))
            return failWith(error);
        return report(id);
    }
    if (command == u"connect" || command == u"busy") {
        CallKey id = 0;
        const auto waiting = [](const SimExchange::CallSnapshot& c) {
            return c.outgoing &&
                   (c.state == LINECALLSTATE_DIALING || c.state == LINECALLSTATE_PROCEEDING ||
                    c.state == LINECALLSTATE_RINGBACK);
        };
        if (!needValues(0, 0) || !pickCall(waiting, u"outgoing call waiting for an answer"_s, &id))
            return failWith(error);
        const bool done = command == u"connect"
                              ? m_exchange.farEndAnswers(id, &error)
                              : m_exchange.farEndBusy(id, LINEBUSYMODE_STATION, &error);
        if (!done)
            return failWith(error);
        return report(id);
    }
    if (command == u"hangup") {
        CallKey id = 0;
        DWORD mode = LINEDISCONNECTMODE_NORMAL;
        const auto live = [](const SimExchange::CallSnapshot& c) {
            return c.state != LINECALLSTATE_IDLE && c.state != LINECALLSTATE_DISCONNECTED;
        };
        if (!needValues(0, 0) || !pickCall(live, u"call to hang up"_s, &id) ||
            !namedOption(args, u"mode"_s, disconnectModes(), u"disconnect mode"_s, &mode, &error) ||
            !m_exchange.farEndHangsUp(id, mode, !args.flags.contains(u"keep"_s), &error))
            return failWith(error);
        *output = u"call %1 hung up (%2)"_s.arg(id).arg(nameOf(disconnectModes(), mode));
        return true;
    }
    if (command == u"digits") {
        CallKey id = 0;
        const auto connected = [](const SimExchange::CallSnapshot& c) {
            return c.state == LINECALLSTATE_CONNECTED;
        };
        if (!needValues(1, 1) || !pickCall(connected, u"connected call"_s, &id) ||
            !m_exchange.farEndSendsDigits(id, args.values[0], &error))
            return failWith(error);
        return report(id);
    }
    if (command == u"caller-id" || command == u"connected-id" || command == u"redirecting-id" ||
        command == u"redirection-id" || command == u"charge") {
        CallKey id = 0;
        const int max = command == u"connected-id" || command == u"caller-id" ? 2 : 1;
        if (!needValues(1, max) || !pickCall(anyCall, u"call"_s, &id))
            return failWith(error);
        bool done = false;
        if (command == u"caller-id")
            done = m_exchange.setCallerParty(id, args.values[0], args.values.value(1), &error);
        else if (command == u"connected-id")
            done = m_exchange.setConnectedParty(id, args.values[0], args.values.value(1), &error);
        else if (command == u"redirecting-id")
            done = m_exchange.setRedirectingNumber(id, args.values[0], &error);
        else if (command == u"redirection-id")
            done = m_exchange.setRedirectionNumber(id, args.values[0], &error);
        else
            done = m_exchange.setChargingInfo(id, args.values[0], &error);
        if (!done)
            return failWith(error);
        return report(id);
    }

    // Phone commands.
    DWORD phone = 0;
    if (!numberOption(args, u"phone"_s, 0, &phone, &error))
        return failWith(error);
    if (command == u"lift" || command == u"replace") {
        DWORD device = PHONEHOOKSWITCHDEV_HANDSET;
        if (!needValues(0, 0) ||
            !namedOption(args, u"device"_s, hookSwitchDevices(), u"device"_s, &device, &error))
            return failWith(error);
        const DWORD mode = command == u"lift" ? (device == PHONEHOOKSWITCHDEV_SPEAKER
                                                     ? PHONEHOOKSWITCHMODE_SPEAKER
                                                     : PHONEHOOKSWITCHMODE_MICSPEAKER)
                                              : PHONEHOOKSWITCHMODE_ONHOOK;
        if (!m_exchange.setHookSwitch(phone, device, mode, &error))
            return failWith(error);
        *output = u"phone %1: %2 %3"_s.arg(phone).arg(nameOf(hookSwitchDevices(), device),
                                                      hookName(mode));
        return true;
    }
    if (command == u"display") {
        if (!needValues(1, 1) || !m_exchange.setDisplay(phone, args.values[0], &error))
            return failWith(error);
        *output = u"phone %1 shows \"%2\""_s.arg(phone).arg(args.values[0]);
        return true;
    }
    if (command == u"lamp") {
        DWORD lamp = 0;
        DWORD mode = 0;
        if (!needValues(2, 2))
            return failWith(error);
        if (!toNumber(args.values[0], &lamp))
            return failWith(u"lamp needs a lamp ID, not '%1'"_s.arg(args.values[0]));
        if (!named(lampModes(), args.values[1], u"lamp mode"_s, &mode, &error) ||
            !m_exchange.setLamp(phone, lamp, mode, &error))
            return failWith(error);
        *output = u"phone %1 lamp %2: %3"_s.arg(phone).arg(lamp).arg(nameOf(lampModes(), mode));
        return true;
    }
    if (command == u"ringer" || command == u"button") {
        DWORD value = 0;
        if (!needValues(1, 1))
            return failWith(error);
        if (!toNumber(args.values[0], &value))
            return failWith(u"'%1' needs a number, not '%2'"_s.arg(command, args.values[0]));
        const bool done = command == u"ringer" ? m_exchange.setRingMode(phone, value, &error)
                                               : m_exchange.pressButton(phone, value, &error);
        if (!done)
            return failWith(error);
        *output = command == u"ringer" ? u"phone %1 ring mode %2"_s.arg(phone).arg(value)
                                       : u"phone %1 button %2 pressed"_s.arg(phone).arg(value);
        return true;
    }
    if (command == u"devices") {
        if (!needValues(0, 0))
            return failWith(error);
        QStringList lines;
        for (const auto& line : m_exchange.lines()) {
            QString text = u"line %1: \"%2\", address %3"_s.arg(line.line).arg(line.name).arg(
                line.addresses.join(u", "_s));
            if (line.phone >= 0)
                text += u", phone %1"_s.arg(line.phone);
            if (line.waveOut >= 0)
                text += u", wave out %1"_s.arg(line.waveOut);
            if (line.waveIn >= 0)
                text += u", wave in %1"_s.arg(line.waveIn);
            text += line.openCount > 0 ? u", open"_s : u", closed"_s;
            lines.append(text);
        }
        for (const auto& p : m_exchange.phones()) {
            QStringList lamps;
            for (int i = 0; i < p.lampModes.size(); ++i)
                lamps.append(u"%1 %2"_s.arg(i).arg(nameOf(lampModes(), p.lampModes[i])));
            lines.append(u"phone %1 (line %2): \"%3\", handset %4, ringer %5, display \"%6\", "
                         "lamps %7"_s.arg(p.phoneId)
                             .arg(p.line)
                             .arg(p.name, hookName(p.handset))
                             .arg(p.ringMode)
                             .arg(p.display, lamps.join(u", "_s)));
        }
        *output = lines.join(u'\n');
        return true;
    }
    if (command == u"calls") {
        if (!needValues(0, 0))
            return failWith(error);
        QStringList lines;
        for (const auto& call : m_exchange.calls())
            lines.append(describe(call));
        *output = lines.isEmpty() ? u"no calls"_s : lines.join(u'\n');
        return true;
    }
    return failWith(u"command '%1' is not served"_s.arg(command));
}

} // namespace platform::tapi::sim
