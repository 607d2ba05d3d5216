// Time and memory of one caller search, as the caller identification runs
// it: clActDBF::init on the database, Suche for the caller's number over the
// phone columns with "NAME,CITY", and kill, over 10,000, 100,000 and
// 1,000,000 contacts. The whole result is read (moveLast), so every record
// is looked at.
//
//   Suche              the seven phone columns joined by OR (the real call)
//   SuchePhoneColumn   PHONE only (NurinFeld1): the backend's byte search
//   ...NoByteSearch    the same with the byte search switched off, so that
//                      SQLite evaluates every LIKE on decoded values
//
// Tables are generated once (mkactdb's generator, seed 1) into the folder
// named by FONKEL_BENCH_DATA, by default build-bench/bench-data/dbase (shared
// with bench_dbase_scan), and reused. The figures are for a warm page cache.
#include "app/actdb/clActDBF.h"
#include "bench/support/BenchSupport.h"
#include "platform/db/DBEngine.h"
#include "platform/db/Recordset.h"
#include "platform/db/foxpro/FoxProBackend.h"
#include "platform/ui/ScriptedUserInterface.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

const QString kPhones = QStringLiteral("PHONE,FAX,MOBILE,HOME_PHONE,ALT_PHONE,USR0001,USR0005");

void runSuche(benchmark::State& state, const QString& searchColumns, bool onlyFirst,
              bool byteSearch)
{
    const benchsupport::ContactDatabase& db = benchsupport::contactDatabase(state.range(0));
    const QString& table = db.files.contactTable;
    platform::db::DBEngine engine;
    engine.registerBackend(std::make_shared<platform::db::foxpro::FoxProBackend>(
        platform::db::foxpro::FoxProBackend::Options{byteSearch}));
    platform::ui::ScriptedUserInterface ui;
    // Debug is 0: nothing goes to the clipboard.
    clActDBF act(engine, ui, [](const QString&) { return QVariant(0.0); });

    qint64 matches = 0;
    benchsupport::PeakMemory memory;
    for (auto _ : state) {
        if (!act.init(table)) {
            state.SkipWithError("init failed");
            break;
        }
        const auto rows = act.Suche(searchColumns, QStringLiteral("NAME,CITY"), db.term,
                                    QStringLiteral("OR"), onlyFirst);
        if (!rows) {
            state.SkipWithError(ui.messages().value(0).text.toStdString().c_str());
            break;
        }
        matches = 0;
        if (!rows->eof()) {
            rows->moveLast();
            matches = rows->recordCount();
        }
        benchmark::DoNotOptimize(matches);
        act.kill();
    }
    memory.report(state);
    state.counters["matches"] = double(matches);
    state.SetBytesProcessed(state.iterations() * QFileInfo(table).size());
    state.SetLabel(db.term.toStdString());
}

void Suche(benchmark::State& state)
{
    runSuche(state, kPhones, false, true);
}

void SucheNoByteSearch(benchmark::State& state)
{
    runSuche(state, kPhones, false, false);
}

void SuchePhoneColumn(benchmark::State& state)
{
    runSuche(state, kPhones, true, true);
}

void SuchePhoneColumnNoByteSearch(benchmark::State& state)
{
    runSuche(state, kPhones, true, false);
}

BENCHMARK(Suche)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SucheNoByteSearch)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SuchePhoneColumn)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SuchePhoneColumnNoByteSearch)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Suche lets pending events through, as it does in the program.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
