#pragma once

#include "CallerList.h"

#include <QString>

#include <memory>
#include <optional>

namespace platform::db {
class DBEngine;
class Database;
} // namespace platform::db
namespace platform::settings {
class Registry;
class SettingsStore;
} // namespace platform::settings
namespace platform::ui {
class UserInterface;
}

// The local number database Nummern.mdb: splits numbers into country code,
// area code and subscriber part and names country and place, looks numbers
// up in the free number list, and stores and reloads the caller list.
//
// Failures are shown as messages (title "Fonkel") and the operation returns
// no result; an object without a connection (init failed, or after kill)
// says so for each operation and returns no result as well.
class clFonkelDaten {
public:
    // options is the settings store holding the section "Optionen"
    // (InternationaleKennung); registry gives the user's locale.
    clFonkelDaten(platform::db::DBEngine& engine, platform::ui::UserInterface& ui,
                  const platform::settings::SettingsStore& options,
                  const platform::settings::Registry& registry);
    ~clFonkelDaten();
    clFonkelDaten(const clFonkelDaten&) = delete;
    clFonkelDaten& operator=(const clFonkelDaten&) = delete;

    // Opens the database file; false (after the message) when it cannot.
    bool init(const QString& fileName);
    void kill();

    const QString& fileName() const { return m_fileName; }
    bool isConnected() const { return m_database != nullptr; }

    void BestimmeVorwahlAnschlussOrtLand(QString number, QString& countryCode, QString& areaCode,
                                         QString& subscriber, QString& country, QString& place);
    void SucheNameOrtAusFreierListe(const QString& number, QString& name, QString& place);
    // Appends the entry as one row of Anrufspeicher; false when not stored.
    bool schreibIteminMDB(const CallerList& list, const CallerListEntry& entry);
    void leseMDBinListview(CallerList& list);
    void LoescheAnruferliste(qint32 days);

private:
    // nullopt when the lookup failed (the failure has been dealt with).
    std::optional<QString> SucheOrtZuVorwahl(const QString& prefix, const QString& table);
    std::optional<QString> SucheLandZuVorwahl(const QString& prefix);
    std::optional<QString> placeOf(const QString& statement);
    bool checkConnection(const char* operation);
    void reportFailure(const char* operation, int number, const QString& description);
    void warn(const QString& text);

    platform::db::DBEngine& m_engine;
    platform::ui::UserInterface& m_ui;
    const platform::settings::SettingsStore& m_options;
    const platform::settings::Registry& m_registry;
    QString m_fileName;
    std::unique_ptr<platform::db::Database> m_database;
};
