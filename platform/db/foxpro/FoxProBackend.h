#pragma once

#include "platform/db/ConnectBackend.h"

namespace platform::db::foxpro {

// Jet's xBase connect types ("FoxPro 2.6;", "dBASE IV;" ...): the database is
// a directory, and each dBASE/FoxPro table in it (the files ending in .dbf or
// .gdb, in any letter case) is a read-only virtual table over the project's
// reader, named by its file name ("MYDATA.dbf", "MYDATA.gdb") and, for a .dbf,
// also without the extension ("MYDATA"). Statements of the engine's Jet
// dialect run on them unchanged.
//
// A file that cannot be read as a table still gets its names; every
// statement that uses it fails with the reader's error (3049 for a damaged
// table ...). Writing to a table, dropping or renaming it fails with 3027:
// the program never changes ACT!'s files.
//
// A LIKE '*text*' condition on a text column (GLOB '*text*' once translated)
// whose text holds no wildcard is answered by comparing the stored bytes of
// that column (DbfSubstringScan) instead of decoding every row; the rows are
// the same either way. Conditions joined by OR are evaluated row by row in
// table order (see DbfVirtualTable.cpp for why).
class FoxProBackend final : public ConnectBackend {
public:
    struct Options {
        // Off: every condition is left to SQLite (for comparisons and benchmarks).
        bool substringScan = true;
    };

    FoxProBackend();
    explicit FoxProBackend(Options options);

    QStringList connectTypes() const override;
    // Throws DbError 3044 when name is not a directory.
    void attach(sqlite3* db, const QString& name, const ConnectString& connect,
                const OpenOptions& options) override;

private:
    Options m_options;
};

} // namespace platform::db::foxpro
