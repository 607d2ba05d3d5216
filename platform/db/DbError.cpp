#include "DbError.h"

#include <sqlite3.h>

#include <QRegularExpression>

namespace platform::db {

namespace {

QString afterPrefix(const QString& message, QLatin1StringView prefix)
{
    return message.mid(message.indexOf(prefix) + prefix.size()).trimmed();
}

// Names of the CHECK constraints the engine writes for text fields (see
// TableDef.cpp): "FieldSize:<field>" and "ZeroLength:<field>".
DbError fromConstraint(int extended, const QString& message)
{
    if (extended == SQLITE_CONSTRAINT_CHECK) {
        const QString name = afterPrefix(message, QLatin1StringView("CHECK constraint failed:"));
        if (name.startsWith(u"FieldSize:"))
            return DbError(errc::FieldTooSmall,
                           QStringLiteral("Das Feld '%1' ist zu klein für die Datenmenge, die Sie "
                                          "hinzufügen wollten.")
                               .arg(name.mid(10)));
        if (name.startsWith(u"ZeroLength:"))
            return DbError(errc::ZeroLengthNotAllowed,
                           QStringLiteral("Das Feld '%1' darf keine leere Zeichenfolge sein.")
                               .arg(name.mid(11)));
        return DbError(
            errc::EngineError,
            QStringLiteral("Eine Gültigkeitsregel verbietet diesen Wert (%1).").arg(name));
    }
    if (extended == SQLITE_CONSTRAINT_NOTNULL) {
        const QString field =
            afterPrefix(message, QLatin1StringView("NOT NULL constraint failed:"));
        return DbError(errc::FieldRequired,
                       QStringLiteral("Das Feld '%1' darf keinen Nullwert enthalten.").arg(field));
    }
    if (extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY)
        return DbError(errc::DuplicateValue,
                       QStringLiteral("Die Änderung würde doppelte Werte im Index oder "
                                      "Primärschlüssel erzeugen (%1).")
                           .arg(afterPrefix(message, QLatin1StringView("constraint failed:"))));
    return DbError(errc::EngineError, message);
}

const QLatin1StringView kBackendPrefix("backend error ");

DbError fromErrorMessage(const QString& message, const QString& context)
{
    static const QRegularExpression backend(QStringLiteral("^backend error (\\d+): (.*)$"),
                                            QRegularExpression::DotMatchesEverythingOption);
    if (const auto m = backend.match(message); m.hasMatch())
        return DbError(m.captured(1).toInt(), m.captured(2));
    static const QRegularExpression noTable(
        QStringLiteral("^no such table: (?:main\\.|temp\\.)?(.*)$"));
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.*)$"));
    static const QRegularExpression tableExists(QStringLiteral("^table (.*) already exists$"));
    if (const auto m = noTable.match(message); m.hasMatch())
        return DbError::tableNotFound(m.captured(1));
    if (message.startsWith(u"unknown database "))
        return DbError::tableNotFound(message.mid(17));
    if (const auto m = noColumn.match(message); m.hasMatch())
        return DbError(
            errc::TooFewParameters,
            QStringLiteral("Zu wenige Parameter: das Feld '%1' gibt es nicht.").arg(m.captured(1)));
    if (const auto m = tableExists.match(message); m.hasMatch())
        return DbError(errc::TableExists,
                       QStringLiteral("Die Tabelle '%1' existiert bereits.").arg(m.captured(1)));
    if (message.contains(u"syntax error") || message.contains(u"incomplete input") ||
        message.contains(u"unrecognized token"))
        return DbError(errc::SyntaxInExpression,
                       QStringLiteral("Syntaxfehler in der Abfrage (%1).").arg(message));
    if (message.startsWith(u"no such index"))
        return DbError::itemNotFound(context.isEmpty() ? message.mid(15) : context);
    return DbError(errc::EngineError, QStringLiteral("Datenbankfehler: %1").arg(message));
}

} // namespace

DbError::DbError(int number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QStringLiteral("%1: %2").arg(number).arg(m_description).toUtf8())
{
}

DbError DbError::fromSqlite(sqlite3* db, int rc, const QString& context)
{
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    const QString message =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    switch (rc & 0xff) {
    case SQLITE_CONSTRAINT:
        return fromConstraint(extended, message);
    case SQLITE_NOTADB:
        return DbError(errc::UnrecognizedFormat,
                       QStringLiteral("Nicht erkanntes Datenbankformat '%1'.").arg(context));
    case SQLITE_CORRUPT:
        return DbError(errc::CorruptDatabase,
                       QStringLiteral("Die Datenbank '%1' ist beschädigt.").arg(context));
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return DbError(errc::CannotOpenFile,
                       QStringLiteral("Die Datei '%1' kann nicht geöffnet werden.").arg(context));
    case SQLITE_READONLY:
        return DbError(errc::ReadOnly, QStringLiteral("Aktualisieren nicht möglich. Datenbank "
                                                      "oder Objekt ist schreibgeschützt."));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbError(errc::Locked,
                       QStringLiteral("Aktualisieren nicht möglich; momentan gesperrt."));
    case SQLITE_FULL:
        return DbError(errc::DiskFull,
                       QStringLiteral("Nicht genügend Speicherplatz auf dem Datenträger."));
    case SQLITE_TOOBIG:
        return DbError(errc::FieldTooSmall, QStringLiteral("Der Wert ist zu groß für das Feld."));
    case SQLITE_MISMATCH:
        return DbError(errc::ConversionError, QStringLiteral("Datentypen-Konvertierungsfehler."));
    case SQLITE_ERROR:
        return fromErrorMessage(message, context);
    default:
        return DbError(errc::EngineError, QStringLiteral("Datenbankfehler: %1").arg(message));
    }
}

QString DbError::backendMessage(int number, const QString& description)
{
    return kBackendPrefix + QString::number(number) + QStringLiteral(": ") + description;
}

DbError DbError::tableNotFound(const QString& name)
{
    return DbError(
        errc::TableNotFound,
        QStringLiteral("Die Eingabetabelle oder Abfrage '%1' wurde nicht gefunden.").arg(name));
}

DbError DbError::itemNotFound(const QString& name)
{
    return DbError(errc::ItemNotFound,
                   QStringLiteral("Element '%1' in dieser Auflistung nicht gefunden.").arg(name));
}

DbError DbError::noCurrentRecord()
{
    return DbError(errc::NoCurrentRecord, QStringLiteral("Kein aktueller Datensatz."));
}

DbError DbError::objectClosed()
{
    return DbError(errc::ObjectClosed,
                   QStringLiteral("Objekt ungültig oder nicht mehr festgelegt."));
}

DbError DbError::conversion(const QString& field, const QString& value)
{
    return DbError(errc::ConversionError,
                   QStringLiteral("Datentypen-Konvertierungsfehler: '%1' passt nicht in das Feld "
                                  "'%2'.")
                       .arg(value, field));
}

} // namespace platform::db
