#include "ActDatabaseGenerator.h"

#include "ActSchema.h"
#include "ContactGenerator.h"
#include "DbfWriter.h"
#include "DdfWriter.h"

#include <QDir>
#include <QFile>

namespace actdbgen {

namespace {

// Fills the writer's record from a contact, column by column of the schema.
class ContactRecordWriter {
public:
    explicit ContactRecordWriter(DbfWriter& writer) : m_writer(writer) {}

    // Returns the column whose value did not fit, or an empty name.
    QByteArray write(const Contact& c)
    {
        m_writer.beginRecord(c.deleted);
        const QList<ActField>& fields = contactFields();
        for (int i = 0; i < fields.size(); ++i) {
            const QByteArray& column = fields[i].column.name;
            bool ok = true;
            if (column == "CREATED")
                m_writer.setDate(i, c.created);
            else if (column == "EDITED")
                m_writer.setDate(i, c.edited);
            else if (column == "USR0003")
                ok = !c.revenue || m_writer.setNumber(i, *c.revenue);
            else if (column == "USR0004")
                m_writer.setLogical(i, c.newsletter);
            else
                ok = m_writer.setText(i, c.text(column));
            // A value that does not fit is a fault of the generator's data.
            if (!ok)
                return column;
        }
        return {};
    }

private:
    DbfWriter& m_writer;
};

bool writeGroups(const QString& path, const ContactGenerator& generator, qint64 contacts,
                 QString* error)
{
    DbfWriter writer(path, columnsOf(groupFields()));
    if (!writer.open()) {
        *error = writer.errorString();
        return false;
    }
    const qint64 count = ContactGenerator::groupCount(contacts);
    for (qint64 i = 0; i < count; ++i) {
        const Group g = generator.group(i);
        writer.beginRecord();
        bool ok = writer.setText(0, g.uniqueId);
        ok &= writer.setText(1, g.name);
        ok &= writer.setText(2, g.description);
        writer.setDate(3, g.created);
        ok &= writer.setNumber(4, g.members);
        ok &= writer.setText(5, g.region);
        if (!ok || !writer.appendRecord()) {
            *error = writer.errorString().isEmpty()
                         ? QStringLiteral("Gruppe %1 passt nicht in die Tabelle.").arg(i + 1)
                         : writer.errorString();
            return false;
        }
    }
    if (!writer.finish()) {
        *error = writer.errorString();
        return false;
    }
    return true;
}

} // namespace

ActDatabaseFiles ActDatabaseFiles::in(const QString& directory, const QString& baseName)
{
    const QString base = QDir(directory).filePath(baseName);
    return {base + QStringLiteral(".dbf"), base + QStringLiteral(".gdb"),
            base + QStringLiteral(".ddf")};
}

bool generateActDatabase(const ActDatabaseOptions& options, QString* error,
                         const std::function<void(qint64 done, qint64 total)>& progress)
{
    QString ignored;
    QString& message = error ? *error : ignored;
    if (options.baseName.isEmpty()) {
        message = QStringLiteral("Der Name der Datenbank fehlt.");
        return false;
    }
    if (options.contacts < 0 || options.contacts > 0xFFFFFFFFLL) {
        message = QStringLiteral("Die Zahl der Kontakte muss zwischen 0 und 4294967295 liegen.");
        return false;
    }
    if (!QDir().mkpath(options.directory)) {
        message = QStringLiteral("Das Verzeichnis '%1' kann nicht angelegt werden.")
                      .arg(options.directory);
        return false;
    }
    const ActDatabaseFiles files = ActDatabaseFiles::in(options.directory, options.baseName);
    const ContactGenerator generator(options.seed);

    DbfWriter contacts(files.contactTable, columnsOf(contactFields()));
    if (!contacts.open()) {
        message = contacts.errorString();
        return false;
    }
    ContactRecordWriter record(contacts);
    for (qint64 i = 0; i < options.contacts; ++i) {
        const Contact contact = generator.contact(i);
        if (const QByteArray column = record.write(contact); !column.isEmpty()) {
            message = QStringLiteral("Kontakt %1: der Wert '%2' passt nicht in die Spalte %3.")
                          .arg(i + 1)
                          .arg(contact.text(column), QLatin1String(column));
            return false;
        }
        if (!contacts.appendRecord()) {
            message = contacts.errorString();
            return false;
        }
        if (progress && (i + 1) % 10000 == 0)
            progress(i + 1, options.contacts);
    }
    if (!contacts.finish()) {
        message = contacts.errorString();
        return false;
    }
    if (!writeGroups(files.groupTable, generator, options.contacts, &message) ||
        !DdfWriter::write(files.fieldDefinitions, options.baseName, &message)) {
        // Half a database would look whole to a reader.
        QFile::remove(files.contactTable);
        QFile::remove(files.groupTable);
        return false;
    }
    return true;
}

} // namespace actdbgen
