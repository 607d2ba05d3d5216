#pragma once

#include <QString>

namespace fonkel {

// Keeps the digits of a number; a leading country code written with "+"
// becomes "00" + code when digits follow it directly and is dropped with the
// plus sign when a separator follows it. A number of blanks only comes back
// unchanged.
QString FilterPlusAndBrackets(const QString& number);

// The number-filter dialog's cleaning: split at ",", remove " ", "-", "/",
// "(", ")", "+", ";" and "#" from each part, drop empty parts, join with ",".
QString CleanNumberFilter(const QString& answer);

// Removes blanks (only blanks) at both ends.
QString TrimBlanks(const QString& text);

} // namespace fonkel
