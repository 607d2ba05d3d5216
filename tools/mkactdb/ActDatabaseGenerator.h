#pragma once

#include <QString>

#include <functional>

namespace actdbgen {

struct ActDatabaseOptions {
    QString directory;
    QString baseName; // without extension
    qint64 contacts = 100;
    quint64 seed = 1;
};

struct ActDatabaseFiles {
    QString contactTable;     // BASENAME.dbf
    QString groupTable;       // BASENAME.gdb
    QString fieldDefinitions; // BASENAME.ddf

    static ActDatabaseFiles in(const QString& directory, const QString& baseName);
};

// Writes an ACT!-format database: the contact table, the group table and the
// field-definition file, the same bytes for the same options. Contacts stream
// to disk, so any number works. progress (when given) hears about every
// 10,000 contacts. On failure returns false, sets *error and leaves no
// partial files under the final names.
bool generateActDatabase(const ActDatabaseOptions& options, QString* error,
                         const std::function<void(qint64 done, qint64 total)>& progress = {});

} // namespace actdbgen
