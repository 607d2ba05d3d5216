// Shows Fonkel's main window filled with sample calls, without a telephone
// line or ACT!: for looking at the window and for the README's screenshot.
//   fonkel-preview                       show the window
//   fonkel-preview --screenshot FILE     save a picture of it and quit
#include "app/calls/NumberPreparation.h"
#include "app/core/CallerDate.h"
#include "app/core/ContactTag.h"
#include "app/core/ListRoutines.h"
#include "app/core/ListView.h"
#include "app/core/PanelStatusBar.h"
#include "app/core/frmHaupt.h"
#include "app/core/modOptionen.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/ui/QtUserInterface.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QTemporaryDir>
#include <QTimer>

using namespace fonkel;
using namespace Qt::StringLiterals;

namespace {

void addSample(ListView& list, const QString& number, const QDateTime& when, const QString& ort,
               const QString& kontakt, const QString& tag, int icon)
{
    ListItem* item = list.addEntry(number);
    item->setSubItem(1, CallerDate::toText(when));
    item->setSubItem(2, ort);
    item->setSubItem(3, kontakt);
    item->setTag(tag);
    item->setSmallIcon(icon);
}

void fillSamples(frmHaupt& window)
{
    window.cbxTapiDevices->addItem(QStringLiteral("Simulierte Leitung 1"));
    window.cbxAddress->addItem(QStringLiteral("201"));

    const QDateTime now = QDateTime::currentDateTime();
    ListView& list = *window.lvNummern;
    addSample(list, QStringLiteral("0301234567"), now.addSecs(-600), QStringLiteral("Berlin"),
              QStringLiteral("Hanna Vogel"), EncodeContactTag(QStringLiteral("A1B2C3")), 6);
    addSample(list, QStringLiteral("00436621234"), now.addSecs(-3600 * 3),
              QStringLiteral("Österreich/Salzburg"), QStringLiteral("Unbekannt"), UnknownContactTag,
              2);
    addSample(list, QStringLiteral("0221987654"), now.addDays(-1), QStringLiteral("Köln"),
              QStringLiteral("Bernd Köster"), EncodeContactTag(QStringLiteral("D4E5F6")), 10);
    addSample(list, QStringLiteral("062214711"), now.addDays(-2), QStringLiteral("Heidelberg"),
              QStringLiteral("Praxis Dr. Lind"), UnknownContactTag, 2);
    addSample(list, QStringLiteral("1234"), now.addDays(-6), QStringLiteral("Unbekannt"),
              QStringLiteral("Empfang"), UnknownContactTag, 2);
    SortListView(list, list.columnOfKey(QStringLiteral("Datum")), false);
    list.selectEntry(list.entry(0));

    ListView& similar = *window.lvKontakte;
    similar.setColumnCaption(0, QStringLiteral("Nummer (030) 123..."));
    for (const auto& [number, name, firm] :
         {std::tuple(u"[Telefon] 030123450"_s, u"Jonas Vogel"_s, u"Vogel & Söhne"_s),
          std::tuple(u"[Mobil] 0301239"_s, u"Hanna Vogel"_s, u"Vogel & Söhne"_s)}) {
        ListItem* item = similar.addEntry(number);
        item->setSubItem(1, name);
        item->setSubItem(2, firm);
    }

    window.panel(1)->setPicture(window.ilIcons.index(QStringLiteral("Leer")));
    window.panel(1)->setText(QStringLiteral("TAPI aktiv"));
    window.panel(2)->setPicture(window.ilIcons.index(QStringLiteral("ACT")));
    window.panel(2)->setText(QStringLiteral("ACT! bereit"));
    window.panel(3)->setText(QStringLiteral("2 Eingträg(e) gefunden"));
    window.panel(4)->setPicture(window.ilIcons.index(QStringLiteral("Leer")));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fonkel"));
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the window and quit."),
                                  QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    // A private store: the preview never touches the user's settings.
    QTemporaryDir settingsDir;
    platform::settings::IniSettingsStore store(settingsDir.filePath(QStringLiteral("Fonkel.ini")));
    modOptionen options(store);
    platform::ui::QtUserInterface ui;
    frmHaupt window(ui);
    ui.setParentWidget(&window);
    NumberPreparation preparation(window, options, ui);
    preparation.BuildPrefixCaptions();
    window.mnuAutoNummern->setChecked(true);

    window.resize(640, 540);
    window.show();
    window.LayoutWindow();
    window.SetupColumns();
    fillSamples(window);

    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(300, &window, [&window, file] {
            QApplication::exit(window.grab().save(file, "PNG") ? 0 : 1);
        });
    }
    return app.exec();
}
