// Time and memory of looking up one caller number in the phone columns of an
// ACT! contact table of 10,000, 100,000 and 1,000,000 contacts.
//
//   RawScan      DbfSubstringScan: compares the stored bytes of the phone
//                columns, decodes nothing (what a lookup needs).
//   DecodedScan  a cursor that turns every phone value into a QString and
//                searches that: the cost of going through values, as a
//                virtual table's xColumn would.
//
// Tables are generated once (mkactdb's generator, seed 1) into the folder
// named by FONKEL_BENCH_DATA, by default build-bench/bench-data/dbase, and
// reused. The figures are for a warm page cache.
#include "bench/support/BenchSupport.h"

#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfSubstringScan.h"
#include "platform/db/dbase/DbfTable.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

using namespace platform::db::dbase;

namespace {

const char* const kPhoneColumns[] = {"PHONE",     "FAX",     "MOBILE", "HOME_PHONE",
                                     "ALT_PHONE", "USR0001", "USR0005"};

struct Fixture {
    DbfTable table;
    QList<int> columns;
    QString term;
};

const Fixture& fixture(qint64 contacts)
{
    static std::map<qint64, Fixture> fixtures;
    if (auto found = fixtures.find(contacts); found != fixtures.end())
        return found->second;
    const benchsupport::ContactDatabase& db = benchsupport::contactDatabase(contacts);
    Fixture f;
    if (!f.table.open(db.files.contactTable)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(db.files.contactTable));
        std::abort();
    }
    for (const char* column : kPhoneColumns)
        f.columns.append(f.table.indexOf(QString::fromLatin1(column)));
    f.term = db.term;
    return fixtures.emplace(contacts, std::move(f)).first->second;
}

void reportTable(benchmark::State& state, const Fixture& f, qint64 matches)
{
    state.counters["records"] = double(f.table.recordCount());
    state.counters["matches"] = double(matches);
    state.SetBytesProcessed(state.iterations() * f.table.fileSize());
    state.SetLabel(f.term.toStdString());
}

void RawScan(benchmark::State& state)
{
    const Fixture& f = fixture(state.range(0));
    const QByteArray needle = DbfSubstringScan::needleFor(f.term);
    qint64 matches = 0;
    benchsupport::PeakMemory memory;
    for (auto _ : state) {
        matches = 0;
        DbfSubstringScan scan(f.table, f.columns, needle);
        if (!scan.run([&](qint64, int) { return ++matches, true; }))
            state.SkipWithError(scan.error().description.toStdString().c_str());
        benchmark::DoNotOptimize(matches);
    }
    memory.report(state);
    reportTable(state, f, matches);
}

void DecodedScan(benchmark::State& state)
{
    const Fixture& f = fixture(state.range(0));
    qint64 matches = 0;
    benchsupport::PeakMemory memory;
    for (auto _ : state) {
        matches = 0;
        DbfCursor cursor(f.table);
        for (cursor.first(); !cursor.eof(); cursor.next()) {
            if (cursor.isDeleted())
                continue;
            for (int column : f.columns) {
                const QVariant value = cursor.value(column);
                if (value.isValid() && value.toString().contains(f.term)) {
                    ++matches;
                    break;
                }
            }
        }
        if (cursor.hasError())
            state.SkipWithError(cursor.error().description.toStdString().c_str());
    }
    memory.report(state);
    reportTable(state, f, matches);
}

BENCHMARK(RawScan)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodedScan)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
