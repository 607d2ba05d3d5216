#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace actdbgen {

// Text to Windows-1252 for the generator's files. It learns the code page from
// Qt's converter, so it shares nothing with the reader's own table; Qt's
// encoder itself substitutes unmappable characters silently, so only its
// decoder is used.
class Cp1252Encoder {
public:
    Cp1252Encoder();

    bool isValid() const { return m_upper.size() == 128; }
    // Characters outside the code page become '?' and make *ok false.
    QByteArray encode(const QString& text, bool* ok = nullptr) const;

private:
    QHash<char16_t, char> m_upper; // the characters of bytes 0x80..0xFF
};

} // namespace actdbgen
