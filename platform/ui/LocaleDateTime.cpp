#include "LocaleDateTime.h"

#include <QLocale>

namespace platform::ui::LocaleDateTime {

QString shortDate(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString longTime(const QTime& time)
{
    // Qt's long time format names the time zone; a time of day has none.
    const QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    QString plain;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        plain += c;
    }
    return QLocale::system().toString(time, plain.trimmed());
}

} // namespace platform::ui::LocaleDateTime
