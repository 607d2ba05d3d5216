#pragma once

#include "platform/db/TableDef.h"

#include <QString>

// The tables of Nummern.mdb.
namespace NummernSchema {

// Country calling codes: Vorwahl (digits, e.g. "43"), Land (the name, which
// is also the name of the country's area-code table).
platform::db::TableDef laender();
// One country's area codes: Vorwahl (with the leading "0"), Ort.
platform::db::TableDef vorwahlen(const QString& land);
// The free number list: Nummer, Name, Ort.
platform::db::TableDef liste();
// The stored caller list: Nummer, Datum, Ort, Kontakt, UniqueID, Icon.
platform::db::TableDef anrufspeicher();

// Tables that hold what the user entered; a newer shipped version never
// replaces them.
bool isUserTable(const QString& table);

} // namespace NummernSchema
