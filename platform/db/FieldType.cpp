#include "FieldType.h"

#include "DateTimeText.h"
#include "DbError.h"

#include <sqlite3.h>

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace platform::db {

QString declaredType(FieldType type, int size)
{
    switch (type) {
    case FieldType::Boolean:
        return QStringLiteral("BIT");
    case FieldType::Byte:
        return QStringLiteral("BYTE");
    case FieldType::Integer:
        return QStringLiteral("SHORT");
    case FieldType::Long:
        return QStringLiteral("LONG");
    case FieldType::Currency:
        return QStringLiteral("CURRENCY");
    case FieldType::Single:
        return QStringLiteral("SINGLE");
    case FieldType::Double:
        return QStringLiteral("DOUBLE");
    case FieldType::Date:
        return QStringLiteral("DATETIME");
    case FieldType::Binary:
        return QStringLiteral("BINARY(%1)").arg(size > 0 ? size : 255);
    case FieldType::Text:
        return QStringLiteral("VARCHAR(%1)").arg(size > 0 ? size : 255);
    case FieldType::LongBinary:
        return QStringLiteral("LONGBINARY");
    // "TEXT" in the name gives the column text affinity, so "0301" stays text.
    case FieldType::Memo:
        return QStringLiteral("LONGTEXT");
    }
    return QStringLiteral("VARCHAR(255)");
}

int defaultSize(FieldType type)
{
    switch (type) {
    case FieldType::Boolean:
    case FieldType::Byte:
        return 1;
    case FieldType::Integer:
        return 2;
    case FieldType::Long:
    case FieldType::Single:
        return 4;
    case FieldType::Currency:
    case FieldType::Double:
    case FieldType::Date:
        return 8;
    case FieldType::Binary:
    case FieldType::Text:
        return 255;
    case FieldType::LongBinary:
    case FieldType::Memo:
        return 0;
    }
    return 0;
}

DeclaredType fieldTypeOf(const QString& declared, int storageClass)
{
    const QString decl = declared.trimmed().toUpper();
    if (decl.isEmpty()) {
        switch (storageClass) {
        case SQLITE_INTEGER:
            return {FieldType::Long, 4};
        case SQLITE_FLOAT:
            return {FieldType::Double, 8};
        case SQLITE_BLOB:
            return {FieldType::LongBinary, 0};
        default:
            return {FieldType::Text, 255};
        }
    }
    static const QRegularExpression sizePattern(QStringLiteral("\\(\\s*(\\d+)"));
    const auto sizeMatch = sizePattern.match(decl);
    const int size = sizeMatch.hasMatch() ? sizeMatch.captured(1).toInt() : 0;
    const auto has = [&](const char* word) { return decl.contains(QLatin1StringView(word)); };
    const auto sized = [&](FieldType type) {
        return DeclaredType{type, size > 0 ? size : defaultSize(type)};
    };

    if (has("MEMO") || has("LONGTEXT") || has("LONGCHAR") || has("NOTE") || has("CLOB"))
        return {FieldType::Memo, 0};
    if (has("CHAR") || has("TEXT") || has("STRING"))
        return sized(FieldType::Text);
    if (has("DATE") || has("TIME"))
        return sized(FieldType::Date);
    if (has("BIT") || has("BOOL") || has("LOGICAL") || has("YESNO"))
        return sized(FieldType::Boolean);
    if (has("LONGBINARY") || has("BLOB") || has("OLE") || has("IMAGE"))
        return {FieldType::LongBinary, 0};
    if (has("BINARY"))
        return sized(FieldType::Binary);
    if (has("BYTE") || has("TINYINT"))
        return sized(FieldType::Byte);
    if (has("SHORT") || has("SMALLINT"))
        return sized(FieldType::Integer);
    if (has("CURRENCY") || has("MONEY"))
        return sized(FieldType::Currency);
    if (has("SINGLE"))
        return sized(FieldType::Single);
    if (has("LONG") || has("INT") || has("COUNTER"))
        return {FieldType::Long, 4};
    if (has("DOUB") || has("FLOA") || has("REAL") || has("NUM") || has("DEC"))
        return {FieldType::Double, size > 0 ? size : 8};
    return sized(FieldType::Text);
}

namespace {

[[noreturn]] void conversionFailed(const QString& field, const QVariant& value)
{
    throw DbError::conversion(field, value.toString());
}

qint64 integerValue(const QVariant& value, qint64 min, qint64 max, const QString& field)
{
    bool ok = false;
    qint64 number = 0;
    if (value.typeId() == QMetaType::Bool) {
        number = value.toBool() ? -1 : 0;
        ok = true;
    } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        const double d = value.toDouble();
        ok = std::isfinite(d) && d >= double(min) - 0.5 && d <= double(max) + 0.5;
        number = ok ? qint64(std::llround(d)) : 0;
    } else {
        number = value.toString().trimmed().toLongLong(&ok);
    }
    if (!ok || number < min || number > max)
        conversionFailed(field, value);
    return number;
}

double doubleValue(const QVariant& value, const QString& field)
{
    bool ok = false;
    const double d = value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok)
                                                          : value.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        conversionFailed(field, value);
    return d;
}

} // namespace

