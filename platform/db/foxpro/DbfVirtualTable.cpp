#include "DbfVirtualTable.h"

#include "DbfSqlValue.h"
#include "GlobNeedle.h"

#include "platform/db/DbError.h"
#include "platform/db/JetSql.h"
#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfSubstringScan.h"
#include "platform/db/dbase/DbfTable.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <optional>

// How a search finds its rows.
//
// A condition SQLite can hand to xBestIndex (one GLOB, or several joined by
// AND) may be answered by the table: GLOB '*piece*' on a text column, the
// piece without wildcards, is a byte search in that column's stored text
// (DbfSubstringScan), several times faster than decoding every field.
//
// Conditions joined by OR reach xBestIndex one at a time, and SQLite would
// answer them by running one such scan per column and emitting the rows
// column by column. That changes the order of the rows: a caller search takes
// the first row as the caller, and Jet gives the rows in table order. So the
// cost of a scan by one column is set above half of a plain scan: two or more
// scans together always cost more than one plain scan, which SQLite then
// takes, evaluating the OR row by row in table order. A lone condition still
// goes to the byte search.

namespace platform::db::foxpro {

namespace {

using dbase::DbfColumn;
using dbase::DbfCursor;
using dbase::DbfError;
using dbase::DbfErrorCode;
using dbase::DbfSubstringScan;
using dbase::DbfTable;
using dbase::DbfValueKind;

// Relative costs per record (see above).
constexpr double kPlainScanCost = 10.0;
constexpr double kSubstringScanCost = 6.0;

struct ModuleData {
    QStringList files;
    bool substringScan = true;
};

struct Table : sqlite3_vtab {
    Table() : sqlite3_vtab{} {}

    QString path;
    DbfTable dbf;
    DbfError error;                 // when the file cannot be read as a table
    QList<int> columns;             // SQL column -> table column
    QList<DbfColumn> columnDetails; // the table column of each SQL column
    bool substringScan = true;

    void setError(const DbfError& e)
    {
        sqlite3_free(zErrMsg);
        zErrMsg = sqlite3_mprintf(
            "%s", DbError::backendMessage(e.number, e.description).toUtf8().constData());
    }
};

struct Cursor : sqlite3_vtab_cursor {
    Cursor() : sqlite3_vtab_cursor{} {}

    Table* table() const { return static_cast<Table*>(pVtab); }

