#include "ActSchema.h"

namespace actdbgen {

namespace {

ActField field(const char* column, char type, int length, int decimals, int actId,
               ActFieldType actType, const char* actName)
{
    return {{QByteArray(column), type, length, decimals},
            actId,
            actType,
            QString::fromUtf8(actName),
            true};
}

ActField text(const char* column, int length, int actId, const char* actName)
{
    return field(column, 'C', length, 0, actId, ActFieldType::Text, actName);
}

ActField phone(const char* column, int actId, const char* actName)
{
    return field(column, 'C', 25, 0, actId, ActFieldType::Phone, actName);
}

ActField date(const char* column, int actId, const char* actName)
{
    return field(column, 'D', 8, 0, actId, ActFieldType::Date, actName);
}

ActField internal(const char* column, int length)
{
    ActField f = text(column, length, 0, "");
    f.described = false;
    return f;
}

} // namespace

const QList<ActField>& contactFields()
{
    static const QList<ActField> fields = {
        text("UNIQUE_ID", 12, 1, "Eindeutige ID"),
        text("COMPANY", 40, 2, "Firma"),
        text("NAME", 40, 3, "Kontakt"),
        text("SALUTATION", 20, 4, "Anrede"),
        text("TITLE", 40, 5, "Position"),
        text("DEPARTMENT", 30, 6, "Abteilung"),
        phone("PHONE", 7, "Telefon"),
        phone("FAX", 8, "Fax"),
        phone("MOBILE", 9, "Mobiltelefon"),
        phone("HOME_PHONE", 10, "Telefon privat"),
        phone("ALT_PHONE", 11, "Telefon alternativ"),
        text("ADDRESS1", 40, 12, "Adresse 1"),
        text("ZIP", 10, 13, "PLZ"),
        text("CITY", 30, 14, "Ort"),
        text("STATE", 25, 15, "Bundesland"),
        text("COUNTRY", 20, 16, "Land"),
        field("EMAIL", 'C', 50, 0, 17, ActFieldType::Email, "E-Mail-Adresse"),
        date("CREATED", 18, "Erstellt am"),
        date("EDITED", 19, "Geändert am"),
        internal("OWNER", 12),
        phone("USR0001", 1, "Telefon Zentrale"),
        text("USR0002", 30, 2, "Branche"),
        field("USR0003", 'N', 12, 2, 3, ActFieldType::Number, "Umsatz"),
        field("USR0004", 'L', 1, 0, 4, ActFieldType::YesNo, "Newsletter"),
        phone("USR0005", 5, "Telefon Assistenz"),
    };
    return fields;
}

const QList<ActField>& groupFields()
{
    static const QList<ActField> fields = {
        text("UNIQUE_ID", 12, 1, "Eindeutige ID"),
        text("GROUPNAME", 40, 2, "Gruppenname"),
        text("DESCRIPT", 60, 3, "Beschreibung"),
        date("CREATED", 4, "Erstellt am"),
        field("MEMBERS", 'N', 6, 0, 5, ActFieldType::Number, "Mitglieder"),
        text("USR0001", 30, 1, "Region"),
    };
    return fields;
}

const QList<ActField>& activityFields()
{
    static const QList<ActField> fields = {
        text("ACTTYPE", 10, 1, "Aktivitätsart"),
        text("REGARDING", 60, 2, "Betreff"),
        date("ACTDATE", 3, "Datum"),
        text("ACTTIME", 5, 4, "Uhrzeit"),
        text("DURATION", 5, 5, "Dauer"),
        text("PRIORITY", 8, 6, "Priorität"),
        text("CONTACTID", 12, 7, "Kontakt-ID"),
    };
    return fields;
}

const QList<ActField>& salesFields()
{
    static const QList<ActField> fields = {
        text("SALESTAGE", 20, 1, "Verkaufsphase"),
        field("AMOUNT", 'N', 12, 2, 2, ActFieldType::Number, "Betrag"),
        field("PROBABLTY", 'N', 3, 0, 3, ActFieldType::Number, "Wahrscheinlichkeit"),
        date("CLOSEDATE", 4, "Abschlussdatum"),
        text("PRODUCT", 40, 5, "Produkt"),
    };
    return fields;
}

QList<DbfFieldSpec> columnsOf(const QList<ActField>& fields)
{
    QList<DbfFieldSpec> columns;
    for (const ActField& f : fields)
        columns.append(f.column);
    return columns;
}

int columnIndex(const QList<ActField>& fields, const QByteArray& column)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields[i].column.name == column)
            return i;
    }
    return -1;
}

} // namespace actdbgen
