#include "CaseInsensitivePattern.h"

#include "platform/db/JetSql.h"
#include "platform/db/dbase/Windows1252.h"

using platform::db::dbase::Windows1252;

namespace {

// The Windows-1252 code of the character's other case, or 0 when it has none
// in the code page. × (215) and ÷ (247) sit among the accented letters but
// are no letters.
int partnerCode(int code)
{
    if (code == 215 || code == 247)
        return 0;
    if ((code >= 97 && code <= 122) || (code >= 224 && code <= 253))
        return code - 32;
    if ((code >= 65 && code <= 90) || (code >= 192 && code <= 221))
        return code + 32;
    return 0;
}

} // namespace

QString CaseInsensitivePattern(const QString& term)
{
    QString pattern;
    pattern.reserve(term.size() * 4);
    for (const QChar c : term) {
        bool inCodePage = true;
        const QByteArray code = Windows1252::encode(QStringView(&c, 1), &inCodePage);
        const int partner = inCodePage ? partnerCode(static_cast<unsigned char>(code[0])) : 0;
        if (partner != 0)
            pattern += u'[' + QString(c) + Windows1252::decode(uchar(partner)) + u']';
        else
            pattern += platform::db::JetSql::escapeLike(QString(c));
    }
    return pattern;
}
