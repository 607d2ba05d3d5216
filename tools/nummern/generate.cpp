// nummern-generate: writes the shipped text of the local number database
// (countries and area codes) from libphonenumber's offline geocoder and ICU.
//
//   nummern-generate OUTDIR [--regions DE,AT,CH]
//
// Writes OUTDIR/laender.tsv (Vorwahl, Land) and OUTDIR/vorwahlen.tsv
// (Land, Vorwahl, Ort). The output depends only on the library versions, so
// running it twice gives the same bytes.
#include <phonenumbers/geocoding/phonenumber_offline_geocoder.h>
#include <phonenumbers/phonenumber.pb.h>
#include <phonenumbers/phonenumberutil.h>
#include <unicode/locid.h>
#include <unicode/uversion.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberOfflineGeocoder;
using i18n::phonenumbers::PhoneNumberUtil;

// Area codes are at most five digits behind the trunk prefix (German 033203).
constexpr int kMaxPrefixDigits = 5;

const icu::Locale& german()
{
    static const icu::Locale locale("de");
    return locale;
}

std::string germanRegionName(const std::string& region)
{
    icu::UnicodeString name;
    icu::Locale("", region.c_str()).getDisplayCountry(german(), name);
    std::string utf8;
    name.toUTF8String(utf8);
    return utf8;
}

struct Country {
    int callingCode = 0;
    std::string name;
};

// One row per calling code; a code that several regions share is named after
// its main region (+1 United States, +7 Russia, +44 United Kingdom).
std::vector<Country> countries(const PhoneNumberUtil& util)
{
    std::set<int> codes;
    util.GetSupportedCallingCodes(&codes);
    std::vector<Country> result;
    for (int code : codes) {
        std::string region;
        util.GetRegionCodeForCountryCode(code, &region);
        // Non-geographic codes (+800, +882 ...) belong to region "001", "Welt".
        result.push_back({code, germanRegionName(region)});
    }
    return result;
}

struct AreaCode {
    std::string prefix; // digits behind the trunk prefix
    std::string place;
};

class AreaCodeEnumerator {
public:
    AreaCodeEnumerator(const PhoneNumberOfflineGeocoder& geocoder, int callingCode,
                       std::string countryName)
        : m_geocoder(geocoder), m_callingCode(callingCode), m_countryName(std::move(countryName))
    {
    }

    // The prefixes whose place differs from the place of the prefix one digit
    // shorter: the entries of the geocoder's own table. A prefix that has no
    // place of its own but whose described children all name the same place
    // (Vienna is listed as 12 ... 19) becomes one area code (Vienna 1).
    std::vector<AreaCode> run()
    {
        std::vector<AreaCode> result;
        for (char digit = '0'; digit <= '9'; ++digit)
            collect(std::string(1, digit), std::string(), result);
        std::sort(result.begin(), result.end(),
                  [](const AreaCode& a, const AreaCode& b) { return a.prefix < b.prefix; });
        return result;
    }

private:
    std::string describe(const std::string& prefix) const
    {
        PhoneNumber number;
        number.set_country_code(m_callingCode);
        number.set_national_number(std::stoull(prefix));
        if (prefix[0] == '0')
            number.set_italian_leading_zero(true);
        std::string place = m_geocoder.GetDescriptionForValidNumber(number, german());
        // Without a place of its own the geocoder answers with the country.
        if (place == m_countryName)
            place.clear();
        return place;
    }

    // Adds the area codes under prefix to out; parentPlace is what the
    // geocoder says for the prefix one digit shorter.
    void collect(const std::string& prefix, const std::string& parentPlace,
                 std::vector<AreaCode>& out)
    {
        const std::string place = describe(prefix);
        const bool own = !place.empty() && place != parentPlace;
        std::vector<AreaCode> below;
        if (static_cast<int>(prefix.size()) < kMaxPrefixDigits) {
            for (char digit = '0'; digit <= '9'; ++digit)
                collect(prefix + digit, place, below);
        }
        if (own) {
            out.push_back({prefix, place});
        } else if (place.empty() && below.size() >= 2 && sharePlace(below, prefix.size() + 1)) {
            out.push_back({prefix, below.front().place});
            return;
        }
        out.insert(out.end(), below.begin(), below.end());
    }

    static bool sharePlace(const std::vector<AreaCode>& codes, std::size_t length)
    {
        return std::all_of(codes.begin(), codes.end(), [&](const AreaCode& code) {
            return code.prefix.size() == length && code.place == codes.front().place;
        });
    }

    const PhoneNumberOfflineGeocoder& m_geocoder;
    int m_callingCode;
    std::string m_countryName;
};

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) {
        if (!part.empty())
            parts.push_back(part);
    }
    return parts;
}

std::string header(const std::string& columns)
{
    return std::string("# Generated by tools/nummern (nummern-generate) from libphonenumber ") +
           NUMMERN_PHONENUMBER_VERSION + " and ICU " + U_ICU_VERSION + "; do not edit.\n# " +
           columns + "\n";
}

int usage()
{
    std::cerr << "usage: nummern-generate OUTDIR [--regions DE,AT,CH]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string outDir = argv[1];
    std::string regionList = "DE,AT,CH";
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--regions" && i + 1 < argc)
            regionList = argv[++i];
        else
            return usage();
    }

    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    const PhoneNumberOfflineGeocoder geocoder;

    const std::vector<Country> allCountries = countries(util);
    std::ofstream laender(outDir + "/laender.tsv", std::ios::binary);
    if (!laender) {
        std::cerr << "nummern-generate: cannot write " << outDir << "/laender.tsv\n";
        return 1;
    }
    laender << header("Vorwahl\tLand");
    for (const Country& country : allCountries)
        laender << country.callingCode << '\t' << country.name << '\n';

    std::ofstream vorwahlen(outDir + "/vorwahlen.tsv", std::ios::binary);
    if (!vorwahlen) {
        std::cerr << "nummern-generate: cannot write " << outDir << "/vorwahlen.tsv\n";
        return 1;
    }
    vorwahlen << header("Land\tVorwahl\tOrt");
    for (const std::string& region : split(regionList, ',')) {
        const int code = util.GetCountryCodeForRegion(region);
        if (code == 0) {
            std::cerr << "nummern-generate: unknown region " << region << '\n';
            return 1;
        }
        std::string mainRegion;
        util.GetRegionCodeForCountryCode(code, &mainRegion);
        if (mainRegion != region) {
            std::cerr << "nummern-generate: " << region << " shares +" << code << " with "
                      << mainRegion << "; its table would be named after " << mainRegion << '\n';
            return 1;
        }
        std::string trunk;
        util.GetNddPrefixForRegion(region, true, &trunk);
        if (trunk != "0") {
            // The place search puts a "0" in front of every number.
            std::cerr << "nummern-generate: " << region << " has the trunk prefix \"" << trunk
                      << "\", not \"0\"\n";
            return 1;
        }
        const std::string country = germanRegionName(region);
        const std::vector<AreaCode> codes = AreaCodeEnumerator(geocoder, code, country).run();
        for (const AreaCode& areaCode : codes)
            vorwahlen << country << '\t' << trunk << areaCode.prefix << '\t' << areaCode.place
                      << '\n';
        std::cerr << region << " (" << country << "): " << codes.size() << " area codes\n";
    }
    return 0;
}
