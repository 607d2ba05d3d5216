#pragma once

#include "DbfColumn.h"
#include "DbfError.h"

#include <QDate>
#include <QList>
#include <QString>

#include <memory>

namespace platform::db::dbase {

// A dBASE III/IV or FoxPro 2.x table (Visual FoxPro tables are read too), open
// for reading only. Opening checks the header, the field descriptors and every
// length and offset against the size of the file, so a table that opens can be
// read without any further bounds surprises; records are read by DbfCursor.
//
// The object is a cheap handle: copies share the open file, and cursors keep it
// open for as long as they live. An open table never changes, so copies may be
// used from several threads, each with its own cursors.
class DbfTable {
public:
    DbfTable();
    ~DbfTable();
    DbfTable(const DbfTable&);
    DbfTable& operator=(const DbfTable&);

    // Opens the file; on failure returns false and error() says why.
    bool open(const QString& path);
    void close();
    bool isOpen() const;
    const DbfError& error() const { return m_error; }

    QString path() const;
    quint8 versionByte() const;
    QString formatName() const; // for example "dBASE III" or "FoxPro 2.x mit Memo"
    bool hasMemoFile() const;   // the version byte announces a memo file
    bool isVisualFoxPro() const;
    QDate lastUpdate() const; // invalid when the header holds no valid date
    quint8 languageDriver() const;
    qint64 recordCount() const;
    int headerLength() const;
    int recordLength() const;
    qint64 fileSize() const; // as it was when the table was opened

    // The columns in table order, named exactly as stored.
    const QList<DbfColumn>& columns() const;
    int columnCount() const;
    const DbfColumn& column(int index) const;
    // -1 when there is no such column.
    int indexOf(const QString& name, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;

    struct Data;

private:
    friend class DbfCursor;
    std::shared_ptr<const Data> m_data;
    DbfError m_error;
};

} // namespace platform::db::dbase
