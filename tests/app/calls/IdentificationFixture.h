#pragma once

#include "app/calls/CallerIdentification.h"
#include "app/calls/NumberPreparation.h"
#include "app/core/ActSide.h"
#include "app/core/ListRoutines.h"
#include "app/core/ListView.h"
#include "app/core/frmHaupt.h"
#include "app/core/modHaupt.h"
#include "app/core/modOptionen.h"
#include "app/localdata/NummernSchema.h"
#include "app/localdata/clFonkelDaten.h"
#include "platform/db/DBEngine.h"
#include "platform/db/Recordset.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/ui/ScriptedUserInterface.h"
#include "tests/app/localdata/LocalDataFixture.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// The ACT! side as the identification sees it: records what it is asked and
// answers as the test sets it up. The hooks run in the middle of a run.
class RecordingActSide final : public fonkel::ActSide {
public:
    void LoadTelefonfelder() override {}
    void UnloadTelefonfelder() override {}
    void CheckACTDatabase() override {}
    void BuildNumberCache() override {}
    void SetNumberCacheUse(bool on) override { cacheUse.append(on); }
    bool CacheTableExists(const QString& file, const QString& table) override
    {
        cacheChecks.append(file + u'|' + table);
        if (onCacheCheck)
            onCacheCheck();
        return cacheTable;
    }
    std::unique_ptr<fonkel::NumberCacheSearch> OpenNumberCache(const QString& file,
                                                               QLabel*) override
    {
        cacheOpens.append(file);
        return openCache ? openCache() : nullptr;
    }
    QString SelectedPhoneFields() override { return phoneFields; }
    void SearchSimilarNumbers(const QString& areaCode, const QString& subscriber) override
    {
        similar.append({areaCode, subscriber});
        if (onSimilar)
            onSimilar();
    }

    bool cacheTable = false;
    std::function<std::unique_ptr<fonkel::NumberCacheSearch>()> openCache;
    QString phoneFields = QStringLiteral("TELEFON,MOBIL");
    std::function<void()> onCacheCheck;
    std::function<void()> onSimilar;

    QList<bool> cacheUse;
    QStringList cacheChecks;
    QStringList cacheOpens;
    QList<QStringList> similar;
};

// The number cache as a real SQLite file with a table ACTNR; a search finds
// the rows whose TELEFON equals the term, in the order they were added, and
// notes its arguments in asked (which outlives the search).
class SqliteNumberCache final : public fonkel::NumberCacheSearch {
public:
    SqliteNumberCache(platform::db::DBEngine& engine, const QString& file, QStringList& asked)
        : m_database(engine.openDatabase(file)), m_asked(asked)
    {
    }

    static void create(platform::db::DBEngine& engine, const QString& file,
                       const QList<QStringList>& rows) // UNIQUE_ID, NAME, CITY, TELEFON
    {
        using namespace platform::db;
        auto db = engine.createDatabase(file);
        TableDef table{QStringLiteral("ACTNR"),
                       {{QStringLiteral("TELEFON"), FieldType::Text, 40},
                        {QStringLiteral("MOBIL"), FieldType::Text, 40},
                        {QStringLiteral("NAME"), FieldType::Text, 40},
                        {QStringLiteral("CITY"), FieldType::Text, 40},
                        {QStringLiteral("UNIQUE_ID"), FieldType::Text, 20}},
                       {},
                       {}};
        db->createTable(table);
        auto rs = db->openRecordset(QStringLiteral("ACTNR"), RecordsetType::Table,
                                    RecordsetOption::AppendOnly);
        for (const QStringList& row : rows) {
            rs->addNew();
            rs->setValue(QStringLiteral("UNIQUE_ID"), row[0]);
            rs->setValue(QStringLiteral("NAME"), row[1].isNull() ? QVariant() : row[1]);
            rs->setValue(QStringLiteral("CITY"), row[2].isNull() ? QVariant() : row[2]);
            rs->setValue(QStringLiteral("TELEFON"), row[3]);
            rs->update();
        }
    }

    std::unique_ptr<platform::db::Recordset> Suche(const QString& table, const QString& fields,
                                                   const QString& display, const QString& term,
                                                   const QString& word, bool onlyFirst) override
    {
        m_asked = {table, fields, display, term, word, onlyFirst ? "true" : "false"};
        if (failQuery)
            return nullptr;
        return m_database->openRecordset(QStringLiteral("SELECT UNIQUE_ID, NAME, CITY FROM ACTNR "
                                                        "WHERE TELEFON = \"") +
                                         term + QStringLiteral("\";"));
    }

    bool failQuery = false;

private:
    std::unique_ptr<platform::db::Database> m_database;
    QStringList& m_asked;
};

// A shown main window with the shipped Nummern.mdb open (a copy), the caller
// list sorted by date as start-up leaves it, and the identification on it.
class IdentificationFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString shipped =
            testsupport::binaryDir() + QStringLiteral("/share/fonkel/Nummern.mdb");
        ASSERT_TRUE(QFile::copy(shipped, nummernMdb())) << shipped.toStdString();
        QFile::setPermissions(nummernMdb(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        registry.locale = QStringLiteral("00000407");
        openNummernMdb();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        SortListView(list(), list().columnOfKey(QStringLiteral("Datum")), false);
        identification.setClock([this] { return now; });
    }

    QString nummernMdb() const { return dir.filePath(QStringLiteral("Nummern.mdb")); }

    void openNummernMdb()
    {
        auto daten = std::make_unique<clFonkelDaten>(engine, ui, store, registry);
        ASSERT_TRUE(daten->init(nummernMdb()));
        window.setFonkelDaten(std::move(daten));
    }

    void addToFreeList(const QString& number, const QString& name, const QString& place)
    {
        auto db = engine.openDatabase(nummernMdb());
        auto rs = db->openRecordset(QStringLiteral("Liste"), platform::db::RecordsetType::Table,
                                    platform::db::RecordsetOption::AppendOnly);
        rs->addNew();
        rs->setValue(QStringLiteral("Nummer"), number);
        rs->setValue(QStringLiteral("Name"), name);
        rs->setValue(QStringLiteral("Ort"), place);
        rs->update();
    }

    // What Anrufspeicher holds, read back as a fresh start reads it.
    QList<CallerListEntry> stored()
    {
        clFonkelDaten daten(engine, ui, store, registry);
        EXPECT_TRUE(daten.init(nummernMdb()));
        CallerListData data;
        daten.leseMDBinListview(data);
        return data.entries;
    }

    void identify(const QString& number, const QString& party = QStringLiteral("<ADDRESS>"),
                  bool connected = false)
    {
        identification.IdentifyCaller(number, QStringLiteral("Netzname"), party, 7, 0x10001,
                                      connected);
    }

    fonkel::ListView& list() { return *window.lvNummern; }
    fonkel::ListItem* first() { return list().entry(0); }
    QString column(const fonkel::ListItem* item, const char* key)
    {
        return item->subItem(list().columnOfKey(QString::fromLatin1(key)));
    }

    QTemporaryDir dir;
    QDateTime now = QDateTime(QDate(2024, 3, 17), QTime(14, 5, 9));
    platform::db::DBEngine engine;
    platform::ui::ScriptedUserInterface ui;
    platform::settings::IniSettingsStore store{dir.filePath(QStringLiteral("Fonkel.ini"))};
    FixedRegistry registry;
    fonkel::modOptionen options{store};
    fonkel::frmHaupt window{ui};
    fonkel::NumberPreparation numbers{window, options, ui};
    fonkel::modHaupt members;
    RecordingActSide act;
    fonkel::CallerIdentification identification{window, numbers, members, act};
};
