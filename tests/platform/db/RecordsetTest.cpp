#include "DbFixture.h"

using namespace platform::db;
using namespace Qt::StringLiterals;

namespace {

class RecordsetTest : public DbFixture {
protected:
    void SetUp() override
    {
        db = createDb();
        TableDef calls;
        calls.name = u"Anrufspeicher"_s;
        calls.fields = {{u"Nummer"_s, FieldType::Text, 50},
                        {u"Datum"_s, FieldType::Date},
                        {u"Ort"_s, FieldType::Text, 255},
                        {u"Icon"_s, FieldType::Long},
                        {u"Notiz"_s, FieldType::Memo}};
        db->createTable(calls);
        for (int i = 1; i <= 5; ++i)
            db->execute(u"INSERT INTO Anrufspeicher (Nummer, Datum, Icon) VALUES (\"0%1\", "
                        "#3/%1/2024 10:00:00#, %1)"_s.arg(i));
    }

    QStringList numbers(const QString& source)
    {
        QStringList found;
        auto rs = db->openRecordset(source);
        for (; !rs->eof(); rs->moveNext())
            found << rs->field(u"Nummer"_s).text();
        return found;
    }

    std::unique_ptr<Database> db;
};

TEST_F(RecordsetTest, WalksRowsAndCountsThemExactlyAfterMoveLast)
{
    auto rs = db->openRecordset(u"SELECT Nummer FROM Anrufspeicher WHERE Icon > 1"_s);
    EXPECT_FALSE(rs->bof());
    EXPECT_FALSE(rs->eof());
    EXPECT_EQ(rs->recordCount(), 1); // only the rows seen so far
    EXPECT_EQ(rs->field(0).text(), u"02"_s);
    rs->moveNext();
    rs->moveLast();
    EXPECT_EQ(rs->recordCount(), 4);
    EXPECT_EQ(rs->field(0).text(), u"05"_s);
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(errorOf([&] { rs->field(0); }), errc::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->moveNext(); }), errc::NoCurrentRecord);
    rs->movePrevious();
    EXPECT_EQ(rs->field(0).text(), u"05"_s);
    rs->moveFirst();
    EXPECT_EQ(rs->field(0).text(), u"02"_s);
    rs->movePrevious();
    EXPECT_TRUE(rs->bof());
    EXPECT_EQ(errorOf([&] { rs->movePrevious(); }), errc::NoCurrentRecord);
    rs->moveNext();
    rs->moveNext();
    EXPECT_EQ(rs->field(0).text(), u"03"_s);
    EXPECT_EQ(rs->recordCount(), 4);
}

TEST_F(RecordsetTest, EmptyResultIsAtBothEnds)
{
    auto rs = db->openRecordset(u"SELECT Nummer FROM Anrufspeicher WHERE Nummer = \"x\""_s);
    EXPECT_TRUE(rs->bof());
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_EQ(errorOf([&] { rs->moveFirst(); }), errc::NoCurrentRecord);
    EXPECT_EQ(errorOf([&] { rs->moveLast(); }), errc::NoCurrentRecord);
    EXPECT_EQ(rs->fieldCount(), 1);
}

TEST_F(RecordsetTest, FieldsByNameInAnyCaseAndByPosition)
{
    db->execute(u"UPDATE Anrufspeicher SET Ort = \"Berlin\" WHERE Nummer = \"01\""_s);
    auto rs = db->openRecordset(u"Anrufspeicher"_s);
    ASSERT_EQ(rs->fieldCount(), 5);
    EXPECT_EQ(rs->field(u"NUMMER"_s).text(), u"01"_s);
    EXPECT_EQ(rs->field(u"ort"_s).text(), u"Berlin"_s);
    EXPECT_EQ(rs->field(2).name(), u"Ort"_s);

    const Field datum = rs->field(u"Datum"_s);
    EXPECT_EQ(datum.type(), FieldType::Date);
    EXPECT_EQ(datum.size(), 8);
    EXPECT_EQ(datum.value().toDateTime(), QDateTime(QDate(2024, 3, 1), QTime(10, 0)));
    EXPECT_EQ(datum.text(), u"01.03.2024 10:00:00"_s);
    EXPECT_EQ(rs->field(u"Nummer"_s).size(), 50);
    EXPECT_EQ(rs->field(u"Icon"_s).type(), FieldType::Long);
    EXPECT_EQ(rs->field(u"Icon"_s).value().typeId(), QMetaType::Int);
    EXPECT_EQ(rs->field(u"Notiz"_s).type(), FieldType::Memo);
    EXPECT_EQ(rs->field(u"Notiz"_s).size(), 0);
    EXPECT_TRUE(rs->field(u"Notiz"_s).isNull());
    EXPECT_EQ(rs->field(u"Notiz"_s).text(), QString());
    EXPECT_EQ(errorOf([&] { rs->field(u"Kontakt"_s); }), errc::ItemNotFound);
    EXPECT_EQ(errorOf([&] { rs->field(5); }), errc::ItemNotFound);

    // A computed column takes its type from its value.
    auto count = db->openRecordset(u"SELECT COUNT(Ort) AS n FROM Anrufspeicher WHERE Ort IS NOT "
                                   "NULL;"_s);
    EXPECT_EQ(count->field(u"N"_s).type(), FieldType::Long);
    EXPECT_EQ(count->field(0).value().toInt(), 1);
}

