#pragma once

#include "FieldType.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace platform::db {

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // text: the most characters it takes (0: 255)
    bool allowZeroLength = true;
    bool required = false;
};

struct IndexDef {
    QString name;
    bool primary = false;
    bool unique = false;
    bool clustered = false;   // kept, no effect in SQLite
    bool ignoreNulls = false; // kept, no effect in SQLite
    QStringList fields;
};

struct TableDef {
    QString name;
    QList<FieldDef> fields;
    QList<IndexDef> indexes;
    QDateTime dateCreated; // filled when read back

    // The field of that name (any letter case), or nullptr.
    const FieldDef* field(const QString& fieldName) const;
    const IndexDef* index(const QString& indexName) const;
};

// The CREATE TABLE statement (SQLite) for a definition. Text fields get
// CHECK constraints named "FieldSize:<field>" and, without allowZeroLength,
// "ZeroLength:<field>", which DbError turns into 3163 and 3315.
QString createTableSql(const TableDef& def);

} // namespace platform::db
