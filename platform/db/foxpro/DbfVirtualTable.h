#pragma once

#include <QStringList>

struct sqlite3;

namespace platform::db::foxpro {

// The SQLite virtual-table module over the reader's tables (see
// FoxProBackend.h for what the tables offer).
class DbfVirtualTable {
public:
    static constexpr const char* kModuleName = "fonkel_dbf";

    // Registers the module on db. Its tables are then created with
    // CREATE VIRTUAL TABLE name USING fonkel_dbf(i), i indexing files.
    // Throws DbError when SQLite refuses the module.
    static void registerModule(sqlite3* db, const QStringList& files, bool substringScan);
};

} // namespace platform::db::foxpro
