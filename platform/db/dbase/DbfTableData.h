#pragma once

// Internal to the reader: the state that DbfTable handles and cursors share.

#include "DbfTable.h"

namespace platform::db::dbase {

struct DbfTable::Data {
    Data() = default;
    Data(const Data&) = delete;
    Data& operator=(const Data&) = delete;
    ~Data();

    // Reads len bytes at offset; returns the number read, which is less than
    // len only at the end of the file, or -1 on an I/O error (errno is kept).
    // pread keeps no file position, so cursors never disturb one another.
    qint64 readAt(qint64 offset, char* buffer, qint64 len) const;

    int fd = -1;
    QString path;
    quint8 version = 0;
    quint8 tableFlags = 0;
    quint8 languageDriver = 0;
    QDate lastUpdate;
    qint64 recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    qint64 fileSize = 0;
    QList<DbfColumn> columns;
};

} // namespace platform::db::dbase
