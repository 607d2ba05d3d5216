#pragma once

#include <QByteArray>
#include <QString>

namespace platform::tapi {

// The 8-bit texts of the line and phone functions are Windows-1252.
QByteArray toCodepage1252(const QString& text);
// Characters the code page lacks become '?'.
QString fromCodepage1252(const QByteArray& bytes);
// The text as stored in a structure: Windows-1252 with a terminating NUL;
// empty for an empty text.
QByteArray toTapiText(const QString& text);
// A text handed to a service function (nullptr reads as empty).
QString fromTapiText(const char* text);

} // namespace platform::tapi
