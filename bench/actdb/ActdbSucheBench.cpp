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
#include "platform/db/DBEngine.h"
#include "platform/db/Recordset.h"
#include "platform/db/foxpro/FoxProBackend.h"
#include "platform/ui/ScriptedUserInterface.h"
#include "tools/mkactdb/ActDatabaseGenerator.h"
#include "tools/mkactdb/ContactGenerator.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

const QString kPhones = QStringLiteral("PHONE,FAX,MOBILE,HOME_PHONE,ALT_PHONE,USR0001,USR0005");

QString dataDir()
{
    const QString dir = qEnvironmentVariable("FONKEL_BENCH_DATA");
    return dir.isEmpty() ? QStringLiteral(FONKEL_BENCH_DATA_DEFAULT) : dir;
}

struct Database {
    QString contactTable;
    QString term;
    qint64 bytes = 0;
};

// The database of that many contacts, generated on first use.
const Database& database(qint64 contacts)
{
    static std::map<qint64, Database> databases;
    if (auto found = databases.find(contacts); found != databases.end())
        return found->second;

    const QString name = QStringLiteral("contacts-%1").arg(contacts);
    const auto files = actdbgen::ActDatabaseFiles::in(dataDir(), name);
    // A table of that many records is 604 bytes each plus header and end mark.
    const qint64 expected = QFileInfo(files.contactTable).size();
    if (expected < contacts * 604 || !QFileInfo::exists(files.groupTable)) {
        std::fprintf(stderr, "generating %lld contacts in %s ...\n", contacts,
                     qPrintable(dataDir()));
        QString error;
        if (!actdbgen::generateActDatabase({dataDir(), name, contacts, 1}, &error)) {
            std::fprintf(stderr, "cannot generate: %s\n", qPrintable(error));
            std::abort();
        }
    }
    Database db;
    db.contactTable = files.contactTable;
    db.bytes = QFileInfo(files.contactTable).size();
    // The caller: the first contact from the middle of the table on with a
    // phone number, as that number is stored (as bench_dbase_scan).
    const actdbgen::ContactGenerator generator(1);
    for (qint64 i = contacts / 2; db.term.isEmpty() && i < contacts; ++i) {
        const actdbgen::Contact c = generator.contact(i);
        if (!c.deleted)
            db.term = c.phone;
    }
    return databases.emplace(contacts, std::move(db)).first->second;
}

qint64 statusKiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Peak RSS is reset before the timed loop, so the counter shows the peak of
// the searches and not of generating the tables.
struct PeakMemory {
    PeakMemory()
    {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        resetWorked = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
        before = statusKiB("VmRSS:");
    }
    void report(benchmark::State& state) const
    {
        const qint64 peak = statusKiB("VmHWM:");
        state.counters["peakRssMiB"] = resetWorked ? double(peak) / 1024 : -1;
        state.counters["rssGrowthMiB"] = resetWorked ? double(peak - before) / 1024 : -1;
    }
    bool resetWorked = false;
    qint64 before = 0;
};

void runSuche(benchmark::State& state, const QString& searchColumns, bool onlyFirst,
              bool byteSearch)
{
    const Database& db = database(state.range(0));
    platform::db::DBEngine engine;
    engine.registerBackend(std::make_shared<platform::db::foxpro::FoxProBackend>(
        platform::db::foxpro::FoxProBackend::Options{byteSearch}));
    platform::ui::ScriptedUserInterface ui;
    // Debug is 0: nothing goes to the clipboard.
    clActDBF act(engine, ui, [](const QString&) { return QVariant(0.0); });

    qint64 matches = 0;
    PeakMemory memory;
    for (auto _ : state) {
        if (!act.init(db.contactTable)) {
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
    state.SetBytesProcessed(state.iterations() * db.bytes);
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
