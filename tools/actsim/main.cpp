// actsim [DATENBANK.dbf] [--kundenmanager] [--ansicht kontakte|gruppen|keine]
// The stand-in for the ACT! contact manager: opens an ACT!-format database
// (as mkactdb writes it), shows its contacts and serves ACT!'s automation
// object on the D-Bus session bus.
#include "platform/ui/QtUserInterface.h"
#include "tools/actsim/ActMainWindow.h"
#include "tools/actsim/ActSimState.h"
#include "tools/actsim/AutomationServer.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

namespace {

constexpr int usageError = 2;
constexpr int busError = 3;

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The application name is the X11 window class, by which ACT!'s main
    // window is recognised.
    QApplication::setApplicationName(QStringLiteral("act3.0frameclass"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Stellt das Kontaktprogramm ACT! dar: öffnet eine ACT!-Datenbank (wie mkactdb sie\n"
        "schreibt), zeigt ihre Kontakte und bietet das Automatisierungsobjekt\n"
        "ACTOLE.APPOBJECT auf dem D-Bus-Sitzungsbus an. Strg+H öffnet den Dialog\n"
        "\"Protokoll aufzeichnen\"; Einträge landen in BASISNAME.historie.tsv neben der\n"
        "Datenbank."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DATENBANK.dbf"),
                                 QStringLiteral("Die Kontakttabelle der Datenbank (optional)."));
    const QCommandLineOption kundenmanager(
        QStringLiteral("kundenmanager"),
        QStringLiteral("Fenstertitel \"ACT! Kundenmanager\" statt \"ACT!\"."));
    const QCommandLineOption view(QStringLiteral("ansicht"),
                                  QStringLiteral("Aktive Ansicht beim Start: kontakte (Vorgabe), "
                                                 "gruppen oder keine."),
                                  QStringLiteral("ANSICHT"), QStringLiteral("kontakte"));
    parser.addOption(kundenmanager);
    parser.addOption(view);
    parser.process(app);

    actsim::ActSimState state;
    const QString viewName = parser.value(view).toLower();
    if (viewName == QLatin1String("gruppen"))
        state.setActiveView(actsim::ActSimState::View::Group);
    else if (viewName == QLatin1String("keine"))
        state.setActiveView(actsim::ActSimState::View::None);
    else if (viewName != QLatin1String("kontakte")) {
        std::fprintf(stderr, "actsim: unbekannte Ansicht '%s'\n", qPrintable(parser.value(view)));
        return usageError;
    }

    platform::ui::QtUserInterface ui;
    actsim::ActMainWindow window(state, ui,
                                 parser.isSet(kundenmanager) ? QStringLiteral("ACT! Kundenmanager")
                                                             : QStringLiteral("ACT!"));
    ui.setParentWidget(&window);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        std::fprintf(stderr, "actsim: nur eine Datenbank ist erlaubt\n");
        return usageError;
    }
    if (!positional.isEmpty()) {
        QString error;
        if (!state.openDatabase(positional.first(), &error)) {
            std::fprintf(stderr, "actsim: %s: %s\n", qPrintable(positional.first()),
                         qPrintable(error));
            return usageError;
        }
    }

    actsim::AutomationServer server(state, window);
    QString error;
    if (!server.registerOn(QDBusConnection::sessionBus(), &error)) {
        std::fprintf(stderr, "actsim: %s\n", qPrintable(error));
        return busError;
    }
    window.show();
    return app.exec();
}
