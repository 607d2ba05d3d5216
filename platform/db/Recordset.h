#pragma once

#include "Field.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

namespace platform::db {

class Connection;
class Statement;

// Kinds of recordsets (the Jet numbers).
enum class RecordsetType { Table = 1, Dynaset = 2, Snapshot = 4, ForwardOnly = 8 };

// Options of openRecordset (the Jet numbers); AppendOnly opens a table for
// adding rows only, without reading it.
namespace RecordsetOption {
constexpr int None = 0;
constexpr int ReadOnly = 4;
constexpr int AppendOnly = 8;
} // namespace RecordsetOption

enum class EditMode { None = 0, Edit = 1, AddNew = 2 };

// The rows of a query or a table with a current record. A table opened by
// name can also take new rows (addNew, setValue, update) and change or
// delete its current row (edit, remove). Every failure throws DbError.
//
// Reading walks the rows once in order and keeps only the current record, so
// a recordset over a million rows costs no more memory than over ten. The
// count is exact once the last row has been reached (moveLast); before that
// it counts the rows visited, as Jet did.
class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool isOpen() const;
    RecordsetType type() const { return m_type; }

    bool bof() const;
    bool eof() const;
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    int recordCount() const;

    int fieldCount() const;
    const FieldInfo& fieldInfo(int index) const;
    // Index of the field with that name (any letter case), or -1.
    int fieldIndex(const QString& name) const;
    Field field(int index) const;
    Field field(const QString& name) const; // 3265 for an unknown name
    QVariant value(int index) const { return field(index).value(); }
    QVariant value(const QString& name) const { return field(name).value(); }

    void addNew();
    void edit();
    void setValue(int index, const QVariant& value);
    void setValue(const QString& name, const QVariant& value);
    void update();
    void cancelUpdate();
    void remove();
    EditMode editMode() const { return m_editMode; }

    // The row id of the current record of a table recordset.
    qint64 bookmark() const;

    // Drops the statement and any begun row; later use throws 3420.
    void close();

private:
    friend class Database;
    struct Source {
        QString sql;   // SQLite text to run
        QString table; // for a table recordset: its name
        bool hasRowId = false;
    };
    Recordset(std::shared_ptr<Connection> connection, Source source, RecordsetType type,
              int options);

    void open();
    void checkOpen() const;
    void checkCurrent() const;
    bool seek(int target);
    void readRow();
    void checkUpdatable() const;
    int dataColumn(int field) const { return m_source.hasRowId ? field + 1 : field; }

    std::shared_ptr<Connection> m_connection;
    Source m_source;
    RecordsetType m_type;
    int m_options;
    std::unique_ptr<Statement> m_statement;
    QList<FieldInfo> m_fields;
    QList<bool> m_typeFromValue; // computed columns are typed by their first value

    int m_position = -1;     // current record; -1 before the first
    int m_statementRow = -1; // the row the statement stands on; -1 before the first
    bool m_eof = true;
    bool m_bof = true;
    bool m_deleted = false;
    std::optional<int> m_total; // known once the end has been reached
    int m_visited = 0;
    int m_tableCount = 0;
    QList<QVariant> m_row; // stored values of the current record
    qint64 m_rowId = 0;

    EditMode m_editMode = EditMode::None;
    QList<QVariant> m_buffer;
    QList<bool> m_changed;
};

} // namespace platform::db
