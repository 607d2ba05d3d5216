#pragma once

#include "DbfWriter.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace actdbgen {

// The field kinds ACT!'s field-definition file names. Phone is what Fonkel
// looks for; the others only have to differ from it.
enum class ActFieldType : int {
    Text = 1,
    Date = 2,
    Number = 3,
    YesNo = 4,
    Email = 6,
    Phone = 7,
};

// One field of an ACT! table: its dBASE column and what the field-definition
// file says about it.
struct ActField {
    DbfFieldSpec column;
    int actId = 0; // ACT! field number; for USRnnnn columns it is nnnn
    ActFieldType actType = ActFieldType::Text;
    QString actName;       // the name ACT! shows
    bool described = true; // false: an internal column the definitions leave out
};

// The tables of an ACT! database, each in table order. Only the contact and
// group tables are written; the activity and sales fields appear in the
// field-definition file, as in a real database.
const QList<ActField>& contactFields();
const QList<ActField>& groupFields();
const QList<ActField>& activityFields();
const QList<ActField>& salesFields();

QList<DbfFieldSpec> columnsOf(const QList<ActField>& fields);
// Index of a column in a field list, -1 when there is none.
int columnIndex(const QList<ActField>& fields, const QByteArray& column);

} // namespace actdbgen
