#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace fonkel {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace fonkel
