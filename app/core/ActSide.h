#pragma once

#include <QString>

#include <memory>

class QLabel;

namespace platform::db {
class Recordset;
}

namespace fonkel {

// The number cache opened for one search.
class NumberCacheSearch {
public:
    virtual ~NumberCacheSearch() = default;

    // The rows whose search columns hold the term (see clActDBF::Suche);
    // nullptr when the query failed (reported).
    virtual std::unique_ptr<platform::db::Recordset>
    Suche(const QString& Tabellenname, const QString& Suchfelder, const QString& Anzeigefelder,
          const QString& Suchbegriff, const QString& Logischeverknuepfung, bool NurinFeld1) = 0;
};

// The main window's ACT! side as start-up, the ACT! timer, the caller
// identification and shutdown use it: the phone-field dialog, the ACT!
// database check, the number cache and the similar-number search.
class ActSide {
public:
    virtual ~ActSide() = default;

    // Loads the phone-field dialog without showing it; loading reads the
    // phone fields of the open ACT! database.
    virtual void LoadTelefonfelder() = 0;
    // Unloads the phone-field dialog when it is loaded.
    virtual void UnloadTelefonfelder() = 0;
    // Finds out whether ACT! runs and which database it has open, and sets
    // the application's flag "ACT! monitor ready".
    virtual void CheckACTDatabase() = 0;

    virtual void BuildNumberCache() = 0;
    virtual void SetNumberCacheUse(bool on) = 0;
    virtual bool CacheTableExists(const QString& file, const QString& table) = 0;
    // Opens the cache file for a search, with progress in statusLabel;
    // nullptr when it cannot be opened (reported).
    virtual std::unique_ptr<NumberCacheSearch> OpenNumberCache(const QString& file,
                                                               QLabel* statusLabel) = 0;

    // The searched ACT! phone columns as a comma list.
    virtual QString SelectedPhoneFields() = 0;
    // Lists the contacts with numbers like the caller's (when that search is on).
    virtual void SearchSimilarNumbers(const QString& areaCode, const QString& subscriber) = 0;
};

} // namespace fonkel
