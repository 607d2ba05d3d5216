#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

struct sqlite3;

namespace platform::db {

struct OpenOptions {
    bool exclusive = false;
    bool readOnly = false;
};

// A connect string such as "FoxPro 2.6;" or "dBASE IV;PWD=x": the type before
// the first ";" and the NAME=value pairs after it.
struct ConnectString {
    QString type;
    QMap<QString, QString> parameters; // names in upper case

    static ConnectString parse(const QString& text);
};

// The extension point for databases that are not SQLite files. A backend
// serves one or more connect types ("FoxPro 2.6", "dBASE IV", ...); when a
// database is opened with such a connect string, the engine opens a fresh
// in-memory SQLite connection and hands it to attach(), which makes the
// backend's tables queryable there, typically by registering a virtual-table
// module (sqlite3_create_module_v2) and creating one virtual table per file
// under the name the statements use. From then on the Database, its
// recordsets and the Jet dialect work on those tables like on any other.
class ConnectBackend {
public:
    virtual ~ConnectBackend() = default;

    // The connect types served, compared without regard to letter case.
    virtual QStringList connectTypes() const = 0;

    // name is the database name given to openDatabase (for "FoxPro 2.6;" a
    // directory). Throws DbError when it cannot be opened (for example 3044
    // for a path that is not a directory).
    virtual void attach(sqlite3* db, const QString& name, const ConnectString& connect,
                        const OpenOptions& options) = 0;
};

} // namespace platform::db
