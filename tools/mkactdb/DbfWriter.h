#pragma once

#include "Cp1252Encoder.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSaveFile>
#include <QString>

#include <optional>

namespace actdbgen {

struct DbfFieldSpec {
    QByteArray name; // at most 10 ASCII characters
    char type = 'C'; // C, N, F, D, L, M
    int length = 1;
    int decimals = 0;
};

// Writes a dBASE III or FoxPro 2.x table record by record, for the generator
// and for tests; nothing of the program writes dBASE files. Records stream to
// disk, so tables of any size take little memory; the file appears under its
// name only when finish() succeeds.
//
// It shares no code with the reader on purpose: tests read its output back
// with the reader, and two independent renderings of the format keep each
// other honest.
class DbfWriter {
public:
    static constexpr quint8 kDbase3 = 0x03;
    static constexpr quint8 kDbase3Memo = 0x83;
    static constexpr quint8 kFoxPro2Memo = 0xF5;

    DbfWriter(const QString& path, QList<DbfFieldSpec> fields, quint8 version = kDbase3,
              QDate lastUpdate = QDate(2004, 6, 1));
    ~DbfWriter();

    bool open();

    // Starts a record of blanks; the setters fill it, appendRecord() writes it.
    void beginRecord(bool deleted = false);
    // Text in Windows-1252, left-aligned; false when it does not fit or has a
    // character outside the code page (it is then cut or shows '?').
    bool setText(int field, const QString& text);
    // Right-aligned with the field's decimals; false (and stars, as dBASE
    // writes an overflow) when it does not fit.
    bool setNumber(int field, double value);
    void setDate(int field, QDate date); // an invalid date stays blank
    void setLogical(int field, std::optional<bool> value);
    bool setMemoBlock(int field, qint64 block); // 0 leaves it blank
    bool appendRecord();

    // Writes the record count and the end-of-file mark and commits the file.
    bool finish();

    qint64 recordCount() const { return m_recordCount; }
    int recordLength() const { return m_recordLength; }
    int headerLength() const;
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& message);
    QByteArray header() const;
    char* fieldData(int field);
    bool flush();

    QSaveFile m_file;
    Cp1252Encoder m_encoder;
    QList<DbfFieldSpec> m_fields;
    QList<int> m_offsets;
    quint8 m_version;
    QDate m_lastUpdate;
    int m_recordLength = 1;
    qint64 m_recordCount = 0;
    QByteArray m_record;
    QByteArray m_pending;
    QString m_error;
    bool m_open = false;
};

} // namespace actdbgen
