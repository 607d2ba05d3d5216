#pragma once

#include <QString>

namespace fonkel {

// The tag of a caller-list entry or similar contact that was found in ACT!:
// "[" + the contact's unique id right-aligned with blanks to 12 characters +
// "]". Entries without contact carry UnknownContactTag instead.
inline const QString UnknownContactTag = QStringLiteral("Unbekannt");

// Ids longer than 12 characters are kept whole (not cut).
QString EncodeContactTag(const QString& id);

// The padded 12-character id of a tag; an empty text for a tag that names no
// contact ("Unbekannt", empty, or not in the bracket form).
QString DecodeContactTag(const QString& tag);

} // namespace fonkel
