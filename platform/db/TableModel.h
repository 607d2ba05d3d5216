#pragma once

#include "Field.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVariant>

namespace platform::db {

class Database;

// The data source of a grid bound to one table: one column per field with
// the field names as headings, one row per record and, at the end, an empty
// row in which a new record is typed (its heading is "*"). Every change is
// written to the table at once: a value typed into the empty row adds the
// record, a changed cell updates it, removeRows deletes the records.
// A value the table refuses is not taken; writeFailed says why.
class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The model reads through database, which must outlive it.
    TableModel(Database& database, QString table, QObject* parent = nullptr);

    const QString& table() const { return m_table; }

    // Reads the table afresh (throws DbError).
    void requery();

    // True for the empty row at the end.
    bool isNewRow(int row) const { return row == m_rows.size(); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

signals:
    void writeFailed(int number, const QString& description);

private:
    struct Row {
        qint64 rowId = 0;
        QList<QVariant> values; // stored form
    };

    Database& m_database;
    QString m_table;
    QList<FieldInfo> m_fields;
    QList<Row> m_rows;
};

} // namespace platform::db
