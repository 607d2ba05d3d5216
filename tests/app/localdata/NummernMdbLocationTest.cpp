#include "LocalDataFixture.h"

#include "app/localdata/NummernMdbLocation.h"
#include "app/localdata/clFonkelDaten.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

class NummernMdbLocationTest : public LocalDataFixture {
protected:
    NummernMdbLocationTest()
    {
        folders = {path(u"bin"_s), path(u"daten/Fonkel"_s), path(u"share/Nummern.mdb"_s)};
        QDir().mkpath(folders.program);
        QDir().mkpath(path(u"share"_s));
    }

    void ship(int version, const QString& berlin)
    {
        QFile::remove(folders.shipped);
        createNummernMdb(engine, folders.shipped, {{u"49"_s, u"Deutschland"_s}},
                         {{u"Deutschland"_s, {{u"030"_s, berlin}}}}, {}, version);
    }

    QString userFile() const { return folders.userData + u"/Nummern.mdb"_s; }

    QStringList column(const QString& file, const QString& sql)
    {
        auto db = engine.openDatabase(file);
        auto rs = db->openRecordset(sql);
        QStringList values;
        for (; !rs->eof(); rs->moveNext())
            values << rs->field(0).text();
        return values;
    }

    NummernMdbLocation::Folders folders;
};

TEST_F(NummernMdbLocationTest, APortableCopyIsUsedAsItIs)
{
    ship(2, u"Berlin"_s);
    createNummernMdb(engine, folders.program + u"/Nummern.mdb"_s, {}, {});
    QString problem;
    EXPECT_EQ(NummernMdbLocation::prepare(engine, folders, &problem),
              folders.program + u"/Nummern.mdb"_s);
    EXPECT_TRUE(problem.isEmpty());
    EXPECT_FALSE(QFile::exists(userFile()));
}

TEST_F(NummernMdbLocationTest, TheFirstStartCopiesTheShippedFile)
{
    ship(1, u"Berlin"_s);
    QFile::setPermissions(folders.shipped, QFileDevice::ReadOwner); // as installed
    QString problem;
    EXPECT_EQ(NummernMdbLocation::prepare(engine, folders, &problem), userFile());
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    EXPECT_EQ(column(userFile(), u"SELECT Ort FROM Deutschland"_s), QStringList{u"Berlin"_s});
    EXPECT_FALSE(QFile::exists(userFile() + u".neu"_s));

    // and the copy takes what the user enters
    clFonkelDaten daten(engine, ui, options, registry);
    ASSERT_TRUE(daten.init(userFile()));
    CallerListData list;
    EXPECT_TRUE(
        daten.schreibIteminMDB(list, {u"0301"_s, {u"17.03.2024 10:00:00"_s}, u"Unbekannt"_s, 9}));
}

TEST_F(NummernMdbLocationTest, WithoutAShippedFileOpeningReportsTheMissingStore)
{
    QString problem;
    const QString file = NummernMdbLocation::prepare(engine, folders, &problem);
    EXPECT_EQ(file, userFile());
    EXPECT_TRUE(problem.contains(folders.shipped)) << problem.toStdString();

    clFonkelDaten daten(engine, ui, options, registry);
    EXPECT_FALSE(daten.init(file));
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages().first().text.contains(u"Fehlernummer:3024"_s));
}

TEST_F(NummernMdbLocationTest, ANewerShippedVersionNeverReplacesWhatTheUserEntered)
{
    ship(1, u"Berlin"_s);
    NummernMdbLocation::prepare(engine, folders);
    {
        clFonkelDaten daten(engine, ui, options, registry);
        ASSERT_TRUE(daten.init(userFile()));
        CallerListData list;
        list.entries = {{u"0301"_s,
                         {u"17.03.2024 10:00:00"_s, u"Berlin"_s, u"Meyer"_s},
                         u"[           1]"_s,
                         3}};
        ASSERT_TRUE(daten.schreibIteminMDB(list, list.entries.first()));
        auto db = engine.openDatabase(userFile());
        db->execute(u"INSERT INTO Liste (Nummer, Name, Ort) VALUES (\"0301\", \"Anna\", "
                    "\"Mitte\")"_s);
    }

    ship(1, u"Berlin (gleiche Version)"_s);
    NummernMdbLocation::prepare(engine, folders);
    EXPECT_EQ(column(userFile(), u"SELECT Ort FROM Deutschland"_s), QStringList{u"Berlin"_s});

    ship(2, u"Berlin (neu)"_s);
    QString problem;
    EXPECT_EQ(NummernMdbLocation::prepare(engine, folders, &problem), userFile());
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    EXPECT_EQ(column(userFile(), u"SELECT Ort FROM Deutschland"_s), QStringList{u"Berlin (neu)"_s});
    EXPECT_EQ(column(userFile(), u"SELECT Name FROM Liste"_s), QStringList{u"Anna"_s});
    EXPECT_EQ(column(userFile(), u"SELECT Kontakt FROM Anrufspeicher"_s), QStringList{u"Meyer"_s});
    EXPECT_EQ(engine.openDatabase(userFile())->dataVersion(), 2);
    EXPECT_EQ(engine.openDatabase(userFile())->tableDef(u"Deutschland"_s).indexes.size(), 1);
}

TEST_F(NummernMdbLocationTest, AFailedUpdateKeepsTheOldData)
{
    ship(1, u"Berlin"_s);
    NummernMdbLocation::prepare(engine, folders);
    ship(2, u"Berlin (neu)"_s);
    // A shipped table whose row does not fit its own definition (made
    // outside the engine) cannot be copied: the update fails after the
    // area codes have been replaced, and rolls back.
    {
        auto shipped = engine.openDatabase(folders.shipped);
        shipped->execute(u"CREATE TABLE Kaputt (Nummer VARCHAR(2))"_s);
        shipped->execute(u"INSERT INTO Kaputt (Nummer) VALUES (\"12345\")"_s);
    }
    QString problem;
    NummernMdbLocation::prepare(engine, folders, &problem);
    EXPECT_FALSE(problem.isEmpty());
    EXPECT_EQ(column(userFile(), u"SELECT Ort FROM Deutschland"_s), QStringList{u"Berlin"_s});
    EXPECT_EQ(engine.openDatabase(userFile())->dataVersion(), 1);
}

} // namespace
