#include "Recordset.h"

#include "Connection.h"
#include "DbError.h"
#include "JetSql.h"

#include <QStringList>

namespace platform::db {

Recordset::Recordset(std::shared_ptr<Connection> connection, Source source, RecordsetType type,
                     int options)
    : m_connection(std::move(connection)), m_source(std::move(source)), m_type(type),
      m_options(options)
{
    open();
    m_connection->track(this);
}

Recordset::~Recordset()
{
    close();
}

void Recordset::open()
{
    m_statement = std::make_unique<Statement>(m_connection->checked(), m_source.sql);
    for (int column = dataColumn(0); column < m_statement->columnCount(); ++column) {
        const QString declared = m_statement->declaredType(column);
        const DeclaredType type = fieldTypeOf(declared, 0);
        m_fields.append({m_statement->columnName(column), type.type, type.size});
        m_typeFromValue.append(declared.isEmpty());
    }
    if (!m_source.table.isEmpty())
        m_tableCount = int(m_connection
                               ->scalar(QStringLiteral("SELECT count(*) FROM %1")
                                            .arg(JetSql::quoteName(m_source.table)))
                               .toLongLong());
    if (m_options & RecordsetOption::AppendOnly) {
        m_total = 0;
        return;
    }
    if (seek(0)) {
        m_position = 0;
        m_bof = m_eof = false;
        readRow();
    } else {
        m_total = 0;
    }
}

bool Recordset::isOpen() const
{
    return m_statement != nullptr && m_connection->isOpen();
}

void Recordset::checkOpen() const
{
    if (!isOpen())
        throw DbError::objectClosed();
}

void Recordset::checkCurrent() const
{
    checkOpen();
    if (m_eof || m_bof || m_deleted || m_position < 0)
        throw DbError::noCurrentRecord();
}

bool Recordset::seek(int target)
{
    if (m_statementRow > target) {
        m_statement->reset();
        m_statementRow = -1;
    }
    while (m_statementRow < target) {
        if (!m_statement->step()) { // the statement has been reset
            m_total = m_statementRow + 1;
            m_statementRow = -1;
            return false;
        }
        ++m_statementRow;
    }
    return true;
}

void Recordset::readRow()
{
    m_row.resize(m_fields.size());
    for (int i = 0; i < m_fields.size(); ++i) {
        m_row[i] = m_statement->value(dataColumn(i));
        if (m_typeFromValue[i] && !m_row[i].isNull()) {
            const DeclaredType type =
                fieldTypeOf(QString(), m_statement->storageClass(dataColumn(i)));
            m_fields[i].type = type.type;
            m_fields[i].size = type.size;
            m_typeFromValue[i] = false;
        }
    }
    m_rowId = m_source.hasRowId ? m_statement->value(0).toLongLong() : 0;
    m_deleted = false;
    m_visited = std::max(m_visited, m_position + 1);
}

bool Recordset::bof() const
{
    checkOpen();
    return m_bof;
}

bool Recordset::eof() const
{
    checkOpen();
    return m_eof;
}

void Recordset::moveFirst()
{
    checkOpen();
    cancelUpdate();
    if (m_total == 0 || !seek(0)) {
        m_bof = m_eof = true;
        m_position = -1;
        throw DbError::noCurrentRecord();
    }
    m_position = 0;
    m_bof = m_eof = false;
    readRow();
}

void Recordset::moveLast()
{
    checkOpen();
    cancelUpdate();
    if (m_total == 0)
        throw DbError::noCurrentRecord();
    if (m_statementRow < 0 || m_statementRow != m_position) {
        m_statement->reset();
        m_statementRow = -1;
    }
    // Walk to the end, keeping each row: the last one becomes current.
    if (m_statementRow >= 0)
        readRow();
    while (m_statement->step()) {
        ++m_statementRow;
        m_position = m_statementRow;
        readRow();
    }
    m_total = m_statementRow + 1;
    m_statementRow = -1; // the finished statement has been reset
    if (*m_total == 0) {
        m_bof = m_eof = true;
        m_position = -1;
        throw DbError::noCurrentRecord();
    }
    m_position = *m_total - 1;
    m_visited = *m_total;
    m_bof = m_eof = false;
    m_deleted = false;
}

void Recordset::moveNext()
{
    checkOpen();
    if (m_eof)
        throw DbError::noCurrentRecord();
    cancelUpdate();
    const int target = m_position + 1;
    if ((m_total && target >= *m_total) || !seek(target)) {
        m_eof = true;
        m_position = m_total.value_or(target);
        m_row.clear();
        return;
    }
    m_position = target;
    m_bof = false;
    readRow();
}

void Recordset::movePrevious()
{
    checkOpen();
    if (m_bof)
        throw DbError::noCurrentRecord();
    cancelUpdate();
    const int target = m_deleted ? m_position : m_position - 1;
    if (target < 0 || !seek(target)) {
        m_bof = true;
        m_position = -1;
        m_row.clear();
        return;
    }
    m_position = target;
    m_eof = false;
    readRow();
}

int Recordset::recordCount() const
{
    checkOpen();
    if (!m_source.table.isEmpty())
        return m_tableCount;
    return m_total.value_or(m_visited);
}

int Recordset::fieldCount() const
{
    checkOpen();
    return int(m_fields.size());
}

const FieldInfo& Recordset::fieldInfo(int index) const
{
    checkOpen();
    if (index < 0 || index >= m_fields.size())
        throw DbError::itemNotFound(QString::number(index));
    return m_fields[index];
}

int Recordset::fieldIndex(const QString& name) const
{
    const QString wanted = name.toCaseFolded();
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.toCaseFolded() == wanted)
            return i;
    }
    return -1;
}

