#pragma once

#include "DbfError.h"
#include "DbfTable.h"

#include <QByteArray>
#include <QList>

#include <functional>

namespace platform::db::dbase {

// The search a caller lookup needs: the records in which one of a few columns
// contains a piece of text. It compares the stored Windows-1252 bytes of only
// those columns, case-sensitively, and decodes nothing. A field matches when
// the needle occurs in its text without the trailing padding; a blank field
// (null) never matches, and an empty needle matches every field that is not
// blank. Deleted records are skipped.
class DbfSubstringScan {
public:
    // Called for every matching record with its index and the first of the
    // given columns that matched; returning false ends the scan.
    using MatchFunction = std::function<bool(qint64 index, int column)>;

    DbfSubstringScan(const DbfTable& table, QList<int> columns, QByteArray needle);

    // The needle for a text term (encoded in the table's Windows-1252).
    static QByteArray needleFor(const QString& term);

    // Returns false when the table could not be read to the end (see error()).
    bool run(const MatchFunction& onMatch);
    const DbfError& error() const { return m_error; }

private:
    DbfTable m_table;
    QList<int> m_columns;
    QByteArray m_needle;
    DbfError m_error;
};

} // namespace platform::db::dbase
