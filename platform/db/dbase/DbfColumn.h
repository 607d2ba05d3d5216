#pragma once

#include <QByteArray>
#include <QString>

namespace platform::db::dbase {

// How the bytes of a field are turned into a value. The type letter alone does
// not decide it: 'B' is a double in Visual FoxPro and a memo pointer elsewhere.
enum class DbfValueKind {
    Character, // C: text, trailing blanks dropped
    Numeric,   // N, F: ASCII number
    Date,      // D: YYYYMMDD
    Logical,   // L: T/Y/F/N
    Memo,      // M, G, P, and B outside Visual FoxPro: block number into the memo file
    Integer,   // I: 32-bit little-endian (Visual FoxPro)
    Double,    // B in Visual FoxPro, O: IEEE double, little-endian
    Currency,  // Y: 64-bit little-endian, four implied decimals (Visual FoxPro)
    DateTime,  // T: Julian day and milliseconds, 32 bit each (Visual FoxPro)
    NullFlags, // 0: Visual FoxPro's hidden _NullFlags column
    Unknown,   // any other letter: the raw bytes
};

struct DbfColumn {
    QString name;       // as stored (up to the first NUL), Windows-1252 decoded
    QByteArray rawName; // the same bytes undecoded
    char type = 0;      // the type letter as stored
    int length = 0;
    int decimals = 0;
    int offset = 0; // of the first byte within the record (the deletion flag is at 0)
    DbfValueKind kind = DbfValueKind::Unknown;
    bool system = false; // a hidden system column (Visual FoxPro's _NullFlags)
};

} // namespace platform::db::dbase
