#pragma once

#include <QString>

namespace platform::db {
class DBEngine;
}

// Where Nummern.mdb lives and how it comes there.
//
// A Nummern.mdb in the program's folder is used as it is (a portable
// install). Otherwise the file is the one in the user's data folder: the
// first start copies the shipped file there, and a later start with a newer
// shipped version (its data version is higher) replaces the countries and
// area codes in it, never the free number list or the stored calls.
class NummernMdbLocation {
public:
    struct Folders {
        QString program;  // the folder of the program file
        QString userData; // $XDG_DATA_HOME/Fonkel
        QString shipped;  // the shipped Nummern.mdb
    };

    static QString fileName() { return QStringLiteral("Nummern.mdb"); }

    // The folders of this program run.
    static Folders standardFolders();

    // The database file to open. What went wrong on the way (the shipped
    // file is missing, the copy or the update failed) goes into problem; the
    // path is returned anyway, so that opening it reports the failure.
    static QString prepare(const platform::db::DBEngine& engine, const Folders& folders,
                           QString* problem = nullptr);

private:
    static bool updateFromShipped(const platform::db::DBEngine& engine, const QString& userFile,
                                  const QString& shippedFile, QString* problem);
};
