#pragma once

// Internal to platform/db: the open SQLite connection that a Database and its
// recordsets share, with small helpers around statements.

#include "FieldType.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <set>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::db {

class Recordset;

// A prepared statement, finalized with its owner.
class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, const QString& sql); // throws DbError
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }
    explicit operator bool() const { return m_stmt != nullptr; }

    void bind(int index, const QVariant& value); // 1-based
    // Steps once: true on a row, false when done (throws DbError on failure).
    bool step();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    QString declaredType(int column) const;
    int storageClass(int column) const;
    QVariant value(int column) const;

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

class Connection {
public:
    using Clock = std::function<QDateTime()>;

    Connection(sqlite3* db, QString name, Clock clock);
    ~Connection();

    sqlite3* db() const { return m_db; }
    const QString& name() const { return m_name; }
    bool isOpen() const { return m_db != nullptr; }
    QDateTime now() const { return m_clock(); }

    // Throws DbError 3420 when the connection has been closed.
    sqlite3* checked() const;

    // Runs SQLite SQL (no translation) with bound values; returns the changes.
    int run(const QString& sql, const QList<QVariant>& values = {});
    // First column of the first row, or a null QVariant.
    QVariant scalar(const QString& sql, const QList<QVariant>& values = {});

    void track(Recordset* recordset) { m_recordsets.insert(recordset); }
    void untrack(Recordset* recordset) { m_recordsets.erase(recordset); }

    // Closes every open recordset, then the connection.
    void close();

private:
    void registerFunctions();

    sqlite3* m_db;
    QString m_name;
    Clock m_clock;
    std::set<Recordset*> m_recordsets;
};

} // namespace platform::db
