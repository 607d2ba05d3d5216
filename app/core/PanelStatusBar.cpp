#include "PanelStatusBar.h"

#include "ImageList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace fonkel {

namespace {
constexpr int PictureSize = 16;
constexpr int PanelMargin = 2;
} // namespace

StatusPanel::StatusPanel(const QString& key, const ImageList& images, QWidget* parent)
    : QFrame(parent), m_key(key), m_images(images), m_pictureLabel(new QLabel(this)),
      m_textLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("panel") + key);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(PanelMargin, 0, PanelMargin, 0);
    layout->setSpacing(3);
    m_pictureLabel->setFixedSize(PictureSize, PictureSize);
    m_pictureLabel->hide();
    m_textLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(m_pictureLabel);
    layout->addWidget(m_textLabel, 1);
    setMinimumWidth(PictureSize + 2 * PanelMargin + 2 * frameWidth());
}

QString StatusPanel::text() const
{
    return m_textLabel->text();
}

void StatusPanel::setText(const QString& text)
{
    m_textLabel->setText(text);
}

void StatusPanel::setPicture(int index)
{
    m_picture = index;
    const QPixmap pixmap = m_images.picture(index);
    m_pictureLabel->setPixmap(pixmap);
    m_pictureLabel->setVisible(!pixmap.isNull());
}

void StatusPanel::narrowToPicture()
{
    setFixedWidth(PictureSize + 2 * PanelMargin + 2 * frameWidth());
}

PanelStatusBar::PanelStatusBar(const ImageList& images, QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    for (const QString& key : {QStringLiteral("Tapi"), QStringLiteral("Status"),
                               QStringLiteral("ACT"), QStringLiteral("Cache")}) {
        auto* panel = new StatusPanel(key, images, this);
        m_panels.append(panel);
        addWidget(panel);
    }
}

StatusPanel* PanelStatusBar::panel(int index) const
{
    return index >= 1 && index <= m_panels.size() ? m_panels.at(index - 1) : nullptr;
}

StatusPanel* PanelStatusBar::panel(const QString& key) const
{
    for (StatusPanel* panel : m_panels) {
        if (panel->key() == key)
            return panel;
    }
    return nullptr;
}

void PanelStatusBar::mouseReleaseEvent(QMouseEvent* event)
{
    QStatusBar::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightButtonReleased(event->globalPosition().toPoint());
}

} // namespace fonkel
