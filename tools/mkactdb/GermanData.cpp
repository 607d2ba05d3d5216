#include "GermanData.h"

#include <cstring>

namespace actdbgen {

namespace {

// Weights follow the population roughly; Kleinmachnow stands for the many
// places with five-digit area codes.
const City kCities[] = {
    {"Berlin", "030", "Berlin", "49", 10115, 14199, 60},
    {"Hamburg", "040", "Hamburg", "49", 20095, 22769, 30},
    {"München", "089", "Bayern", "49", 80331, 81929, 25},
    {"Köln", "0221", "Nordrhein-Westfalen", "49", 50667, 51149, 18},
    {"Frankfurt am Main", "069", "Hessen", "49", 60306, 60599, 13},
    {"Stuttgart", "0711", "Baden-Württemberg", "49", 70173, 70629, 11},
    {"Düsseldorf", "0211", "Nordrhein-Westfalen", "49", 40210, 40629, 10},
    {"Leipzig", "0341", "Sachsen", "49", 4103, 4357, 10},
    {"Dortmund", "0231", "Nordrhein-Westfalen", "49", 44135, 44388, 10},
    {"Essen", "0201", "Nordrhein-Westfalen", "49", 45127, 45359, 10},
    {"Bremen", "0421", "Bremen", "49", 28195, 28779, 10},
    {"Dresden", "0351", "Sachsen", "49", 1067, 1328, 9},
    {"Hannover", "0511", "Niedersachsen", "49", 30159, 30669, 9},
    {"Nürnberg", "0911", "Bayern", "49", 90402, 90491, 9},
    {"Duisburg", "0203", "Nordrhein-Westfalen", "49", 47051, 47279, 8},
    {"Bochum", "0234", "Nordrhein-Westfalen", "49", 44787, 44894, 6},
    {"Wuppertal", "0202", "Nordrhein-Westfalen", "49", 42103, 42399, 6},
    {"Bielefeld", "0521", "Nordrhein-Westfalen", "49", 33602, 33739, 6},
    {"Bonn", "0228", "Nordrhein-Westfalen", "49", 53111, 53229, 6},
    {"Münster", "0251", "Nordrhein-Westfalen", "49", 48143, 48167, 5},
    {"Karlsruhe", "0721", "Baden-Württemberg", "49", 76131, 76229, 5},
    {"Mannheim", "0621", "Baden-Württemberg", "49", 68159, 68309, 5},
    {"Augsburg", "0821", "Bayern", "49", 86150, 86199, 5},
    {"Wiesbaden", "0611", "Hessen", "49", 65183, 65207, 5},
    {"Aachen", "0241", "Nordrhein-Westfalen", "49", 52062, 52080, 4},
    {"Kiel", "0431", "Schleswig-Holstein", "49", 24103, 24159, 4},
    {"Freiburg im Breisgau", "0761", "Baden-Württemberg", "49", 79098, 79117, 4},
    {"Halle (Saale)", "0345", "Sachsen-Anhalt", "49", 6108, 6132, 4},
    {"Magdeburg", "0391", "Sachsen-Anhalt", "49", 39104, 39130, 4},
    {"Lübeck", "0451", "Schleswig-Holstein", "49", 23552, 23570, 4},
    {"Erfurt", "0361", "Thüringen", "49", 99084, 99099, 4},
    {"Rostock", "0381", "Mecklenburg-Vorpommern", "49", 18055, 18147, 4},
    {"Mainz", "06131", "Rheinland-Pfalz", "49", 55116, 55131, 4},
    {"Kassel", "0561", "Hessen", "49", 34117, 34134, 4},
    {"Saarbrücken", "0681", "Saarland", "49", 66111, 66133, 3},
    {"Potsdam", "0331", "Brandenburg", "49", 14467, 14482, 3},
    {"Oldenburg", "0441", "Niedersachsen", "49", 26121, 26135, 3},
    {"Osnabrück", "0541", "Niedersachsen", "49", 49074, 49090, 3},
    {"Heidelberg", "06221", "Baden-Württemberg", "49", 69115, 69126, 3},
    {"Darmstadt", "06151", "Hessen", "49", 64283, 64297, 3},
    {"Regensburg", "0941", "Bayern", "49", 93047, 93059, 3},
    {"Würzburg", "0931", "Bayern", "49", 97070, 97084, 3},
    {"Göttingen", "0551", "Niedersachsen", "49", 37073, 37085, 2},
    {"Ulm", "0731", "Baden-Württemberg", "49", 89073, 89081, 2},
    {"Kleinmachnow", "033203", "Brandenburg", "49", 14532, 14532, 1},
    {"Wien", "01", "Wien", "43", 1010, 1230, 6},
    {"Salzburg", "0662", "Salzburg", "43", 5020, 5020, 3},
    {"Graz", "0316", "Steiermark", "43", 8010, 8063, 2},
    {"Linz", "0732", "Oberösterreich", "43", 4020, 4040, 2},
    {"Innsbruck", "0512", "Tirol", "43", 6020, 6020, 1},
};

const char* const kMaleFirstNames[] = {
    "Peter",      "Michael",    "Thomas",    "Andreas",   "Wolfgang", "Klaus",  "Jürgen",
    "Stefan",     "Christian",  "Uwe",       "Werner",    "Hans",     "Frank",  "Bernd",
    "Matthias",   "Dieter",     "Jörg",      "Günther",   "Helmut",   "Markus", "Ralf",
    "Horst",      "Rainer",     "Manfred",   "Sven",      "Björn",    "Tobias", "Jan",
    "Lukas",      "Florian",    "Sebastian", "Alexander", "Dirk",     "Holger", "Torsten",
    "Karl-Heinz", "Hans-Peter", "Günter",    "Jens",      "Oliver",
};

const char* const kFemaleFirstNames[] = {
    "Ursula", "Monika",  "Petra",     "Sabine",  "Renate",   "Helga",      "Karin", "Brigitte",
    "Ingrid", "Andrea",  "Gabriele",  "Claudia", "Susanne",  "Birgit",     "Heike", "Christine",
    "Anja",   "Katrin",  "Jutta",     "Nicole",  "Stefanie", "Julia",      "Anna",  "Sarah",
    "Gisela", "Bärbel",  "Hannelore", "Doris",   "Elke",     "Marlene",    "Jana",  "Lena",
    "Sophie", "Martina", "Kerstin",   "Silke",   "Tanja",    "Anne-Marie", "Käthe", "Dörte",
};

const char* const kSurnames[] = {
    "Müller",     "Schmidt",  "Schneider", "Fischer", "Weber",   "Meyer",      "Wagner",
    "Becker",     "Schulz",   "Hoffmann",  "Schäfer", "Koch",    "Bauer",      "Richter",
    "Klein",      "Wolf",     "Schröder",  "Neumann", "Schwarz", "Zimmermann", "Braun",
    "Krüger",     "Hofmann",  "Hartmann",  "Lange",   "Schmitt", "Werner",     "Schmitz",
    "Krause",     "Meier",    "Lehmann",   "Schmid",  "Schulze", "Maier",      "Köhler",
    "Herrmann",   "König",    "Walter",    "Mayer",   "Huber",   "Kaiser",     "Fuchs",
    "Peters",     "Lang",     "Scholz",    "Möller",  "Weiß",    "Jung",       "Hahn",
    "Schubert",   "Vogel",    "Friedrich", "Keller",  "Günther", "Frank",      "Berger",
    "Winkler",    "Roth",     "Beck",      "Lorenz",  "Baumann", "Franke",     "Albrecht",
    "Schuster",   "Simon",    "Ludwig",    "Böhm",    "Winter",  "Kraus",      "Martin",
    "Schumacher", "Krämer",   "Vogt",      "Stein",   "Jäger",   "Otto",       "Sommer",
    "Groß",       "Seidel",   "Heinrich",  "Brandt",  "Haas",    "Schreiber",  "Graf",
    "Schulte",    "Dietrich", "Ziegler",   "Kuhn",    "Kühn",    "Pohl",       "Engel",
    "Horn",       "Busch",    "Bergmann",  "Thomas",  "Voigt",   "Sauer",      "Arnold",
    "Wolff",      "Pfeiffer", "Strauß",    "Gößmann", "Dürr",    "Nußbaum",    "O'Brien",
};

const char* const kStreets[] = {
    "Hauptstraße",     "Schulstraße",   "Gartenstraße",
    "Bahnhofstraße",   "Dorfstraße",    "Bergstraße",
    "Birkenweg",       "Lindenstraße",  "Kirchstraße",
    "Waldstraße",      "Ringstraße",    "Schillerstraße",
    "Goethestraße",    "Jahnstraße",    "Wiesenweg",
    "Am Markt",        "Mühlenweg",     "Friedrich-Ebert-Straße",
    "Beethovenstraße", "Rosenweg",      "Industriestraße",
    "Gewerbepark",     "Kantstraße",    "Königsallee",
    "Marktplatz",      "Am Sportplatz", "Poststraße",
    "Uhlandstraße",    "Feldstraße",    "Mozartstraße",
    "Rathausplatz",    "Talstraße",     "Wilhelmstraße",
    "Parkstraße",      "Brückenstraße", "Kaiserstraße",
    "Ahornweg",        "Tulpenweg",     "Im Winkel",
    "An der Mühle",
};

const char* const kCompanyTrades[] = {
    "Elektrotechnik",   "Metallbau",      "Sanitär",      "Steuerberatung", "Immobilien",
    "Logistik",         "Maschinenbau",   "Druckerei",    "Autohaus",       "Bäckerei",
    "Gebäudereinigung", "Versicherungen", "IT-Service",   "Spedition",      "Holzbau",
    "Dachdeckerei",     "Malerbetrieb",   "Fliesen",      "Optik",          "Getränkehandel",
    "Software",         "Kältetechnik",   "Werbeagentur", "Tischlerei",     "Reisebüro",
};

const char* const kCompanyForms[] = {
    "GmbH", "GmbH & Co. KG", "AG", "KG", "OHG", "e.K.", "GbR", "mbH",
};

const char* const kCompanyWords[] = {
    "Nordlicht", "Alpenblick", "Rheinwerk", "Elbtal",    "Spreetec",   "Isartal",
    "Mainhafen", "Weserland",  "Taunus",    "Harzer",    "Bodensee",   "Schwarzwald",
    "Ostsee",    "Hanse",      "Saalfeld",  "Moselgold", "Neckarwerk", "Donautec",
};

const char* const kJobTitles[] = {
    "Geschäftsführer",    "Geschäftsführerin", "Einkaufsleiter",
    "Einkäuferin",        "Vertriebsleiter",   "Sachbearbeiterin",
    "Prokurist",          "Buchhalterin",      "Assistentin der Geschäftsleitung",
    "Technischer Leiter", "Projektleiter",     "Inhaber",
    "Inhaberin",          "Bürokauffrau",      "Werkstattmeister",
    "Personalreferentin",
};

const char* const kDepartments[] = {
    "Einkauf",   "Vertrieb",     "Buchhaltung", "Geschäftsleitung", "Technik", "Personal",
    "Marketing", "Kundendienst", "Lager",       "Verwaltung",
};

const char* const kIndustries[] = {
    "Handwerk",    "Handel",           "Dienstleistung",      "Industrie",
    "Gastronomie", "Gesundheitswesen", "Öffentlicher Dienst", "Bauwesen",
    "Verkehr",     "Medien",
};

const char* const kGroupKinds[] = {
    "Kunden",     "Lieferanten",   "Interessenten", "Partner",
    "Newsletter", "Messekontakte", "Presse",        "Händler",
};

const char* const kMobileDe[] = {
    "0151", "0152", "0157", "0160", "0162", "0170", "0171", "0172",
    "0173", "0174", "0175", "0176", "0177", "0178", "0179",
};

const char* const kMobileAt[] = {"0664", "0676", "0699", "0650"};

} // namespace

std::span<const City> GermanData::cities()
{
    return kCities;
}
std::span<const char* const> GermanData::maleFirstNames()
{
    return kMaleFirstNames;
}
std::span<const char* const> GermanData::femaleFirstNames()
{
    return kFemaleFirstNames;
}
std::span<const char* const> GermanData::surnames()
{
    return kSurnames;
}
std::span<const char* const> GermanData::streets()
{
    return kStreets;
}
std::span<const char* const> GermanData::companyTrades()
{
    return kCompanyTrades;
}
std::span<const char* const> GermanData::companyForms()
{
    return kCompanyForms;
}
std::span<const char* const> GermanData::companyWords()
{
    return kCompanyWords;
}
std::span<const char* const> GermanData::jobTitles()
{
    return kJobTitles;
}
std::span<const char* const> GermanData::departments()
{
    return kDepartments;
}
std::span<const char* const> GermanData::industries()
{
    return kIndustries;
}
std::span<const char* const> GermanData::groupKinds()
{
    return kGroupKinds;
}

std::span<const char* const> GermanData::mobilePrefixes(const char* country)
{
    if (std::strcmp(country, "43") == 0)
        return kMobileAt;
    return kMobileDe;
}

} // namespace actdbgen
