#include "ImageList.h"

namespace fonkel {

using namespace Qt::StringLiterals;

ImageList::ImageList(QStringList keys, const QString& filePrefix) : m_keys(std::move(keys))
{
    m_pictures.reserve(m_keys.size());
    for (const QString& key : std::as_const(m_keys))
        m_pictures.append(QPixmap(u":/fonkel/icons/" + filePrefix + key + u".png"));
}

ImageList ImageList::ilIcons()
{
    return ImageList({u"Suche"_s, u"Unbekannt"_s, u"Ton"_s, u"Leer"_s, u"Klingel"_s, u"ACT"_s,
                      u"Verbindung"_s, u"NOACT"_s, u"Unbekannt_Weiterleitung"_s,
                      u"ACT_Weiterleitung"_s, u"Cache"_s});
}

ImageList ImageList::ilTelefone()
{
    return ImageList({u"passiv"_s, u"aktiv"_s, u"abgenommen"_s}, u"Telefon_"_s);
}

ImageList ImageList::ilSortierung()
{
    return ImageList({u"Hoch"_s, u"Runter"_s, u"Leer"_s}, u"Sort_"_s);
}

ImageList ImageList::ilBanner()
{
    QStringList keys;
    for (int i = 1; i <= 9; ++i)
        keys.append(u"Banner"_s + QString::number(i));
    return ImageList(keys);
}

int ImageList::index(const QString& key) const
{
    return static_cast<int>(m_keys.indexOf(key)) + 1;
}

QString ImageList::key(int index) const
{
    return index >= 1 && index <= count() ? m_keys.at(index - 1) : QString();
}

QPixmap ImageList::picture(int index) const
{
    return index >= 1 && index <= count() ? m_pictures.at(index - 1) : QPixmap();
}

QPixmap ImageList::picture(const QString& key) const
{
    return picture(index(key));
}

QIcon ImageList::icon(int index) const
{
    const QPixmap pixmap = picture(index);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

} // namespace fonkel
