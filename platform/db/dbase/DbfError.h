#pragma once

#include <QString>

namespace platform::db::dbase {

// Error numbers of the reader. They follow the numbers the Jet engine gives for
// the same conditions, so the database engine can pass them on unchanged.
enum class DbfErrorCode : int {
    None = 0,
    ReadError = 3043,          // the file could not be read (I/O error, file shrank)
    Corrupt = 3049,            // a dBASE file whose structure is damaged or truncated
    CannotOpen = 3051,         // the file exists but cannot be opened (rights, not a file)
    FileNotFound = 3024,       // no file at the path
    UnrecognizedFormat = 3343, // not a dBASE/FoxPro table, or a kind this reader does not read
};

struct DbfError {
    int number = 0;
    QString description;

    bool isError() const { return number != 0; }
    DbfErrorCode code() const { return static_cast<DbfErrorCode>(number); }

    static DbfError make(DbfErrorCode code, const QString& description)
    {
        return {static_cast<int>(code), description};
    }
};

} // namespace platform::db::dbase
