#pragma once

// Builds RIFF file images byte by byte, so that tests can make well-formed and
// deliberately broken files without going through the code under test.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <initializer_list>

namespace riffbytes {

inline QByteArray u32(quint32 v)
{
    QByteArray out(4, '\0');
    qToLittleEndian<quint32>(v, out.data());
    return out;
}

inline QByteArray u16(quint16 v)
{
    QByteArray out(2, '\0');
    qToLittleEndian<quint16>(v, out.data());
    return out;
}

// id + size + payload (+ pad byte for an odd size). size defaults to the payload's.
inline QByteArray chunk(const char* id, const QByteArray& payload, qint64 size = -1)
{
    QByteArray out(id, 4);
    out += u32(quint32(size < 0 ? payload.size() : size));
    out += payload;
    if (payload.size() % 2)
        out += '\0';
    return out;
}

inline QByteArray riff(const char* form, std::initializer_list<QByteArray> chunks, qint64 size = -1)
{
    QByteArray body(form, 4);
    for (const QByteArray& c : chunks)
        body += c;
    return chunk("RIFF", body, size);
}

// The 16 bytes of a PCM "fmt " chunk (without cbSize).
inline QByteArray pcmFmt(quint32 rate, quint16 bits, quint16 channels)
{
    const quint16 align = quint16(channels * bits / 8);
    return u16(1) + u16(channels) + u32(rate) + u32(rate * align) + u16(align) + u16(bits);
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace riffbytes
