// The service's dialogs are real dialogs; a script fills and accepts their
// widgets, and what was entered is stored in the service's configuration.
#include "TapiTestSupport.h"

#include "platform/tapi/TelephonyConfig.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

using namespace tapitest;

namespace {

template <class W> W* child(QDialog& dialog, const char* name)
{
    W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void press(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(which)->click();
}

class Dialogs : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        m_app = initialize(m_log);
        m_line = open(m_app, 0, LINECALLPRIVILEGE_MONITOR);
        m_version = negotiated(m_app, 0);
    }
    QStringList configLines()
    {
        QFile file(m_configPath);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList lines;
        for (const QByteArray& line : file.readAll().split('\n'))
            lines.append(QString::fromUtf8(line.trimmed()));
        return lines;
    }
    MessageLog m_log;
    HLINEAPP m_app = 0;
    HLINE m_line = 0;
    DWORD m_version = 0;
};

} // namespace

TEST_F(Dialogs, DiallingRulesAreStoredInTheConfiguration)
{
    ASSERT_EQ(m_service->lineSetStatusMessages(m_line, LINEDEVSTATE_TRANSLATECHANGE, 0), 0);
    QString preview;
    m_dialogs.setScript([&](QDialog& dialog) {
        // The built-in location is shown; a second one is added and filled in.
        EXPECT_EQ(child<QListWidget>(dialog, "locationList")->count(), 1);
        child<QPushButton>(dialog, "newButton")->click();
        child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Büro München"));
        child<QLineEdit>(dialog, "countryCodeEdit")->setText(QStringLiteral("49"));
        child<QLineEdit>(dialog, "areaCodeEdit")->setText(QStringLiteral("89"));
        child<QLineEdit>(dialog, "outsideAccessEdit")->setText(QStringLiteral("0"));
        preview = child<QLabel>(dialog, "previewLabel")->text();
        press(dialog, QDialogButtonBox::Ok);
        return dialog.result();
    });
    ASSERT_EQ(m_service->lineTranslateDialog(m_app, 0, m_version, nullptr, "+49 (89) 4711"), 0);
    EXPECT_EQ(m_dialogs.dialogsShown(), 1);
    EXPECT_EQ(preview, QStringLiteral("04711")) << "the dialog shows how the number is dialled";

    // Exactly the form other programs read.
    const QStringList lines = configLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("[Locations]")));
    EXPECT_TRUE(lines.contains(QStringLiteral("CurrentID=2")));
    EXPECT_TRUE(lines.contains(QStringLiteral("[Location2]")));
    EXPECT_TRUE(lines.contains(QStringLiteral("CountryCode=49")));
    EXPECT_TRUE(lines.contains(QStringLiteral("AreaCode=89")));
    EXPECT_TRUE(lines.contains(QStringLiteral("OutsideAccess=0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("LongDistanceAccess=")));
    QSettings settings(m_configPath, QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Location2/Name")).toString(),
              QStringLiteral("Büro München"));
    EXPECT_EQ(settings.value(QStringLiteral("Location1/AreaCode")).toString(),
              QStringLiteral("30"));

    ASSERT_TRUE(m_log.waitFor(LINE_LINEDEVSTATE));
    EXPECT_EQ(m_log.of(LINE_LINEDEVSTATE)[0].param1, DWORD_PTR(LINEDEVSTATE_TRANSLATECHANGE));
    Buffer<LINETRANSLATEOUTPUT> out(553);
    ASSERT_EQ(
        m_service->lineTranslateAddress(m_app, 0, m_version, "+49 (89) 4711", 0, 0, out.get()), 0);
    EXPECT_EQ(out.text(out->dwDialableStringOffset, out->dwDialableStringSize),
              QStringLiteral("04711"));
}

TEST_F(Dialogs, CancelledDialogChangesNothing)
{
    m_dialogs.setScript([](QDialog& dialog) {
        child<QLineEdit>(dialog, "areaCodeEdit")->setText(QStringLiteral("40"));
        press(dialog, QDialogButtonBox::Cancel);
        return dialog.result();
    });
    ASSERT_EQ(m_service->lineTranslateDialog(m_app, 0, m_version, nullptr, nullptr), 0);
    EXPECT_FALSE(QFile::exists(m_configPath));
    EXPECT_EQ(m_service->lineTranslateDialog(m_app, 5, m_version, nullptr, nullptr),
              LINEERR_BADDEVICEID);
    EXPECT_EQ(m_dialogs.dialogsShown(), 1);
}

// The line's settings dialog changes the running line and the configuration.
TEST_F(Dialogs, LineSettings)
{
    ASSERT_EQ(m_service->lineSetStatusMessages(m_line, LINEDEVSTATE_CAPSCHANGE, 0), 0);
    m_dialogs.setScript([](QDialog& dialog) {
        EXPECT_EQ(child<QLineEdit>(dialog, "nameEdit")->text(),
                  QStringLiteral("Simulierte Leitung 1"));
        child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Empfang"));
        child<QLineEdit>(dialog, "addressEdit")->setText(QStringLiteral("200"));
        child<QCheckBox>(dialog, "acceptToAlertBox")->setChecked(true);
        child<QSpinBox>(dialog, "waveOutBox")->setValue(2);
        press(dialog, QDialogButtonBox::Ok);
        return dialog.result();
    });
    ASSERT_EQ(m_service->lineConfigDialog(0, nullptr, "tapi/line"), 0);

    Buffer<LINEDEVCAPS> caps;
    ASSERT_EQ(m_service->lineGetDevCaps(m_app, 0, m_version, 0, caps.get()), 0);
    EXPECT_EQ(caps.text(caps->dwLineNameOffset, caps->dwLineNameSize), QStringLiteral("Empfang"));
    Buffer<LINEADDRESSCAPS> address(8369);
    ASSERT_EQ(m_service->lineGetAddressCaps(m_app, 0, 0, m_version, 0, address.get()), 0);
    EXPECT_EQ(address.text(address->dwAddressOffset, address->dwAddressSize),
              QStringLiteral("200"));
    EXPECT_TRUE(address->dwAddrCapFlags & LINEADDRCAPFLAGS_ACCEPTTOALERT);
    ASSERT_TRUE(m_log.waitFor(LINE_LINEDEVSTATE));
    EXPECT_EQ(m_log.of(LINE_LINEDEVSTATE)[0].param1, DWORD_PTR(LINEDEVSTATE_CAPSCHANGE));

    // Stored, and read back by the next start.
    QSettings settings(m_configPath, QSettings::IniFormat);
    const sim::SimConfig loaded = sim::SimConfig::load(settings);
    EXPECT_EQ(loaded.lines[0].name, QStringLiteral("Empfang"));
    EXPECT_EQ(loaded.lines[0].addresses, QStringList{QStringLiteral("200")});
    EXPECT_TRUE(loaded.lines[0].acceptToAlert);
    EXPECT_EQ(loaded.lines[0].waveOut, 2);
    EXPECT_EQ(loaded.lines[1].name, QStringLiteral("Simulierte Leitung 2"));

    EXPECT_EQ(m_service->lineConfigDialog(0, nullptr, "comm/datamodem"), LINEERR_INVALDEVICECLASS);
    EXPECT_EQ(m_service->lineConfigDialog(2, nullptr, nullptr), LINEERR_BADDEVICEID);
}
