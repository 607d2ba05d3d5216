#pragma once

#include "platform/db/dbase/DbfColumn.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct sqlite3_context;

namespace platform::db::foxpro {

// The column type a dBASE column is declared with, so that the engine maps it
// to its field type: VARCHAR(n) text, NUMERIC (Double), DATE, LOGICAL
// (Boolean), MEMO, INTEGER, DOUBLE, CURRENCY, DATETIME, BINARY(n).
QString declaredSqlType(const dbase::DbfColumn& column);

// The text of a character field as UTF-8 in out; false (out untouched) when
// the field is blank, which reads as null. Windows-1252 is converted without
// going through QString: a search reads millions of these.
bool dbfTextToUtf8(QByteArrayView field, QByteArray& out);

// Sets the SQLite value of one field: text for C (null when blank), numbers
// for N, F, I, B, O, Y, dates as "yyyy-MM-dd", date-times as
// "yyyy-MM-dd HH:mm:ss", logicals as -1 / 0 (the engine's true and false),
// memo fields as their block number, anything else as its bytes. scratch is
// reused between calls.
void resultDbfField(sqlite3_context* context, const dbase::DbfColumn& column, QByteArrayView field,
                    QByteArray& scratch);

} // namespace platform::db::foxpro
