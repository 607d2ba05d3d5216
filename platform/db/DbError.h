#pragma once

#include <QString>

#include <exception>

struct sqlite3;

namespace platform::db {

// Error numbers of the engine. They keep the numbers the Jet engine used, so
// that code comparing them (3078: missing table or query) reads as before.
namespace errc {
constexpr int InvalidArgument = 3001;
constexpr int InvalidOperation = 3219;
constexpr int NoFields = 3264;
constexpr int NoCurrentRecord = 3021;
constexpr int UpdateWithoutAddNew = 3020;
constexpr int DuplicateValue = 3022;
constexpr int FileNotFound = 3024;
constexpr int DiskFull = 3026;
constexpr int ReadOnly = 3027;
constexpr int TableExists = 3010;
constexpr int InvalidPath = 3044;
constexpr int CorruptDatabase = 3049;
constexpr int CannotOpenFile = 3051;
constexpr int TooFewParameters = 3061;
constexpr int SyntaxInExpression = 3075;
constexpr int TableNotFound = 3078;
constexpr int SyntaxInFrom = 3131;
constexpr int CharactersAfterEnd = 3142;
constexpr int FieldTooSmall = 3163;
constexpr int IsamNotFound = 3170;
constexpr int DatabaseExists = 3204;
constexpr int Locked = 3218;
constexpr int NotSupported = 3251;
constexpr int ItemNotFound = 3265;
constexpr int FieldRequired = 3314;
constexpr int ZeroLengthNotAllowed = 3315;
constexpr int UnrecognizedFormat = 3343;
constexpr int ObjectClosed = 3420;
constexpr int ConversionError = 3421;
constexpr int EngineError = 3000;
} // namespace errc

// Every failure of the engine: a number and a German description (the texts
// reach the user inside the program's own messages).
class DbError : public std::exception {
public:
    DbError(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The error for a failed SQLite call on db (rc is the result code).
    // context names the object involved (a file, a statement) where useful.
    static DbError fromSqlite(sqlite3* db, int rc, const QString& context = QString());

    // The error message a connect backend's SQLite callbacks (a virtual
    // table's xBestIndex, xFilter ...) set, so that the statement fails with
    // the backend's own number and description: fromSqlite reads it back.
    static QString backendMessage(int number, const QString& description);

    // Builders for the errors raised by the engine itself.
    static DbError tableNotFound(const QString& name);
    static DbError itemNotFound(const QString& name);
    static DbError noCurrentRecord();
    static DbError objectClosed();
    static DbError conversion(const QString& field, const QString& value);

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace platform::db
