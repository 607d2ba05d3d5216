#include "GlobNeedle.h"

#include "platform/db/dbase/Windows1252.h"

#include <QString>

namespace platform::db::foxpro {

std::optional<QByteArray> globSubstringNeedle(QByteArrayView utf8Pattern)
{
    if (utf8Pattern.size() < 2 || utf8Pattern.front() != '*' || utf8Pattern.back() != '*')
        return std::nullopt;
    const QByteArrayView piece = utf8Pattern.sliced(1, utf8Pattern.size() - 2);
    for (const char c : piece) {
        // SQLite reads a pattern up to its first NUL.
        if (c == '*' || c == '?' || c == '[' || c == '\0')
            return std::nullopt;
    }
    const QString text = QString::fromUtf8(piece);
    if (text.toUtf8() != piece) // not valid UTF-8: leave it to SQLite
        return std::nullopt;
    bool lossless = true;
    QByteArray needle = dbase::Windows1252::encode(text, &lossless);
    if (!lossless)
        return std::nullopt;
    return needle;
}

} // namespace platform::db::foxpro
