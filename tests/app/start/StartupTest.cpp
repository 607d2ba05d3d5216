#include "ProgramFixture.h"

#include "app/calls/NumberPreparation.h"
#include "app/core/ListView.h"
#include "app/core/PanelStatusBar.h"
#include "app/core/TapiButton.h"
#include "app/core/Twips.h"
#include "app/core/WindowTimer.h"
#include "app/core/frmStatus.h"
#include "app/core/modOptionen.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

using Startup = ProgramFixture;

// Window geometry goes through whole pixels: a twips value comes back within
// one pixel.
void expectTwipsNear(int actual, int expected)
{
    EXPECT_LE(std::abs(actual - expected), fonkel::twips::PerPixel)
        << actual << " twips, expected about " << expected;
}

TEST_F(Startup, EmptyStoreStartsOnTheDefaults)
{
    QStringList steps;
    QStringList popupTexts;
    // The program object exists only inside start(); observe it as it loads.
    QMetaObject::Connection observer;
    const auto watch = [&] {
        observer = QObject::connect(
            program.get(), &fonkel::FonkelProgram::loadStep, [&](const QString& step) {
                steps << step;
                fonkel::frmStatus* popup = program->statusPopup();
                popupTexts << (popup && popup->isVisible() ? popup->lbHauptInfo->text()
                                                           : u"<hidden>"_s);
            });
    };
    program = std::make_unique<fonkel::FonkelProgram>(fonkel::ProgramSeams{
        ui, settings, registry, engine, devices->telephony(), devices->wave(), desktop, act,
        nummernMdb(), dir.filePath(u"log"_s), [this] { ++endProgramCalls; }});
    watch();
    program->Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));

    EXPECT_EQ(steps, (QStringList{u"TAPI-Initialisierung"_s, u"Nummern.mdb einlesen"_s,
                                  u"Telefonfelder einlesen"_s, u"ACT!-Monitor initialisieren"_s}));
    EXPECT_EQ(popupTexts, QStringList(4, u"wird gestartet..."_s));
    EXPECT_EQ(program->statusPopup(), nullptr);

    const QRect geometry = window()->geometryInTwips();
    expectTwipsNear(geometry.left(), 100);
    expectTwipsNear(geometry.top(), 100);
    expectTwipsNear(geometry.height(), 6540);
    expectTwipsNear(geometry.width(), 7575);

    // Both simulated lines are listed, none is selected.
    EXPECT_EQ(window()->cbxTapiDevices->count(), 2);
    EXPECT_EQ(window()->cbxTapiDevices->currentIndex(), -1);
    EXPECT_EQ(window()->mnuTapiTreiber->title(), u"TAPI ()"_s);
    EXPECT_FALSE(window()->mnuTAPIProtokoll->isChecked());
    EXPECT_FALSE(window()->mnuNummernCache->isChecked());
    EXPECT_FALSE(window()->mnuNummernCacheAutomatisch->isEnabled());
    EXPECT_TRUE(window()->mnuNummernCacheAutomatisch->isChecked());
    EXPECT_TRUE(window()->mnuAutoNummern->isChecked());
    EXPECT_FALSE(window()->mnuTapiNull->isChecked());
    EXPECT_EQ(window()->mnuTapiNull->text(), u"Präfix (0) hin&zufügen"_s);
    EXPECT_FALSE(window()->AutoStartPending);
    EXPECT_FALSE(window()->MinimisePending);
    EXPECT_EQ(window()->TimerACT->interval(), 4500);
    EXPECT_TRUE(window()->TimerACT->isRunning());
    EXPECT_EQ(control()->DeviceCount(), 2);
    EXPECT_FALSE(program->members().ACTMonitorReady);
    EXPECT_EQ(program->members().CachePath,
              fonkel::modOptionen::TempFolderPath() + u"/FONKEL.MDB"_s);
    EXPECT_EQ(window()->lvNummern->count(), 0);
    EXPECT_EQ(window()->lvNummern->headerIconKey(1), u"Runter"_s);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(ui.messages().isEmpty());
    QObject::disconnect(observer);
}

