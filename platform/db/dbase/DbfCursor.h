#pragma once

#include "DbfError.h"
#include "DbfTable.h"

#include <QByteArrayView>
#include <QVariant>

#include <vector>

namespace platform::db::dbase {

// Walks the records of an open table, front to back or at random. Records are
// read in blocks of whole records into one buffer, so a scan of any table size
// holds only one block in memory, and fields are decoded only when asked for.
// The file is read with pread and never mapped: a file that another program
// shortens while it is open gives a read error, not a crash.
//
// Record numbers are 0-based. A new cursor stands before the first record
// (eof() is true) until first() or seek() places it.
class DbfCursor {
public:
    static constexpr int kDefaultBlockBytes = 256 * 1024;

    explicit DbfCursor(const DbfTable& table, int blockBytes = kDefaultBlockBytes);

    bool first() { return seek(0); }
    bool next() { return seek(m_index + 1); }
    // Places the cursor on record index; false (and eof) when there is no such
    // record or it cannot be read.
    bool seek(qint64 index);
    bool eof() const;
    qint64 index() const { return m_index; }

    // The deletion flag ('*'); deleted records are still visited.
    bool isDeleted() const;
    // The whole record as stored, deletion flag first.
    QByteArrayView record() const;
    // The bytes of one field as stored; valid until the cursor moves.
    QByteArrayView raw(int column) const;
    // The decoded value; see decodeDbfValue for which fields are null.
    QVariant value(int column) const;
    bool isNull(int column) const;

    bool hasError() const { return m_error.isError(); }
    const DbfError& error() const { return m_error; }
    const DbfTable& table() const { return m_table; }

private:
    bool load(qint64 index);

    DbfTable m_table;
    qint64 m_recordCount = 0;
    int m_recordLength = 0;
    qint64 m_recordsPerBlock = 1;
    std::vector<char> m_block;
    qint64 m_blockFirst = 0;
    qint64 m_blockCount = 0;
    qint64 m_index = -1;
    DbfError m_error;
};

} // namespace platform::db::dbase