    std::optional<DbfCursor> scan;
    std::optional<DbfSubstringScan> substring;
    const DbfCursor* current = nullptr;
    bool eof = true;
    // A GLOB the table answers row by row (a pattern it cannot search by bytes).
    int globColumn = -1;
    QByteArray globPattern;
    QByteArray text;
};

int xConnect(sqlite3* db, void* aux, int argc, const char* const* argv, sqlite3_vtab** vtab,
             char** errorMessage)
{
    const auto* data = static_cast<const ModuleData*>(aux);
    bool ok = false;
    const int file = argc >= 4 ? QByteArray(argv[3]).trimmed().toInt(&ok) : -1;
    if (!ok || file < 0 || file >= data->files.size()) {
        *errorMessage = sqlite3_mprintf("%s: unknown table file", DbfVirtualTable::kModuleName);
        return SQLITE_ERROR;
    }

    auto table = std::make_unique<Table>();
    table->path = data->files[file];
    table->substringScan = data->substringScan;
    if (!table->dbf.open(table->path)) {
        table->error = table->dbf.error();
    } else {
        QStringList declarations;
        for (int i = 0; i < table->dbf.columnCount(); ++i) {
            const DbfColumn& column = table->dbf.column(i);
            if (column.system)
                continue;
            declarations.append(JetSql::quoteName(column.name) + u' ' + declaredSqlType(column));
            table->columns.append(i);
            table->columnDetails.append(column);
        }
        const QByteArray sql =
            QStringLiteral("CREATE TABLE x(%1)").arg(declarations.join(u", ")).toUtf8();
        if (sqlite3_declare_vtab(db, sql.constData()) != SQLITE_OK) {
            table->error = DbfError::make(
                DbfErrorCode::Corrupt,
                QStringLiteral("Die Spalten der dBASE-Tabelle '%1' lassen sich nicht lesen: %2.")
                    .arg(table->path, QString::fromUtf8(sqlite3_errmsg(db))));
        }
    }
    if (table->error.isError()) {
        // The table keeps its name; every statement that uses it reports why
        // it cannot be read.
        table->columns.clear();
        table->columnDetails.clear();
        if (sqlite3_declare_vtab(db, "CREATE TABLE x(\"_\" VARCHAR(1))") != SQLITE_OK) {
            *errorMessage = sqlite3_mprintf("%s", sqlite3_errmsg(db));
            return SQLITE_ERROR;
        }
    }
    *vtab = table.release();
    return SQLITE_OK;
}

int xDisconnect(sqlite3_vtab* vtab)
{
    auto* table = static_cast<Table*>(vtab);
    sqlite3_free(table->zErrMsg);
    delete table;
    return SQLITE_OK;
}

bool isTextColumn(const Table* table, int sqlColumn)
{
    return sqlColumn >= 0 && sqlColumn < table->columnDetails.size() &&
           table->columnDetails[sqlColumn].kind == DbfValueKind::Character;
}

int xBestIndex(sqlite3_vtab* vtab, sqlite3_index_info* info)
{
    auto* table = static_cast<Table*>(vtab);
    if (table->error.isError()) {
        table->setError(table->error);
        return SQLITE_ERROR;
    }
    const double records = double(std::max<qint64>(1, table->dbf.recordCount()));
    info->idxNum = 0;
    info->estimatedCost = records * kPlainScanCost;
    info->estimatedRows = sqlite3_int64(records);
    if (!table->substringScan)
        return SQLITE_OK;

    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& constraint = info->aConstraint[i];
        if (!constraint.usable || constraint.op != SQLITE_INDEX_CONSTRAINT_GLOB ||
            !isTextColumn(table, constraint.iColumn))
            continue;
        // The pattern must be known now: only then can the scan promise SQLite
        // exactly the rows the GLOB gives (omit).
        sqlite3_value* pattern = nullptr;
        if (sqlite3_vtab_rhs_value(info, i, &pattern) != SQLITE_OK ||
            sqlite3_value_type(pattern) != SQLITE_TEXT)
            continue;
        const QByteArrayView utf8(reinterpret_cast<const char*>(sqlite3_value_text(pattern)),
                                  sqlite3_value_bytes(pattern));
        if (!globSubstringNeedle(utf8))
            continue;
        info->aConstraintUsage[i].argvIndex = 1;
        info->aConstraintUsage[i].omit = 1;
        info->idxNum = 1 + constraint.iColumn;
        info->estimatedCost = records * kSubstringScanCost;
        info->estimatedRows = sqlite3_int64(std::max(1.0, records / 10));
        break;
    }
    return SQLITE_OK;
}

int xOpen(sqlite3_vtab*, sqlite3_vtab_cursor** cursor)
{
    *cursor = new Cursor;
    return SQLITE_OK;
}

int xClose(sqlite3_vtab_cursor* cursor)
{
    delete static_cast<Cursor*>(cursor);
    return SQLITE_OK;
}

// Whether the current record passes the GLOB the cursor evaluates itself.
bool passesGlob(Cursor* c)
{
    if (c->globColumn < 0)
        return true;
    if (!dbfTextToUtf8(c->current->raw(c->globColumn), c->text))
        return false; // null never matches
    return sqlite3_strglob(c->globPattern.constData(), c->text.constData()) == 0;
}

// Moves to the first (first = true) or next row; sets eof at the end.
int advance(Cursor* c, bool first)
{
    Table* table = c->table();
    if (c->substring) {
        if (c->substring->next()) {
            c->current = &c->substring->cursor();
            c->eof = false;
            return SQLITE_OK;
        }
        c->eof = true;
        if (c->substring->error().isError()) {
            table->setError(c->substring->error());
            return SQLITE_ERROR;
        }
        return SQLITE_OK;
    }
    bool moved = first ? c->scan->first() : c->scan->next();
    c->current = &*c->scan;
    // Jet does not show deleted records.
    while (moved && (c->scan->isDeleted() || !passesGlob(c)))
        moved = c->scan->next();
    c->eof = !moved;
    if (c->eof && c->scan->hasError()) {
        table->setError(c->scan->error());
        return SQLITE_ERROR;
    }
    return SQLITE_OK;
}

int xFilter(sqlite3_vtab_cursor* cursor, int idxNum, const char*, int argc, sqlite3_value** argv)
{
    auto* c = static_cast<Cursor*>(cursor);
    Table* table = c->table();
    c->scan.reset();
    c->substring.reset();
    c->current = nullptr;
    c->eof = true;
    c->globColumn = -1;
    if (table->error.isError()) {
        table->setError(table->error);
        return SQLITE_ERROR;
    }
    if (idxNum > 0 && argc >= 1 && idxNum - 1 < table->columns.size()) {
        const int column = table->columns[idxNum - 1];
        const QByteArray pattern(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])),
                                 sqlite3_value_bytes(argv[0]));
        if (const std::optional<QByteArray> needle = globSubstringNeedle(pattern)) {
            c->substring.emplace(table->dbf, QList<int>{column}, *needle);
            return advance(c, true);
        }
        // The value differs from the one planned with (it cannot, for a
        // literal): the GLOB was promised, so evaluate it here.
        c->globColumn = column;
        c->globPattern = pattern;
    }
    c->scan.emplace(table->dbf);
    return advance(c, true);
}

