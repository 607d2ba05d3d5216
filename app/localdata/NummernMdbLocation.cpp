#include "NummernMdbLocation.h"

#include "NummernSchema.h"

#include "platform/db/DBEngine.h"
#include "platform/db/DbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using platform::db::DbError;

namespace {

void setProblem(QString* problem, const QString& text)
{
    if (problem)
        *problem = text;
}

// Copies table by table: the definition with its indexes, then the rows.
void copyTable(platform::db::Database& from, platform::db::Database& to, const QString& table)
{
    if (to.hasTable(table))
        to.deleteTable(table);
    to.createTable(from.tableDef(table));
    auto source = from.openRecordset(table);
    auto target = to.openRecordset(table, platform::db::RecordsetType::Table,
                                   platform::db::RecordsetOption::AppendOnly);
    for (; !source->eof(); source->moveNext()) {
        target->addNew();
        for (int i = 0; i < source->fieldCount(); ++i)
            target->setValue(i, source->value(i));
        target->update();
    }
}

} // namespace

NummernMdbLocation::Folders NummernMdbLocation::standardFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/Fonkel"),
            QDir::cleanPath(program + QStringLiteral("/../share/fonkel/") + fileName())};
}

QString NummernMdbLocation::prepare(const platform::db::DBEngine& engine, const Folders& folders,
                                    QString* problem)
{
    const QString portable = QDir(folders.program).filePath(fileName());
    if (QFileInfo::exists(portable))
        return portable;

    const QString userFile = QDir(folders.userData).filePath(fileName());
    const bool shippedExists = QFileInfo::exists(folders.shipped);
    if (!QFileInfo::exists(userFile)) {
        if (!shippedExists) {
            setProblem(problem,
                       QStringLiteral("Die mitgelieferte Datei %1 fehlt.").arg(folders.shipped));
            return userFile;
        }
        // Copy beside the target first: a half-written file never takes its place.
        const QString partial = userFile + QStringLiteral(".neu");
        QFile::remove(partial);
        if (!QDir().mkpath(folders.userData) || !QFile::copy(folders.shipped, partial) ||
            !QFile::setPermissions(partial, QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
            !QFile::rename(partial, userFile)) {
            QFile::remove(partial);
            setProblem(problem, QStringLiteral("%1 konnte nicht nach %2 kopiert werden.")
                                    .arg(folders.shipped, userFile));
        }
        return userFile;
    }
    if (shippedExists)
        updateFromShipped(engine, userFile, folders.shipped, problem);
    return userFile;
}

bool NummernMdbLocation::updateFromShipped(const platform::db::DBEngine& engine,
                                           const QString& userFile, const QString& shippedFile,
                                           QString* problem)
{
    try {
        auto shipped = engine.openDatabase(shippedFile, {false, true});
        auto user = engine.openDatabase(userFile);
        if (shipped->dataVersion() <= user->dataVersion())
            return true;
        user->beginTrans();
        try {
            for (const QString& table : shipped->tableNames()) {
                if (!NummernSchema::isUserTable(table))
                    copyTable(*shipped, *user, table);
                else if (!user->hasTable(table))
                    user->createTable(shipped->tableDef(table)); // empty, as shipped
            }
            user->setDataVersion(shipped->dataVersion());
            user->commitTrans();
        } catch (...) {
            user->rollback();
            throw;
        }
        return true;
    } catch (const DbError& error) {
        setProblem(problem, QStringLiteral("Die Vorwahlen in %1 konnten nicht aktualisiert "
                                           "werden (Fehler %2: %3).")
                                .arg(userFile)
                                .arg(error.number())
                                .arg(error.description()));
        return false;
    }
}
