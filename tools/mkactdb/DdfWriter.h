#pragma once

#include "ActSchema.h"

#include <QByteArray>
#include <QString>

namespace actdbgen {

// Builds ACT!'s field-definition file (.ddf) for the four tables. The file is
// a sequence of zero-terminated runs: a header, a schema marker per table
// ("CONTACT SCHEMA", "ACTIVITY SCHEMA", "GROUP INFO SCHEMA", "SALES SCHEMA", in
// this order), and after each marker one record per described field:
//
//   id lo, id hi, 0 x6           the field number (low byte 8 bytes before the name run)
//   run: len, name, table, 1, ordinal, type
//                                the column name with its length before it; the
//                                last byte of the run is the field type (7 = phone)
//   0                            ends the run
//   0, 0                         reserved
//   n, display name (n bytes)    the name ACT! shows, Windows-1252
//   size                         the field size, 0
//
// Display names must never equal a column name, so that the run holding a
// display name can never be taken for a field's name run.
class DdfWriter {
public:
    static QByteArray build(const QString& databaseName);
    static bool write(const QString& path, const QString& databaseName, QString* error);
};

} // namespace actdbgen
