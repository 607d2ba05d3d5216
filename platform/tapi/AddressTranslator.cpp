#include "platform/tapi/AddressTranslator.h"

#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace platform::tapi {

namespace {

// Keeps the characters a dialler understands: digits, *, #, A-D and the dial
// modifiers ! P T W @ $ ? , ; drops formatting (blanks, dashes, slashes,
// dots). Parentheses belong around the area code only.
bool keepDialable(const QString& text, QString* out, bool* badCharacter)
{
    static const QString dialable = u"0123456789*#ABCDabcd!PpTtWw@$?,;"_s;
    static const QString formatting = u" -/."_s;
    out->clear();
    for (QChar c : text) {
        if (dialable.contains(c))
            out->append(c);
        else if (!formatting.contains(c)) {
            *badCharacter = true;
            return false;
        }
    }
    return true;
}

DWORD modifierResults(const QString& dialable)
{
    DWORD results = 0;
    if (dialable.contains(u'$'))
        results |= LINETRANSLATERESULT_DIALBILLING;
    if (dialable.contains(u'@'))
        results |= LINETRANSLATERESULT_DIALQUIET;
    if (dialable.contains(u'W') || dialable.contains(u'w'))
        results |= LINETRANSLATERESULT_DIALDIALTONE;
    if (dialable.contains(u'?'))
        results |= LINETRANSLATERESULT_DIALPROMPT;
    return results;
}

} // namespace

AddressTranslator::AddressTranslator(DiallingLocation location) : m_location(std::move(location)) {}

QString AddressTranslator::trunkPrefix(const QString& countryCode)
{
    if (countryCode == u"1")
        return u"1"_s;
    if (countryCode == u"7")
        return u"8"_s;
    // Countries whose area codes are dialled without a trunk prefix.
    static const QStringList none = {u"30"_s,  u"34"_s,  u"39"_s,  u"45"_s,  u"47"_s,  u"351"_s,
                                     u"352"_s, u"354"_s, u"356"_s, u"357"_s, u"371"_s, u"376"_s,
                                     u"377"_s, u"378"_s, u"420"_s, u"421"_s};
    return none.contains(countryCode) ? QString() : u"0"_s;
}

QString AddressTranslator::internationalPrefix(const QString& countryCode)
{
    return countryCode == u"1" ? u"011"_s : u"00"_s;
}

TranslatedAddress AddressTranslator::translate(const QString& address, DWORD options) const
{
    TranslatedAddress out;
    out.currentCountry = m_location.countryCode.toUInt();

    if ((options & LINETRANSLATEOPTION_FORCELOCAL) && (options & LINETRANSLATEOPTION_FORCELD)) {
        out.result = LINEERR_INVALPARAM;
        return out;
    }
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty()) {
        out.result = LINEERR_INVALADDRESS;
        return out;
    }
    if (!trimmed.startsWith(u'+')) {
        out.dialable = trimmed;
        out.displayable = trimmed;
        out.translateResults = modifierResults(trimmed);
        return out;
    }

    // Canonical: split off the name and the subaddress first.
    QString body = trimmed.mid(1);
    if (const qsizetype caret = body.indexOf(u'^'); caret >= 0)
        body.truncate(caret);
    QString subaddress;
    if (const qsizetype bar = body.indexOf(u'|'); bar >= 0) {
        subaddress = body.mid(bar);
        body.truncate(bar);
    }
    static const QRegularExpression canonical(
        u"^\\s*([0-9]+)\\s+(?:\\(\\s*([0-9]*)\\s*\\)\\s*)?(.+)$"_s);
    const QRegularExpressionMatch match = canonical.match(body);
    if (!match.hasMatch()) {
        out.result = LINEERR_INVALADDRESS;
        return out;
    }
    const QString country = match.captured(1);
    const QString area = match.captured(2);
    QString subscriber;
    bool bad = false;
    if (!keepDialable(match.captured(3), &subscriber, &bad) || subscriber.isEmpty()) {
        out.result = LINEERR_INVALADDRESS;
        return out;
    }
    out.destCountry = country.toUInt();

    const bool sameCountry = country == m_location.countryCode;
    const bool sameArea = area.isEmpty() || area == m_location.areaCode;
    bool local = sameCountry && sameArea;
    if (sameCountry && (options & LINETRANSLATEOPTION_FORCELOCAL))
        local = true;
    if (sameCountry && (options & LINETRANSLATEOPTION_FORCELD))
        local = false;

    const QString longDistanceAccess = m_location.longDistanceAccess.isEmpty()
                                           ? m_location.outsideAccess
                                           : m_location.longDistanceAccess;
    QString dialable;
    if (local) {
        dialable = m_location.outsideAccess + subscriber;
        out.translateResults = LINETRANSLATERESULT_LOCAL;
    } else if (sameCountry) {
        dialable = longDistanceAccess + trunkPrefix(country) + area + subscriber;
        out.translateResults = LINETRANSLATERESULT_LONGDISTANCE;
    } else {
        dialable = longDistanceAccess + internationalPrefix(m_location.countryCode) + country +
                   area + subscriber;
        out.translateResults = LINETRANSLATERESULT_INTERNATIONAL;
    }
    dialable += subaddress;
    out.translateResults |= LINETRANSLATERESULT_CANONICAL | modifierResults(dialable);
    out.dialable = dialable;
    out.displayable = dialable;
    return out;
}

} // namespace platform::tapi
