#pragma once

#include <QString>

#include <ostream>

// GoogleTest shows a QString (and a list of them) that fails a comparison as
// its text instead of its bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
