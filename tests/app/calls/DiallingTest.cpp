#include "app/calls/Dialling.h"

#include "app/core/ListView.h"
#include "app/core/PanelStatusBar.h"
#include "app/core/frmHaupt.h"
#include "app/core/modOptionen.h"
#include "control/line/Lintaro.h"
#include "control/line/LintaroDevices.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/settings/LinuxRegistry.h"
#include "platform/tapi/DiallingLocationsDialog.h"
#include "platform/tapi/DialogRunner.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/sim/SimExchange.h"
#include "platform/ui/ScriptedUserInterface.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using platform::tapi::sim::SimExchange;

namespace {

// The main window with the control on the simulated exchange, its line 0
// open; the dialling locations in the telephony configuration of a
// temporary folder.
class DiallingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        devices = LintaroDevices::create(telephonyIni(), &error, &dialogs);
        ASSERT_TRUE(devices->hasProvider()) << error.toStdString();
        control = new Lintaro(devices->telephony(), devices->wave());
        window.setLintaroControl(control);
        dialling = std::make_unique<fonkel::Dialling>(window, *control, options, registry);
        control->TapiLineInit();
        control->TapiLineOpen();
        ASSERT_TRUE(testsupport::waitUntil([&] { return exchange().lines()[0].openCount == 1; }));
        window.cbxAddress->addItem(u"10"_s);
        window.cbxAddress->setCurrentIndex(0);
    }

    void TearDown() override
    {
        dialling.reset();
        control->TapiLineShutdown();
    }

    QString telephonyIni() const { return dir.filePath(u"telephony.ini"_s); }
    SimExchange& exchange() const { return *devices->simExchange(); }

    void setLocations(const QString& currentId, const QList<std::pair<int, QString>>& access)
    {
        QSettings ini(telephonyIni(), QSettings::IniFormat);
        ini.clear();
        if (!currentId.isNull())
            ini.setValue(u"Locations/CurrentID"_s, currentId);
        for (const auto& [id, code] : access)
            ini.setValue(u"Location%1/OutsideAccess"_s.arg(id), code);
    }

    void addCall(fonkel::ListView& list, const QString& text)
    {
        list.addEntry(text);
        list.selectEntry(list.entry(list.count() - 1));
    }

    // The number of the newest outgoing call on the exchange, "" when none.
    QString dialled()
    {
        testsupport::waitUntil([&] {
            const auto calls = exchange().calls();
            return !calls.isEmpty() && calls.last().outgoing;
        });
        const auto calls = exchange().calls();
        return calls.isEmpty() ? QString() : calls.last().calledNumber;
    }

    void hangUp()
    {
        for (const auto& call : exchange().calls())
            exchange().farEndHangsUp(call.id, platform::tapi::LINEDISCONNECTMODE_NORMAL);
        testsupport::waitUntil([&] { return exchange().calls().isEmpty(); });
        testsupport::spin(std::chrono::milliseconds(20));
    }

    QTemporaryDir dir;
    platform::settings::IniSettingsStore store{dir.filePath(u"Fonkel.ini"_s)};
    fonkel::modOptionen options{store};
    platform::settings::LinuxRegistry registry{QProcessEnvironment(), telephonyIni()};
    platform::ui::ScriptedUserInterface ui;
    platform::tapi::ScriptedDialogRunner dialogs;
    std::unique_ptr<LintaroDevices> devices;
    fonkel::frmHaupt window{ui};
    Lintaro* control = nullptr;
    std::unique_ptr<fonkel::Dialling> dialling;
};

TEST_F(DiallingTest, CallerListEntryIsDialledBehindTheOutsideAccessCode)
{
    const struct {
        QString currentId; // null: no value
        QList<std::pair<int, QString>> access;
        QString expected;
    } cases[] = {
        {u"1"_s, {{1, u"0"_s}}, u"00301234"_s},
        {QString(), {{1, u"0"_s}}, u"0301234"_s},
        {u"2"_s, {{1, u"0"_s}, {2, u"9"_s}}, u"90301234"_s},
        {u"2"_s, {{1, u"0"_s}}, u"0301234"_s}, // the location has no code
        {u"0"_s, {{1, u"0"_s}}, u"0301234"_s},
    };
    addCall(*window.lvNummern, u"0301234"_s);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        setLocations(c.currentId, c.access);
        window.mnuNummerAnwaehlen->trigger();
        EXPECT_EQ(dialled(), c.expected);
        EXPECT_EQ(window.panel(1)->text(), u"Wähle "_s + c.expected);
        EXPECT_EQ(window.Text1->toolTip(), u"Gewählte Nummer: "_s + c.expected);
        EXPECT_EQ(control->TAPI_LINEADDRESSMODE(), 1);
        hangUp();
    }
}

