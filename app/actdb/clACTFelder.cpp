#include "clACTFelder.h"

#include "ActDbError.h"
#include "KurznameVon.h"

#include "platform/db/DBEngine.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/dbase/Windows1252.h"
#include "platform/ui/UserInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using platform::db::DbError;
using platform::db::dbase::Windows1252;

namespace {

const QString kTitle = QStringLiteral("Fonkel");
const QString kCrLf = QStringLiteral("\r\n");
const QString kClassName = QStringLiteral("clACTFelder");

// ACT! writes the extension in either case, and Windows finds the file either
// way: where the exact name does not exist, a name that differs only in
// letter case is taken.
QString existingFileIgnoringCase(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir dir = info.dir();
    for (const QString& name : dir.entryList(QDir::Files)) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return path;
}

// The number the last four characters of a USRnnnn column name write.
qint32 userFieldNumber(const QString& column)
{
    bool ok = false;
    const qint32 number = column.right(4).trimmed().toInt(&ok);
    if (!ok)
        throw ActDbError(ActDbError::TypeMismatch,
                         QStringLiteral("Typen unverträglich: die Spalte %1 endet nicht in einer "
                                        "vierstelligen Feldnummer.")
                             .arg(column));
    return number;
}

} // namespace

clACTFelder::clACTFelder(platform::db::DBEngine& engine, platform::ui::UserInterface& ui)
    : m_engine(engine), m_ui(ui)
{
}

clACTFelder::~clACTFelder()
{
    CloseTables();
}

bool clACTFelder::init(const QString& path)
{
    ACTDatenbank = KurznameVon(path);
    if (!QFileInfo(ACTDatenbank).isFile()) {
        m_ui.message({QStringLiteral("Die ACT!-Datenbank \"") + ACTDatenbank + u'"' + kCrLf +
                          QStringLiteral("konnte nicht gefunden werden."),
                      kTitle, platform::ui::Icon::Warning, platform::ui::Buttons::Ok, false});
        return false;
    }
    m_contactFields.assign(1, clACTFeld{});
    m_groupFields.assign(1, clACTFeld{});
    return true;
}

void clACTFelder::kill() {}

QString clACTFelder::ACTDateiname() const
{
    const QString file = ACTDatenbank.mid(ACTDatenbank.lastIndexOf(kPathSeparator) + 1);
    return file.left(std::max<qsizetype>(0, file.size() - 4));
}

QString clACTFelder::ACTPfad() const
{
    const qsizetype separator = ACTDatenbank.lastIndexOf(kPathSeparator);
    return separator < 0 ? QString() : ACTDatenbank.left(separator);
}

const clACTFeld& clACTFelder::fieldAt(const std::vector<clACTFeld>& fields, qint32 index) const
{
    if (index < 0 || size_t(index) >= fields.size())
        throw ActDbError(ActDbError::SubscriptOutOfRange,
                         QStringLiteral("Index außerhalb des gültigen Bereichs (Feld %1 von %2).")
                             .arg(index)
                             .arg(fields.empty() ? 0 : fields.size() - 1));
    return fields[size_t(index)];
}

const clACTFeld& clACTFelder::KontaktFeld(qint32 index) const
{
    return fieldAt(m_contactFields, index);
}

const clACTFeld& clACTFelder::GruppenFeld(qint32 index) const
{
    return fieldAt(m_groupFields, index);
}

qint32 clACTFelder::AnzahlKontaktfelder() const
{
    return m_contactFields.empty() ? 0 : qint32(m_contactFields.size() - 1);
}

qint32 clACTFelder::AnzahlGruppenfleder() const
{
    return m_groupFields.empty() ? 0 : qint32(m_groupFields.size() - 1);
}

bool clACTFelder::Felder_eingelesen() const
{
    return AnzahlKontaktfelder() >= 2;
}

bool clACTFelder::ConnectWithDBF()
{
    try {
        m_database = m_engine.openDatabase(ACTPfad(), {}, QStringLiteral("FoxPro 2.6;"));
        // A query rather than a table recordset: it reads the first record
        // only, where a table would be counted through.
        m_contactTable =
            m_database->openRecordset(QStringLiteral("SELECT * FROM [%1.dbf]").arg(ACTDateiname()));
        m_groupTable =
            m_database->openRecordset(QStringLiteral("SELECT * FROM [%1.gdb]").arg(ACTDateiname()));
        return true;
    } catch (const DbError& error) {
        m_ui.message({QStringLiteral("Fehler in Klasse ") + kClassName +
                          QStringLiteral(" (ConnectWithDBF)") + kCrLf +
                          QStringLiteral("Fehlernummer: ") + QString::number(error.number()) +
                          kCrLf + QStringLiteral("Fehlerbeschreibung: ") + error.description(),
                      kTitle, platform::ui::Icon::Warning, platform::ui::Buttons::Ok, false});
        return false;
    }
}

void clACTFelder::CloseTables()
{
    if (m_contactTable) {
        m_contactTable->close();
        m_contactTable.reset();
    }
    if (m_groupTable) {
        m_groupTable->close();
        m_groupTable.reset();
    }
    if (m_database) {
        m_database->close();
        m_database.reset();
    }
}

