#include "LocalDataFixture.h"

#include "app/localdata/clFonkelDaten.h"

#include "platform/settings/LinuxRegistry.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// The Nummern.mdb the build makes from data/, copied so that nothing
// writes to the build tree.
class ShippedDataTest : public LocalDataFixture {
protected:
    void SetUp() override
    {
        const QString shipped = testsupport::binaryDir() + u"/share/fonkel/Nummern.mdb"_s;
        ASSERT_TRUE(QFile::copy(shipped, path(u"Nummern.mdb"_s))) << shipped.toStdString();
        QFile::setPermissions(path(u"Nummern.mdb"_s),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        db = engine.openDatabase(path(u"Nummern.mdb"_s));
    }

    QList<QStringList> rows(const QString& sql)
    {
        QList<QStringList> result;
        auto rs = db->openRecordset(sql);
        for (; !rs->eof(); rs->moveNext()) {
            QStringList row;
            for (int i = 0; i < rs->fieldCount(); ++i)
                row << rs->field(i).text();
            result << row;
        }
        return result;
    }

    std::unique_ptr<platform::db::Database> db;
};

TEST_F(ShippedDataTest, RealNumbersAreSplitAndNamed)
{
    QProcessEnvironment env;
    env.insert(u"LANG"_s, u"de_DE.UTF-8"_s);
    const platform::settings::LinuxRegistry posixRegistry(env, QString());
    clFonkelDaten daten(engine, ui, options, posixRegistry);
    ASSERT_TRUE(daten.init(path(u"Nummern.mdb"_s)));

    const struct {
        const char* number;
        const char* countryCode;
        const char* areaCode;
        const char* subscriber;
        const char* country;
        const char* place;
    } cases[] = {
        {"0301234567", "", "030", "1234567", "", "Berlin"},
        {"0891234567", "", "089", "1234567", "", "München"},
        {"02211234567", "", "0221", "1234567", "", "Köln"},
        {"06221123456", "", "06221", "123456", "", "Heidelberg"},
        {"033203123456", "", "033203", "123456", "", "Kleinmachnow"},
        {"0043662123456", "43", "0662", "123456", "Österreich", "Salzburg"},
        {"004315123456", "43", "01", "5123456", "Österreich", "Wien"},
        {"0041441234567", "41", "044", "1234567", "Schweiz", "Zürich"},
        {"0049301234567", "49", "030", "1234567", "Deutschland", "Berlin"},
        // no area-code table, or no place for mobile numbers
        {"0012125550100", "1", "", "02125550100", "Vereinigte Staaten", "Unbekannt"},
        {"00442071234567", "44", "", "02071234567", "Vereinigtes Königreich", "Unbekannt"},
        {"01711234567", "", "", "01711234567", "", "Unbekannt"},
    };
    for (const auto& c : cases) {
        QString countryCode, areaCode, subscriber, country, place;
        daten.BestimmeVorwahlAnschlussOrtLand(QString::fromUtf8(c.number), countryCode, areaCode,
                                              subscriber, country, place);
        EXPECT_EQ(countryCode, QString::fromUtf8(c.countryCode)) << c.number;
        EXPECT_EQ(areaCode, QString::fromUtf8(c.areaCode)) << c.number;
        EXPECT_EQ(subscriber, QString::fromUtf8(c.subscriber)) << c.number;
        EXPECT_EQ(country, QString::fromUtf8(c.country)) << c.number;
        EXPECT_EQ(place, QString::fromUtf8(c.place)) << c.number;
    }
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(ShippedDataTest, TablesHoldWhatTheLookupsNeed)
{
    const QList<QStringList> laender = rows(u"SELECT Vorwahl, Land FROM Laender"_s);
    QSet<QString> codes, names;
    for (const QStringList& row : laender) {
        EXPECT_FALSE(codes.contains(row[0])) << "calling code twice: " << row[0].toStdString();
        codes.insert(row[0]);
        names.insert(row[1]);
    }
    EXPECT_GT(laender.size(), 200);
    for (const char* code : {"1", "7", "41", "43", "44", "49", "800"})
        EXPECT_TRUE(codes.contains(QString::fromUtf8(code))) << code;

    const struct {
        const char* table;
        int atLeast;
        int atMost;
    } tables[] = {{"Deutschland", 5000, 5400}, {"Österreich", 950, 1100}, {"Schweiz", 15, 30}};
    for (const auto& t : tables) {
        const QString table = QString::fromUtf8(t.table);
        EXPECT_TRUE(names.contains(table)) << t.table;
        const QList<QStringList> areaCodes = rows(u"SELECT Vorwahl, Ort FROM "_s + table);
        EXPECT_GE(areaCodes.size(), t.atLeast) << t.table;
        EXPECT_LE(areaCodes.size(), t.atMost) << t.table;
        for (const QStringList& row : areaCodes) {
            EXPECT_TRUE(row[0].startsWith(u'0') && row[0].size() >= 2) << row[0].toStdString();
            EXPECT_FALSE(row[1].isEmpty()) << row[0].toStdString();
            // a place, never the country itself (mobile ranges have none)
            EXPECT_NE(row[1], table) << row[0].toStdString();
        }
    }
    EXPECT_EQ(rows(u"SELECT Ort FROM Österreich WHERE Vorwahl = \"01\""_s),
              QList<QStringList>{{u"Wien"_s}});
    EXPECT_TRUE(rows(u"SELECT Vorwahl FROM Deutschland WHERE Vorwahl LIKE \"01*\""_s).isEmpty());

    EXPECT_TRUE(rows(u"SELECT * FROM Liste"_s).isEmpty());
    EXPECT_TRUE(rows(u"SELECT * FROM Anrufspeicher"_s).isEmpty());
    const platform::db::TableDef calls = db->tableDef(u"Anrufspeicher"_s);
    QStringList fields;
    for (const platform::db::FieldDef& field : calls.fields)
        fields << field.name;
    EXPECT_EQ(fields, (QStringList{u"Nummer"_s, u"Datum"_s, u"Ort"_s, u"Kontakt"_s, u"UniqueID"_s,
                                   u"Icon"_s}));
    EXPECT_EQ(calls.field(u"Datum"_s)->type, platform::db::FieldType::Date);
    EXPECT_EQ(calls.field(u"Icon"_s)->type, platform::db::FieldType::Long);
    EXPECT_GE(db->dataVersion(), 1);
}

} // namespace
