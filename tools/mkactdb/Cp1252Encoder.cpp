#include "Cp1252Encoder.h"

#include <QStringDecoder>

namespace actdbgen {

Cp1252Encoder::Cp1252Encoder()
{
    QByteArray upper;
    for (int b = 0x80; b <= 0xFF; ++b)
        upper.append(char(b));
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return;
    const QString chars = decoder.decode(upper);
    if (chars.size() != upper.size())
        return;
    for (int i = 0; i < chars.size(); ++i)
        m_upper.insert(chars[i].unicode(), upper[i]);
}

QByteArray Cp1252Encoder::encode(const QString& text, bool* ok) const
{
    bool lossless = true;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes[i] = char(c);
        } else if (const auto found = m_upper.constFind(c); found != m_upper.cend()) {
            bytes[i] = *found;
        } else {
            bytes[i] = '?';
            lossless = false;
        }
    }
    if (ok)
        *ok = lossless;
    return bytes;
}

} // namespace actdbgen