TEST_F(RecordsetTest, AddNewConvertsValuesAndUpdateStoresTheRow)
{
    auto rs =
        db->openRecordset(u"Anrufspeicher"_s, RecordsetType::Table, RecordsetOption::AppendOnly);
    EXPECT_TRUE(rs->eof());
    rs->addNew();
    rs->setValue(u"nummer"_s, u"0301234"_s);
    rs->setValue(u"Datum"_s, u"24.12.2023 18:30:00"_s);
    rs->setValue(u"Icon"_s, 7);
    EXPECT_EQ(rs->field(u"Nummer"_s).text(), u"0301234"_s);
    rs->update();
    EXPECT_EQ(rs->recordCount(), 6);

    auto check = db->openRecordset(
        u"SELECT Nummer, Icon FROM Anrufspeicher WHERE Datum = \"2023-12-24 18:30:00\""_s);
    ASSERT_FALSE(check->eof());
    EXPECT_EQ(check->field(0).text(), u"0301234"_s); // the leading zero stays
    EXPECT_EQ(check->field(1).value().toInt(), 7);
}

TEST_F(RecordsetTest, ValuesTheFieldCannotTakeAreRefusedAtOnce)
{
    auto rs = db->openRecordset(u"Anrufspeicher"_s);
    EXPECT_EQ(errorOf([&] { rs->setValue(u"Nummer"_s, u"x"_s); }), errc::UpdateWithoutAddNew);
    EXPECT_EQ(errorOf([&] { rs->update(); }), errc::UpdateWithoutAddNew);
    rs->addNew();
    const struct {
        const char* field;
        QVariant value;
        int error;
    } cases[] = {
        {"Datum", u"suche..."_s, errc::ConversionError},
        {"Datum", u""_s, errc::ConversionError},
        {"Datum", QVariant(), 0},
        {"Icon", u"vier"_s, errc::ConversionError},
        {"Icon", u"4"_s, 0},
        {"Icon", 5.0e10, errc::ConversionError},
        {"Nummer", 301234, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { rs->setValue(QString::fromUtf8(c.field), c.value); }), c.error)
            << c.field << " " << c.value.toString().toStdString();
}

TEST_F(RecordsetTest, ClosingDiscardsABegunRow)
{
    auto rs = db->openRecordset(u"Anrufspeicher"_s);
    rs->addNew();
    rs->setValue(u"Nummer"_s, u"neu"_s);
    rs->close();
    EXPECT_EQ(errorOf([&] { rs->update(); }), errc::ObjectClosed);
    EXPECT_FALSE(numbers(u"Anrufspeicher"_s).contains(u"neu"_s));
}

TEST_F(RecordsetTest, EditAndRemoveWorkOnTheCurrentRow)
{
    auto rs = db->openRecordset(u"Anrufspeicher"_s);
    rs->moveNext(); // 02
    rs->edit();
    rs->setValue(u"Ort"_s, u"Köln"_s);
    rs->update();
    EXPECT_EQ(rs->field(u"Ort"_s).text(), u"Köln"_s);
    rs->moveNext(); // 03
    rs->remove();
    EXPECT_EQ(errorOf([&] { rs->field(0); }), errc::NoCurrentRecord);
    rs->moveNext();
    EXPECT_EQ(rs->field(u"Nummer"_s).text(), u"04"_s);
    rs->movePrevious();
    EXPECT_EQ(rs->field(u"Nummer"_s).text(), u"02"_s);
    EXPECT_EQ(rs->recordCount(), 4);
    rs->close();

    EXPECT_EQ(numbers(u"Anrufspeicher"_s), (QStringList{u"01"_s, u"02"_s, u"04"_s, u"05"_s}));
    auto query = db->openRecordset(u"SELECT * FROM Anrufspeicher"_s);
    EXPECT_EQ(errorOf([&] { query->edit(); }), errc::ReadOnly);
    EXPECT_EQ(errorOf([&] { query->addNew(); }), errc::ReadOnly);
}

} // namespace
