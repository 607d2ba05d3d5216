#include "DbFixture.h"

#include "platform/db/TableModel.h"

#include <QSignalSpy>

using namespace platform::db;
using namespace Qt::StringLiterals;

namespace {

class TableModelTest : public DbFixture {
protected:
    void SetUp() override
    {
        db = createDb();
        TableDef liste;
        liste.name = u"Liste"_s;
        liste.fields = {{u"Nummer"_s, FieldType::Text, 50},
                        {u"Name"_s, FieldType::Text, 10},
                        {u"Ort"_s, FieldType::Text, 255}};
        db->createTable(liste);
        db->execute(u"INSERT INTO Liste (Nummer, Name, Ort) VALUES (\"030111\", \"Anna\", "
                    "\"Berlin\")"_s);
    }

    // The table as another connection reads it.
    QList<QStringList> stored()
    {
        auto other = engine.openDatabase(path(u"t.mdb"_s));
        auto rs = other->openRecordset(u"Liste"_s);
        QList<QStringList> rows;
        for (; !rs->eof(); rs->moveNext())
            rows.append({rs->field(0).text(), rs->field(1).text(), rs->field(2).text()});
        return rows;
    }

    std::unique_ptr<Database> db;
};

TEST_F(TableModelTest, ShowsTheTableWithAnEmptyRowForNewRecords)
{
    TableModel model(*db, u"Liste"_s);
    model.requery();
    ASSERT_EQ(model.columnCount(), 3);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u"Name"_s);
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), u"Berlin"_s);
    EXPECT_TRUE(model.isNewRow(1));
    EXPECT_EQ(model.headerData(1, Qt::Vertical).toString(), u"*"_s);
    EXPECT_TRUE(model.flags(model.index(1, 0)) & Qt::ItemIsEditable);

    TableModel missing(*db, u"Fehlt"_s);
    EXPECT_EQ(errorOf([&] { missing.requery(); }), errc::TableNotFound);
}

TEST_F(TableModelTest, EveryCommittedChangeIsWrittenAtOnce)
{
    TableModel model(*db, u"Liste"_s);
    model.requery();
    // a new record, typed cell by cell into the empty row
    EXPECT_TRUE(model.setData(model.index(1, 0), u"089222"_s));
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_FALSE(model.isNewRow(1));
    EXPECT_TRUE(model.setData(model.index(1, 1), u"Bernd"_s));
    EXPECT_TRUE(model.setData(model.index(1, 2), u"München"_s));
    // a changed cell of an existing record
    EXPECT_TRUE(model.setData(model.index(0, 1), u"Anne"_s));
    EXPECT_EQ(stored(), (QList<QStringList>{{u"030111"_s, u"Anne"_s, u"Berlin"_s},
                                            {u"089222"_s, u"Bernd"_s, u"München"_s}}));

    EXPECT_TRUE(model.removeRows(0, 1));
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(stored(), (QList<QStringList>{{u"089222"_s, u"Bernd"_s, u"München"_s}}));
    EXPECT_FALSE(model.removeRows(1, 1)); // the empty row holds no record
}

TEST_F(TableModelTest, ARefusedValueIsReportedAndNotStored)
{
    TableModel model(*db, u"Liste"_s);
    model.requery();
    QSignalSpy failed(&model, &TableModel::writeFailed);
    EXPECT_FALSE(model.setData(model.index(0, 1), u"Ein viel zu langer Name"_s));
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed[0][0].toInt(), errc::FieldTooSmall);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), u"Anna"_s);
    // an empty cell typed into the new row adds nothing
    EXPECT_TRUE(model.setData(model.index(1, 0), QString()));
    EXPECT_EQ(stored().size(), 1);
}

} // namespace
