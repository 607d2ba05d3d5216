#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// ACT!'s field-definition file (.ddf) as the field scan reads it: the file's
// bytes at positions 1 to L (L its length) and one zero byte at L + 1, taken
// as runs. A run read from a position skips zero bytes, collects the bytes up
// to the next zero byte, and ends there; the next run is read from just behind
// that zero byte.
//
// The file comes from outside, so every read is checked: a position outside
// 1 to L + 1 throws ActDbError 9 instead of reading outside the buffer.
class DdfBuffer {
public:
    struct Run {
        QByteArrayView text; // the collected bytes, valid while the buffer lives
        qint64 next = 0;     // the position just behind the zero byte that ends it
        // Z: the position of that zero byte.
        qint64 end() const { return next - 1; }
    };

    DdfBuffer() = default;
    DdfBuffer(const QByteArray& fileBytes, QString fileName);

    qint64 length() const { return m_length; }
    const QString& fileName() const { return m_fileName; }

    // B[position], 0 to 255.
    int byteAt(qint64 position) const;
    Run runAt(qint64 position) const;
    // The bytes B[first] to B[first + count - 1].
    QByteArray bytes(qint64 first, int count) const;

private:
    [[noreturn]] void outOfRange(qint64 position) const;

    QByteArray m_data; // m_data[k] is B[k]; m_data[0] is not part of the file
    qint64 m_length = 0;
    QString m_fileName;
};
