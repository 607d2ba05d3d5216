#pragma once

#include "platform/tapi/TapiTypes.h"

#include <QString>
#include <QVector>

class QSettings;

namespace platform::tapi {

// One dialling location: where the user dials from.
struct DiallingLocation {
    DWORD id = 0;
    QString name;
    QString countryCode;        // digits, e.g. "49"
    QString areaCode;           // digits without the trunk prefix, e.g. "30"
    QString outsideAccess;      // digits for an outside line, e.g. "0" behind a PBX
    QString longDistanceAccess; // for long-distance calls; empty: as outsideAccess

    bool operator==(const DiallingLocation&) const = default;
};

// The dialling locations and the current one, stored in the service's
// configuration as
//     [Locations]  CurrentID=<id>
//     [Location<id>]  Name, CountryCode, AreaCode, OutsideAccess, LongDistanceAccess
// which programs may also read directly.
struct DiallingLocations {
    DWORD currentId = 0;
    QVector<DiallingLocation> locations;

    // The current location; the first one when CurrentID names none; nullptr
    // when there are no locations.
    const DiallingLocation* current() const;
    const DiallingLocation* find(DWORD id) const;
    // An ID no location has yet.
    DWORD nextFreeId() const;

    // The locations used where none are configured.
    static DiallingLocations defaults();
    // Reads the locations; defaults() when the settings hold none.
    static DiallingLocations load(QSettings& settings);
    // Replaces the stored locations (removing those that are gone).
    void save(QSettings& settings) const;

    bool operator==(const DiallingLocations&) const = default;
};

} // namespace platform::tapi
