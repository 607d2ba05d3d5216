#pragma once

#include "platform/db/DBEngine.h"
#include "platform/db/DbError.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A temporary folder and an engine whose clock the test sets.
class DbFixture : public ::testing::Test {
protected:
    DbFixture() : engine([this] { return now; }) {}

    QString path(const QString& file) const { return dir.filePath(file); }

    std::unique_ptr<platform::db::Database> createDb(const QString& file = QStringLiteral("t.mdb"))
    {
        return engine.createDatabase(path(file), QStringLiteral(";LANGID=0x0409;CP=1252;COUNTRY=0"),
                                     32);
    }

    QTemporaryDir dir;
    QDateTime now = QDateTime(QDate(2024, 3, 17), QTime(14, 5, 9));
    platform::db::DBEngine engine;
};

// The error number a call throws, or 0 when it throws nothing.
inline int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::db::DbError& error) {
        return error.number();
    }
    return 0;
}
