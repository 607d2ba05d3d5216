#include "tools/mkactdb/ActDatabaseGenerator.h"
#include "tools/mkactdb/ActSchema.h"
#include "tools/mkactdb/ContactGenerator.h"

#include "platform/db/dbase/DbfCursor.h"
#include "platform/db/dbase/DbfSubstringScan.h"
#include "platform/db/dbase/DbfTable.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace actdbgen;
using namespace platform::db::dbase;

namespace {

const QList<QByteArray> kPhoneColumns = {"PHONE",     "FAX",     "MOBILE", "HOME_PHONE",
                                         "ALT_PHONE", "USR0001", "USR0005"};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ActDatabaseFiles generate(const QTemporaryDir& dir, const QString& name, qint64 contacts,
                          quint64 seed)
{
    QString error;
    EXPECT_TRUE(generateActDatabase({dir.path(), name, contacts, seed}, &error))
        << error.toStdString();
    return ActDatabaseFiles::in(dir.path(), name);
}

TEST(ActDatabaseGenerator, SameSeedSameBytesOtherSeedOtherContacts)
{
    QTemporaryDir dir;
    const ActDatabaseFiles a = generate(dir, "a", 700, 5);
    const ActDatabaseFiles b = generate(dir, "b", 700, 5);
    const ActDatabaseFiles c = generate(dir, "c", 700, 6);
    const QByteArray contactsA = readAll(a.contactTable);
    ASSERT_GT(contactsA.size(), 700 * 400);
    EXPECT_EQ(contactsA, readAll(b.contactTable));
    EXPECT_EQ(readAll(a.groupTable), readAll(b.groupTable));
    EXPECT_NE(contactsA, readAll(c.contactTable));
    EXPECT_EQ(contactsA.size(), readAll(c.contactTable).size());
}

// The tables as the reader sees them hold exactly what the generator made.
TEST(ActDatabaseGenerator, TablesReadBackAsGenerated)
{
    QTemporaryDir dir;
    constexpr qint64 kContacts = 1500;
    const ActDatabaseFiles files = generate(dir, "Kontakte", kContacts, 42);
    const ContactGenerator generator(42);

    DbfTable contacts;
    ASSERT_TRUE(contacts.open(files.contactTable)) << contacts.error().description.toStdString();
    EXPECT_EQ(contacts.recordCount(), kContacts);
    ASSERT_EQ(contacts.columnCount(), contactFields().size());
    for (int i = 0; i < contacts.columnCount(); ++i) {
        EXPECT_EQ(contacts.column(i).rawName, contactFields()[i].column.name);
        EXPECT_EQ(contacts.column(i).type, contactFields()[i].column.type);
        EXPECT_EQ(contacts.column(i).length, contactFields()[i].column.length);
    }
    const int created = contacts.indexOf("CREATED");
    const int edited = contacts.indexOf("EDITED");
    const int revenue = contacts.indexOf("USR0003");
    const int newsletter = contacts.indexOf("USR0004");
    DbfCursor cursor(contacts);
    qint64 deleted = 0;
    for (cursor.first(); !cursor.eof(); cursor.next()) {
        const Contact c = generator.contact(cursor.index());
        ASSERT_EQ(cursor.isDeleted(), c.deleted) << cursor.index();
        deleted += c.deleted;
        for (int i = 0; i < contacts.columnCount(); ++i) {
            if (i == created || i == edited || i == revenue || i == newsletter)
                continue;
            const QString expected = c.text(contacts.column(i).rawName);
            ASSERT_EQ(cursor.value(i).toString(), expected)
                << cursor.index() << " " << contacts.column(i).rawName.constData();
            ASSERT_EQ(cursor.isNull(i), expected.isEmpty());
        }
        ASSERT_EQ(cursor.value(created).toDate(), c.created);
        ASSERT_EQ(cursor.value(edited).toDate(), c.edited);
        ASSERT_EQ(cursor.value(revenue).isValid(), c.revenue.has_value());
        if (c.revenue) {
            ASSERT_DOUBLE_EQ(cursor.value(revenue).toDouble(), *c.revenue);
        }
        ASSERT_EQ(cursor.value(newsletter).isValid(), c.newsletter.has_value());
        if (c.newsletter) {
            ASSERT_EQ(cursor.value(newsletter).toBool(), *c.newsletter);
        }
    }
    EXPECT_FALSE(cursor.hasError());
    EXPECT_GT(deleted, 0);

    DbfTable groups;
    ASSERT_TRUE(groups.open(files.groupTable)) << groups.error().description.toStdString();
    EXPECT_EQ(groups.recordCount(), ContactGenerator::groupCount(kContacts));
    ASSERT_EQ(groups.columnCount(), groupFields().size());
    DbfCursor groupCursor(groups);
    for (groupCursor.first(); !groupCursor.eof(); groupCursor.next()) {
        const Group g = generator.group(groupCursor.index());
        ASSERT_EQ(groupCursor.value(0).toString(), g.uniqueId);
        ASSERT_EQ(groupCursor.value(1).toString(), g.name);
        ASSERT_EQ(groupCursor.value(2).toString(), g.description);
        ASSERT_EQ(groupCursor.value(3).toDate(), g.created);
        ASSERT_EQ(groupCursor.value(4).toLongLong(), g.members);
        ASSERT_EQ(groupCursor.value(5).toString(), g.region);
    }
}

// The area code a stored number starts with, in national form: "030 123",
// "+49 30 123", "0043 662 12" and "(030) 12-3" all give their city's code.
QString nationalDigits(const QString& number)
{
    QString value = number;
    value.remove(QRegularExpression(QStringLiteral(" x\\d+$")));
    QString digits;
    for (QChar ch : value) {
        if (ch.isDigit())
            digits += ch;
    }
    if (value.startsWith(u'+'))
        return u'0' + digits.mid(2);
    if (digits.startsWith(QStringLiteral("00")))
        return u'0' + digits.mid(4);
    return digits;
}

TEST(ActDatabaseGenerator, ContactsLookLikeARealGermanDatabase)
{
    const ContactGenerator generator(1);
    const QHash<QString, QString> areaCodes = {
        {QStringLiteral("Berlin"), "030"},    {QStringLiteral("München"), "089"},
        {QStringLiteral("Hamburg"), "040"},   {QStringLiteral("Köln"), "0221"},
        {QStringLiteral("Salzburg"), "0662"}, {QStringLiteral("Kleinmachnow"), "033203"},
    };
    const QList<std::pair<const char*, QRegularExpression>> shapes = {
        {"030 1234567", QRegularExpression(QStringLiteral("^0\\d+ \\d+$"))},
        {"(030) 123-4567", QRegularExpression(QStringLiteral("^\\(0\\d+\\) \\d{3}-\\d+$"))},
        {"+49 30 1234567", QRegularExpression(QStringLiteral("^\\+49 [1-9]\\d* \\d+$"))},
        {"0301234567 x12", QRegularExpression(QStringLiteral("^0\\d+ x\\d+$"))},
        {"030/1234567", QRegularExpression(QStringLiteral("^0\\d+/\\d+$"))},
        {"+43 662 123456", QRegularExpression(QStringLiteral("^\\+43 662 \\d+$"))},
        {"0043 662 123456", QRegularExpression(QStringLiteral("^0043 662 \\d+$"))},
    };
    QSet<int> shapesSeen;
    QSet<QString> ids;
    QHash<QString, int> phoneUse;
    int emptyPhones = 0;
    int umlautNames = 0;
    int citiesChecked = 0;
    constexpr int kContacts = 4000;
    for (int i = 0; i < kContacts; ++i) {
        const Contact c = generator.contact(i);
        EXPECT_EQ(c.uniqueId.size(), 12);
        ids.insert(c.uniqueId);
        if (c.phone.isEmpty())
            ++emptyPhones;
        else
            ++phoneUse[c.phone];
        if (c.name.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]"))))
            ++umlautNames;
        for (const QString& number : {c.phone, c.fax, c.homePhone, c.mainPhone}) {
            for (int s = 0; s < shapes.size(); ++s) {
                if (shapes[s].second.match(number).hasMatch())
                    shapesSeen.insert(s);
            }
            if (!number.isEmpty() && areaCodes.contains(c.city)) {
                ++citiesChecked;
                EXPECT_TRUE(nationalDigits(number).startsWith(areaCodes[c.city]))
                    << qPrintable(c.city) << " " << qPrintable(number);
            }
        }
        EXPECT_TRUE(c.country == u"Deutschland" || c.country == u"Österreich");
        EXPECT_EQ(c.zip.size(), c.country == u"Österreich" ? 4 : 5);
    }
    EXPECT_EQ(ids.size(), kContacts);
    EXPECT_EQ(shapesSeen.size(), shapes.size());
    EXPECT_GT(emptyPhones, 0);
    EXPECT_GT(umlautNames, kContacts / 20);
    EXPECT_GT(citiesChecked, kContacts / 4);
    const qsizetype shared =
        std::count_if(phoneUse.cbegin(), phoneUse.cend(), [](int uses) { return uses == 2; });
    EXPECT_GT(shared, kContacts / 200);
}

// What a caller lookup does: find the contacts whose phone columns contain a
// number. The answer must be exactly the generated contacts that hold it.
TEST(ActDatabaseGenerator, ScanFindsExactlyTheContactsHoldingTheNumber)
{
    QTemporaryDir dir;
    constexpr qint64 kContacts = 3000;
    const ActDatabaseFiles files = generate(dir, "suche", kContacts, 9);
    const ContactGenerator generator(9);
    DbfTable table;
    ASSERT_TRUE(table.open(files.contactTable));
    QList<int> columns;
    for (const QByteArray& name : kPhoneColumns)
        columns << table.indexOf(QString::fromLatin1(name));
    ASSERT_FALSE(columns.contains(-1));

    // A shared number, the digits of a subscriber, a mobile prefix, an
    // Austrian area code in international form, an extension.
    QString shared;
    for (qint64 i = 1; i < kContacts && shared.isEmpty(); i += 2) {
        const Contact a = generator.contact(i - 1), b = generator.contact(i);
        if (!a.deleted && !b.deleted && !a.phone.isEmpty() && a.phone == b.phone)
            shared = a.phone;
    }
    ASSERT_FALSE(shared.isEmpty());
    const QString subscriber = generator.contact(17).mobile.isEmpty()
                                   ? generator.contact(17).phone.right(5)
                                   : generator.contact(17).mobile.right(5);
    for (const QString& term : {shared, subscriber, QStringLiteral("0171"),
                                QStringLiteral("43 662"), QStringLiteral(" x1")}) {
        QSet<qint64> expected;
        for (qint64 i = 0; i < kContacts; ++i) {
            const Contact c = generator.contact(i);
            if (c.deleted)
                continue;
            for (const QByteArray& column : kPhoneColumns) {
                if (c.text(column).contains(term))
                    expected.insert(i);
            }
        }
        QSet<qint64> found;
        DbfSubstringScan scan(table, columns, DbfSubstringScan::needleFor(term));
        ASSERT_TRUE(scan.run([&](qint64 index, int column) {
            EXPECT_TRUE(generator.contact(index).text(table.column(column).rawName).contains(term));
            found.insert(index);
            return true;
        }));
        EXPECT_FALSE(expected.isEmpty()) << qPrintable(term);
        EXPECT_EQ(found, expected) << qPrintable(term);
    }
}

TEST(ActDatabaseGenerator, RejectsWhatItCannotWrite)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(generateActDatabase({dir.path(), QString(), 10, 1}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(generateActDatabase({dir.path(), "x", -1, 1}, &error));
    EXPECT_FALSE(generateActDatabase({dir.path(), "x", 0x100000000LL, 1}, &error));

    QFile blocker(dir.filePath("datei"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    error.clear();
    EXPECT_FALSE(generateActDatabase({dir.filePath("datei/unter"), "x", 10, 1}, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
