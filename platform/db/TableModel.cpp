#include "TableModel.h"

#include "Connection.h"
#include "Database.h"
#include "DbError.h"
#include "JetSql.h"

#include <sqlite3.h>

namespace platform::db {

TableModel::TableModel(Database& database, QString table, QObject* parent)
    : QAbstractTableModel(parent), m_database(database), m_table(std::move(table))
{
}

void TableModel::requery()
{
    if (!m_database.hasTable(m_table))
        throw DbError::tableNotFound(m_table);
    Statement statement(m_database.handle(),
                        QStringLiteral("SELECT rowid, * FROM %1").arg(JetSql::quoteName(m_table)));
    QList<FieldInfo> fields;
    for (int column = 1; column < statement.columnCount(); ++column) {
        const DeclaredType type = fieldTypeOf(statement.declaredType(column), 0);
        fields.append({statement.columnName(column), type.type, type.size});
    }
    QList<Row> rows;
    while (statement.step()) {
        Row row;
        row.rowId = statement.value(0).toLongLong();
        for (int column = 1; column < statement.columnCount(); ++column)
            row.values.append(statement.value(column));
        rows.append(row);
    }
    beginResetModel();
    m_fields = fields;
    m_rows = rows;
    endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_fields.isEmpty() ? 0 : int(m_rows.size()) + 1;
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    if (isNewRow(index.row()))
        return QString();
    const FieldInfo& field = m_fields[index.column()];
    return valueText(fromStorage(field.type, m_rows[index.row()].values[index.column()]));
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return m_fields.value(section).name;
    return isNewRow(section) ? QStringLiteral("*") : QString();
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const FieldInfo& field = m_fields[index.column()];
    const bool newRow = isNewRow(index.row());
    // An emptied cell holds no value (null).
    const QVariant given = value.toString().isEmpty() ? QVariant() : value;
    if (newRow && given.isNull())
        return true; // nothing typed: no record
    try {
        const QVariant stored = toStorage(field.type, given, field.name);
        Connection& connection = *m_database.m_connection;
        const QString table = JetSql::quoteName(m_table);
        const QString column = JetSql::quoteName(field.name);
        if (newRow) {
            connection.run(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column),
                           {stored});
            Row row;
            row.rowId = sqlite3_last_insert_rowid(connection.checked());
            row.values = QList<QVariant>(m_fields.size());
            row.values[index.column()] = stored;
            m_rows.append(row);
            emit dataChanged(index, this->index(index.row(), columnCount() - 1));
            emit headerDataChanged(Qt::Vertical, index.row(), index.row());
            beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size()));
            endInsertRows();
        } else {
            Row& row = m_rows[index.row()];
            connection.run(
                QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(table, column),
                {stored, row.rowId});
            row.values[index.column()] = stored;
            emit dataChanged(index, index);
        }
        return true;
    } catch (const DbError& error) {
        emit writeFailed(error.number(), error.description());
        return false;
    }
}

bool TableModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0)
        return false;
    // The empty row at the end holds no record.
    const int last = std::min(row + count, int(m_rows.size())) - 1;
    if (last < row)
        return false;
    try {
        Connection& connection = *m_database.m_connection;
        const QString table = JetSql::quoteName(m_table);
        connection.run(QStringLiteral("SAVEPOINT removerows"));
        try {
            for (int i = row; i <= last; ++i)
                connection.run(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(table),
                               {m_rows[i].rowId});
            connection.run(QStringLiteral("RELEASE removerows"));
        } catch (...) {
            connection.run(QStringLiteral("ROLLBACK TO removerows"));
            connection.run(QStringLiteral("RELEASE removerows"));
            throw;
        }
    } catch (const DbError& error) {
        emit writeFailed(error.number(), error.description());
        return false;
    }
    beginRemoveRows(QModelIndex(), row, last);
    m_rows.remove(row, last - row + 1);
    endRemoveRows();
    return true;
}

} // namespace platform::db
