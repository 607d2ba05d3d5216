#pragma once

#include <QToolButton>

namespace fonkel {

class ImageList;

// The telephone button: shows a picture of ilTelefone ("passiv", "aktiv",
// "abgenommen") and keeps the monitor state in its tag ("passiv" or "aktiv").
class TapiButton : public QToolButton {
    Q_OBJECT
public:
    TapiButton(const ImageList& pictures, QWidget* parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }
    QString pictureKey() const { return m_pictureKey; }
    void setPicture(const QString& key);

private:
    const ImageList& m_pictures;
    QString m_tag;
    QString m_pictureKey;
};

} // namespace fonkel