TEST_F(DiallingTest, AddressModeAndAddressIndexFromTheWindow)
{
    addCall(*window.lvNummern, u"0301234"_s);
    store.setValue(u"Optionen"_s, u"DialLineAdressMode"_s, u"2"_s);
    window.mnuNummerAnwaehlen->trigger();
    EXPECT_EQ(control->TAPI_LINEADDRESSMODE(), 2);
    EXPECT_EQ(dialled(), u"0301234"_s);
    hangUp();

    // No address selected: the index passed is -1, which the line refuses.
    store.setValue(u"Optionen"_s, u"DialLineAdressMode"_s, u"1"_s);
    window.cbxAddress->setCurrentIndex(-1);
    QSignalSpy messages(control, &Lintaro::OnTapiMessage);
    window.mnuNummerAnwaehlen->trigger();
    ASSERT_TRUE(testsupport::waitUntil([&] { return !messages.isEmpty(); }));
    testsupport::spin(std::chrono::milliseconds(50));
    EXPECT_TRUE(exchange().calls().isEmpty());
    EXPECT_NE(messages.last().at(0).toString(), u"SUCCESS"_s);
}

TEST_F(DiallingTest, EmptyListsDialNothing)
{
    setLocations(u"1"_s, {{1, u"0"_s}});
    window.mnuNummerAnwaehlen->trigger();
    window.mnuAehnlicheNummerAnwaehlen->trigger();
    testsupport::spin(std::chrono::milliseconds(50));
    EXPECT_TRUE(exchange().calls().isEmpty());
    EXPECT_EQ(window.panel(1)->text(), QString());
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(DiallingTest, SimilarContactIsDialledAsItStands)
{
    setLocations(u"1"_s, {{1, u"0"_s}});
    store.setValue(u"Optionen"_s, u"DialLineAdressMode"_s, u"2"_s);
    addCall(*window.lvKontakte, u"[Telefon] 0301234"_s);
    window.mnuAehnlicheNummerAnwaehlen->trigger();
    EXPECT_EQ(dialled(), u"0301234"_s);
    EXPECT_EQ(control->TAPI_LINEADDRESSMODE(), 1);
    EXPECT_EQ(window.panel(1)->text(), QString());
    hangUp();

    // A text without a column is dialled whole.
    addCall(*window.lvKontakte, u"0407654"_s);
    window.mnuAehnlicheNummerAnwaehlen->trigger();
    EXPECT_EQ(dialled(), u"0407654"_s);
    hangUp();

    addCall(*window.lvKontakte, QString());
    window.mnuAehnlicheNummerAnwaehlen->trigger();
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages()[0].text, u"Es ist keine Nummer vorhanden."_s);
    EXPECT_TRUE(exchange().calls().isEmpty());
}

TEST_F(DiallingTest, DiallingRulesChangeTheAccessCodeOfTheNextCall)
{
    QString dialogName;
    dialogs.setScript([&](QDialog& dialog) {
        dialogName = dialog.metaObject()->className();
        auto* access = dialog.findChild<QLineEdit*>(u"outsideAccessEdit"_s);
        if (!access)
            return int(QDialog::Rejected);
        access->setText(u"0"_s);
        return int(QDialog::Accepted);
    });
    window.mnuTapiWaehlregeln->trigger();
    EXPECT_EQ(dialogs.dialogsShown(), 1);
    EXPECT_EQ(dialogName, u"platform::tapi::DiallingLocationsDialog"_s);

    addCall(*window.lvNummern, u"0301234"_s);
    window.mnuNummerAnwaehlen->trigger();
    EXPECT_EQ(dialled(), u"00301234"_s);
    hangUp();

    dialogs.setScript([&](QDialog& dialog) {
        dialogName = dialog.metaObject()->className();
        return int(QDialog::Rejected);
    });
    window.mnuTapiEinstellungen->trigger();
    EXPECT_EQ(dialogs.dialogsShown(), 2);
    EXPECT_EQ(dialogName, u"platform::tapi::sim::SimLineSettingsDialog"_s);
}

} // namespace
