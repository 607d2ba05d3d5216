#include "DateTimeText.h"

#include <QStringList>

namespace platform::db::DateTimeText {

namespace {

const QString& storedFormat()
{
    static const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    return format;
}

std::optional<QDateTime> parseAny(const QString& text, const QStringList& formats)
{
    for (const QString& format : formats) {
        QDateTime value = QDateTime::fromString(text, format);
        if (value.isValid())
            return value;
        // A date-only format leaves the time invalid in QDateTime; read the date.
        if (!format.contains(u'H')) {
            const QDate date = QDate::fromString(text, format);
            if (date.isValid())
                return date.startOfDay();
        }
    }
    return std::nullopt;
}

} // namespace

QString toStored(const QDateTime& value)
{
    return value.toString(storedFormat());
}

std::optional<QDateTime> fromStored(const QString& stored)
{
    return parseAny(stored, {storedFormat(), QStringLiteral("yyyy-MM-dd")});
}

QString toText(const QDateTime& value)
{
    return value.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

std::optional<QDateTime> fromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    static const QStringList formats = {
        QStringLiteral("d.M.yyyy H:mm:ss"),
        QStringLiteral("d.M.yyyy H:mm"),
        QStringLiteral("d.M.yyyy"),
        storedFormat(),
        QStringLiteral("yyyy-MM-ddTHH:mm:ss"),
        QStringLiteral("yyyy-MM-dd HH:mm"),
        QStringLiteral("yyyy-MM-dd"),
    };
    return parseAny(trimmed, formats);
}

} // namespace platform::db::DateTimeText
