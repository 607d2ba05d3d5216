#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace platform::db {

// Date-and-time values in their two forms: the stored form (sortable text,
// "2024-03-17 14:05:09", the form every date field holds and every date
// comparison of the engine uses) and the display text the program shows and
// hands back in, "17.03.2024 14:05:09" (the caller list's "Datum" column).
namespace DateTimeText {

QString toStored(const QDateTime& value);
std::optional<QDateTime> fromStored(const QString& stored);

QString toText(const QDateTime& value);

// Reads a display text (with or without seconds or time) or a stored form.
// std::nullopt for anything that is not a valid date.
std::optional<QDateTime> fromText(const QString& text);

} // namespace DateTimeText

} // namespace platform::db
