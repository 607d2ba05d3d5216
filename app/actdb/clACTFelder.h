#pragma once

#include "DdfBuffer.h"
#include "StatusText.h"
#include "clACTFeld.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace platform::db {
class DBEngine;
class Database;
class Recordset;
} // namespace platform::db
namespace platform::ui {
class UserInterface;
}

// The fields of one ACT! database: for every column of the contact table and
// of the group table, what ACT!'s field-definition file says about it (display
// name, field number, type, size). The phone fields are the contact fields of
// type 7.
//
// The database is a directory with BASENAME.dbf (contacts), BASENAME.gdb
// (groups) and BASENAME.ddf (field definitions), opened through the engine's
// "FoxPro 2.6;" backend, which the engine must have registered.
//
// Failures to find the database or to open its tables are shown as messages
// (title "Fonkel"); errors while reading the field-definition file are
// thrown (ActDbError) to the caller, who reports them.
class clACTFelder {
public:
    clACTFelder(platform::db::DBEngine& engine, platform::ui::UserInterface& ui);
    ~clACTFelder();
    clACTFelder(const clACTFelder&) = delete;
    clACTFelder& operator=(const clACTFelder&) = delete;

    // The path of the contact table in its short form (on Linux: as given).
    QString ACTDatenbank;

    // Takes the path of the contact table; false (after a message) when no
    // such file exists, leaving the fields read before.
    bool init(const QString& path);
    void kill();

    // The base name (MYDATA~1 for .../MYDATA~1.DBF) and the directory.
    QString ACTDateiname() const;
    QString ACTPfad() const;

    // Index 0 to the count (the last slot stays empty); any other index
    // throws ActDbError 9.
    const clACTFeld& KontaktFeld(qint32 index) const;
    const clACTFeld& GruppenFeld(qint32 index) const;
    qint32 AnzahlKontaktfelder() const;
    qint32 AnzahlGruppenfleder() const;
    bool Felder_eingelesen() const;

    // Whether the contact or the group table has a column of exactly that name.
    bool checkeACTFeldnamen(const QString& name);

    // Reads the columns of both tables and describes them from the
    // field-definition file, with progress texts in the panel when one is
    // given. Throws ActDbError when the file is missing or cannot be scanned.
    void Felder_einlesen(const StatusText& panel = {});

    // Where the scan of the file found its sections (kept between reads).
    qint64 contactLimit() const { return m_contactLimit; }
    qint64 groupStart() const { return m_groupStart; }
    qint64 groupLimit() const { return m_groupLimit; }

private:
    bool ConnectWithDBF();
    void ReadFieldDefinitionFile();
    void FindSchemaMarkers();
    void ReadContactFields(const StatusText& panel);
    void ReadGroupFields(const StatusText& panel);
    void readFields(std::vector<clACTFeld>& fields, const QStringList& columns, qint64 start,
                    qint64 limit, const QString& progressText, const StatusText& panel);
    void DescribeField(clACTFeld& field, qint64 start, qint64 limit) const;
    void CloseTables();
    QString fieldDefinitionPath() const;
    QStringList columnsOf(const platform::db::Recordset* table) const;
    const clACTFeld& fieldAt(const std::vector<clACTFeld>& fields, qint32 index) const;

    platform::db::DBEngine& m_engine;
    platform::ui::UserInterface& m_ui;
    std::vector<clACTFeld> m_contactFields;
    std::vector<clACTFeld> m_groupFields;
    DdfBuffer m_ddf;
    qint64 m_contactLimit = 0;
    qint64 m_groupStart = 0;
    qint64 m_groupLimit = 0;
    std::unique_ptr<platform::db::Database> m_database;
    std::unique_ptr<platform::db::Recordset> m_contactTable;
    std::unique_ptr<platform::db::Recordset> m_groupTable;
};
