#pragma once

#include "ImageList.h"
#include "clTaskbar.h"

#include <QWidget>

class QLabel;

namespace fonkel {

class PictureBox;
class WindowTimer;

// The small status window shown while the program starts or rebuilds its
// number cache: a main text, a detail text and an animated banner, placed in
// the bottom right-hand corner next to the taskbar. The caller sets the texts.
class frmStatus : public QWidget {
    Q_OBJECT
public:
    static constexpr int AnimationInterval = 500;

    explicit frmStatus(const clTaskbar& taskbar = clTaskbar(), QWidget* parent = nullptr);
    ~frmStatus() override;

    const ImageList ilBanner = ImageList::ilBanner();

    QLabel* lbHauptInfo = nullptr;
    QLabel* lbInfo = nullptr;
    PictureBox* imBanner = nullptr;
    PictureBox* Image1 = nullptr;
    WindowTimer* Timer1 = nullptr;

    // The banner picture shown (1-based).
    int bannerIndex() const { return m_index; }

    // One animation step (Timer1's tick): 1, 2, ... n, n-1, ... 1, 2, ...
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showBanner();

    short m_index = 1;
    bool m_upwards = true;
};

} // namespace fonkel
