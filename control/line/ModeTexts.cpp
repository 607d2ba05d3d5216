#include "control/line/ModeTexts.h"

#include "platform/tapi/TapiConstants.h"

#include <QHash>

using namespace Qt::StringLiterals;
using namespace platform::tapi;

namespace {

using Table = QHash<DWORD, QString>;

const Table& table(ModeKind kind)
{
    static const Table offering = {
        {LINEOFFERINGMODE_ACTIVE, u"ACTIVE"_s},
        {LINEOFFERINGMODE_INACTIVE, u"INACTIVE"_s},
    };
    static const Table dialtone = {
        {LINEDIALTONEMODE_NORMAL, u"NORMAL"_s},     {LINEDIALTONEMODE_SPECIAL, u"SPECIAL"_s},
        {LINEDIALTONEMODE_INTERNAL, u"INTERNAL"_s}, {LINEDIALTONEMODE_EXTERNAL, u"EXTERNAL"_s},
        {LINEDIALTONEMODE_UNKNOWN, u"UNKNOWN"_s},   {LINEDIALTONEMODE_UNAVAIL, u"UNAVAIL"_s},
    };
    static const Table busy = {
        {LINEBUSYMODE_STATION, u"STATION"_s},
        {LINEBUSYMODE_TRUNK, u"TRUNK"_s},
        {LINEBUSYMODE_UNKNOWN, u"UNKNOWN"_s},
        {LINEBUSYMODE_UNAVAIL, u"UNAVAIL"_s},
    };
    static const Table special = {
        {LINESPECIALINFO_NOCIRCUIT, u"NOCIRCUIT"_s}, {LINESPECIALINFO_CUSTIRREG, u"CUSTIRREG"_s},
        {LINESPECIALINFO_REORDER, u"REORDER"_s},     {LINESPECIALINFO_UNKNOWN, u"UNKNOWN"_s},
        {LINESPECIALINFO_UNAVAIL, u"UNAVAIL"_s},
    };
    static const Table connected = {
        {LINECONNECTEDMODE_ACTIVE, u"ACTIVE"_s},
        {LINECONNECTEDMODE_INACTIVE, u"INACTIVE"_s},
        {LINECONNECTEDMODE_ACTIVEHELD, u"ACTIVEHELD"_s},
        {LINECONNECTEDMODE_INACTIVEHELD, u"INACTIVEHELD"_s},
        {LINECONNECTEDMODE_CONFIRMED, u"CONFIRMED"_s},
    };
    static const Table disconnect = {
        {LINEDISCONNECTMODE_NORMAL, u"NORMAL "_s},
        {LINEDISCONNECTMODE_UNKNOWN, u"UNKNOWN"_s},
        {LINEDISCONNECTMODE_REJECT, u"REJECT"_s},
        {LINEDISCONNECTMODE_PICKUP, u"PICKUP"_s},
        {LINEDISCONNECTMODE_FORWARDED, u"FORWARDED"_s},
        {LINEDISCONNECTMODE_BUSY, u"BUSY"_s},
        {LINEDISCONNECTMODE_NOANSWER, u"NOANSWER"_s},
        {LINEDISCONNECTMODE_BADADDRESS, u"BADADRESS"_s},
        {LINEDISCONNECTMODE_UNREACHABLE, u"UNRECHABLE"_s},
        {LINEDISCONNECTMODE_CONGESTION, u"CONGESTION"_s},
        {LINEDISCONNECTMODE_INCOMPATIBLE, u"INCOMPATIBLE"_s},
        {LINEDISCONNECTMODE_UNAVAIL, u"UNAVAIL"_s},
        {LINEDISCONNECTMODE_NODIALTONE, u"NODIALTONE"_s},
        {LINEDISCONNECTMODE_NUMBERCHANGED, u"NUMBERCHANGED"_s},
        {LINEDISCONNECTMODE_OUTOFORDER, u"OUTOFORDER"_s},
        {LINEDISCONNECTMODE_TEMPFAILURE, u"TEMPFAILURE"_s},
        {LINEDISCONNECTMODE_QOSUNAVAIL, u"QOSUNAVAIL"_s},
        {LINEDISCONNECTMODE_BLOCKED, u"BLOCKED"_s},
        {LINEDISCONNECTMODE_DONOTDISTURB, u"DONOTDISTURB"_s},
        {LINEDISCONNECTMODE_CANCELLED, u"CANCELLED"_s},
    };
    static const Table reason = {
        {LINECALLREASON_DIRECT, u"DIRECT"_s},
        {LINECALLREASON_FWDBUSY, u"FWDBUSY"_s},
        {LINECALLREASON_FWDNOANSWER, u"FWDNOANSWER"_s},
        {LINECALLREASON_FWDUNCOND, u"FWDUNCOND"_s},
        {LINECALLREASON_PICKUP, u"PICKUP"_s},
        {LINECALLREASON_UNPARK, u"UNPARK"_s},
        {LINECALLREASON_REDIRECT, u"REDIRECT"_s},
        {LINECALLREASON_CALLCOMPLETION, u"CALLCOMPLETION"_s},
        {LINECALLREASON_TRANSFER, u"TRANSFER"_s},
        {LINECALLREASON_REMINDER, u"REMINDER"_s},
        {LINECALLREASON_UNKNOWN, u"UNKNOWN"_s},
        {LINECALLREASON_UNAVAIL, u"UNAVAIL"_s},
        {LINECALLREASON_INTRUDE, u"INTRUDE"_s},
        {LINECALLREASON_PARKED, u"PARKED"_s},
        {LINECALLREASON_CAMPEDON, u"CAMPEDON"_s},
        {LINECALLREASON_ROUTEREQUEST, u"ROUTEREQUEST"_s},
    };
    static const Table origin = {
        {LINECALLORIGIN_OUTBOUND, u"OUTBOUND"_s}, {LINECALLORIGIN_INTERNAL, u"INTERNAL"_s},
        {LINECALLORIGIN_EXTERNAL, u"EXTERNAL"_s}, {LINECALLORIGIN_UNKNOWN, u"UNKNOWN"_s},
        {LINECALLORIGIN_UNAVAIL, u"UNAVAIL"_s},   {LINECALLORIGIN_CONFERENCE, u"CONFERENCE"_s},
        {LINECALLORIGIN_INBOUND, u"INBOUND"_s},
    };
    switch (kind) {
    case ModeKind::Offering:
        return offering;
    case ModeKind::Dialtone:
        return dialtone;
    case ModeKind::Busy:
        return busy;
    case ModeKind::SpecialInfo:
        return special;
    case ModeKind::Connected:
        return connected;
    case ModeKind::Disconnect:
        return disconnect;
    case ModeKind::Reason:
        return reason;
    case ModeKind::Origin:
        return origin;
    }
    return offering;
}

} // namespace

QString modeText(ModeKind kind, DWORD value)
{
    const bool emptyIfUnknown =
        kind == ModeKind::SpecialInfo || kind == ModeKind::Reason || kind == ModeKind::Origin;
    return table(kind).value(value, emptyIfUnknown ? QString() : u"not_supported"_s);
}
