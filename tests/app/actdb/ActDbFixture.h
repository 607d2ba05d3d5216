#pragma once

// What the ACT! database tests share: an engine with the "FoxPro 2.6;"
// backend, the scripted UI, a real settings file read through modOptionen,
// a temporary folder, and
// helpers that write small tables and field-definition files.

#include "app/core/modOptionen.h"
#include "platform/db/DBEngine.h"
#include "platform/db/foxpro/FoxProBackend.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/ui/ScriptedUserInterface.h"
#include "tools/mkactdb/ActDatabaseGenerator.h"
#include "tools/mkactdb/DbfWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <variant>

class ActDbFixture : public ::testing::Test {
protected:
    ActDbFixture() : options(dir.filePath(QStringLiteral("Fonkel.ini")))
    {
        engine.registerBackend(std::make_shared<platform::db::foxpro::FoxProBackend>());
    }

    QString path(const QString& file) const { return dir.filePath(file); }

    void generate(const QString& name, qint64 contacts, quint64 seed = 1)
    {
        QString error;
        ASSERT_TRUE(actdbgen::generateActDatabase({dir.path(), name, contacts, seed}, &error))
            << error.toStdString();
    }

    // A value of a record: text, or nothing for a blank field.
    using Value = std::variant<std::monostate, QString>;
    struct Record {
        QList<Value> values;
        bool deleted = false;
    };

    // Writes a table of text columns (each 30 characters unless given).
    void writeTable(const QString& file, const QList<QByteArray>& columns,
                    const QList<Record>& records = {}, int length = 30)
    {
        QList<actdbgen::DbfFieldSpec> fields;
        for (const QByteArray& name : columns)
            fields.append({name, 'C', length, 0});
        actdbgen::DbfWriter writer(path(file), fields);
        ASSERT_TRUE(writer.open()) << writer.errorString().toStdString();
        for (const Record& record : records) {
            writer.beginRecord(record.deleted);
            for (int i = 0; i < record.values.size(); ++i) {
                if (const auto* text = std::get_if<QString>(&record.values[i])) {
                    ASSERT_TRUE(writer.setText(i, *text));
                }
            }
            ASSERT_TRUE(writer.appendRecord());
        }
        ASSERT_TRUE(writer.finish()) << writer.errorString().toStdString();
    }

    void writeFile(const QString& file, const QByteArray& bytes)
    {
        QFile out(path(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }

    QTemporaryDir dir;
    platform::db::DBEngine engine;
    platform::ui::ScriptedUserInterface ui;
    platform::settings::IniSettingsStore options;
    fonkel::modOptionen optionen{options};
};

// A field-definition file spelled out byte by byte: runs of bytes, each
// ended by a zero byte, and field records in ACT!'s layout.
class Ddf {
public:
    // One run: the bytes and the zero byte that ends it.
    Ddf& run(const QByteArray& text)
    {
        bytes += text;
        bytes += '\0';
        return *this;
    }
    Ddf& zeros(int count)
    {
        bytes += QByteArray(count, '\0');
        return *this;
    }
    Ddf& marker(const QByteArray& text) { return zeros(2).run(text).zeros(2); }
    // A field: its number in the byte eight before the name run, the name run
    // (length, name, table letter, 1, ordinal, type; the type ends the run),
    // two unused bytes, the display name with its length, and the size.
    Ddf& field(int id, const QByteArray& name, int type, const QByteArray& display, int size)
    {
        bytes += char(id & 0xFF);
        bytes += char((id >> 8) & 0xFF);
        bytes += QByteArray(6, '\0');
        run(char(name.size()) + name + "C\x01\x01" + char(type));
        bytes += QByteArray(2, '\0');
        bytes += char(display.size()) + display + char(size) + '\0';
        return *this;
    }

    QByteArray bytes;
};
