#include "DbfSubstringScan.h"

#include "DbfCursor.h"
#include "DbfValue.h"
#include "Windows1252.h"

#include <string_view>
#include <vector>

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
    struct Field {
        int column;
        int offset;
        int length;
    };
    std::vector<Field> fields;
    for (int column : std::as_const(m_columns)) {
        if (column < 0 || column >= m_table.columnCount()) {
            m_error = DbfError::make(DbfErrorCode::Corrupt,
                                     QStringLiteral("Die Tabelle '%1' hat keine Spalte %2.")
                                         .arg(m_table.path())
                                         .arg(column));
            return false;
        }
        const DbfColumn& c = m_table.column(column);
        fields.push_back({column, c.offset, c.length});
    }

    const std::string_view needle(m_needle.constData(), size_t(m_needle.size()));
    // Most fields do not hold the needle, so the padding is looked at only
    // after a hit: a hit that reaches into it is none (and no later one can
    // end before it).
    const auto matches = [&](const char* field, int length) {
        if (needle.empty())
            return !trimmedDbfText(QByteArrayView(field, length)).isEmpty();
        const size_t hit = std::string_view(field, size_t(length)).find(needle);
        if (hit == std::string_view::npos)
            return false;
        const qsizetype end = qsizetype(hit + needle.size());
        return end <= trimmedDbfText(QByteArrayView(field, length)).size();
    };

    DbfCursor cursor(m_table);
    for (cursor.first(); !cursor.eof(); cursor.next()) {
        const char* record = cursor.record().data();
        if (record[0] == '*')
            continue;
        for (const Field& f : fields) {
            if (!matches(record + f.offset, f.length))
                continue;
            if (!onMatch(cursor.index(), f.column))
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
