// The field-definition file must describe every column to the scan that
// Fonkel's field collection (clACTFelder) runs over it: runs of bytes between
// zero bytes, the three schema markers, a length byte before each column name.
// The scan here is a plain rendering of those rules with 1-based positions,
// written apart from the generator.
#include "tools/mkactdb/ActDatabaseGenerator.h"
#include "tools/mkactdb/ActSchema.h"
#include "tools/mkactdb/DdfWriter.h"

#include "platform/db/dbase/DbfTable.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace actdbgen;

namespace {

struct Description {
    QString actName;
    int actId = 0;
    int type = 0;
    int size = 0;
};

class DdfScan {
public:
    explicit DdfScan(const QByteArray& file) : m_length(file.size())
    {
        m_buffer = QByteArray(1, '\0') + file + QByteArray(1, '\0'); // B[1..L], B[L+1] = 0
    }

    struct Run {
        QByteArray text;
        qint64 next = 0;
    };

    // Skip zero bytes, collect up to the next zero byte; nullopt when the run
    // would leave the buffer.
    std::optional<Run> runAt(qint64 position) const
    {
        while (position <= m_length + 1 && byte(position) == 0)
            ++position;
        Run run;
        while (position <= m_length + 1 && byte(position) != 0)
            run.text.append(char(byte(position++)));
        if (position > m_length + 1)
            return std::nullopt;
        run.next = position + 1;
        return run;
    }

    bool findMarkers()
    {
        qint64 position = 1;
        while (true) {
            const std::optional<Run> run = runAt(position);
            if (!run)
                return false;
            if (run->text.contains("ACTIVITY SCHEMA"))
                contactLimit = run->next + 1;
            if (run->text.contains("GROUP INFO SCHEMA"))
                groupStart = run->next + 1;
            if (run->text.contains("SALES SCHEMA") || run->next > m_length + 1) {
                groupLimit = run->next + 1;
                return run->text.contains("SALES SCHEMA");
            }
            position = run->next;
        }
    }

    std::optional<Description> describe(const QByteArray& name, qint64 from, qint64 limit) const
    {
        qint64 position = from;
        while (true) {
            const std::optional<Run> run = runAt(position);
            if (!run)
                return std::nullopt;
            const QByteArray& r = run->text;
            const qsizetype at = r.indexOf(name);
            if (r.size() > 4 && at > 0 && r[at - 1] == char(name.size())) {
                const qint64 z = run->next - 1;
                Description d;
                d.actId = name.startsWith("USR") ? name.right(4).toInt() : byte(z - r.size() - 8);
                d.type = byte(z - 1);
                const int n = byte(z + 3);
                d.actName = QStringDecoder("windows-1252").decode(m_buffer.mid(z + 4, n));
                d.size = byte(z + 4 + n);
                return d;
            }
            if (run->next > limit)
                return std::nullopt;
            position = run->next;
        }
    }

    qint64 contactLimit = 0;
    qint64 groupStart = 0;
    qint64 groupLimit = 0;

private:
    int byte(qint64 position) const
    {
        EXPECT_TRUE(position >= 1 && position <= m_length + 1) << position;
        return static_cast<unsigned char>(m_buffer.at(position));
    }

    QByteArray m_buffer;
    qint64 m_length;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every column of a table read from its header, described from the file.
void expectDescribed(const DdfScan& scan, const QString& tablePath, const QList<ActField>& schema,
                     qint64 from, qint64 limit)
{
    platform::db::dbase::DbfTable table;
    ASSERT_TRUE(table.open(tablePath)) << table.error().description.toStdString();
    ASSERT_EQ(table.columnCount(), schema.size());
    for (int i = 0; i < table.columnCount(); ++i) {
        const QByteArray name = table.column(i).rawName;
        const ActField& field = schema[i];
        const std::optional<Description> d = scan.describe(name, from, limit);
        if (!field.described) {
            EXPECT_FALSE(d.has_value()) << name.constData();
            continue;
        }
        ASSERT_TRUE(d.has_value()) << name.constData();
        EXPECT_EQ(d->actName, field.actName) << name.constData();
        EXPECT_EQ(d->actId, field.actId) << name.constData();
        EXPECT_EQ(d->type, int(field.actType)) << name.constData();
        EXPECT_EQ(d->size, table.column(i).length) << name.constData();
    }
}

TEST(DdfLayout, TheScanDescribesEveryColumnOfBothTables)
{
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(generateActDatabase({dir.path(), "MYDATA", 50, 3}, &error)) << error.toStdString();
    const ActDatabaseFiles files = ActDatabaseFiles::in(dir.path(), "MYDATA");

    DdfScan scan(readAll(files.fieldDefinitions));
    ASSERT_TRUE(scan.findMarkers());
    EXPECT_GT(scan.contactLimit, 1);
    EXPECT_GT(scan.groupStart, scan.contactLimit);
    EXPECT_GT(scan.groupLimit, scan.groupStart);

    expectDescribed(scan, files.contactTable, contactFields(), 1, scan.contactLimit);
    expectDescribed(scan, files.groupTable, groupFields(), scan.groupStart, scan.groupLimit);
}

TEST(DdfLayout, PhoneFieldsAreTheColumnsOfType7)
{
    DdfScan scan(DdfWriter::build(QStringLiteral("MYDATA")));
    ASSERT_TRUE(scan.findMarkers());
    QStringList phones;
    for (const ActField& f : contactFields()) {
        const std::optional<Description> d = scan.describe(f.column.name, 1, scan.contactLimit);
        if (d && d->type == 7)
            phones << QString::fromLatin1(f.column.name) + u'=' + d->actName;
    }
    EXPECT_EQ(phones, QStringList({"PHONE=Telefon", "FAX=Fax", "MOBILE=Mobiltelefon",
                                   "HOME_PHONE=Telefon privat", "ALT_PHONE=Telefon alternativ",
                                   "USR0001=Telefon Zentrale", "USR0005=Telefon Assistenz"}));
}

TEST(DdfLayout, ColumnsOfOneTableAreNotFoundInTheOther)
{
    // The sections keep tables apart: the contact scan stops at the activity
    // schema, the group scan starts behind the group marker.
    DdfScan scan(DdfWriter::build(QStringLiteral("MYDATA")));
    ASSERT_TRUE(scan.findMarkers());
    EXPECT_FALSE(scan.describe("GROUPNAME", 1, scan.contactLimit).has_value());
    EXPECT_FALSE(scan.describe("SALESTAGE", 1, scan.contactLimit).has_value());
    EXPECT_FALSE(scan.describe("PHONE", scan.groupStart, scan.groupLimit).has_value());
    // USR0001 is in both; each scan finds its own table's description.
    EXPECT_EQ(scan.describe("USR0001", 1, scan.contactLimit)->actName, "Telefon Zentrale");
    EXPECT_EQ(scan.describe("USR0001", scan.groupStart, scan.groupLimit)->actName, "Region");
}

} // namespace
