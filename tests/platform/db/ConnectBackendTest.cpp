#include "DbFixture.h"

#include "platform/db/ConnectBackend.h"

#include <sqlite3.h>

#include <QDir>

using namespace platform::db;
using namespace Qt::StringLiterals;

namespace {

// A backend as the dBASE one plugs in: it makes the files of a directory
// queryable under their file names. Here every "*.txt" file becomes a table
// with one row per line.
class LinesBackend final : public ConnectBackend {
public:
    QStringList connectTypes() const override { return {u"Lines 1.0"_s}; }

    void attach(sqlite3* db, const QString& name, const ConnectString& connect,
                const OpenOptions&) override
    {
        seenParameters = connect.parameters;
        const QDir dir(name);
        if (!dir.exists())
            throw DbError(errc::InvalidPath, u"'%1' ist kein zulässiger Pfad."_s.arg(name));
        for (const QString& file : dir.entryList({u"*.txt"_s}, QDir::Files)) {
            exec(db, u"CREATE TABLE \"%1\" (LINE TEXT)"_s.arg(file));
            QFile in(dir.filePath(file));
            in.open(QIODevice::ReadOnly);
            for (const QByteArray& line : in.readAll().split('\n')) {
                if (!line.isEmpty())
                    exec(db,
                         u"INSERT INTO \"%1\" VALUES ('%2')"_s.arg(file, QString::fromUtf8(line)));
            }
        }
    }

    QMap<QString, QString> seenParameters;

private:
    static void exec(sqlite3* db, const QString& sql)
    {
        ASSERT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    }
};

class ConnectBackendTest : public DbFixture {};

TEST_F(ConnectBackendTest, ConnectStringChoosesTheBackend)
{
    QFile file(path(u"KONTAKT.txt"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0301234\n0891234\n0302222\n");
    file.close();
    auto backend = std::make_shared<LinesBackend>();
    engine.registerBackend(backend);

    auto db = engine.openDatabase(dir.path(), {}, u"lines 1.0;PWD=geheim"_s);
    EXPECT_EQ(backend->seenParameters.value(u"PWD"_s), u"geheim"_s);
    EXPECT_EQ(db->tableNames(), QStringList{u"KONTAKT.txt"_s});
    auto rs = db->openRecordset(u"SELECT [KONTAKT.txt].LINE FROM [KONTAKT.txt] WHERE "
                                "[KONTAKT.txt].LINE LIKE '*30*'"_s);
    rs->moveLast();
    EXPECT_EQ(rs->recordCount(), 2);

    EXPECT_EQ(errorOf([&] { engine.openDatabase(path(u"fehlt"_s), {}, u"Lines 1.0;"_s); }),
              errc::InvalidPath);
    EXPECT_EQ(errorOf([&] { engine.openDatabase(dir.path(), {}, u"Paradox 4.x;"_s); }),
              errc::IsamNotFound);
}

} // namespace
