#pragma once

#include "Recordset.h"
#include "TableDef.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3;

namespace platform::db {

class Connection;

// One open database: a SQLite file, or the tables of a connect backend.
// Statements are given in the Jet dialect (see JetSql.h). Every failure
// throws DbError. Closing the database closes its recordsets.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& name() const;
    bool isOpen() const;
    void close();

    // Runs an action statement (DELETE, INSERT, UPDATE, CREATE ...).
    void execute(const QString& jetSql);
    // Rows changed by the last execute.
    int recordsAffected() const { return m_recordsAffected; }

    // source is a table name (a table recordset, which can also take new
    // rows) or a SELECT statement.
    std::unique_ptr<Recordset> openRecordset(const QString& source,
                                             RecordsetType type = RecordsetType::Dynaset,
                                             int options = RecordsetOption::None);

    // The user's tables (the engine's own are left out), in the order created.
    QStringList tableNames() const;
    bool hasTable(const QString& table) const;
    // 3265 for a table that does not exist.
    TableDef tableDef(const QString& table) const;
    // Creates the table with its indexes (3010 when it exists).
    void createTable(const TableDef& def);
    void createIndex(const QString& table, const IndexDef& index);
    void deleteTable(const QString& table);
    // When the table was created; invalid for a table made outside the engine.
    QDateTime tableCreated(const QString& table) const;

    // A number the file carries for its content (SQLite's user_version),
    // 0 in a new file.
    int dataVersion() const;
    void setDataVersion(int version);

    void beginTrans();
    void commitTrans();
    void rollback();

    // The SQLite connection, for connect backends and the data-source model.
    sqlite3* handle() const;

private:
    friend class DBEngine;
    friend class TableModel;
    explicit Database(std::shared_ptr<Connection> connection);

    void ensureCatalog();
    void recordObject(int type, const QString& name, const QString& parent, int flags);
    void forgetTable(const QString& table);

    std::shared_ptr<Connection> m_connection;
    int m_recordsAffected = 0;
};

} // namespace platform::db
