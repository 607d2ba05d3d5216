#include "DBEngine.h"

#include "Connection.h"
#include "DbError.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

namespace platform::db {

namespace {

// How long a statement waits for another connection's write to finish.
constexpr int kBusyTimeoutMs = 2000;

sqlite3* openSqlite(const QString& name, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(name).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const DbError error = DbError::fromSqlite(db, rc, name);
        sqlite3_close_v2(db);
        throw error;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return db;
}

} // namespace

ConnectString ConnectString::parse(const QString& text)
{
    ConnectString connect;
    const QStringList parts = text.split(u';');
    connect.type = parts.value(0).trimmed();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString part = parts[i].trimmed();
        if (part.isEmpty())
            continue;
        const qsizetype equals = part.indexOf(u'=');
        if (equals < 0)
            connect.parameters.insert(part.toUpper(), QString());
        else
            connect.parameters.insert(part.left(equals).trimmed().toUpper(),
                                      part.mid(equals + 1).trimmed());
    }
    return connect;
}

DBEngine::DBEngine(Clock clock) : m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
}

void DBEngine::registerBackend(std::shared_ptr<ConnectBackend> backend)
{
    m_backends.push_back(std::move(backend));
}

std::unique_ptr<Database> DBEngine::openDatabase(const QString& name, const OpenOptions& options,
                                                 const QString& connect) const
{
    const ConnectString parsed = ConnectString::parse(connect);
    if (!parsed.type.isEmpty()) {
        for (const auto& backend : m_backends) {
            if (!backend->connectTypes().contains(parsed.type, Qt::CaseInsensitive))
                continue;
            sqlite3* db =
                openSqlite(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
            auto connection = std::make_shared<Connection>(db, name, m_clock);
            backend->attach(db, name, parsed, options);
            return std::unique_ptr<Database>(new Database(std::move(connection)));
        }
        throw DbError(errc::IsamNotFound,
                      QStringLiteral("Installierbares ISAM '%1' nicht gefunden.").arg(parsed.type));
    }

    const QFileInfo info(name);
    if (!info.exists())
        throw DbError(errc::FileNotFound,
                      QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(name));
    if (info.isDir())
        throw DbError(errc::CannotOpenFile,
                      QStringLiteral("Die Datei '%1' kann nicht geöffnet werden.").arg(name));
    const int flags = options.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    auto connection = std::make_shared<Connection>(openSqlite(name, flags), name, m_clock);
    // SQLite reads the file only now: a file that is not a database fails here.
    const int rc = sqlite3_exec(connection->db(), "SELECT count(*) FROM sqlite_schema", nullptr,
                                nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw DbError::fromSqlite(connection->db(), rc, name);
    if (options.exclusive)
        connection->run(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    return std::unique_ptr<Database>(new Database(std::move(connection)));
}

std::unique_ptr<Database> DBEngine::createDatabase(const QString& name, const QString& /*locale*/,
                                                   int /*options*/) const
{
    if (QFileInfo::exists(name))
        throw DbError(errc::DatabaseExists,
                      QStringLiteral("Die Datenbank '%1' existiert bereits.").arg(name));
    auto connection = std::make_shared<Connection>(
        openSqlite(name, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), name, m_clock);
    std::unique_ptr<Database> database(new Database(std::move(connection)));
    // Writes the file's header: an untouched SQLite file is empty.
    database->ensureCatalog();
    return database;
}

} // namespace platform::db
