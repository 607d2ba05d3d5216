#pragma once

// An engine with the "FoxPro 2.6;" backend and ACT! databases written by
// mkactdb's generator into a temporary folder.

#include "platform/db/DBEngine.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/foxpro/FoxProBackend.h"
#include "tools/mkactdb/ActDatabaseGenerator.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace foxprofixture {

inline const QString kConnect = QStringLiteral("FoxPro 2.6;");

inline std::unique_ptr<platform::db::DBEngine>
engineWith(platform::db::foxpro::FoxProBackend::Options options = {})
{
    auto engine = std::make_unique<platform::db::DBEngine>();
    engine->registerBackend(std::make_shared<platform::db::foxpro::FoxProBackend>(options));
    return engine;
}

inline void generate(const QString& dir, const QString& name, qint64 contacts, quint64 seed)
{
    QString error;
    ASSERT_TRUE(actdbgen::generateActDatabase({dir, name, contacts, seed}, &error))
        << error.toStdString();
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The error a call throws: number and description; number 0 when none.
struct Thrown {
    int number = 0;
    QString description;
};

inline Thrown thrownBy(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::db::DbError& error) {
        return {error.number(), error.description()};
    }
    return {};
}

// The first column of every row, as text ("" for null).
inline QStringList column0(platform::db::Database& db, const QString& sql)
{
    QStringList values;
    auto rows = db.openRecordset(sql);
    for (; !rows->eof(); rows->moveNext())
        values.append(rows->field(0).text());
    return values;
}

} // namespace foxprofixture
