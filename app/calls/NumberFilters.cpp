#include "NumberFilters.h"

#include <QStringList>

namespace fonkel {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString FilterPlusAndBrackets(const QString& number)
{
    const QString t = TrimBlanks(number);
    if (t.isEmpty())
        return number;
    QString result;
    QString country;
    bool inCountry = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'+' && i == 0) {
            inCountry = true;
        } else if (inCountry) {
            if (!isAsciiDigit(c)) {
                inCountry = false;
                country.clear();
            } else if (country.size() == 3) {
                result = u"00" + country + c;
                inCountry = false;
            } else {
                country += c;
            }
        } else if (isAsciiDigit(c)) {
            result += c;
        }
    }
    return result;
}

QString CleanNumberFilter(const QString& answer)
{
    static const QString removed = QStringLiteral(" -/()+;#");
    QStringList kept;
    for (const QString& part : answer.split(u',')) {
        QString cleaned;
        for (const QChar c : part) {
            if (!removed.contains(c))
                cleaned += c;
        }
        if (!cleaned.isEmpty())
            kept.append(cleaned);
    }
    return kept.join(u',');
}

} // namespace fonkel
