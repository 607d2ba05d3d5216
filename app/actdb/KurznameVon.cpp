#include "KurznameVon.h"

QString KurznameVon(const QString& path)
{
    return path;
}
