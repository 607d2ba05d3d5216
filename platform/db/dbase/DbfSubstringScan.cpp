#include "DbfSubstringScan.h"

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

bool DbfSubstringScan::start()
{
    m_error = {};
    m_fields.clear();
    m_cursor.reset();
    m_matchedColumn = -1;
    m_atEnd = false;
    for (int column : std::as_const(m_columns)) {
        if (column < 0 || column >= m_table.columnCount()) {
            m_error = DbfError::make(DbfErrorCode::Corrupt,
                                     QStringLiteral("Die Tabelle '%1' hat keine Spalte %2.")
                                         .arg(m_table.path())
                                         .arg(column));
            m_atEnd = true;
            return false;
        }
        const DbfColumn& c = m_table.column(column);
        m_fields.push_back({column, c.offset, c.length});
    }
    m_cursor.emplace(m_table);
    return true;
}

// Most fields do not hold the needle, so the end of the text is looked for
// only after a hit: a hit that reaches beyond it is none (and no later one
// can end before it).
bool DbfSubstringScan::matches(const char* field, int length) const
{
    if (m_needle.isEmpty())
        return !trimmedDbfText(QByteArrayView(field, length)).isEmpty();
    const std::string_view needle(m_needle.constData(), size_t(m_needle.size()));
    const size_t hit = std::string_view(field, size_t(length)).find(needle);
    if (hit == std::string_view::npos)
        return false;
    const qsizetype end = qsizetype(hit + needle.size());
    return end <= trimmedDbfText(QByteArrayView(field, length)).size();
}

bool DbfSubstringScan::next()
{
    if (m_atEnd)
        return false;
    bool moved = false;
    if (!m_cursor) {
        if (!start())
            return false;
        moved = m_cursor->first();
    } else {
        moved = m_cursor->next();
    }
    for (; moved; moved = m_cursor->next()) {
        const char* record = m_cursor->record().data();
        if (record[0] == '*')
            continue;
        for (const Field& f : m_fields) {
            if (matches(record + f.offset, f.length)) {
                m_matchedColumn = f.column;
                return true;
            }
        }
    }
    m_atEnd = true;
    m_matchedColumn = -1;
    if (m_cursor->hasError())
        m_error = m_cursor->error();
    return false;
}

bool DbfSubstringScan::run(const MatchFunction& onMatch)
{
    m_cursor.reset();
    m_atEnd = false;
    while (next()) {
        if (!onMatch(index(), m_matchedColumn))
            return true;
    }
    return !m_error.isError();
}

} // namespace platform::db::dbase
