#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace fonkel::CallerDate {

// The text form of a call's date and time in the caller list's "Datum"
// column: "17.03.2024 14:05:09".
QString toText(const QDateTime& value);

// Reads that form (also without seconds or without time) and the sortable
// stored form "2024-03-17 14:05:09"; std::nullopt for anything else.
std::optional<QDateTime> fromText(const QString& text);

} // namespace fonkel::CallerDate
