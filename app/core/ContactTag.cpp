#include "ContactTag.h"

namespace fonkel {

namespace {
constexpr int IdWidth = 12;
}

QString EncodeContactTag(const QString& id)
{
    return u'[' + id.rightJustified(IdWidth, u' ') + u']';
}

QString DecodeContactTag(const QString& tag)
{
    if (!tag.startsWith(u'['))
        return QString();
    QString id = tag.mid(1);
    if (id.endsWith(u']'))
        id.chop(1);
    return id.rightJustified(IdWidth, u' ');
}

} // namespace fonkel
