#include "bench/support/BenchSupport.h"

#include "tools/mkactdb/ContactGenerator.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace benchsupport {

namespace {

// A /proc/self/status figure in KiB, -1 when it cannot be read.
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

} // namespace

QString dataDir()
{
    const QString dir = qEnvironmentVariable("FONKEL_BENCH_DATA");
    return dir.isEmpty() ? QStringLiteral(FONKEL_BENCH_DATA_DEFAULT) : dir;
}

const ContactDatabase& contactDatabase(qint64 contacts)
{
    static std::map<qint64, ContactDatabase> databases;
    if (auto found = databases.find(contacts); found != databases.end())
        return found->second;

    const QString name = QStringLiteral("contacts-%1").arg(contacts);
    ContactDatabase db{actdbgen::ActDatabaseFiles::in(dataDir(), name), QString()};
    // A table of that many records is 604 bytes each plus header and end mark.
    if (QFileInfo(db.files.contactTable).size() < contacts * 604 ||
        !QFileInfo::exists(db.files.groupTable)) {
        std::fprintf(stderr, "generating %lld contacts in %s ...\n", contacts,
                     qPrintable(dataDir()));
        QString error;
        if (!actdbgen::generateActDatabase({dataDir(), name, contacts, 1}, &error)) {
            std::fprintf(stderr, "cannot generate: %s\n", qPrintable(error));
            std::abort();
        }
    }
    const actdbgen::ContactGenerator generator(1);
    for (qint64 i = contacts / 2; db.term.isEmpty() && i < contacts; ++i) {
        const actdbgen::Contact c = generator.contact(i);
        if (!c.deleted)
            db.term = c.phone;
    }
    return databases.emplace(contacts, std::move(db)).first->second;
}

PeakMemory::PeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    m_resetWorked = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
    m_before = statusKiB("VmRSS:");
}

void PeakMemory::report(benchmark::State& state) const
{
    const qint64 peak = statusKiB("VmHWM:");
    state.counters["peakRssMiB"] = m_resetWorked ? double(peak) / 1024 : -1;
    state.counters["rssGrowthMiB"] = m_resetWorked ? double(peak - m_before) / 1024 : -1;
}

} // namespace benchsupport
