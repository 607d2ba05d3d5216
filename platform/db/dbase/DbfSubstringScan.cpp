#include "DbfSubstringScan.h"

#include "DbfCursor.h"
#include "DbfValue.h"
#include "Windows1252.h"

#include <string_view>

namespace platform::db::dbase {

DbfSubstringScan::DbfSubstringScan(const DbfTable& table, QList<int> columns, QByteArray needle)
    : m_table(table), m_columns(std::move(columns)), m_needle(std::move(needle))
{
}

QByteArray DbfSubstringScan::needleFor(const QString& term)
{
    return Windows1252::encode(term);
}

bool DbfSubstringScan::run(const MatchFunction& onMatch)
{
    m_error = {};
    for (int column : std::as_const(m_columns)) {
        if (column < 0 || column >= m_table.columnCount()) {
            m_error = DbfError::make(DbfErrorCode::Corrupt,
                                     QStringLiteral("Die Tabelle '%1' hat keine Spalte %2.")
                                         .arg(m_table.path())
                                         .arg(column));
            return false;
        }
    }
    const std::string_view needle(m_needle.constData(), size_t(m_needle.size()));
    DbfCursor cursor(m_table);
    for (cursor.first(); !cursor.eof(); cursor.next()) {
        if (cursor.isDeleted())
            continue;
        for (int column : std::as_const(m_columns)) {
            const QByteArrayView text = trimmedDbfText(cursor.raw(column));
            if (text.isEmpty())
                continue;
            if (std::string_view(text.data(), size_t(text.size())).find(needle) ==
                std::string_view::npos)
                continue;
            if (!onMatch(cursor.index(), column))
                return true;
            break;
        }
    }
    if (cursor.hasError()) {
        m_error = cursor.error();
        return false;
    }
    return true;
}

} // namespace platform::db::dbase
