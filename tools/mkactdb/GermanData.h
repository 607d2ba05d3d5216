#pragma once

#include <QString>

#include <span>

namespace actdbgen {

// A place with its real area code (national form, with the leading zero) and
// postcode range, so that numbers and addresses of a contact agree.
struct City {
    const char* name;     // UTF-8
    const char* areaCode; // national form: "030", "0662"
    const char* state;    // UTF-8
    const char* country;  // "49" or "43"
    int zipLow;
    int zipHigh;
    int weight; // how often contacts live there
};

struct GermanData {
    static std::span<const City> cities();
    static std::span<const char* const> maleFirstNames();
    static std::span<const char* const> femaleFirstNames();
    static std::span<const char* const> surnames();
    static std::span<const char* const> streets();
    static std::span<const char* const> companyTrades(); // "Elektrotechnik", "Bäckerei" ...
    static std::span<const char* const> companyForms();  // "GmbH", "AG" ...
    static std::span<const char* const> companyWords();  // invented firm names
    static std::span<const char* const> jobTitles();
    static std::span<const char* const> departments();
    static std::span<const char* const> industries();
    static std::span<const char* const> groupKinds();
    static std::span<const char* const> mobilePrefixes(const char* country);
};

} // namespace actdbgen
