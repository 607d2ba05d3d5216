#include "Connection.h"

#include "DateTimeText.h"
#include "DbError.h"
#include "Recordset.h"

#include <sqlite3.h>

#include <cmath>

namespace platform::db {

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db)
{
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw DbError::fromSqlite(db, rc, sql);
    }
    if (tail && QByteArray(tail).trimmed().size() > 0) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw DbError(errc::CharactersAfterEnd,
                      QStringLiteral("Zeichen nach dem Ende der SQL-Anweisung gefunden."));
    }
    if (!m_stmt) // only blanks
        throw DbError(errc::SyntaxInExpression, QStringLiteral("Leere SQL-Anweisung."));
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt)
{
    other.m_stmt = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

void Statement::bind(int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(m_stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::Long:
            rc = sqlite3_bind_int64(m_stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(m_stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(m_stmt, index, text.constData(), sqlite3_uint64(text.size()),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        throw DbError::fromSqlite(m_db, rc);
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE) {
        // Ends the statement's read transaction at once, so that other
        // connections can write.
        sqlite3_reset(m_stmt);
        return false;
    }
    const DbError error = DbError::fromSqlite(m_db, rc, QString::fromUtf8(sqlite3_sql(m_stmt)));
    sqlite3_reset(m_stmt);
    throw error;
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

QString Statement::declaredType(int column) const
{
    return QString::fromUtf8(sqlite3_column_decltype(m_stmt, column));
}

int Statement::storageClass(int column) const
{
    return sqlite3_column_type(m_stmt, column);
}

QVariant Statement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, column));
    case SQLITE_BLOB: {
        const void* data = sqlite3_column_blob(m_stmt, column);
        return QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(m_stmt, column));
    }
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, column));
    }
    default:
        return QVariant();
    }
}

namespace {

Connection* connectionOf(sqlite3_context* context)
{
    return static_cast<Connection*>(sqlite3_user_data(context));
}

void resultText(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text64(context, utf8.constData(), sqlite3_uint64(utf8.size()), SQLITE_TRANSIENT,
                          SQLITE_UTF8);
}

// jet_date(days): today at midnight plus days (days may be fractional).
void jetDate(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    const double days = argc > 0 ? sqlite3_value_double(argv[0]) : 0.0;
    const QDateTime midnight = connectionOf(context)->now().date().startOfDay();
    const auto seconds = qint64(std::llround(days * 86400.0));
    resultText(context, DateTimeText::toStored(midnight.addSecs(seconds)));
}

void jetNow(sqlite3_context* context, int, sqlite3_value**)
{
    resultText(context, DateTimeText::toStored(connectionOf(context)->now()));
}

} // namespace

Connection::Connection(sqlite3* db, QString name, Clock clock)
    : m_db(db), m_name(std::move(name)), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
    registerFunctions();
}

Connection::~Connection()
{
    close();
}

void Connection::registerFunctions()
{
    const int flags = SQLITE_UTF8; // not deterministic: they read the clock
    sqlite3_create_function_v2(m_db, "jet_date", 1, flags, this, jetDate, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(m_db, "jet_now", 0, flags, this, jetNow, nullptr, nullptr, nullptr);
}

sqlite3* Connection::checked() const
{
    if (!m_db)
        throw DbError::objectClosed();
    return m_db;
}

int Connection::run(const QString& sql, const QList<QVariant>& values)
{
    Statement statement(checked(), sql);
    for (int i = 0; i < values.size(); ++i)
        statement.bind(i + 1, values[i]);
    while (statement.step()) {
    }
    return sqlite3_changes(m_db);
}

QVariant Connection::scalar(const QString& sql, const QList<QVariant>& values)
{
    Statement statement(checked(), sql);
    for (int i = 0; i < values.size(); ++i)
        statement.bind(i + 1, values[i]);
    if (!statement.step())
        return QVariant();
    QVariant value = statement.value(0);
    statement.reset();
    return value;
}

void Connection::close()
{
    // Closing a recordset untracks it, so work on a copy.
    const std::set<Recordset*> open = m_recordsets;
    for (Recordset* recordset : open)
        recordset->close();
    m_recordsets.clear();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

} // namespace platform::db
