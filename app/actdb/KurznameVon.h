#pragma once

#include <QString>

// The short (8.3) form of a path. Linux has no short names: the path is the
// same.
QString KurznameVon(const QString& path);

// The separator of the paths the ACT! classes take apart.
inline constexpr char16_t kPathSeparator = u'/';
