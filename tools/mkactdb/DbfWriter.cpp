#include "DbfWriter.h"

#include <cstring>

namespace actdbgen {

namespace {

constexpr int kFlushBytes = 1 << 20;

void putU16(char* p, quint32 v)
{
    p[0] = char(v & 0xFF);
    p[1] = char((v >> 8) & 0xFF);
}

void putU32(char* p, quint32 v)
{
    putU16(p, v & 0xFFFF);
    putU16(p + 2, v >> 16);
}

} // namespace

DbfWriter::DbfWriter(const QString& path, QList<DbfFieldSpec> fields, quint8 version,
                     QDate lastUpdate)
    : m_file(path), m_fields(std::move(fields)), m_version(version), m_lastUpdate(lastUpdate)
{
    for (const DbfFieldSpec& f : std::as_const(m_fields)) {
        m_offsets.append(m_recordLength);
        m_recordLength += f.length;
    }
}

DbfWriter::~DbfWriter()
{
    if (m_open)
        m_file.cancelWriting();
}

int DbfWriter::headerLength() const
{
    return 32 + 32 * int(m_fields.size()) + 1;
}

bool DbfWriter::fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
    return false;
}

bool DbfWriter::open()
{
    if (!m_encoder.isValid())
        return fail(QStringLiteral("Qt kennt die Codepage Windows-1252 nicht."));
    if (m_fields.isEmpty())
        return fail(QStringLiteral("Eine Tabelle braucht mindestens ein Feld."));
    for (const DbfFieldSpec& f : std::as_const(m_fields)) {
        if (f.name.isEmpty() || f.name.size() > 10)
            return fail(QStringLiteral("Ungültiger Feldname '%1'.").arg(QLatin1String(f.name)));
        if (f.length < 1 || f.length > 255)
            return fail(QStringLiteral("Feld %1: ungültige Länge %2.")
                            .arg(QLatin1String(f.name))
                            .arg(f.length));
        if (f.decimals < 0 || f.decimals > 15)
            return fail(
                QStringLiteral("Feld %1: ungültige Dezimalstellen.").arg(QLatin1String(f.name)));
    }
    if (m_recordLength > 0xFFFF || headerLength() > 0xFFFF)
        return fail(QStringLiteral("Zu viele oder zu lange Felder."));
    if (!m_file.open(QIODevice::WriteOnly))
        return fail(m_file.errorString());
    m_open = true;
    m_record = QByteArray(m_recordLength, ' ');
    // The count is written again by finish().
    m_pending = header();
    return true;
}

QByteArray DbfWriter::header() const
{
    QByteArray h(headerLength(), '\0');
    char* p = h.data();
    p[0] = char(m_version);
    if (m_lastUpdate.isValid()) {
        p[1] = char(m_lastUpdate.year() - 1900);
        p[2] = char(m_lastUpdate.month());
        p[3] = char(m_lastUpdate.day());
    }
    putU32(p + 4, quint32(m_recordCount));
    putU16(p + 8, quint32(headerLength()));
    putU16(p + 10, quint32(m_recordLength));
    p[29] = 0x03; // language driver: Windows ANSI (code page 1252)
    const bool foxPro = m_version == kFoxPro2Memo;
    for (int i = 0; i < m_fields.size(); ++i) {
        const DbfFieldSpec& f = m_fields[i];
        char* d = p + 32 + 32 * i;
        std::memcpy(d, f.name.constData(), size_t(f.name.size()));
        d[11] = f.type;
        if (foxPro)
            putU32(d + 12, quint32(m_offsets[i])); // FoxPro keeps the field's displacement
        d[16] = char(f.length);
        d[17] = char(f.decimals);
    }
    p[h.size() - 1] = 0x0D;
    return h;
}

void DbfWriter::beginRecord(bool deleted)
{
    m_record.fill(' ');
    m_record[0] = deleted ? '*' : ' ';
}

char* DbfWriter::fieldData(int field)
{
    return m_record.data() + m_offsets[field];
}

bool DbfWriter::setText(int field, const QString& text)
{
    bool ok = true;
    const QByteArray bytes = m_encoder.encode(text, &ok);
    const DbfFieldSpec& f = m_fields[field];
    const qsizetype n = std::min<qsizetype>(bytes.size(), f.length);
    char* d = fieldData(field);
    std::memset(d, ' ', size_t(f.length));
    std::memcpy(d, bytes.constData(), size_t(n));
    return ok && n == bytes.size();
}

bool DbfWriter::setNumber(int field, double value)
{
    const DbfFieldSpec& f = m_fields[field];
    const QByteArray text = QByteArray::number(value, 'f', f.decimals);
    char* d = fieldData(field);
    if (text.size() > f.length) {
        std::memset(d, '*', size_t(f.length));
        return false;
    }
    std::memset(d, ' ', size_t(f.length - text.size()));
    std::memcpy(d + f.length - text.size(), text.constData(), size_t(text.size()));
    return true;
}

void DbfWriter::setDate(int field, QDate date)
{
    char* d = fieldData(field);
    if (!date.isValid()) {
        std::memset(d, ' ', 8);
        return;
    }
    const QByteArray text = date.toString(u"yyyyMMdd").toLatin1();
    std::memcpy(d, text.constData(), 8);
}

void DbfWriter::setLogical(int field, std::optional<bool> value)
{
    *fieldData(field) = value ? (*value ? 'T' : 'F') : ' ';
}

bool DbfWriter::setMemoBlock(int field, qint64 block)
{
    const DbfFieldSpec& f = m_fields[field];
    char* d = fieldData(field);
    std::memset(d, ' ', size_t(f.length));
    if (block == 0)
        return true;
    const QByteArray text = QByteArray::number(block).rightJustified(f.length, ' ');
    if (text.size() > f.length || block < 0)
        return false;
    std::memcpy(d, text.constData(), size_t(f.length));
    return true;
}

bool DbfWriter::appendRecord()
{
    if (!m_open)
        return fail(QStringLiteral("Die Tabelle ist nicht geöffnet."));
    if (m_recordCount == 0xFFFFFFFFLL)
        return fail(QStringLiteral("Eine dBASE-Tabelle fasst höchstens 4294967295 Datensätze."));
    m_pending.append(m_record);
    ++m_recordCount;
    if (m_pending.size() >= kFlushBytes)
        return flush();
    return true;
}

bool DbfWriter::flush()
{
    if (m_file.write(m_pending) != m_pending.size())
        return fail(m_file.errorString());
    m_pending.clear();
    return true;
}

bool DbfWriter::finish()
{
    if (!m_open)
        return fail(QStringLiteral("Die Tabelle ist nicht geöffnet."));
    m_pending.append(char(0x1A));
    if (!flush())
        return false;
    char count[4];
    putU32(count, quint32(m_recordCount));
    if (!m_file.seek(4) || m_file.write(count, 4) != 4)
        return fail(m_file.errorString());
    m_open = false;
    if (!m_file.commit())
        return fail(m_file.errorString());
    return true;
}

} // namespace actdbgen
