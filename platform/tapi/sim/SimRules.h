#pragma once

// Rules of the simulated exchange shared by its implementation files.

#include "platform/tapi/Codepage1252.h"
#include "platform/tapi/ServiceProvider.h"
#include "platform/tapi/TapiConstants.h"

#include <QDeadlineTimer>
#include <QString>

#include <algorithm>
#include <bit>
#include <mutex>

namespace platform::tapi::sim::rules {

using namespace Qt::StringLiterals;

using Lock = std::lock_guard<std::recursive_mutex>;

inline constexpr DWORD kActiveStates = LINECALLSTATE_DIALTONE | LINECALLSTATE_DIALING |
                                       LINECALLSTATE_PROCEEDING | LINECALLSTATE_RINGBACK |
                                       LINECALLSTATE_BUSY | LINECALLSTATE_CONNECTED;
inline constexpr DWORD kHeldStates = LINECALLSTATE_ONHOLD | LINECALLSTATE_ONHOLDPENDTRANSFER;
inline constexpr DWORD kAlertingStates = LINECALLSTATE_OFFERING | LINECALLSTATE_ACCEPTED;
inline constexpr DWORD kProgressStates =
    LINECALLSTATE_DIALING | LINECALLSTATE_PROCEEDING | LINECALLSTATE_RINGBACK;

inline qint64 nowMs()
{
    return QDeadlineTimer::current().deadline();
}

inline bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

inline bool isSingleFlag(DWORD value)
{
    return std::has_single_bit(value);
}

// An address the exchange can dial: digits, *, #, A-D, dial modifiers and
// formatting characters; a leading + for a canonical number.
inline bool isDialable(const QString& address)
{
    static const QString allowed = u"0123456789*#ABCDabcd!PpTtWw@$?,; -()/."_s;
    QString text = address.trimmed();
    if (text.startsWith(u'+'))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return allowed.contains(c); });
}

inline bool isDtmfDigit(QChar c)
{
    static const QString digits = u"0123456789*#ABCD"_s;
    return digits.contains(c.toUpper());
}

inline CallParty partyData(const QString& number, const QString& name, DWORD flags)
{
    return {toTapiText(number), toTapiText(name), flags};
}

inline DWORD partyFlags(const QString& number, const QString& name)
{
    DWORD flags = 0;
    if (!number.isEmpty())
        flags |= LINECALLPARTYID_ADDRESS;
    if (!name.isEmpty())
        flags |= LINECALLPARTYID_NAME;
    return flags ? flags : LINECALLPARTYID_UNKNOWN;
}

inline QString buttonText(DWORD function)
{
    switch (function) {
    case PHONEBUTTONFUNCTION_CALLAPP:
        return u"Leitung"_s;
    case PHONEBUTTONFUNCTION_HOLD:
        return u"Halten"_s;
    case PHONEBUTTONFUNCTION_TRANSFER:
        return u"Verbinden"_s;
    case PHONEBUTTONFUNCTION_CONFERENCE:
        return u"Konferenz"_s;
    case PHONEBUTTONFUNCTION_DROP:
        return u"Trennen"_s;
    case PHONEBUTTONFUNCTION_LASTNUM:
        return u"Wahlwiederholung"_s;
    case PHONEBUTTONFUNCTION_MUTE:
        return u"Stumm"_s;
    case PHONEBUTTONFUNCTION_SPEAKERON:
        return u"Lautsprecher"_s;
    default:
        return QString();
    }
}

inline QByteArray dwords(const QVector<DWORD>& values)
{
    QByteArray bytes;
    for (DWORD v : values)
        bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
    return bytes;
}

} // namespace platform::tapi::sim::rules
