// The TAPI log and the driver information window, opened from the main
// window's T&API menu; the driver report is read from the control on the
// simulated exchange.
#include "app/core/TapiWindows.h"
#include "app/core/DriverReport.h"
#include "app/core/Twips.h"
#include "app/core/frmHaupt.h"
#include "app/core/frmProtokoll.h"
#include "app/core/frmTapiInfo.h"
#include "control/line/Lintaro.h"
#include "control/line/LintaroDevices.h"
#include "platform/ui/LocaleDateTime.h"
#include "platform/ui/ScriptedUserInterface.h"
#include "tests/app/QStringPrinter.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using fonkel::twips::fromPixels;
using fonkel::twips::toPixels;

namespace {

TEST(FormatCapabilityList, TurnsTheControlsListsIntoIndentedLines)
{
    const struct {
        QString list;
        QString formatted;
    } cases[] = {
        {u""_s, u""_s},
        {u"<X>"_s, u"\tX\r"_s},
        {u"<A><B>"_s, u"\tA\r\n\t\tB\r"_s},
        {u"<NORMAL><BLOCKED><TEMPFAILURE>"_s, u"\tNORMAL\r\n\t\tBLOCKED\r\n\t\tTEMPFAILURE\r"_s},
        // The call-information token written ">BEARERMODE>" still starts an item.
        {u"<OTHER>>BEARERMODE><RATE>"_s, u"\tOTHER\r\n\t\tBEARERMODE\r\n\t\tRATE\r"_s},
        // Two characters or fewer keep their end.
        {u"<>"_s, u"\t\r"_s},
        {u"ab"_s, u"ab"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fonkel::FormatCapabilityList(c.list), c.formatted) << c.list.toStdString();
}

class LogWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        log.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&log));
    }
    fonkel::frmProtokoll log;
};

TEST_F(LogWindow, EachEventIsOneLineWithDateTimeNameAndValues)
{
    const QString dayBefore = platform::ui::LocaleDateTime::shortDate(QDate::currentDate());
    log.PrintProtokoll(u"OnBusy"_s, u"CBusyMode=\"STATION\"\r\nCCallHandle=65537"_s);
    log.PrintProtokoll(u"OnPhoneRing"_s, u"CRingMode=2"_s);
    // A stray line break from outside (a caller's name) does not split the line.
    log.PrintProtokoll(u"OnCallerID"_s, u"CName=\"Max\nMuster\"\rX=1"_s);
    const QString dayAfter = platform::ui::LocaleDateTime::shortDate(QDate::currentDate());

    const QString text = log.text();
    ASSERT_TRUE(text.startsWith(u"\r\n"_s)) << "the first line begins with a line break too";
    const QStringList lines = text.mid(2).split(u"\r\n"_s);
    ASSERT_EQ(lines.size(), 3);
    static const QRegularExpression pattern(u"^(.+) Event: (.*)$"_s);
    static const QRegularExpression timeOfDay(u"^\\d{1,2}:\\d{2}:\\d{2}"_s);
    const QStringList events{u"OnBusy Values: CBusyMode=\"STATION\", CCallHandle=65537"_s,
                             u"OnPhoneRing Values: CRingMode=2"_s,
                             u"OnCallerID Values: CName=\"Max, Muster\", X=1"_s};
    for (int i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].toStdString());
        const QString day = lines[i].startsWith(dayBefore + u' ') ? dayBefore : dayAfter;
        ASSERT_TRUE(lines[i].startsWith(day + u' ')) << "the short date first";
        const QRegularExpressionMatch m = pattern.match(lines[i].mid(day.size() + 1));
        ASSERT_TRUE(m.hasMatch());
        EXPECT_TRUE(timeOfDay.match(m.captured(1)).hasMatch()) << "then the time of day";
        EXPECT_FALSE(m.captured(1).contains(QDateTime::currentDateTime().timeZoneAbbreviation()))
            << "a time of day has no zone";
        EXPECT_EQ(m.captured(2), events[i]);
    }

    log.cmdReset->click();
    EXPECT_TRUE(log.text().isEmpty());
    log.PrintProtokoll(u"OnPhoneRing"_s, u"CRingMode=0"_s);
    EXPECT_TRUE(log.text().startsWith(u"\r\n"_s));
    EXPECT_TRUE(log.text().endsWith(u" Event: OnPhoneRing Values: CRingMode=0"_s));
}

