#include "app/core/frmStatus.h"
#include "app/core/PictureBox.h"
#include "app/core/WindowTimer.h"
#include "app/core/clTaskbar.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using fonkel::clTaskbar;
using fonkel::frmStatus;

namespace {

// A 1024 x 768 screen whose panel reserves the given strip.
clTaskbar taskbar(const QRect& available)
{
    return clTaskbar([available] {
        return clTaskbar::ScreenGeometry{QRect(0, 0, 1024, 768), available};
    });
}

TEST(clTaskbar, PlacesTheWindowBesideOrAboveTheTaskbar)
{
    const struct {
        const char* side;
        QRect available;
        int align;
        int height;
        int width;
        QPoint position;
    } cases[] = {
        {"bottom, 30 high", QRect(0, 0, 1024, 738), clTaskbar::Bottom, 30, 1024, {724, 638}},
        {"right, 60 wide", QRect(0, 0, 964, 768), clTaskbar::Right, 768, 60, {664, 668}},
        {"top", QRect(0, 28, 1024, 740), clTaskbar::Top, 28, 1024, {724, 668}},
        {"left", QRect(48, 0, 976, 768), clTaskbar::Left, 768, 48, {724, 668}},
        {"none", QRect(0, 0, 1024, 768), clTaskbar::Bottom, 0, 1024, {724, 668}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        const clTaskbar bar = taskbar(c.available);
        EXPECT_EQ(bar.TaskBarAlign(), c.align);
        EXPECT_EQ(bar.TaskbarHeight(), c.height);
        EXPECT_EQ(bar.TaskBarWidth(), c.width);
        EXPECT_EQ(bar.IsTaskBarOnTop(), c.height > 0);
        QWidget window;
        window.resize(300, 100);
        bar.SnapFormTo(&window);
        EXPECT_EQ(window.pos(), c.position);
    }
    taskbar(QRect(0, 0, 1024, 738)).SnapFormTo(nullptr); // nothing to move
}

TEST(clTaskbar, AScreenAwayFromTheOriginKeepsItsOffset)
{
    const clTaskbar second([] {
        return clTaskbar::ScreenGeometry{QRect(1280, 0, 1024, 768), QRect(1280, 0, 1024, 738)};
    });
    QWidget window;
    window.resize(300, 100);
    second.SnapFormTo(&window);
    EXPECT_EQ(window.pos(), QPoint(1280 + 724, 638));
}

TEST(frmStatus, OpensInTheCornerAndAnimatesUpAndDown)
{
    frmStatus status(taskbar(QRect(0, 0, 1024, 738)));
    EXPECT_EQ(status.windowTitle(), "Fonkel - Status");
    EXPECT_EQ(status.size(), QSize(300, 100));
    EXPECT_EQ(status.pos(), QPoint(724, 638));
    EXPECT_EQ(status.Timer1->interval(), 500);
    EXPECT_TRUE(status.Timer1->isRunning());

    status.lbHauptInfo->setText("wird gestartet...");
    status.lbInfo->setText("TAPI-Initialisierung");

    QList<int> shown{status.bannerIndex()};
    for (int tick = 0; tick < 18; ++tick) {
        status.Timer1_Timer();
        shown.append(status.bannerIndex());
        EXPECT_EQ(status.imBanner->picture().toImage(),
                  status.ilBanner.picture(status.bannerIndex()).toImage());
    }
    EXPECT_EQ(shown, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7, 6, 5, 4, 3, 2, 1, 2, 3}));

    status.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&status));
    status.close();
    EXPECT_FALSE(status.Timer1->isRunning());
}

TEST(frmStatus, TheTimerDrivesTheBanner)
{
    frmStatus status(taskbar(QRect(0, 0, 1024, 738)));
    emit status.Timer1->timeout();
    emit status.Timer1->timeout();
    EXPECT_EQ(status.bannerIndex(), 3);
}

} // namespace
