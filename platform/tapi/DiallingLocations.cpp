#include "platform/tapi/DiallingLocations.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace platform::tapi {

namespace {

const QRegularExpression& locationGroupPattern()
{
    static const QRegularExpression pattern(u"^Location([0-9]+)$"_s);
    return pattern;
}

QString groupOf(DWORD id)
{
    return u"Location"_s + QString::number(id);
}

} // namespace

const DiallingLocation* DiallingLocations::find(DWORD id) const
{
    const auto it = std::find_if(locations.begin(), locations.end(),
                                 [id](const DiallingLocation& l) { return l.id == id; });
    return it == locations.end() ? nullptr : &*it;
}

const DiallingLocation* DiallingLocations::current() const
{
    if (const DiallingLocation* location = find(currentId))
        return location;
    return locations.isEmpty() ? nullptr : &locations.first();
}

DWORD DiallingLocations::nextFreeId() const
{
    DWORD highest = 0;
    for (const DiallingLocation& location : locations)
        highest = std::max(highest, location.id);
    return highest + 1;
}

DiallingLocations DiallingLocations::defaults()
{
    DiallingLocations result;
    result.currentId = 1;
    result.locations.append({1, u"Standort 1"_s, u"49"_s, u"30"_s, QString(), QString()});
    return result;
}

DiallingLocations DiallingLocations::load(QSettings& settings)
{
    DiallingLocations result;
    const QStringList groups = settings.childGroups();
    for (const QString& group : groups) {
        const QRegularExpressionMatch match = locationGroupPattern().match(group);
        if (!match.hasMatch())
            continue;
        bool ok = false;
        const DWORD id = match.captured(1).toUInt(&ok);
        if (!ok || id == 0)
            continue;
        settings.beginGroup(group);
        DiallingLocation location;
        location.id = id;
        location.name = settings.value(u"Name"_s).toString();
        location.countryCode = settings.value(u"CountryCode"_s).toString().trimmed();
        location.areaCode = settings.value(u"AreaCode"_s).toString().trimmed();
        location.outsideAccess = settings.value(u"OutsideAccess"_s).toString().trimmed();
        location.longDistanceAccess = settings.value(u"LongDistanceAccess"_s).toString().trimmed();
        settings.endGroup();
        result.locations.append(location);
    }
    if (result.locations.isEmpty())
        return defaults();
    std::sort(result.locations.begin(), result.locations.end(),
              [](const DiallingLocation& a, const DiallingLocation& b) { return a.id < b.id; });
    result.currentId = settings.value(u"Locations/CurrentID"_s).toUInt();
    return result;
}

void DiallingLocations::save(QSettings& settings) const
{
    const QStringList groups = settings.childGroups();
    for (const QString& group : groups) {
        if (locationGroupPattern().match(group).hasMatch())
            settings.remove(group);
    }
    settings.setValue(u"Locations/CurrentID"_s, QString::number(currentId));
    for (const DiallingLocation& location : locations) {
        settings.beginGroup(groupOf(location.id));
        settings.setValue(u"Name"_s, location.name);
        settings.setValue(u"CountryCode"_s, location.countryCode);
        settings.setValue(u"AreaCode"_s, location.areaCode);
        settings.setValue(u"OutsideAccess"_s, location.outsideAccess);
        settings.setValue(u"LongDistanceAccess"_s, location.longDistanceAccess);
        settings.endGroup();
    }
    settings.sync();
}

} // namespace platform::tapi
