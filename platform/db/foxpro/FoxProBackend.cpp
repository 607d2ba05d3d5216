#include "FoxProBackend.h"

#include "DbfVirtualTable.h"

#include "platform/db/DbError.h"
#include "platform/db/JetSql.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace platform::db::foxpro {

namespace {

void run(sqlite3* db, const QString& sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        throw DbError::fromSqlite(db, rc, sql);
}

} // namespace

FoxProBackend::FoxProBackend() = default;

FoxProBackend::FoxProBackend(Options options) : m_options(options) {}

QStringList FoxProBackend::connectTypes() const
{
    return {QStringLiteral("FoxPro 2.6"), QStringLiteral("FoxPro 2.5"),
            QStringLiteral("FoxPro 2.0"), QStringLiteral("FoxPro 3.0"),
            QStringLiteral("dBASE III"),  QStringLiteral("dBASE IV"),
            QStringLiteral("dBASE 5.0")};
}

void FoxProBackend::attach(sqlite3* db, const QString& name, const ConnectString&,
                           const OpenOptions&)
{
    const QFileInfo info(name);
    if (name.isEmpty() || !info.isDir())
        throw DbError(errc::InvalidPath,
                      QStringLiteral("'%1' ist kein zulässiger Pfad.").arg(name));

    QStringList files;
    QStringList tableNames;
    QList<int> fileOfTable;
    QSet<QString> taken; // SQLite's table names ignore the letter case
    const auto addName = [&](const QString& table, int file) {
        if (taken.contains(table.toLower()))
            return;
        taken.insert(table.toLower());
        tableNames.append(table);
        fileOfTable.append(file);
    };
    const QFileInfoList entries = QDir(name).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString fileName = entry.fileName();
        const QString suffix = entry.suffix().toLower();
        if (suffix != u"dbf" && suffix != u"gdb")
            continue;
        const int file = int(files.size());
        files.append(entry.filePath());
        addName(fileName, file);
        if (suffix == u"dbf" && fileName.size() > 4)
            addName(fileName.left(fileName.size() - 4), file);
    }

    DbfVirtualTable::registerModule(db, files, m_options.substringScan);
    for (qsizetype i = 0; i < tableNames.size(); ++i) {
        run(db, QStringLiteral("CREATE VIRTUAL TABLE main.%1 USING %2(%3)")
                    .arg(JetSql::quoteName(tableNames[i]),
                         QLatin1StringView(DbfVirtualTable::kModuleName))
                    .arg(fileOfTable[i]));
    }
}

} // namespace platform::db::foxpro
