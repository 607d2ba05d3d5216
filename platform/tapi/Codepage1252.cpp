#include "platform/tapi/Codepage1252.h"

namespace platform::tapi {

namespace {

// Characters of bytes 0x80..0x9F; 0 where the code page has none.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QByteArray toCodepage1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHighControls[i] != 0 && kHighControls[i] == u) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        out.append(mapped);
    }
    return out;
}

QString fromCodepage1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            const char16_t u = kHighControls[b - 0x80];
            out.append(u ? QChar(u) : QChar(u'?'));
        } else {
            out.append(QChar(b));
        }
    }
    return out;
}

QByteArray toTapiText(const QString& text)
{
    if (text.isEmpty())
        return {};
    QByteArray bytes = toCodepage1252(text);
    bytes.append('\0');
    return bytes;
}

QString fromTapiText(const char* text)
{
    return text ? fromCodepage1252(QByteArray(text)) : QString();
}

} // namespace platform::tapi
