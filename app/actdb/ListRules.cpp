#include "ListRules.h"

namespace {

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}

} // namespace

int CountListItems(const QString& list, const QString& separator)
{
    if (list.isEmpty())
        return 0;
    if (separator.isEmpty())
        return 1;
    int count = 1;
    for (qsizetype at = list.indexOf(separator, 1); at >= 0;
         at = list.indexOf(separator, at + separator.size()))
        ++count;
    return count;
}

QString GetListItem(const QString& list, const QString& separator, int k)
{
    if (k < 1 || separator.isEmpty())
        return k == 1 ? trimBlanks(list) : QString();
    qsizetype begin = 0;
    for (int item = 1; item < k; ++item) {
        const qsizetype at = list.indexOf(separator, begin);
        if (at < 0)
            return QString();
        begin = at + separator.size();
    }
    qsizetype end = list.indexOf(separator, begin);
    if (end < 0)
        end = list.size();
    return trimBlanks(QStringView(list).sliced(begin, end - begin));
}
