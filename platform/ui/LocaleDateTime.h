#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace platform::ui::LocaleDateTime {

// The system's short date form of a date ("17.03.24" in a German locale).
QString shortDate(const QDate& date);

// The system's long time form of a time of day, without a time zone
// ("14:05:09" in a German locale).
QString longTime(const QTime& time);

} // namespace platform::ui::LocaleDateTime