int xNext(sqlite3_vtab_cursor* cursor)
{
    return advance(static_cast<Cursor*>(cursor), false);
}

int xEof(sqlite3_vtab_cursor* cursor)
{
    return static_cast<Cursor*>(cursor)->eof ? 1 : 0;
}

int xColumn(sqlite3_vtab_cursor* cursor, sqlite3_context* context, int sqlColumn)
{
    auto* c = static_cast<Cursor*>(cursor);
    const Table* table = c->table();
    if (c->eof || !c->current || sqlColumn < 0 || sqlColumn >= table->columns.size()) {
        sqlite3_result_null(context);
        return SQLITE_OK;
    }
    const DbfColumn& column = table->columnDetails[sqlColumn];
    // The reader checked at open that every field lies inside the record.
    const QByteArrayView record = c->current->record();
    resultDbfField(context, column, record.sliced(column.offset, column.length), c->text);
    return SQLITE_OK;
}

// The record number, counted from 1 as dBASE does.
int xRowid(sqlite3_vtab_cursor* cursor, sqlite3_int64* rowid)
{
    const auto* c = static_cast<Cursor*>(cursor);
    *rowid = c->current ? c->current->index() + 1 : 0;
    return SQLITE_OK;
}

int xUpdate(sqlite3_vtab* vtab, int, sqlite3_value**, sqlite3_int64*)
{
    auto* table = static_cast<Table*>(vtab);
    table->setError(DbfError{
        errc::ReadOnly,
        QStringLiteral("Die dBASE-Tabelle '%1' ist schreibgeschützt: Fonkel ändert die Dateien "
                       "von ACT! nicht.")
            .arg(table->path)});
    return SQLITE_ERROR;
}

sqlite3_module makeModule()
{
    sqlite3_module m{};
    m.iVersion = 1;
    m.xCreate = xConnect;
    m.xConnect = xConnect;
    m.xBestIndex = xBestIndex;
    m.xDisconnect = xDisconnect;
    m.xDestroy = xDisconnect;
    m.xOpen = xOpen;
    m.xClose = xClose;
    m.xFilter = xFilter;
    m.xNext = xNext;
    m.xEof = xEof;
    m.xColumn = xColumn;
    m.xRowid = xRowid;
    m.xUpdate = xUpdate;
    return m;
}

void destroyModuleData(void* data)
{
    delete static_cast<ModuleData*>(data);
}

} // namespace

void DbfVirtualTable::registerModule(sqlite3* db, const QStringList& files, bool substringScan)
{
    static const sqlite3_module module = makeModule();
    auto* data = new ModuleData{files, substringScan};
    // SQLite owns data from here on, also when the call fails.
    const int rc = sqlite3_create_module_v2(db, kModuleName, &module, data, destroyModuleData);
    if (rc != SQLITE_OK)
        throw DbError::fromSqlite(db, rc);
}

} // namespace platform::db::foxpro
