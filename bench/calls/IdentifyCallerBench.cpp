// Time of identifying one incoming call, on the simulated exchange and a copy
// of the shipped Nummern.mdb:
//
//   OfferingToStoredEntry  from the exchange offering the call to the stored
//                          caller-list entry: the service's LINE_CALLSTATE,
//                          the control's caller-ID event, the main window's
//                          handler of it, IdentifyCaller with
//                          its place lookup, free-list lookup and storing.
//   IdentifyCaller         IdentifyCaller alone, called directly.
//
// The argument is the number of calls the caller list holds already (dated
// the days before); the list and the table Anrufspeicher grow by one entry
// per iteration.
#include "app/calls/CallerIdentification.h"
#include "app/calls/NumberPreparation.h"
#include "app/calls/TelephonyEvents.h"
#include "app/core/CallerDate.h"
#include "app/core/ListRoutines.h"
#include "app/core/ListView.h"
#include "app/core/NoActSide.h"
#include "app/core/TapiButton.h"
#include "app/core/TapiWindows.h"
#include "app/core/frmHaupt.h"
#include "app/core/modHaupt.h"
#include "app/core/modOptionen.h"
#include "app/localdata/clFonkelDaten.h"
#include "control/line/Lintaro.h"
#include "control/line/LintaroDevices.h"
#include "platform/db/DBEngine.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/settings/LinuxRegistry.h"
#include "platform/tapi/DialogRunner.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/sim/SimExchange.h"
#include "platform/ui/ScriptedUserInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Runs the event loop until pred() holds; false after ten seconds.
bool settle(const std::function<bool()>& pred)
{
    QElapsedTimer timer;
    timer.start();
    while (!pred()) {
        if (timer.hasExpired(10000))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// The main window with the control on line 0 of the simulated exchange
// (monitoring) and the identification on the local database.
struct Fonkel {
    QTemporaryDir dir;
    platform::db::DBEngine engine;
    platform::ui::ScriptedUserInterface ui;
    platform::settings::IniSettingsStore store{dir.filePath(QStringLiteral("Fonkel.ini"))};
    platform::settings::LinuxRegistry registry;
    platform::tapi::ScriptedDialogRunner dialogs;
    std::unique_ptr<LintaroDevices> devices;
    fonkel::modOptionen options{store};
    fonkel::frmHaupt window{ui};
    Lintaro* control = nullptr;
    fonkel::NumberPreparation numbers{window, options, ui};
    fonkel::modHaupt members;
    fonkel::NoActSide act{window};
    fonkel::CallerIdentification identification{window, numbers, members, act};
    std::unique_ptr<fonkel::TapiWindows> tapiWindows;
    std::unique_ptr<fonkel::TelephonyEvents> events;

    explicit Fonkel(int earlierCalls)
        : registry([] {
              QProcessEnvironment environment;
              environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
              return environment;
          }())
    {
        const QString nummern = dir.filePath(QStringLiteral("Nummern.mdb"));
        QFile::copy(QStringLiteral(FONKEL_NUMMERN_MDB), nummern);
        QFile::setPermissions(nummern, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        auto daten = std::make_unique<clFonkelDaten>(engine, ui, store, registry);
        if (!daten->init(nummern))
            std::fprintf(stderr, "Nummern.mdb: %s\n", qPrintable(nummern));
        window.setFonkelDaten(std::move(daten));
        const QDateTime start = QDateTime::currentDateTime().addDays(-30);
        for (int i = 0; i < earlierCalls; ++i) {
            CallerListEntry entry;
            entry.text = QStringLiteral("0221%1").arg(i, 6, 10, QLatin1Char('0'));
            entry.setSubItem(1, fonkel::CallerDate::toText(start.addSecs(60 * i)));
            entry.setSubItem(2, QStringLiteral("Köln"));
            entry.setSubItem(3, QStringLiteral("Unbekannt"));
            entry.tag = QStringLiteral("Unbekannt");
            entry.smallIcon = 2;
            window.lvNummern->appendEntry(entry);
        }
        fonkel::SortListView(*window.lvNummern, 1, false);

        devices = LintaroDevices::create(dir.filePath(QStringLiteral("telephony.ini")), nullptr,
                                         &dialogs);
        control = new Lintaro(devices->telephony(), devices->wave());
        window.setLintaroControl(control);
        tapiWindows = std::make_unique<fonkel::TapiWindows>(window, *control);
        events = std::make_unique<fonkel::TelephonyEvents>(window, *control, members,
                                                           identification, *tapiWindows);
        control->TapiLineInit();
        window.cmdInitTapi->click(); // the monitor on
        window.show();
        settle([this] { return exchange().lines()[0].openCount == 1; });
    }

    platform::tapi::sim::SimExchange& exchange() { return *devices->simExchange(); }
};

void OfferingToStoredEntry(benchmark::State& state)
{
    Fonkel f(static_cast<int>(state.range(0)));
    platform::tapi::sim::SimExchange::IncomingCall call;
    call.callerNumber = QStringLiteral("0301234567");
    for (auto _ : state) {
        const int before = f.window.lvNummern->count();
        const auto key = f.exchange().offerCall(0, call);
        if (!key || !settle([&] { return f.window.lvNummern->count() > before; })) {
            state.SkipWithError("the call did not become an entry");
            break;
        }
        state.PauseTiming();
        f.exchange().farEndHangsUp(key, platform::tapi::LINEDISCONNECTMODE_NORMAL);
        settle([&] { return f.exchange().calls().isEmpty(); });
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["entries"] = f.window.lvNummern->count();
}
BENCHMARK(OfferingToStoredEntry)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void IdentifyCaller(benchmark::State& state)
{
    Fonkel f(static_cast<int>(state.range(0)));
    for (auto _ : state)
        f.identification.IdentifyCaller(QStringLiteral("0301234567"), QString(),
                                        QStringLiteral("<ADDRESS>"), 1, 1, false);
    state.counters["entries"] = f.window.lvNummern->count();
}
BENCHMARK(IdentifyCaller)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
