#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace platform::db::foxpro {

// What the translated LIKE of a contact search, GLOB '*piece*', asks when the
// piece holds no wildcard and no class: whether the text contains the piece.
// Returns the piece in Windows-1252 (the bytes to look for in a dBASE field),
// empty for "**" (any text), or nothing when the pattern has another form or
// a character outside the code page.
std::optional<QByteArray> globSubstringNeedle(QByteArrayView utf8Pattern);

} // namespace platform::db::foxpro