QStringList clACTFelder::columnsOf(const platform::db::Recordset* table) const
{
    QStringList names;
    if (!table)
        return names;
    for (int i = 0; i < table->fieldCount(); ++i)
        names.append(table->fieldInfo(i).name);
    return names;
}

void clACTFelder::Felder_einlesen(const StatusText& panel)
{
    if (ConnectWithDBF()) {
        try {
            if (panel) {
                panel(QStringLiteral("Searching positions ..."));
                QCoreApplication::processEvents();
            }
            ReadFieldDefinitionFile();
            ReadContactFields(panel);
            ReadGroupFields(panel);
        } catch (...) {
            CloseTables();
            throw;
        }
    }
    CloseTables();
}

bool clACTFelder::checkeACTFeldnamen(const QString& name)
{
    if (!ConnectWithDBF()) {
        CloseTables();
        return false;
    }
    const bool found = columnsOf(m_contactTable.get()).contains(name, Qt::CaseSensitive) ||
                       columnsOf(m_groupTable.get()).contains(name, Qt::CaseSensitive);
    CloseTables();
    return found;
}

QString clACTFelder::fieldDefinitionPath() const
{
    return ACTPfad() + kPathSeparator + ACTDateiname() + QStringLiteral(".ddf");
}

void clACTFelder::ReadFieldDefinitionFile()
{
    const QString path = existingFileIgnoringCase(fieldDefinitionPath());
    QFile file(path);
    if (!file.exists())
        throw ActDbError(ActDbError::FileNotFound,
                         QStringLiteral("Datei nicht gefunden: %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ActDbError(ActDbError::FileAccess,
                         QStringLiteral("Fehler beim Zugriff auf Pfad/Datei %1: %2")
                             .arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ActDbError(ActDbError::FileAccess,
                         QStringLiteral("Fehler beim Zugriff auf Pfad/Datei %1: %2")
                             .arg(path, file.errorString()));
    file.close();
    m_ddf = DdfBuffer(bytes, path);
    FindSchemaMarkers();
}

void clACTFelder::FindSchemaMarkers()
{
    qint64 position = 1;
    while (true) {
        const DdfBuffer::Run run = m_ddf.runAt(position);
        if (run.text.contains("ACTIVITY SCHEMA"))
            m_contactLimit = run.next + 1;
        if (run.text.contains("GROUP INFO SCHEMA"))
            m_groupStart = run.next + 1;
        if (run.text.contains("SALES SCHEMA") || run.next > m_ddf.length() + 1) {
            m_groupLimit = run.next + 1;
            return;
        }
        position = run.next;
    }
}

void clACTFelder::DescribeField(clACTFeld& field, qint64 start, qint64 limit) const
{
    const QByteArray name = Windows1252::encode(field.DBFName);
    qint64 position = start;
    while (true) {
        const DdfBuffer::Run run = m_ddf.runAt(position);
        const QByteArrayView r = run.text;
        if (r.size() > 4) {
            const qsizetype at = r.indexOf(name);
            if (at > 0 && static_cast<unsigned char>(r[at - 1]) == name.size()) {
                const qint64 z = run.end();
                field.ACTID = field.DBFName.startsWith(u"USR") ? userFieldNumber(field.DBFName)
                                                               : m_ddf.byteAt(z - r.size() - 8);
                field.Feldtyp = m_ddf.byteAt(z - 1);
                const int n = m_ddf.byteAt(z + 3);
                field.ACTName = Windows1252::decode(m_ddf.bytes(z + 4, n));
                field.Feldgroesse = m_ddf.byteAt(z + 4 + n);
                return;
            }
        }
        if (run.next > limit)
            return;
        position = run.next;
    }
}

// Events are let through after every column; whatever runs then must not
// pull the columns from under the loop, so the names are taken first and each
// slot is written only while it exists.
void clACTFelder::readFields(std::vector<clACTFeld>& fields, const QStringList& columns,
                             qint64 start, qint64 limit, const QString& progressText,
                             const StatusText& panel)
{
    const qsizetype c = columns.size();
    fields.assign(size_t(c + 1), clACTFeld{});
    for (qsizetype i = 0; i < c; ++i) {
        QCoreApplication::processEvents();
        clACTFeld field;
        field.DBFName = columns[i];
        DescribeField(field, start, limit);
        if (size_t(i) < fields.size())
            fields[size_t(i)] = field;
        if (panel && i % 20 == 0) {
            panel(progressText + u'(' + QString::number(i * 100 / c) + QStringLiteral("%)"));
            QCoreApplication::processEvents();
        }
    }
}

void clACTFelder::ReadContactFields(const StatusText& panel)
{
    if (!m_contactTable)
        return;
    readFields(m_contactFields, columnsOf(m_contactTable.get()), 1, m_contactLimit,
               QStringLiteral("scanning ACT! contactfields ... "), panel);
}

void clACTFelder::ReadGroupFields(const StatusText& panel)
{
    if (!m_contactTable)
        return;
    readFields(m_groupFields, columnsOf(m_groupTable.get()), m_groupStart, m_groupLimit,
               QStringLiteral("scanning ACT! groupfields ... "), panel);
}
