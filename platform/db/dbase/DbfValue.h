#pragma once

#include "DbfColumn.h"

#include <QByteArrayView>
#include <QVariant>

namespace platform::db::dbase {

// Turns the stored bytes of one field (exactly column.length bytes) into a
// value. Which fields are null:
//   C      all blanks (or NULs): null, as the Jet xBase driver reads them, so an
//          empty phone field never matches a search; otherwise QString with the
//          trailing blanks dropped (leading blanks stay)
//   N, F   blank, or text that is no number (a dBASE overflow "****"): null;
//          otherwise qlonglong when the field has no decimals and the text is a
//          whole number, else double
//   D      blank, "00000000" or no valid date: null; otherwise QDate
//   L      T/t/Y/y true, F/f/N/n false, anything else (blank, '?') null
//   memo   blank or block 0: null; otherwise the block number as qlonglong
//   I      qlonglong; B (Visual FoxPro), O: double; Y: double (four decimals);
//          never null (Visual FoxPro's _NullFlags are not applied)
//   T      Julian day 0 or blank: null; otherwise QDateTime (local time spec)
//   0, unknown types: the raw bytes as QByteArray
QVariant decodeDbfValue(const DbfColumn& column, QByteArrayView field);

// The field's text: the bytes before its first NUL, without trailing blanks
// (the padding of C fields, which some writers fill with NULs).
QByteArrayView trimmedDbfText(QByteArrayView field);

} // namespace platform::db::dbase
