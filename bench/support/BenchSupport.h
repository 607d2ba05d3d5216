#pragma once

// What the benchmarks share: generated ACT! contact databases and the
// process's memory counters.

#include "tools/mkactdb/ActDatabaseGenerator.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace benchsupport {

// Where the generated databases are kept: $FONKEL_BENCH_DATA, by default
// bench-data/dbase in the build folder.
QString dataDir();

struct ContactDatabase {
    actdbgen::ActDatabaseFiles files;
    // The caller: the first contact from the middle of the table on with a
    // phone number, as that number is stored.
    QString term;
};

// The database of that many contacts (mkactdb's generator, seed 1), generated
// on first use and reused by later runs.
const ContactDatabase& contactDatabase(qint64 contacts);

// Peak RSS is reset when this is made, before the timed loop, so the counters
// show the peak of the measured work and not of generating the tables.
class PeakMemory {
public:
    PeakMemory();
    void report(benchmark::State& state) const;

private:
    bool m_resetWorked = false;
    qint64 m_before = 0;
};

} // namespace benchsupport