Field Recordset::field(int index) const
{
    const FieldInfo& info = fieldInfo(index);
    if (m_editMode != EditMode::None && m_changed.value(index))
        return Field(info, fromStorage(info.type, m_buffer[index]));
    if (m_editMode == EditMode::AddNew)
        return Field(info, QVariant());
    checkCurrent();
    return Field(info, fromStorage(info.type, m_row.value(index)));
}

Field Recordset::field(const QString& name) const
{
    checkOpen();
    const int index = fieldIndex(name);
    if (index < 0)
        throw DbError::itemNotFound(name);
    return field(index);
}

void Recordset::checkUpdatable() const
{
    checkOpen();
    if (m_source.table.isEmpty() || (m_options & RecordsetOption::ReadOnly))
        throw DbError(errc::ReadOnly, QStringLiteral("Aktualisieren nicht möglich. Datenbank "
                                                     "oder Objekt ist schreibgeschützt."));
}

void Recordset::addNew()
{
    checkUpdatable();
    m_editMode = EditMode::AddNew;
    m_buffer = QList<QVariant>(m_fields.size());
    m_changed = QList<bool>(m_fields.size(), false);
}

void Recordset::edit()
{
    checkUpdatable();
    if (!m_source.hasRowId)
        throw DbError(errc::NotSupported,
                      QStringLiteral("Operation wird für diesen Objekttyp nicht unterstützt."));
    checkCurrent();
    m_editMode = EditMode::Edit;
    m_buffer = m_row;
    m_changed = QList<bool>(m_fields.size(), false);
}

void Recordset::setValue(int index, const QVariant& value)
{
    const FieldInfo& info = fieldInfo(index);
    if (m_editMode == EditMode::None)
        throw DbError(errc::UpdateWithoutAddNew,
                      QStringLiteral("Update oder CancelUpdate ohne AddNew oder Edit."));
    m_buffer[index] = toStorage(info.type, value, info.name);
    m_changed[index] = true;
}

void Recordset::setValue(const QString& name, const QVariant& value)
{
    checkOpen();
    const int index = fieldIndex(name);
    if (index < 0)
        throw DbError::itemNotFound(name);
    setValue(index, value);
}

void Recordset::update()
{
    checkOpen();
    if (m_editMode == EditMode::None)
        throw DbError(errc::UpdateWithoutAddNew,
                      QStringLiteral("Update oder CancelUpdate ohne AddNew oder Edit."));
    QStringList names;
    QList<QVariant> values;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_changed[i]) {
            names.append(JetSql::quoteName(m_fields[i].name));
            values.append(m_buffer[i]);
        }
    }
    const QString table = JetSql::quoteName(m_source.table);
    if (m_editMode == EditMode::AddNew) {
        if (names.isEmpty()) {
            m_connection->run(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
        } else {
            QStringList marks(names.size(), QStringLiteral("?"));
            m_connection->run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(table, names.join(u", "), marks.join(u", ")),
                              values);
        }
        ++m_tableCount;
        if (m_total && !(m_options & RecordsetOption::AppendOnly))
            m_total = *m_total + 1;
    } else if (!names.isEmpty()) {
        for (QString& name : names)
            name += QStringLiteral(" = ?");
        values.append(m_rowId);
        m_connection->run(
            QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table, names.join(u", ")),
            values);
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_changed[i])
                m_row[i] = m_buffer[i];
        }
    }
    cancelUpdate();
}

void Recordset::cancelUpdate()
{
    m_editMode = EditMode::None;
    m_buffer.clear();
    m_changed.clear();
}

void Recordset::remove()
{
    checkUpdatable();
    if (!m_source.hasRowId)
        throw DbError(errc::NotSupported,
                      QStringLiteral("Operation wird für diesen Objekttyp nicht unterstützt."));
    checkCurrent();
    cancelUpdate();
    m_connection->run(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(JetSql::quoteName(m_source.table)),
        {m_rowId});
    // The statement goes on with the row behind the deleted one, which now
    // has the deleted row's index.
    if (m_statementRow == m_position)
        m_statementRow = m_position - 1;
    --m_position;
    --m_tableCount;
    m_visited = std::max(0, m_visited - 1);
    if (m_total)
        m_total = *m_total - 1;
    m_deleted = true;
    m_row.clear();
}

qint64 Recordset::bookmark() const
{
    checkCurrent();
    return m_rowId;
}

void Recordset::close()
{
    if (!m_statement)
        return;
    cancelUpdate();
    m_statement.reset();
    m_connection->untrack(this);
}

} // namespace platform::db
