#include "CallerDate.h"

#include <array>

namespace fonkel::CallerDate {

QString toText(const QDateTime& value)
{
    return value.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

std::optional<QDateTime> fromText(const QString& text)
{
    static const std::array formats{
        QStringLiteral("d.M.yyyy H:mm:ss"),
        QStringLiteral("d.M.yyyy H:mm"),
        QStringLiteral("d.M.yyyy"),
        QStringLiteral("yyyy-MM-dd HH:mm:ss"),
        QStringLiteral("yyyy-MM-ddTHH:mm:ss"),
        QStringLiteral("yyyy-MM-dd"),
    };
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (const QString& format : formats) {
        const QDateTime value = QDateTime::fromString(trimmed, format);
        if (value.isValid())
            return value;
    }
    return std::nullopt;
}

} // namespace fonkel::CallerDate
