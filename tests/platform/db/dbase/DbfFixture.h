#pragma once

// Hand-assembled dBASE files for the reader's tests: every byte is spelled out
// here, independent of the generator's writer.

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace dbffixture {

struct Field {
    QByteArray name; // stored as given (up to 11 bytes, NUL-padded)
    char type;
    int length;
    int decimals = 0;
    quint8 flags = 0;
};

inline void putLe(QByteArray& b, int at, quint64 v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

inline bool isVisualFoxPro(quint8 version)
{
    return version == 0x30 || version == 0x31 || version == 0x32;
}

// Header, descriptors, the records as given (each must already hold its
// deletion flag and be exactly as long as the fields say) and the 0x1A mark.
inline QByteArray table(quint8 version, const std::vector<Field>& fields,
                        const std::vector<QByteArray>& records = {},
                        QDate lastUpdate = QDate(2024, 3, 15))
{
    int recordLength = 1;
    for (const Field& f : fields)
        recordLength += f.length;
    const int backlink = isVisualFoxPro(version) ? 263 : 0;
    const int headerLength = 32 + 32 * int(fields.size()) + 1 + backlink;
    QByteArray b(headerLength, '\0');
    b[0] = char(version);
    b[1] = char(lastUpdate.year() - 1900);
    b[2] = char(lastUpdate.month());
    b[3] = char(lastUpdate.day());
    putLe(b, 4, records.size(), 4);
    putLe(b, 8, quint64(headerLength), 2);
    putLe(b, 10, quint64(recordLength), 2);
    b[29] = 0x03;
    int offset = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        const Field& f = fields[i];
        const int at = 32 + 32 * int(i);
        for (int k = 0; k < f.name.size() && k < 11; ++k)
            b[at + k] = f.name[k];
        b[at + 11] = f.type;
        putLe(b, at + 12, quint64(offset), 4);
        b[at + 16] = char(f.length);
        b[at + 17] = char(f.decimals);
        b[at + 18] = char(f.flags);
        offset += f.length;
    }
    b[32 + 32 * int(fields.size())] = 0x0D;
    for (const QByteArray& r : records) {
        if (r.size() != recordLength)
            ADD_FAILURE() << "fixture record of " << r.size() << " bytes, fields need "
                          << recordLength;
        b.append(r);
    }
    b.append(char(0x1A));
    return b;
}

// One record: the deletion flag followed by the fields' bytes.
inline QByteArray record(char flag, std::initializer_list<QByteArray> fields)
{
    QByteArray r(1, flag);
    for (const QByteArray& f : fields)
        r.append(f);
    return r;
}

inline QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace dbffixture
