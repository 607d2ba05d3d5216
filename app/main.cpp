// Fonkel: composes the program on the real desktop and runs it.
#include "app/core/SingleInstance.h"
#include "app/core/frmHaupt.h"
#include "app/localdata/NummernMdbLocation.h"
#include "app/start/FonkelProgram.h"
#include "control/line/LintaroDevices.h"
#include "platform/act/DBusAutomation.h"
#include "platform/db/DBEngine.h"
#include "platform/db/foxpro/FoxProBackend.h"
#include "platform/desktop/AtspiDesktop.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/settings/LinuxRegistry.h"
#include "platform/tapi/sim/PhonesimServer.h"
#include "platform/ui/QtUserInterface.h"

#include <QApplication>
#include <QDBusConnection>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fonkel"));

    // A second start ends silently: no window, no message.
    fonkel::SingleInstance instance;
    if (!instance.tryAcquire())
        return 0;

    platform::ui::QtUserInterface ui;
    platform::settings::IniSettingsStore settings(
        platform::settings::IniSettingsStore::defaultPath(QStringLiteral("Fonkel")));
    const platform::settings::LinuxRegistry registry;
    platform::db::DBEngine engine;
    engine.registerBackend(std::make_shared<platform::db::foxpro::FoxProBackend>());

    QString problem;
    const std::unique_ptr<LintaroDevices> devices = LintaroDevices::create(QString(), &problem);
    if (!devices->hasProvider())
        ui.inform(problem, QStringLiteral("Fonkel"), platform::ui::Icon::Warning);

    // phonesim drives the simulated exchange of this program.
    std::unique_ptr<platform::tapi::sim::PhonesimServer> phonesim;
    if (platform::tapi::sim::SimExchange* exchange = devices->simExchange()) {
        phonesim = std::make_unique<platform::tapi::sim::PhonesimServer>(*exchange);
        QString error;
        if (!phonesim->listen(&error))
            std::fprintf(stderr, "fonkel: phonesim: %s\n", qPrintable(error));
    }

    problem.clear();
    const QString nummernMdb =
        NummernMdbLocation::prepare(engine, NummernMdbLocation::standardFolders(), &problem);
    if (!problem.isEmpty())
        ui.inform(problem, QStringLiteral("Fonkel"), platform::ui::Icon::Warning);

    platform::desktop::AtspiDesktop desktop;
    platform::act::DBusAutomationConnector automation(QDBusConnection::sessionBus());

    const fonkel::ProgramSeams seams{
        ui,
        settings,
        registry,
        engine,
        devices->telephony(),
        devices->wave(),
        desktop,
        automation,
        nummernMdb,
        QString(),
        // ACT! could not name its database: end at once, settings written.
        [&settings] {
            settings.sync();
            std::exit(0);
        },
    };
    fonkel::FonkelProgram program(seams);
    // The program ends with its main window, whatever other window is open.
    QObject::connect(&program, &fonkel::FonkelProgram::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    program.Start();
    ui.setParentWidget(program.window());
    return app.exec();
}
