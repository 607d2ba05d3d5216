#include "NummernSchema.h"

using namespace platform::db;

namespace NummernSchema {

namespace {

// Jet's longest text field; no caller number or name comes near it.
constexpr int kText = 255;

} // namespace

TableDef laender()
{
    return {QStringLiteral("Laender"),
            {{QStringLiteral("Vorwahl"), FieldType::Text, 10},
             {QStringLiteral("Land"), FieldType::Text, kText}},
            {{QStringLiteral("Vorwahl"), false, true, false, false, {QStringLiteral("Vorwahl")}}},
            {}};
}

TableDef vorwahlen(const QString& land)
{
    return {land,
            {{QStringLiteral("Vorwahl"), FieldType::Text, 10},
             {QStringLiteral("Ort"), FieldType::Text, kText}},
            {{QStringLiteral("Vorwahl"), false, true, false, false, {QStringLiteral("Vorwahl")}}},
            {}};
}

TableDef liste()
{
    return {QStringLiteral("Liste"),
            {{QStringLiteral("Nummer"), FieldType::Text, kText},
             {QStringLiteral("Name"), FieldType::Text, kText},
             {QStringLiteral("Ort"), FieldType::Text, kText}},
            {{QStringLiteral("Nummer"), false, false, false, false, {QStringLiteral("Nummer")}}},
            {}};
}

TableDef anrufspeicher()
{
    return {QStringLiteral("Anrufspeicher"),
            {{QStringLiteral("Nummer"), FieldType::Text, kText},
             {QStringLiteral("Datum"), FieldType::Date},
             {QStringLiteral("Ort"), FieldType::Text, kText},
             {QStringLiteral("Kontakt"), FieldType::Text, kText},
             {QStringLiteral("UniqueID"), FieldType::Text, kText},
             {QStringLiteral("Icon"), FieldType::Long}},
            {{QStringLiteral("Datum"), false, false, false, false, {QStringLiteral("Datum")}}},
            {}};
}

bool isUserTable(const QString& table)
{
    return table.compare(QStringLiteral("Liste"), Qt::CaseInsensitive) == 0 ||
           table.compare(QStringLiteral("Anrufspeicher"), Qt::CaseInsensitive) == 0;
}

} // namespace NummernSchema
