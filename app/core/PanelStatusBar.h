#pragma once

#include <QFrame>
#include <QStatusBar>

class QLabel;

namespace fonkel {

class ImageList;

// One panel of the main window's status bar: a picture of ilIcons, a text and
// a tooltip.
class StatusPanel : public QFrame {
    Q_OBJECT
public:
    StatusPanel(const QString& key, const ImageList& images, QWidget* parent = nullptr);

    QString key() const { return m_key; }
    QString text() const;
    void setText(const QString& text);
    // 1-based index into ilIcons; 0 shows no picture.
    int picture() const { return m_picture; }
    void setPicture(int index);
    // Narrows the panel to the width of its picture.
    void narrowToPicture();

private:
    QString m_key;
    const ImageList& m_images;
    QLabel* m_pictureLabel;
    QLabel* m_textLabel;
    int m_picture = 0;
};

// The status bar with the panels "Tapi", "Status", "ACT" and "Cache".
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    PanelStatusBar(const ImageList& images, QWidget* parent = nullptr);

    static constexpr int PanelCount = 4;
    // Panel 1 to 4; nullptr for any other index or key.
    StatusPanel* panel(int index) const;
    StatusPanel* panel(const QString& key) const;

signals:
    void rightButtonReleased(const QPoint& globalPos);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QList<StatusPanel*> m_panels;
};

} // namespace fonkel
