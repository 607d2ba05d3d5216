#pragma once

#include "OptionReader.h"

#include <QString>

#include <memory>

namespace platform::db {
class DBEngine;
class Database;
class Recordset;
} // namespace platform::db
namespace platform::ui {
class UserInterface;
}

// Text searches in the ACT! contact table. init opens the directory of the
// database through the engine's "FoxPro 2.6;" backend (which the engine must
// have registered); Suche builds the SQL text from column lists and a term
// and returns the matching contacts; kill closes the database again.
//
// Failures are shown as messages (title "Fonkel") and give false, no result
// or 0; getRecordcount leaves its errors (DbError) to the caller, and
// SucheMaxWert throws ActDbError for a value it cannot read as a number.
//
// The option Debug (read through readOption) equal to 1 puts every statement
// of Suche on the clipboard before it runs.
class clActDBF {
public:
    clActDBF(platform::db::DBEngine& engine, platform::ui::UserInterface& ui,
             OptionReader readOption);
    ~clActDBF();
    clActDBF(const clActDBF&) = delete;
    clActDBF& operator=(const clActDBF&) = delete;

    // DBFpfad: the full path of the contact table, as ACT! reports it.
    bool init(const QString& DBFpfad);
    void kill();
    bool isOpen() const { return m_database != nullptr; }

    // The directory and the table name (MYDATA~1 for .../MYDATA~1.DBF) of the
    // last successful init.
    const QString& directory() const { return m_directory; }
    const QString& tableName() const { return m_tableName; }

    // The contacts whose search columns (a comma list) hold the term in any
    // letter case, joined by Logischeverknuepfung ("OR"), or only the first
    // search column with NurinFeld1; the columns of the rows are the search
    // columns, the display columns and UNIQUE_ID. An empty term with search
    // columns finds the rows where they are not empty; no search columns and
    // no term give every contact. nullptr when the query failed.
    std::unique_ptr<platform::db::Recordset>
    Suche(const QString& Suchfelder, const QString& Anzeigefelder, const QString& Suchbegriff,
          const QString& Logischeverknuepfung, bool NurinFeld1);

    // The largest number that follows Preset in the values of a column
    // ("K0012" with Preset "K" gives 12), at least 0.
    qint32 SucheMaxWert(const QString& ActFeldName, const QString& Tabellentyp,
                        const QString& Preset);
    // The number of rows where the column is not null.
    qint32 getRecordcount(const QString& Actfeld, const QString& Tabellentyp);

    // ".dbf" for the words Kontakt and Contact, ".gdb" for Gruppe(n) and
    // Group(s), in any letter case; ".dbf" after a message for any other.
    QString TableTypeExtension(const QString& Tabellentyp);

    // The directory and table name parts of a path.
    static QString DirectoryOf(const QString& path);
    static QString BaseNameOf(const QString& path);

private:
    bool debugOption() const;
    void reportOpenFailure(int number, const QString& description);

    platform::db::DBEngine& m_engine;
    platform::ui::UserInterface& m_ui;
    OptionReader m_readOption;
    QString m_directory;
    QString m_tableName;
    std::unique_ptr<platform::db::Database> m_database;
};
