#include "TapiButton.h"

#include "ImageList.h"

namespace fonkel {

TapiButton::TapiButton(const ImageList& pictures, QWidget* parent)
    : QToolButton(parent), m_pictures(pictures)
{
    setIconSize(QSize(32, 32));
    setAutoRaise(false);
}

void TapiButton::setPicture(const QString& key)
{
    m_pictureKey = key;
    setIcon(m_pictures.icon(key));
}

} // namespace fonkel
