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
#include "tools/mkactdb/ActDatabaseGenerator.h"
#include "tools/mkactdb/ContactGenerator.h"

#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfSubstringScan.h"
#include "platform/db/dbase/DbfTable.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

using namespace platform::db::dbase;

namespace {

const char* const kPhoneColumns[] = {"PHONE",     "FAX",     "MOBILE", "HOME_PHONE",
                                     "ALT_PHONE", "USR0001", "USR0005"};

QString dataDir()
{
    const QString dir = qEnvironmentVariable("FONKEL_BENCH_DATA");
    return dir.isEmpty() ? QStringLiteral(FONKEL_BENCH_DATA_DEFAULT) : dir;
}

struct Fixture {
    DbfTable table;
    QList<int> columns;
    QString term;
};

// The table of that many contacts, generated on first use.
const Fixture& fixture(qint64 contacts)
{
    static std::map<qint64, Fixture> fixtures;
    if (auto found = fixtures.find(contacts); found != fixtures.end())
        return found->second;

    const QString name = QStringLiteral("contacts-%1").arg(contacts);
    const auto files = actdbgen::ActDatabaseFiles::in(dataDir(), name);
    Fixture f;
    if (!f.table.open(files.contactTable) || f.table.recordCount() != contacts) {
        std::fprintf(stderr, "generating %lld contacts in %s ...\n", contacts,
                     qPrintable(dataDir()));
        QString error;
        if (!actdbgen::generateActDatabase({dataDir(), name, contacts, 1}, &error) ||
            !f.table.open(files.contactTable)) {
            std::fprintf(stderr, "cannot generate: %s\n", qPrintable(error));
            std::abort();
        }
    }
    for (const char* column : kPhoneColumns)
        f.columns.append(f.table.indexOf(QString::fromLatin1(column)));

    // The caller: the first contact from the middle of the table on with a
    // phone number, as that number is stored.
    const actdbgen::ContactGenerator generator(1);
    for (qint64 i = contacts / 2; f.term.isEmpty() && i < contacts; ++i) {
        const actdbgen::Contact c = generator.contact(i);
        if (!c.deleted)
            f.term = c.phone;
    }
    return fixtures.emplace(contacts, std::move(f)).first->second;
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
// the scan itself and not of generating the table.
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
    PeakMemory memory;
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
    PeakMemory memory;
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
