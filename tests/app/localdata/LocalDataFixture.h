#pragma once

#include "app/localdata/NummernSchema.h"

#include "platform/db/DBEngine.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/settings/Registry.h"
#include "platform/ui/ScriptedUserInterface.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

// A registry that holds the one locale value a test gives it.
class FixedRegistry final : public platform::settings::Registry {
public:
    platform::settings::RegistryValue locale;

    platform::settings::RegistryValue value(platform::settings::RootKey root,
                                            const QString& keyPath,
                                            const QString& valueName) const override
    {
        if (root == platform::settings::RootKey::CurrentUser &&
            keyPath == QStringLiteral("Control Panel\\International") &&
            valueName == QStringLiteral("Locale"))
            return locale;
        return std::monostate();
    }
};

using Rows = QList<QStringList>;

// Creates a Nummern.mdb with the standard tables and the rows given.
inline void createNummernMdb(platform::db::DBEngine& engine, const QString& file,
                             const Rows& laender, const QList<std::pair<QString, Rows>>& vorwahlen,
                             const Rows& liste = {}, int dataVersion = 1)
{
    using namespace platform::db;
    auto db = engine.createDatabase(file);
    const auto fill = [&](const QString& table, const Rows& rows) {
        auto rs = db->openRecordset(table, RecordsetType::Table, RecordsetOption::AppendOnly);
        for (const QStringList& row : rows) {
            rs->addNew();
            for (int i = 0; i < row.size(); ++i)
                rs->setValue(i, row[i].isNull() ? QVariant() : QVariant(row[i]));
            rs->update();
        }
    };
    db->createTable(NummernSchema::laender());
    fill(QStringLiteral("Laender"), laender);
    for (const auto& [land, rows] : vorwahlen) {
        db->createTable(NummernSchema::vorwahlen(land));
        fill(land, rows);
    }
    db->createTable(NummernSchema::liste());
    fill(QStringLiteral("Liste"), liste);
    db->createTable(NummernSchema::anrufspeicher());
    db->setDataVersion(dataVersion);
}

// A temporary folder, an engine with a clock the test sets, the scripted UI
// and a settings store in the folder.
class LocalDataFixture : public ::testing::Test {
protected:
    LocalDataFixture()
        : engine([this] { return now; }), options(dir.filePath(QStringLiteral("Fonkel.ini")))
    {
    }

    QString path(const QString& file) const { return dir.filePath(file); }

    QTemporaryDir dir;
    QDateTime now = QDateTime(QDate(2024, 3, 17), QTime(14, 5, 9));
    platform::db::DBEngine engine;
    platform::ui::ScriptedUserInterface ui;
    platform::settings::IniSettingsStore options;
    FixedRegistry registry;
};