QVariant toStorage(FieldType type, const QVariant& value, const QString& fieldName)
{
    if (value.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Text:
    case FieldType::Memo:
        if (value.typeId() == QMetaType::QDateTime)
            return DateTimeText::toText(value.toDateTime());
        return value.toString();
    case FieldType::Date: {
        if (value.typeId() == QMetaType::QDateTime)
            return DateTimeText::toStored(value.toDateTime());
        if (value.typeId() == QMetaType::QDate)
            return DateTimeText::toStored(value.toDate().startOfDay());
        const auto parsed = DateTimeText::fromText(value.toString());
        if (!parsed)
            conversionFailed(fieldName, value);
        return DateTimeText::toStored(*parsed);
    }
    case FieldType::Boolean: {
        if (value.typeId() == QMetaType::Bool)
            return value.toBool() ? -1 : 0;
        const QString text = value.toString().trimmed().toLower();
        if (text == u"true" || text == u"wahr")
            return -1;
        if (text == u"false" || text == u"falsch")
            return 0;
        return integerValue(value, std::numeric_limits<qint64>::min(),
                            std::numeric_limits<qint64>::max(), fieldName) != 0
                   ? -1
                   : 0;
    }
    case FieldType::Byte:
        return integerValue(value, 0, 255, fieldName);
    case FieldType::Integer:
        return integerValue(value, -32768, 32767, fieldName);
    case FieldType::Long:
        return integerValue(value, std::numeric_limits<qint32>::min(),
                            std::numeric_limits<qint32>::max(), fieldName);
    case FieldType::Currency:
    case FieldType::Single:
    case FieldType::Double:
        return doubleValue(value, fieldName);
    case FieldType::Binary:
    case FieldType::LongBinary:
        return value.toByteArray();
    }
    return value;
}

QVariant fromStorage(FieldType type, const QVariant& stored)
{
    if (stored.isNull())
        return QVariant();
    switch (type) {
    case FieldType::Text:
    case FieldType::Memo:
        return stored.toString();
    case FieldType::Date: {
        if (const auto value = DateTimeText::fromStored(stored.toString()))
            return *value;
        return stored.toString(); // a foreign form: hand it on as it is
    }
    case FieldType::Boolean:
        return stored.toLongLong() != 0;
    case FieldType::Byte:
    case FieldType::Integer:
    case FieldType::Long: {
        bool ok = false;
        const qint64 number = stored.toLongLong(&ok);
        if (ok && number >= std::numeric_limits<qint32>::min() &&
            number <= std::numeric_limits<qint32>::max())
            return qint32(number);
        return stored;
    }
    case FieldType::Currency:
    case FieldType::Single:
    case FieldType::Double: {
        bool ok = false;
        const double d = stored.toDouble(&ok);
        return ok ? QVariant(d) : stored;
    }
    case FieldType::Binary:
    case FieldType::LongBinary:
        return stored.toByteArray();
    }
    return stored;
}

QString valueText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QDateTime)
        return DateTimeText::toText(value.toDateTime());
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

} // namespace platform::db
