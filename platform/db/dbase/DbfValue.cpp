#include "DbfValue.h"

#include "Windows1252.h"

#include <QDate>
#include <QDateTime>

#include <charconv>
#include <cstring>

namespace platform::db::dbase {

namespace {

qint32 i32At(const char* p)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return static_cast<qint32>(v);
}

qint64 i64At(const char* p)
{
    quint64 v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return static_cast<qint64>(v);
}

double doubleAt(const char* p)
{
    const qint64 bits = i64At(p);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\0';
}

QByteArrayView trimmedBoth(QByteArrayView field)
{
    qsizetype begin = 0;
    while (begin < field.size() && isBlank(field[begin]))
        ++begin;
    return trimmedDbfText(field.sliced(begin));
}

QVariant numericValue(const DbfColumn& column, QByteArrayView field)
{
    QByteArrayView text = trimmedBoth(field);
    if (text.isEmpty())
        return {};
    if (text.front() == '+')
        text = text.sliced(1);
    const char* first = text.data();
    const char* last = first + text.size();
    if (column.decimals == 0) {
        qint64 whole = 0;
        const auto [end, ec] = std::from_chars(first, last, whole);
        if (ec == std::errc() && end == last)
            return QVariant::fromValue<qlonglong>(whole);
    }
    double number = 0;
    const auto [end, ec] = std::from_chars(first, last, number, std::chars_format::general);
    if (ec != std::errc() || end != last)
        return {};
    return number;
}

QVariant dateValue(QByteArrayView field)
{
    int parts[3] = {};
    const int widths[3] = {4, 2, 2};
    int at = 0;
    for (int i = 0; i < 3; ++i) {
        const auto [end, ec] =
            std::from_chars(field.data() + at, field.data() + at + widths[i], parts[i]);
        if (ec != std::errc() || end != field.data() + at + widths[i])
            return {};
        at += widths[i];
    }
    const QDate date(parts[0], parts[1], parts[2]);
    if (!date.isValid())
        return {};
    return date;
}

QVariant logicalValue(char c)
{
    switch (c) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        return true;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return false;
    default:
        return {};
    }
}

QVariant memoValue(QByteArrayView field)
{
    qint64 block = 0;
    if (field.size() == 4) {
        // Only Visual FoxPro writes memo fields of width 4, with a binary block
        // number; dBASE and FoxPro 2.x write ten ASCII digits.
        block = static_cast<quint32>(i32At(field.data()));
    } else {
        const QByteArrayView text = trimmedBoth(field);
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), block);
        if (ec != std::errc() || end != text.data() + text.size())
            return {};
    }
    if (block <= 0)
        return {};
    return QVariant::fromValue<qlonglong>(block);
}

QVariant dateTimeValue(QByteArrayView field)
{
    if (trimmedBoth(field).isEmpty())
        return {};
    const qint32 julianDay = i32At(field.data());
    const qint32 msecs = i32At(field.data() + 4);
    if (julianDay <= 0)
        return {};
    const QDate date = QDate::fromJulianDay(julianDay);
    const QTime time = QTime::fromMSecsSinceStartOfDay(msecs);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

} // namespace

QByteArrayView trimmedDbfText(QByteArrayView field)
{
    // The text ends at its first NUL, as it does for every reader that takes
    // the field as a C string (and for SQLite, which compares such strings).
    // A search calls this for every field of every record: memchr, then the
    // blanks before the end.
    qsizetype end = field.size();
    if (end == 0)
        return field;
    if (const void* nul = std::memchr(field.data(), '\0', size_t(end)))
        end = static_cast<const char*>(nul) - field.data();
    // Empty fields are common and all blanks: eight at a time first.
    const char* data = field.data();
    while (end >= 8 && std::memcmp(data + end - 8, "        ", 8) == 0)
        end -= 8;
    while (end > 0 && data[end - 1] == ' ')
        --end;
    return field.first(end);
}

QVariant decodeDbfValue(const DbfColumn& column, QByteArrayView field)
{
    switch (column.kind) {
    case DbfValueKind::Character: {
        const QByteArrayView text = trimmedDbfText(field);
        if (text.isEmpty())
            return {};
        return Windows1252::decode(text);
    }
    case DbfValueKind::Numeric:
        return numericValue(column, field);
    case DbfValueKind::Date:
        return dateValue(field);
    case DbfValueKind::Logical:
        return logicalValue(field[0]);
    case DbfValueKind::Memo:
        return memoValue(field);
    case DbfValueKind::Integer:
        return QVariant::fromValue<qlonglong>(i32At(field.data()));
    case DbfValueKind::Double:
        return doubleAt(field.data());
    case DbfValueKind::Currency:
        return double(i64At(field.data())) / 10000.0;
    case DbfValueKind::DateTime:
        return dateTimeValue(field);
    case DbfValueKind::NullFlags:
    case DbfValueKind::Unknown:
        break;
    }
    return QByteArray(field.data(), field.size());
}

} // namespace platform::db::dbase
