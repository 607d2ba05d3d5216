#pragma once

#include <QPixmap>
#include <QWidget>

namespace fonkel {

// A picture that reports a click (the banner).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }
    QSize sizeHint() const override { return m_picture.size(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace fonkel