TEST_F(LogWindow, LayoutKeepsTheButtonsAtTheBottomThirds)
{
    const int left = fromPixels(log.txbProtokoll->x());
    const int top = fromPixels(log.txbProtokoll->y());
    const int buttonWidth = fromPixels(log.cmdReset->width());
    const int buttonHeight = fromPixels(log.cmdReset->height());
    ASSERT_GT(left, 0);
    ASSERT_GT(top, 0);

    const struct {
        int width, height;                 // asked for (twips)
        int expectedWidth, expectedHeight; // what the window keeps
    } cases[] = {
        {9000, 6000, 9000, 6000}, {12000, 9000, 12000, 9000}, {3000, 6000, 7200, 6000},
        {9000, 1500, 9000, 5100}, {100, 100, 7200, 5100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        log.resize(toPixels(c.width), toPixels(c.height));
        QCoreApplication::processEvents();
        const int w = fromPixels(log.width());
        const int h = fromPixels(log.height());
        EXPECT_EQ(w, c.expectedWidth);
        EXPECT_EQ(h, c.expectedHeight);
        // Pixels are 15 twips: every position is exact to one pixel.
        const auto near = [](int pixels, int twips) {
            return std::abs(pixels - toPixels(twips)) <= 1;
        };
        EXPECT_TRUE(near(log.txbProtokoll->width(), w - 2 * left));
        EXPECT_TRUE(near(log.txbProtokoll->height(), h - buttonHeight - 3 * top));
        EXPECT_TRUE(near(log.cmdReset->x(), w / 3 - buttonWidth));
        EXPECT_TRUE(near(log.cmdClose->x(), 2 * w / 3));
        EXPECT_TRUE(near(log.cmdReset->y(), h - buttonHeight - top));
        EXPECT_EQ(log.cmdReset->y(), log.cmdClose->y());
        EXPECT_LE(log.cmdReset->geometry().right(), log.cmdClose->x());
    }
}

// The main window with the control on the simulated exchange: line 1 is an
// installation whose capabilities the test sets.
class TapiMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        {
            QSettings ini(dir.filePath(u"telephony.ini"_s), QSettings::IniFormat);
            ini.beginGroup(u"SimLine1"_s);
            ini.setValue(u"Name"_s, u"Testanlage"_s);
            ini.setValue(u"ProviderInfo"_s, u"Testtreiber 4.2"_s);
            ini.setValue(u"SwitchInfo"_s, u""_s);
            ini.setValue(u"ApiVersions"_s, u"0x00020001"_s);
            ini.setValue(u"MediaModes"_s, u"0x15"_s); // 0x1 has no token
            ini.setValue(u"AddressModes"_s, u"0x1"_s);
            ini.setValue(u"ParkModes"_s, u"0"_s);
            ini.setValue(u"DialToneModes"_s, u"0x1"_s);
            ini.setValue(u"BusyModes"_s, u"0x3"_s);
            ini.setValue(u"DisconnectModes"_s, u"0x28001"_s);
            ini.setValue(u"BearerModes"_s, u"0x9"_s);
            ini.setValue(u"CallStates"_s, u"0x3"_s);
            ini.setValue(u"CallInfoStates"_s, u"0x5"_s);
            ini.setValue(u"CallFeatures"_s, u"0xA0000000"_s);
        }
        QString error;
        devices = LintaroDevices::create(dir.filePath(u"telephony.ini"_s), &error);
        ASSERT_TRUE(devices->hasProvider()) << error.toStdString();
        window = std::make_unique<fonkel::frmHaupt>(ui);
        control = new Lintaro(devices->telephony(), devices->wave());
        window->setLintaroControl(control);
        windows = std::make_unique<fonkel::TapiWindows>(*window, *control);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        control->TapiLineInit();
        control->setDeviceId(1);
        control->TapiLineOpen();
    }
    void TearDown() override
    {
        windows.reset();
        if (control) {
            control->TapiLineClose();
            control->TapiLineShutdown();
            control->shutdownControl();
        }
        window.reset();
    }

    QTemporaryDir dir;
    std::unique_ptr<LintaroDevices> devices;
    platform::ui::ScriptedUserInterface ui;
    std::unique_ptr<fonkel::frmHaupt> window;
    Lintaro* control = nullptr;
    std::unique_ptr<fonkel::TapiWindows> windows;
};

