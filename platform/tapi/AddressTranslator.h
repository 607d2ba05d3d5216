#pragma once

#include "platform/tapi/DiallingLocations.h"
#include "platform/tapi/TapiTypes.h"

#include <QString>

namespace platform::tapi {

// The outcome of translating one address for dialling.
struct TranslatedAddress {
    LONG result = 0; // 0 or a LINEERR_ code
    QString dialable;
    QString displayable;
    DWORD currentCountry = 0;
    DWORD destCountry = 0;
    DWORD translateResults = 0; // LINETRANSLATERESULT_ flags
};

// Turns addresses into dialable strings for a dialling location.
//
// A canonical address is "+" country code, blank, optional "(" area code ")"
// and blank, subscriber number, optionally "|" subaddress and "^" name. It is
// dialled as
//   local (same country and area):  outside access + subscriber
//   long distance (same country):   access + trunk prefix + area + subscriber
//   international:                  access + international prefix + country + area + subscriber
// where access is the long-distance access code, or the outside access code
// when that is empty. Formatting characters in the subscriber number are
// dropped, the name is not dialled. Any other address is dialled unchanged.
class AddressTranslator {
public:
    explicit AddressTranslator(DiallingLocation location);

    // options: LINETRANSLATEOPTION_ flags (FORCELOCAL, FORCELD).
    TranslatedAddress translate(const QString& address, DWORD options = 0) const;

    // The prefix for calls within a country ("0" in most, "1" in North America).
    static QString trunkPrefix(const QString& countryCode);
    // The prefix for calls abroad ("00" in most, "011" in North America).
    static QString internationalPrefix(const QString& countryCode);

private:
    DiallingLocation m_location;
};

} // namespace platform::tapi
