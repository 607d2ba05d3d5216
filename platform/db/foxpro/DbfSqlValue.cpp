#include "DbfSqlValue.h"

#include "platform/db/dbase/DbfValue.h"
#include "platform/db/dbase/Windows1252.h"

#include <sqlite3.h>

#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <array>

namespace platform::db::foxpro {

using dbase::DbfValueKind;

namespace {

// UTF-8 of each Windows-1252 byte from 0x80 on (at most three bytes).
struct Utf8Table {
    Utf8Table()
    {
        for (int b = 0x80; b <= 0xFF; ++b) {
            const QByteArray utf8 = QString(dbase::Windows1252::decode(uchar(b))).toUtf8();
            Entry& e = entries[size_t(b - 0x80)];
            e.length = int(utf8.size());
            for (int i = 0; i < e.length; ++i)
                e.bytes[size_t(i)] = utf8[i];
        }
    }
    struct Entry {
        std::array<char, 4> bytes{};
        int length = 0;
    };
    std::array<Entry, 128> entries;
};

const Utf8Table& utf8Table()
{
    static const Utf8Table table;
    return table;
}

// The text holds no NUL. Handing it over as zero-terminated lets SQLite keep
// the terminator with its copy; given a length, it would reallocate the copy
// to add one as soon as a function such as GLOB reads it.
void resultText(sqlite3_context* context, const QByteArray& utf8)
{
    sqlite3_result_text(context, utf8.constData(), -1, SQLITE_TRANSIENT);
}

} // namespace

QString declaredSqlType(const dbase::DbfColumn& column)
{
    switch (column.kind) {
    case DbfValueKind::Character:
        return QStringLiteral("VARCHAR(%1)").arg(column.length);
    case DbfValueKind::Numeric:
        return QStringLiteral("NUMERIC");
    case DbfValueKind::Date:
        return QStringLiteral("DATE");
    case DbfValueKind::Logical:
        return QStringLiteral("LOGICAL");
    case DbfValueKind::Memo:
        return QStringLiteral("MEMO");
    case DbfValueKind::Integer:
        return QStringLiteral("INTEGER");
    case DbfValueKind::Double:
        return QStringLiteral("DOUBLE");
    case DbfValueKind::Currency:
        return QStringLiteral("CURRENCY");
    case DbfValueKind::DateTime:
        return QStringLiteral("DATETIME");
    case DbfValueKind::NullFlags:
    case DbfValueKind::Unknown:
        break;
    }
    return QStringLiteral("BINARY(%1)").arg(column.length);
}

bool dbfTextToUtf8(QByteArrayView field, QByteArray& out)
{
    const QByteArrayView text = dbase::trimmedDbfText(field);
    if (text.isEmpty())
        return false;
    // Phone numbers are plain ASCII: one copy.
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        out.resize(0);
        out.append(text.data(), text.size());
        return true;
    }
    out.resize(text.size() * 3);
    char* write = out.data();
    const Utf8Table& table = utf8Table();
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            *write++ = c;
        } else {
            const Utf8Table::Entry& e = table.entries[byte - 0x80];
            for (int i = 0; i < e.length; ++i)
                *write++ = e.bytes[size_t(i)];
        }
    }
    out.resize(write - out.constData());
    return true;
}

void resultDbfField(sqlite3_context* context, const dbase::DbfColumn& column, QByteArrayView field,
                    QByteArray& scratch)
{
    if (column.kind == DbfValueKind::Character) {
        if (dbfTextToUtf8(field, scratch))
            resultText(context, scratch);
        else
            sqlite3_result_null(context);
        return;
    }
    const QVariant value = dbase::decodeDbfValue(column, field);
    if (!value.isValid()) {
        sqlite3_result_null(context);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::LongLong:
        sqlite3_result_int64(context, value.toLongLong());
        return;
    case QMetaType::Double:
        sqlite3_result_double(context, value.toDouble());
        return;
    case QMetaType::Bool:
        sqlite3_result_int(context, value.toBool() ? -1 : 0);
        return;
    case QMetaType::QDate:
        resultText(context, value.toDate().toString(QStringLiteral("yyyy-MM-dd")).toUtf8());
        return;
    case QMetaType::QDateTime:
        resultText(context,
                   value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toUtf8());
        return;
    default: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_result_blob64(context, bytes.constData(), sqlite3_uint64(bytes.size()),
                              SQLITE_TRANSIENT);
        return;
    }
    }
}

} // namespace platform::db::foxpro
