#include "Database.h"

#include "Connection.h"
#include "DateTimeText.h"
#include "DbError.h"
#include "JetSql.h"

#include <QRegularExpression>

namespace platform::db {

namespace {

// The engine's catalog: creation dates of tables (Type 1) and the flags of
// indexes (Type 2), which SQLite does not keep.
constexpr int kTableObject = 1;
constexpr int kIndexObject = 2;
constexpr int kPrimaryFlag = 1;
constexpr int kClusteredFlag = 2;
constexpr int kIgnoreNullsFlag = 4;

const QString& catalog()
{
    static const QString name = QStringLiteral("MSysObjects");
    return name;
}

// SQLite index names are global to the file; Jet's belong to their table.
QString sqliteIndexName(const QString& table, const QString& index)
{
    return table + u'.' + index;
}

bool isInternal(const QString& table)
{
    return table.startsWith(u"sqlite_", Qt::CaseInsensitive) ||
           table.startsWith(u"MSys", Qt::CaseInsensitive);
}

// "[Liste]" -> "Liste"
QString bareName(const QString& source)
{
    const QString trimmed = source.trimmed();
    if (trimmed.size() >= 2 && trimmed.front() == u'[' && trimmed.back() == u']')
        return trimmed.mid(1, trimmed.size() - 2);
    return trimmed;
}

} // namespace

Database::Database(std::shared_ptr<Connection> connection) : m_connection(std::move(connection)) {}

Database::~Database()
{
    close();
}

const QString& Database::name() const
{
    return m_connection->name();
}

bool Database::isOpen() const
{
    return m_connection->isOpen();
}

void Database::close()
{
    m_connection->close();
}

sqlite3* Database::handle() const
{
    return m_connection->checked();
}

void Database::execute(const QString& jetSql)
{
    const TranslatedSql translated = JetSql::translate(jetSql);
    m_recordsAffected = m_connection->run(translated.sql);
    if (translated.kind == TranslatedSql::Kind::CreateTable)
        recordObject(kTableObject, translated.table, QString(), 0);
    else if (translated.kind == TranslatedSql::Kind::DropTable)
        forgetTable(translated.table);
}

std::unique_ptr<Recordset> Database::openRecordset(const QString& source, RecordsetType type,
                                                   int options)
{
    m_connection->checked();
    const QString name = bareName(source);
    if (hasTable(name)) {
        const QString quoted = JetSql::quoteName(name);
        try {
            return std::unique_ptr<Recordset>(new Recordset(
                m_connection, {QStringLiteral("SELECT rowid, * FROM %1").arg(quoted), name, true},
                type, options));
        } catch (const DbError& error) {
            // A table without row ids (a virtual table may have none) is
            // read and appended to, but not edited.
            if (error.number() != errc::TooFewParameters)
                throw;
            return std::unique_ptr<Recordset>(new Recordset(
                m_connection, {QStringLiteral("SELECT * FROM %1").arg(quoted), name, false}, type,
                options));
        }
    }
    // A name (one word, or anything in brackets) that is no table.
    const QString trimmed = source.trimmed();
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (trimmed.startsWith(u'[') ? trimmed.endsWith(u']') : !trimmed.contains(blank))
        throw DbError::tableNotFound(name);
    const TranslatedSql translated = JetSql::translate(source);
    if (translated.kind != TranslatedSql::Kind::Select)
        throw DbError(errc::InvalidOperation, QStringLiteral("Ungültige Operation."));
    return std::unique_ptr<Recordset>(
        new Recordset(m_connection, {translated.sql, QString(), false}, type, options));
}

QStringList Database::tableNames() const
{
    QStringList names;
    for (const char* schema : {"main", "temp"}) {
        Statement statement(
            m_connection->checked(),
            QStringLiteral("SELECT s.name FROM %1.sqlite_schema s WHERE s.type IN ('table', "
                           "'view') AND NOT EXISTS (SELECT 1 FROM pragma_table_list t WHERE "
                           "t.schema = '%1' AND t.name = s.name AND t.type = 'shadow') ORDER BY "
                           "s.rowid")
                .arg(QLatin1StringView(schema)));
        while (statement.step()) {
            const QString name = statement.value(0).toString();
            if (!isInternal(name))
                names.append(name);
        }
    }
    return names;
}

bool Database::hasTable(const QString& table) const
{
    if (table.isEmpty())
        return false;
    return !m_connection
                ->scalar(QStringLiteral("SELECT 1 FROM pragma_table_list WHERE name = ? COLLATE "
                                        "NOCASE AND schema IN ('main', 'temp')"),
                         {table})
                .isNull();
}

TableDef Database::tableDef(const QString& table) const
{
    if (!hasTable(table))
        throw DbError::itemNotFound(table);
    TableDef def;
    const QString createSql =
        m_connection
            ->scalar(QStringLiteral("SELECT sql FROM sqlite_schema WHERE name = ? COLLATE NOCASE "
                                    "UNION ALL SELECT sql FROM sqlite_temp_schema WHERE name = ? "
                                    "COLLATE NOCASE"),
                     {table, table})
            .toString();
    def.name = m_connection
                   ->scalar(QStringLiteral("SELECT name FROM pragma_table_list WHERE name = ? "
                                           "COLLATE NOCASE"),
                            {table})
                   .toString();

    Statement fields(m_connection->checked(),
                     QStringLiteral("SELECT name, type, \"notnull\" FROM pragma_table_info(?)"));
    fields.bind(1, def.name);
    while (fields.step()) {
        const QString name = fields.value(0).toString();
        const DeclaredType type = fieldTypeOf(fields.value(1).toString(), 0);
        const bool zeroLength =
            createSql.contains(JetSql::quoteName(u"ZeroLength:" + name), Qt::CaseInsensitive);
        def.fields.append({name, type.type, type.size, !zeroLength, fields.value(2).toInt() != 0});
    }

    Statement indexes(m_connection->checked(),
                      QStringLiteral("SELECT name, \"unique\", origin FROM pragma_index_list(?)"));
    indexes.bind(1, def.name);
    while (indexes.step()) {
        const QString sqliteName = indexes.value(0).toString();
        IndexDef index;
        index.unique = indexes.value(1).toInt() != 0;
        const QString prefix = def.name + u'.';
        if (indexes.value(2).toString() == u"pk") {
            index.name = QStringLiteral("PrimaryKey");
            index.primary = true;
        } else {
            index.name = sqliteName.startsWith(prefix, Qt::CaseInsensitive)
                             ? sqliteName.mid(prefix.size())
                             : sqliteName;
        }
        Statement columns(m_connection->checked(),
                          QStringLiteral("SELECT name FROM pragma_index_info(?) ORDER BY seqno"));
        columns.bind(1, sqliteName);
        while (columns.step())
            index.fields.append(columns.value(0).toString());
        if (hasTable(catalog())) {
            const int flags = m_connection
                                  ->scalar(QStringLiteral("SELECT Flags FROM MSysObjects WHERE "
                                                          "Type = ? AND Parent = ? COLLATE NOCASE "
                                                          "AND Name = ? COLLATE NOCASE"),
                                           {kIndexObject, def.name, index.name})
                                  .toInt();
            index.primary = index.primary || (flags & kPrimaryFlag);
            index.clustered = flags & kClusteredFlag;
            index.ignoreNulls = flags & kIgnoreNullsFlag;
        }
        def.indexes.append(index);
    }
    def.dateCreated = tableCreated(def.name);
    return def;
}

void Database::ensureCatalog()
{
    m_connection->run(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS MSysObjects (Type INTEGER NOT NULL, Name TEXT NOT NULL, "
        "Parent TEXT NOT NULL DEFAULT '', DateCreate TEXT, Flags INTEGER NOT NULL DEFAULT 0, "
        "PRIMARY KEY (Type, Parent, Name))"));
}

void Database::recordObject(int type, const QString& name, const QString& parent, int flags)
{
    ensureCatalog();
    m_connection->run(QStringLiteral("INSERT OR REPLACE INTO MSysObjects (Type, Name, Parent, "
                                     "DateCreate, Flags) VALUES (?, ?, ?, ?, ?)"),
                      {type, name, parent, DateTimeText::toStored(m_connection->now()), flags});
}

void Database::forgetTable(const QString& table)
{
    if (!hasTable(catalog()))
        return;
    m_connection->run(QStringLiteral("DELETE FROM MSysObjects WHERE (Type = ? AND Name = ? COLLATE "
                                     "NOCASE) OR (Type = ? AND Parent = ? COLLATE NOCASE)"),
                      {kTableObject, table, kIndexObject, table});
}

void Database::createTable(const TableDef& def)
{
    m_connection->checked();
    if (hasTable(def.name))
        throw DbError(errc::TableExists,
                      QStringLiteral("Die Tabelle '%1' existiert bereits.").arg(def.name));
    if (def.fields.isEmpty())
        throw DbError(errc::NoFields,
                      QStringLiteral("Die Tabelle '%1' hat keine Felder.").arg(def.name));
    m_connection->run(QStringLiteral("SAVEPOINT createtable"));
    try {
        m_connection->run(createTableSql(def));
        recordObject(kTableObject, def.name, QString(), 0);
        for (const IndexDef& index : def.indexes)
            createIndex(def.name, index);
        m_connection->run(QStringLiteral("RELEASE createtable"));
    } catch (...) {
        m_connection->run(QStringLiteral("ROLLBACK TO createtable"));
        m_connection->run(QStringLiteral("RELEASE createtable"));
        throw;
    }
}

void Database::createIndex(const QString& table, const IndexDef& index)
{
    if (index.fields.isEmpty() || index.name.isEmpty())
        throw DbError(errc::InvalidArgument,
                      QStringLiteral("Der Index '%1' nennt keine Felder.").arg(index.name));
    if (!hasTable(table))
        throw DbError::tableNotFound(table);
    QStringList fields;
    for (const QString& field : index.fields)
        fields.append(JetSql::quoteName(field));
    m_connection->run(
        QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
            .arg(index.unique || index.primary ? QStringLiteral("UNIQUE ") : QString(),
                 JetSql::quoteName(sqliteIndexName(table, index.name)), JetSql::quoteName(table),
                 fields.join(u", ")));
    const int flags = (index.primary ? kPrimaryFlag : 0) | (index.clustered ? kClusteredFlag : 0) |
                      (index.ignoreNulls ? kIgnoreNullsFlag : 0);
    recordObject(kIndexObject, index.name, table, flags);
}

void Database::deleteTable(const QString& table)
{
    if (!hasTable(table) || isInternal(table))
        throw DbError::itemNotFound(table);
    m_connection->run(QStringLiteral("DROP TABLE %1").arg(JetSql::quoteName(table)));
    forgetTable(table);
}

QDateTime Database::tableCreated(const QString& table) const
{
    if (!hasTable(catalog()))
        return QDateTime();
    const QVariant stored = m_connection->scalar(
        QStringLiteral("SELECT DateCreate FROM MSysObjects WHERE Type = ? AND Name = ? COLLATE "
                       "NOCASE"),
        {kTableObject, table});
    return DateTimeText::fromStored(stored.toString()).value_or(QDateTime());
}

int Database::dataVersion() const
{
    return m_connection->scalar(QStringLiteral("PRAGMA user_version")).toInt();
}

void Database::setDataVersion(int version)
{
    m_connection->run(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

void Database::beginTrans()
{
    m_connection->run(QStringLiteral("BEGIN"));
}

void Database::commitTrans()
{
    m_connection->run(QStringLiteral("COMMIT"));
}

void Database::rollback()
{
    m_connection->run(QStringLiteral("ROLLBACK"));
}

} // namespace platform::db