TEST_F(TapiMenu, ProtokollItemAndTheLogWindowGoTogether)
{
    QAction& item = *window->mnuTAPIProtokoll;
    item.trigger();
    EXPECT_TRUE(item.isChecked());
    fonkel::frmProtokoll* log = windows->protokoll();
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(log->isVisible());
    EXPECT_FALSE(log->isModal());
    EXPECT_EQ(log->windowTitle(), u"Fonkel - Tapi-Protokoll"_s);
    log->PrintProtokoll(u"OnPhoneRing"_s, u"CRingMode=1"_s);

    // The close box: the mark goes, and the next log starts empty.
    log->close();
    EXPECT_FALSE(item.isChecked());
    EXPECT_EQ(windows->protokoll(), nullptr);
    item.trigger();
    ASSERT_NE(windows->protokoll(), nullptr);
    EXPECT_TRUE(windows->protokoll()->text().isEmpty());

    // "&Beenden" likewise.
    windows->protokoll()->cmdClose->click();
    EXPECT_FALSE(item.isChecked());
    EXPECT_EQ(windows->protokoll(), nullptr);

    // The item itself switches the log off again.
    item.trigger();
    QPointer<fonkel::frmProtokoll> open = windows->protokoll();
    ASSERT_TRUE(open && open->isVisible());
    item.trigger();
    EXPECT_FALSE(item.isChecked());
    EXPECT_EQ(windows->protokoll(), nullptr);
    EXPECT_TRUE(testsupport::waitUntil([&] { return open.isNull(); })) << "the window is gone";

    // Shutdown closes an open log.
    item.trigger();
    windows->UnloadProtokoll();
    EXPECT_FALSE(item.isChecked());
    EXPECT_EQ(windows->protokoll(), nullptr);
}

TEST_F(TapiMenu, DriverInformationReportsTheLineDevice)
{
    const QString expectedDevicePart = u"Device:\tTestanlage\r\n\r\n"
                                       "Tapiversion:\t20001\r\n"
                                       "Providerinfo:\tTesttreiber 4.2\r\n"
                                       "Switchinfo:\tn/a\r\n\r\n"
                                       "Tapidevice Modes\r\n"
                                       "Media:\t\tINTERACTIVEVOICE\r\n\t\tDATAMODEM\r\r\n"
                                       "Adress:\t\tADDRESSID\r\r\n"
                                       "Park:\t\r\n"
                                       "Dialtone:\t\tNORMAL\r\r\n"
                                       "Busy:\t\tSTATION\r\n\t\tTRUNK\r\r\n"
                                       "Disconnect:\tNORMAL\r\n\t\tBLOCKED\r\n\t\tTEMPFAILURE\r\r\n"
                                       "Bearer:\t\tVOICE\r\n\t\tDATA\r\r\n\r\n"
                                       "Tapidevice Call\r\n"
                                       "States:\t\tIDLE\r\n\t\tOFFERING\r\r\n"
                                       "Infostates:\tOTHER\r\n\t\tBEARERMODE\r\r\n"
                                       "Features:\t\tSETCALLDATA\r\n\t\tSETTRAETMENT\r"_s;

    // Without a caller-ID event the report begins with the device.
    window->mnuTapiInfos->trigger();
    QPointer<fonkel::frmTapiInfo> info = windows->tapiInfo();
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->isVisible());
    EXPECT_TRUE(info->isModal());
    EXPECT_EQ(info->windowTitle(), u"Tapi-Informationen"_s);
    EXPECT_EQ(info->report(), expectedDevicePart);
    // Shown without the empty lines that the lone carriage returns would make.
    EXPECT_TRUE(info->txbInfo->toPlainText().contains(
        u"\nBusy:\t\tSTATION\n\t\tTRUNK\nDisconnect:\tNORMAL\n"_s))
        << info->txbInfo->toPlainText().toStdString();
    EXPECT_TRUE(info->txbInfo->toPlainText().endsWith(u"\t\tSETTRAETMENT"_s));
    info->cmdOK->click();
    EXPECT_TRUE(testsupport::waitUntil([&] { return info.isNull(); }));

    // The report is built anew each time: now with the last call event.
    window->LastCallEvent = u"OnCallerEvent:1 17.03.24 14:05:09\r\nCNumber:030\r\n"_s;
    window->mnuTapiInfos->trigger();
    info = windows->tapiInfo();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->report(), u"Letzter CallEvent:\r\nOnCallerEvent:1 17.03.24 14:05:09\r\n"
                              "CNumber:030\r\n\r\n\r\n"_s +
                                  expectedDevicePart);

    // Escape closes it when the key is released.
    QTest::keyPress(info, Qt::Key_Escape);
    EXPECT_TRUE(info && info->isVisible());
    QTest::keyRelease(info, Qt::Key_Escape);
    EXPECT_TRUE(testsupport::waitUntil([&] { return info.isNull(); }));
}

} // namespace
