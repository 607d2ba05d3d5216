#include "frmStatus.h"

#include "PictureBox.h"
#include "WindowTimer.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace fonkel {

frmStatus::frmStatus(const clTaskbar& taskbar, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmStatus"));
    setWindowTitle(QStringLiteral("Fonkel - Status"));

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(ImageList::ilTelefone().picture(QStringLiteral("aktiv")));
    Image1->setFixedSize(32, 32);
    Image1->setCursor(Qt::ArrowCursor);

    lbHauptInfo = new QLabel(this);
    lbHauptInfo->setObjectName(QStringLiteral("lbHauptInfo"));
    lbHauptInfo->setTextFormat(Qt::PlainText);
    QFont bold = lbHauptInfo->font();
    bold.setBold(true);
    lbHauptInfo->setFont(bold);

    lbInfo = new QLabel(this);
    lbInfo->setObjectName(QStringLiteral("lbInfo"));
    lbInfo->setTextFormat(Qt::PlainText);
    QFont small = lbInfo->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lbInfo->setFont(small);

    imBanner = new PictureBox(this);
    imBanner->setObjectName(QStringLiteral("imBanner"));
    imBanner->setFixedSize(96, 48);
    imBanner->setCursor(Qt::ArrowCursor);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lbHauptInfo);
    texts->addWidget(lbInfo);
    texts->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(texts, 1);
    layout->addWidget(imBanner, 0, Qt::AlignVCenter);
    setFixedSize(300, 100);

    Timer1 = new WindowTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &WindowTimer::timeout, this, &frmStatus::Timer1_Timer);

    taskbar.SnapFormTo(this);
    m_index = 1;
    m_upwards = true;
    showBanner();
    Timer1->setInterval(AnimationInterval);
}

frmStatus::~frmStatus()
{
    Timer1->setInterval(0);
}

void frmStatus::Timer1_Timer()
{
    const int count = ilBanner.count();
    // With fewer than two pictures there is nothing to animate.
    if (count < 2) {
        m_index = 1;
        showBanner();
        return;
    }
    if (m_upwards) {
        ++m_index;
        if (m_index == count)
            m_upwards = false;
    } else {
        --m_index;
        if (m_index == 1)
            m_upwards = true;
    }
    showBanner();
}

void frmStatus::showBanner()
{
    imBanner->setPicture(ilBanner.picture(m_index));
}

void frmStatus::closeEvent(QCloseEvent* event)
{
    Timer1->setInterval(0);
    QWidget::closeEvent(event);
}

} // namespace fonkel
