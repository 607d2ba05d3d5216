#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringList>

namespace fonkel {

// A fixed list of pictures addressed by a 1-based index or by key, like the
// image lists of the main window (ilIcons, ilTelefone, ilSortierung) and of
// the status popup (ilBanner).
class ImageList {
public:
    // keys in index order; files are ":/fonkel/icons/" + prefix + key + ".png"
    ImageList(QStringList keys, const QString& filePrefix = QString());

    static ImageList ilIcons();
    static ImageList ilTelefone();
    static ImageList ilSortierung();
    static ImageList ilBanner();

    int count() const { return static_cast<int>(m_keys.size()); }
    const QStringList& keys() const { return m_keys; }
    // 1-based index of a key; 0 when the list has no such key.
    int index(const QString& key) const;
    QString key(int index) const;

    // A null pixmap / icon for an index or key the list does not have.
    QPixmap picture(int index) const;
    QPixmap picture(const QString& key) const;
    QIcon icon(int index) const;
    QIcon icon(const QString& key) const { return icon(index(key)); }

private:
    QStringList m_keys;
    QList<QPixmap> m_pictures;
};

} // namespace fonkel
