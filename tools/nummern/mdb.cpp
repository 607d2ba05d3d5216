// nummern-mdb: builds Nummern.mdb from the shipped text of data/.
//
//   nummern-mdb DATADIR OUTFILE
//
// Reads DATADIR/VERSION (the data version, a whole number),
// DATADIR/laender.tsv (Vorwahl, Land) and DATADIR/vorwahlen.tsv (Land,
// Vorwahl, Ort), all UTF-8 with tabs between the columns and "#" comment
// lines, and writes OUTFILE with the tables Laender, one area-code table per
// country, an empty Liste and an empty Anrufspeicher.
#include "app/localdata/NummernSchema.h"

#include "platform/db/DBEngine.h"
#include "platform/db/DbError.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QStringList>

#include <cstdio>

namespace {

struct InputError {
    QString text;
};

QList<QStringList> readTable(const QString& path, int columns)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw InputError{QStringLiteral("cannot read %1").arg(path)};
    QList<QStringList> rows;
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        QString line = QString::fromUtf8(file.readLine());
        while (line.endsWith(u'\n') || line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        if (cells.size() != columns)
            throw InputError{QStringLiteral("%1:%2: %3 columns expected, %4 found")
                                 .arg(path)
                                 .arg(lineNumber)
                                 .arg(columns)
                                 .arg(cells.size())};
        rows.append(cells);
    }
    return rows;
}

int readVersion(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw InputError{QStringLiteral("cannot read %1").arg(path)};
    bool ok = false;
    const int version = QString::fromUtf8(file.readAll()).trimmed().toInt(&ok);
    if (!ok || version <= 0)
        throw InputError{QStringLiteral("%1 holds no positive whole number").arg(path)};
    return version;
}

void fill(platform::db::Database& db, const QString& table, const QList<QStringList>& rows)
{
    auto rs = db.openRecordset(table, platform::db::RecordsetType::Table,
                               platform::db::RecordsetOption::AppendOnly);
    for (const QStringList& row : rows) {
        rs->addNew();
        for (int i = 0; i < row.size(); ++i)
            rs->setValue(i, row[i]);
        rs->update();
    }
}

void build(const QString& dataDir, const QString& outFile)
{
    const int version = readVersion(dataDir + QStringLiteral("/VERSION"));
    const QList<QStringList> laender = readTable(dataDir + QStringLiteral("/laender.tsv"), 2);
    QMap<QString, QList<QStringList>> vorwahlen; // Land -> (Vorwahl, Ort)
    QStringList order;
    for (const QStringList& row : readTable(dataDir + QStringLiteral("/vorwahlen.tsv"), 3)) {
        if (!vorwahlen.contains(row[0]))
            order.append(row[0]);
        vorwahlen[row[0]].append({row[1], row[2]});
    }

    // A fixed clock: the same text gives the same file.
    const QDateTime built = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    platform::db::DBEngine engine([built] { return built; });
    const QString partial = outFile + QStringLiteral(".neu");
    QFile::remove(partial);
    {
        auto db = engine.createDatabase(partial);
        db->beginTrans();
        db->createTable(NummernSchema::laender());
        fill(*db, QStringLiteral("Laender"), laender);
        for (const QString& land : order) {
            db->createTable(NummernSchema::vorwahlen(land));
            fill(*db, land, vorwahlen[land]);
        }
        db->createTable(NummernSchema::liste());
        db->createTable(NummernSchema::anrufspeicher());
        db->setDataVersion(version);
        db->commitTrans();
        db->close();
    }
    QFile::remove(outFile);
    if (!QFile::rename(partial, outFile))
        throw InputError{QStringLiteral("cannot write %1").arg(outFile)};
    std::printf("nummern-mdb: %s: %lld countries, %lld area-code tables, data version %d\n",
                qPrintable(outFile), static_cast<long long>(laender.size()),
                static_cast<long long>(order.size()), version);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: nummern-mdb DATADIR OUTFILE\n");
        return 2;
    }
    try {
        build(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const InputError& error) {
        std::fprintf(stderr, "nummern-mdb: %s\n", qPrintable(error.text));
        return 1;
    } catch (const platform::db::DbError& error) {
        std::fprintf(stderr, "nummern-mdb: error %d: %s\n", error.number(),
                     qPrintable(error.description()));
        return 1;
    }
    return 0;
}
