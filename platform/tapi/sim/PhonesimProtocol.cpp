#include "platform/tapi/sim/PhonesimProtocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace platform::tapi::sim {

QString phonesimSocketPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           u"/lintaro-phonesim"_s;
}

const QVector<PhonesimCommandInfo>& phonesimCommands()
{
    static const QVector<PhonesimCommandInfo> commands = {
        {u"ring"_s,
         u"[NUMBER [NAME]] [--line N] [--address N] [--called NUMBER] [--origin ORIGIN] "
         "[--reason REASON] [--redirecting NUMBER] [--redirection NUMBER] [--charge TEXT] "
         "[--blocked]"_s,
         u"a call arrives: caller number and name, the number called, where it comes from and "
         "why"_s},
        {u"ring-again"_s, u"[--line N]"_s, u"the ringing call rings once more"_s},
        {u"answer"_s, u"[--call ID]"_s, u"the user picks up the ringing call at the phone"_s},
        {u"connect"_s, u"[--call ID]"_s, u"the called party answers an outgoing call"_s},
        {u"busy"_s, u"[--call ID]"_s, u"the called party is busy"_s},
        {u"hangup"_s, u"[--call ID] [--mode MODE] [--keep]"_s,
         u"the other party hangs up (mode normal, busy, noanswer, reject, unreachable, ...; "
         "--keep leaves the call disconnected instead of idle)"_s},
        {u"digits"_s, u"DIGITS [--call ID]"_s,
         u"the other party sends tone digits (0-9 * # A-D)"_s},
        {u"caller-id"_s, u"NUMBER [NAME] [--call ID]"_s,
         u"reports the caller's number and name (again)"_s},
        {u"connected-id"_s, u"NUMBER [NAME] [--call ID]"_s, u"reports the connected number"_s},
        {u"redirecting-id"_s, u"NUMBER [--call ID]"_s,
         u"reports the number the call was redirected from"_s},
        {u"redirection-id"_s, u"NUMBER [--call ID]"_s,
         u"reports the number the call was redirected to"_s},
        {u"charge"_s, u"TEXT [--call ID]"_s, u"reports charging information"_s},
        {u"close-line"_s, u"[--line N]"_s, u"the driver closes the line"_s},
        {u"lift"_s, u"[--device handset|speaker|headset] [--phone N]"_s,
         u"lifts the handset (answers a ringing call)"_s},
        {u"replace"_s, u"[--device handset|speaker|headset] [--phone N]"_s,
         u"puts the handset down (ends the call)"_s},
        {u"display"_s, u"TEXT [--phone N]"_s, u"sets the phone's display"_s},
        {u"lamp"_s, u"ID off|steady|wink|flash|flutter|brokenflutter [--phone N]"_s,
         u"sets a lamp of the phone"_s},
        {u"ringer"_s, u"MODE [--phone N]"_s, u"sets the phone's ring mode (0 = silent)"_s},
        {u"button"_s, u"ID [--phone N]"_s, u"presses a button of the phone"_s},
        {u"devices"_s, QString(), u"lists the line and phone devices"_s},
        {u"calls"_s, QString(), u"lists the calls"_s},
    };
    return commands;
}

bool isPhonesimCommand(const QString& name)
{
    const auto& commands = phonesimCommands();
    return std::any_of(commands.begin(), commands.end(),
                       [&](const PhonesimCommandInfo& c) { return c.name == name; });
}

QString phonesimHelp()
{
    QString text = u"Usage: phonesim COMMAND [ARGUMENTS]\n\n"
                   "Drives the simulated telephone exchange of a running program (Fonkel or any\n"
                   "program hosting the Lintaro telephony service) over the socket\n"_s +
                   phonesimSocketPath() +
                   u"\n\nA call ID is shown by 'ring' and 'calls'; without --call the newest "
                   "call that fits is taken.\nLines and phones count from 0.\n\nCommands:\n"_s;
    for (const PhonesimCommandInfo& command : phonesimCommands()) {
        text += u"  "_s + command.name;
        if (!command.usage.isEmpty())
            text += u' ' + command.usage;
        text += u"\n      "_s + command.description + u'\n';
    }
    text += u"\nExample: phonesim ring 0301234567 \"Max Mustermann\"\n"_s;
    return text;
}

QByteArray encodePhonesimRequest(const QStringList& words)
{
    return QJsonDocument(QJsonArray::fromStringList(words)).toJson(QJsonDocument::Compact) + '\n';
}

bool decodePhonesimRequest(const QByteArray& line, QStringList* words)
{
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed());
    if (!document.isArray())
        return false;
    words->clear();
    for (const QJsonValue& value : document.array()) {
        if (!value.isString())
            return false;
        words->append(value.toString());
    }
    return !words->isEmpty();
}

QByteArray encodePhonesimReply(bool ok, const QString& text)
{
    const QJsonObject reply{{u"ok"_s, ok}, {u"text"_s, text}};
    return QJsonDocument(reply).toJson(QJsonDocument::Compact) + '\n';
}

bool decodePhonesimReply(const QByteArray& line, bool* ok, QString* text)
{
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed());
    if (!document.isObject())
        return false;
    const QJsonObject reply = document.object();
    if (!reply.value(u"ok"_s).isBool())
        return false;
    *ok = reply.value(u"ok"_s).toBool();
    *text = reply.value(u"text"_s).toString();
    return true;
}

} // namespace platform::tapi::sim
