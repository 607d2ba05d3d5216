#pragma once

#include <QString>

// The LIKE pattern of a search term that finds it in any letter case: every
// letter of the Windows-1252 code page becomes a class of itself and its
// other case ("Ab1" gives "[Aa][bB]1", "ä" gives "[äÄ]"). A term is data, so
// the LIKE wildcards *, ? and # and the class bracket [ stand for themselves
// ("[*]"); everything else, digits, blanks, signs, ß and ÿ, is copied as it
// is. A term of digits only therefore comes back unchanged.
QString CaseInsensitivePattern(const QString& term);
