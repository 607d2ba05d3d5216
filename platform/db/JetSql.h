#pragma once

#include <QString>

namespace platform::db {

// The one place where the Jet SQL dialect the program's statements are written
// in becomes SQLite's:
//   [name]                  -> "name"
//   "text" (Jet text)       -> 'text'
//   x LIKE "06*"            -> x GLOB '06*'   (*, ?, # and [a-z], [!x] classes;
//                                              case-sensitive like GLOB)
//   Date(), Date()-7        -> the engine's current date at midnight, 7 days
//                              earlier (in the stored date form)
//   Now()                   -> the engine's current date and time
//   DELETE t.col FROM t ... -> DELETE FROM t ...
//   #3/17/2024#             -> '2024-03-17 00:00:00'
//   a & b                   -> a || b
// Jet has no "--" comments: "Date()--1" is "Date() - (-1)". Text after the
// statement's ";" is refused (3142), as Jet does.
struct TranslatedSql {
    enum class Kind { Other, Select, CreateTable, DropTable };
    QString sql;
    Kind kind = Kind::Other;
    QString table; // for CreateTable and DropTable: the table's name
};

namespace JetSql {

// Throws DbError (3075, 3131, 3142) for text it cannot translate.
TranslatedSql translate(const QString& jetSql);

// A Jet LIKE pattern as a GLOB pattern (throws DbError 3075 for an unclosed [).
QString likeToGlob(const QString& pattern);

// Helpers for code that builds statements from outside text, so that the text
// can never change the statement:
// the text with every " doubled, to go between the double quotes of a Jet literal;
QString escapeText(const QString& text);
// the text with the LIKE wildcards *, ?, # and [ put in brackets, so that it
// matches only itself inside a pattern.
QString escapeLike(const QString& text);

// SQLite's quoting of a name ("name", with " doubled).
QString quoteName(const QString& name);

} // namespace JetSql

} // namespace platform::db
