#pragma once

#include "DbfCursor.h"
#include "DbfError.h"
#include "DbfTable.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <optional>
#include <vector>

namespace platform::db::dbase {

// The search a caller lookup needs: the records in which one of a few columns
// contains a piece of text. It compares the stored Windows-1252 bytes of only
// those columns, case-sensitively, and decodes nothing. A field matches when
// the needle occurs in its text (see trimmedDbfText); a blank field (null)
// never matches, and an empty needle matches every field that is not blank.
// Deleted records are skipped.
//
// Two ways to use it: run() calls back for every match; next() steps from
// match to match (a virtual table's cursor does that), with cursor() standing
// on the matching record so that its fields can be read.
class DbfSubstringScan {
public:
    // Called for every matching record with its index and the first of the
    // given columns that matched; returning false ends the scan.
    using MatchFunction = std::function<bool(qint64 index, int column)>;

    DbfSubstringScan(const DbfTable& table, QList<int> columns, QByteArray needle);

    // The needle for a text term (encoded in the table's Windows-1252).
    static QByteArray needleFor(const QString& term);

    // Scans the table from its first record. Returns false when the table
    // could not be read to the end (see error()).
    bool run(const MatchFunction& onMatch);

    // Moves to the next matching record (the first one on the first call);
    // false at the end of the table or on an error (see error()).
    bool next();
    bool atEnd() const { return m_atEnd; }
    // The current match: its record index and the first column that matched.
    qint64 index() const { return m_cursor ? m_cursor->index() : -1; }
    int matchedColumn() const { return m_matchedColumn; }
    // Stands on the current match; valid after a successful next().
    const DbfCursor& cursor() const { return *m_cursor; }

    const DbfError& error() const { return m_error; }

private:
    struct Field {
        int column;
        int offset;
        int length;
    };

    bool start();
    bool matches(const char* field, int length) const;

    DbfTable m_table;
    QList<int> m_columns;
    QByteArray m_needle;
    std::vector<Field> m_fields;
    std::optional<DbfCursor> m_cursor;
    int m_matchedColumn = -1;
    bool m_atEnd = false;
    DbfError m_error;
};

} // namespace platform::db::dbase