TEST_F(Startup, StoredDeviceIsSelectedByName)
{
    const struct {
        QString stored;
        int selected;
    } cases[] = {
        {u"Simulierte Leitung 2"_s, 1},
        {u"Simulierte Leitung 1"_s, 0},
        // A device that no longer exists: the first one.
        {u"ISDN-Karte von früher"_s, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        setOption(u"TapiDevice"_s, c.stored);
        start();
        EXPECT_EQ(window()->cbxTapiDevices->currentIndex(), c.selected);
        EXPECT_EQ(control()->deviceId(), c.selected);
        EXPECT_EQ(window()->mnuTapiTreiber->title(),
                  u"TAPI (Simulierte Leitung "_s + QString::number(c.selected + 1) + u")"_s);
        stop();
        // The device box's text is what is written back.
        EXPECT_EQ(option(u"TapiDevice"_s),
                  u"Simulierte Leitung "_s + QString::number(c.selected + 1));
    }
}

TEST_F(Startup, StoredGeometryOffTheScreenComesBack)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int screenWidth = fonkel::twips::fromPixels(screen.width());
    const int screenHeight = fonkel::twips::fromPixels(screen.height());
    const struct {
        int left, top;
        int expectedLeft, expectedTop;
    } cases[] = {
        {1500, 1200, 1500, 1200},
        {-500, 1200, 0, 1200},
        {screenWidth + 15, 1200, 0, 1200},
        {1500, screenHeight + 15, 1500, 0},
        {1500, -15, 1500, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << "," << c.top);
        settings.setValue(u"Window"_s, u"Left"_s, QString::number(c.left));
        settings.setValue(u"Window"_s, u"Top"_s, QString::number(c.top));
        settings.setValue(u"Window"_s, u"Width"_s, u"9000"_s);
        settings.setValue(u"Window"_s, u"Height"_s, u"7500"_s);
        start();
        const QRect geometry = window()->geometryInTwips();
        expectTwipsNear(geometry.left(), c.expectedLeft);
        expectTwipsNear(geometry.top(), c.expectedTop);
        expectTwipsNear(geometry.width(), 9000);
        expectTwipsNear(geometry.height(), 7500);
        stop();
    }
}

TEST_F(Startup, StoredOptionsBecomeMarks)
{
    setOption(u"Null"_s, u"-1"_s);
    setOption(u"AutoNummern"_s, u"0"_s);
    setOption(u"KeineNullBeimSuchen"_s, u"1"_s);
    setOption(u"NummernCacheAutomatisch"_s, u"0"_s);
    setOption(u"AutostartTimer"_s, u"1"_s);
    setOption(u"PlusKlammerFilter"_s, u"1"_s);
    setOption(u"WeiterleitungErkennen"_s, u"1"_s);
    setOption(u"Prefix"_s, u"9"_s);
    setOption(u"Nummernfilter"_s, u"0301234,0401234"_s);
    start();
    fonkel::frmHaupt& w = *window();
    EXPECT_FALSE(w.mnuTapiNull->isChecked());
    EXPECT_TRUE(w.mnuTAPINullEntfernen->isChecked());
    EXPECT_FALSE(w.mnuAutoNummern->isChecked());
    EXPECT_FALSE(w.lvKontakte->isVisible()); // the layout followed the mark
    EXPECT_TRUE(w.mnuKeineNullBeimSuchen->isChecked());
    EXPECT_FALSE(w.mnuNummernCacheAutomatisch->isChecked());
    EXPECT_TRUE(w.mnuAutoTimer->isChecked());
    EXPECT_TRUE(w.mnuTAPIPlusKlammerFilter->isChecked());
    EXPECT_TRUE(w.mnuVerbundeneNummern->isChecked());
    EXPECT_EQ(w.mnuTAPINullEntfernen->text(), u"Präfix (9) ent&fernen"_s);
    EXPECT_EQ(w.mnuTapiNullAendern->text(), u"Präfix (9) än&dern"_s);
    EXPECT_EQ(program->numbers()->nummernfilter(), u"0301234,0401234"_s);

    // A value the prefix mode does not know leaves the marks alone.
    stop();
    setOption(u"Null"_s, u"5"_s);
    start();
    EXPECT_FALSE(window()->mnuTapiNull->isChecked());
    EXPECT_FALSE(window()->mnuTAPINullEntfernen->isChecked());
}

TEST_F(Startup, FirstTickSwitchesTheMonitorOnAndMinimisesLaterTicksDoNot)
{
    setOption(u"AutoTapimonitor"_s, u"1"_s);
    setOption(u"FensterMin"_s, u"1"_s);
    start();
    fonkel::frmHaupt& w = *window();
    QSignalSpy pressed(w.cmdInitTapi, &QAbstractButton::clicked);
    EXPECT_TRUE(w.mnuTapiAktivieren->isChecked());
    EXPECT_TRUE(w.mnuFensterMin->isChecked());
    // Loading itself neither presses the button nor minimises.
    testsupport::spin(std::chrono::milliseconds(50));
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_FALSE(w.isMinimized());

    emit w.TimerACT->timeout();
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_TRUE(w.isMinimized());

    w.showNormal();
    emit w.TimerACT->timeout();
    EXPECT_EQ(pressed.count(), 1);
    EXPECT_FALSE(w.isMinimized());
}

TEST_F(Startup, FirstTickLeavesAWindowTheUserMinimisedAndDoesNothingWithoutOptions)
{
    start();
    fonkel::frmHaupt& w = *window();
    QSignalSpy pressed(w.cmdInitTapi, &QAbstractButton::clicked);
    emit w.TimerACT->timeout();
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_FALSE(w.isMinimized());
    stop();

    setOption(u"FensterMin"_s, u"1"_s);
    start();
    window()->showMinimized();
    ASSERT_TRUE(testsupport::waitUntil([&] { return window()->isMinimized(); }));
    emit window()->TimerACT->timeout();
    EXPECT_TRUE(window()->isMinimized());
    EXPECT_FALSE(window()->MinimisePending);
}

} // namespace
