#include "DbfCursor.h"

#include "DbfTableData.h"
#include "DbfValue.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace platform::db::dbase {

DbfCursor::DbfCursor(const DbfTable& table, int blockBytes) : m_table(table)
{
    if (!m_table.isOpen())
        return;
    m_recordCount = m_table.recordCount();
    m_recordLength = m_table.recordLength();
    m_recordsPerBlock = std::max<qint64>(1, blockBytes / m_recordLength);
}

bool DbfCursor::eof() const
{
    return m_index < 0 || m_index >= m_recordCount || m_error.isError();
}

bool DbfCursor::seek(qint64 index)
{
    if (m_error.isError())
        return false;
    if (index < 0 || index >= m_recordCount) {
        m_index = m_recordCount;
        return false;
    }
    if (index < m_blockFirst || index >= m_blockFirst + m_blockCount) {
        if (!load(index)) {
            m_index = m_recordCount;
            return false;
        }
    }
    m_index = index;
    return true;
}

bool DbfCursor::load(qint64 index)
{
    const std::shared_ptr<const DbfTable::Data>& data = m_table.m_data;
    const qint64 count = std::min(m_recordsPerBlock, m_recordCount - index);
    const qint64 bytes = count * m_recordLength;
    if (qint64(m_block.size()) < bytes)
        m_block.resize(size_t(bytes));
    const qint64 offset = data->headerLength + index * m_recordLength;
    const qint64 got = data->readAt(offset, m_block.data(), bytes);
    if (got < bytes) {
        m_blockCount = 0;
        if (got < 0) {
            m_error =
                DbfError::make(DbfErrorCode::ReadError,
                               QStringLiteral("Die Datei '%1' kann nicht gelesen werden: %2.")
                                   .arg(data->path, QString::fromLocal8Bit(std::strerror(errno))));
        } else {
            m_error = DbfError::make(
                DbfErrorCode::ReadError,
                QStringLiteral("Die Datei '%1' endet bei Datensatz %2; sie wurde nach dem "
                               "Öffnen gekürzt.")
                    .arg(data->path)
                    .arg(index + got / m_recordLength + 1));
        }
        return false;
    }
    m_blockFirst = index;
    m_blockCount = count;
    return true;
}

QByteArrayView DbfCursor::record() const
{
    if (eof())
        return {};
    return QByteArrayView(m_block.data() + (m_index - m_blockFirst) * m_recordLength,
                          m_recordLength);
}

bool DbfCursor::isDeleted() const
{
    const QByteArrayView r = record();
    return !r.isEmpty() && r[0] == '*';
}

QByteArrayView DbfCursor::raw(int column) const
{
    if (column < 0 || column >= m_table.columnCount())
        return {};
    const QByteArrayView r = record();
    if (r.isEmpty())
        return {};
    const DbfColumn& c = m_table.column(column);
    return r.sliced(c.offset, c.length);
}

QVariant DbfCursor::value(int column) const
{
    const QByteArrayView field = raw(column);
    if (field.isEmpty())
        return {};
    return decodeDbfValue(m_table.column(column), field);
}

bool DbfCursor::isNull(int column) const
{
    const QByteArrayView field = raw(column);
    if (field.isEmpty())
        return true;
    const DbfColumn& c = m_table.column(column);
    if (c.kind == DbfValueKind::Character)
        return trimmedDbfText(field).isEmpty();
    return !decodeDbfValue(c, field).isValid();
}

} // namespace platform::db::dbase
