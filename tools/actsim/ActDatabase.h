#pragma once

#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfTable.h"

#include <QList>
#include <QString>

#include <memory>

namespace actsim {

// One column of an ACT! table with what ACT! calls it.
struct ActFieldInfo {
    int column = -1;    // position in the table
    QString columnName; // as stored
    int actId = 0;      // ACT!'s field number (0: an internal column)
    QString actName;    // the name ACT! shows; the column name when unknown
};

// An ACT! table (contacts or groups), read only. Rows are record numbers;
// deleted records are skipped by every search and step.
class ActTable {
public:
    bool open(const QString& path, QString* error);
    bool isOpen() const { return m_table.isOpen(); }
    qint64 rowCount() const { return m_table.isOpen() ? m_table.recordCount() : 0; }

    const QList<ActFieldInfo>& fields() const { return m_fields; }
    int columnOf(const QString& columnName) const;
    // The first column (in table order) holding ACT! field actId; -1 when none.
    int columnForField(int actId) const;

    // The first row that is not deleted at or after row (forward) or at or
    // before it (backward); -1 when there is none.
    qint64 liveRow(qint64 row, bool forward) const;
    // A field as text: dates as dd.MM.yyyy, yes/no as "Ja"/"Nein", empty as "".
    QString text(qint64 row, int column) const;
    // UNIQUE_ID right-aligned to 12 characters, as ACT! hands it out.
    QString id(qint64 row) const;
    // The row whose identifier is exactly id (12 characters); -1 when none.
    qint64 find(const QString& id) const;

private:
    platform::db::dbase::DbfTable m_table;
    std::unique_ptr<platform::db::dbase::DbfCursor> m_cursor;
    QList<ActFieldInfo> m_fields;
    int m_idColumn = -1;
};

// An ACT! database as mkactdb writes it: BASENAME.dbf (contacts), .gdb
// (groups, optional here) and .ddf beside them. Never written to.
class ActDatabase {
public:
    bool open(const QString& contactTablePath, QString* error);

    // The contact table's absolute path, as ACT! reports its open database.
    const QString& path() const { return m_path; }
    QString baseName() const;
    // The file beside the database where recorded history entries go.
    QString historyPath() const;

    const ActTable& contacts() const { return m_contacts; }
    const ActTable& groups() const { return m_groups; }

private:
    QString m_path;
    ActTable m_contacts;
    ActTable m_groups;
};

} // namespace actsim
