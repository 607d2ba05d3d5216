#include "clActDBF.h"

#include "ActDbError.h"
#include "CaseInsensitivePattern.h"
#include "KurznameVon.h"
#include "ListRules.h"

#include "platform/db/DBEngine.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/UserInterface.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <limits>

using platform::db::DbError;
using platform::ui::Buttons;
using platform::ui::Icon;

namespace {

const QString kTitle = QStringLiteral("Fonkel");
const QString kCrLf = QStringLiteral("\r\n");
const QString kOpenFailed = QStringLiteral("Konnte Ihre ACT!-Datenbank nicht öffnen !");
// The engine's errors name no help file.
const QString kHelpFile;

// A number as Str$ writes it: a blank where a negative number has its sign.
QString withSignPlace(int number)
{
    return number < 0 ? QString::number(number) : u' ' + QString::number(number);
}

// A term goes into the statement between single quotes: a quote in it must
// not end the text.
QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\'', QStringLiteral("''"));
    return escaped;
}

} // namespace

clActDBF::clActDBF(platform::db::DBEngine& engine, platform::ui::UserInterface& ui,
                   OptionReader readOption)
    : m_engine(engine), m_ui(ui), m_readOption(std::move(readOption))
{
}

clActDBF::~clActDBF()
{
    kill();
}

QString clActDBF::DirectoryOf(const QString& path)
{
    const qsizetype separator = path.lastIndexOf(kPathSeparator);
    return separator < 0 ? QString() : path.left(separator);
}

QString clActDBF::BaseNameOf(const QString& path)
{
    const QString file = path.mid(path.lastIndexOf(kPathSeparator) + 1);
    return file.left(std::max<qsizetype>(0, file.size() - 4));
}

void clActDBF::reportOpenFailure(int number, const QString& description)
{
    m_ui.message({kOpenFailed + kCrLf + QStringLiteral("Error #") + withSignPlace(number) +
                      QStringLiteral(" (") + kHelpFile + QStringLiteral(") ") + description,
                  kTitle, Icon::None, Buttons::Ok, false});
}

bool clActDBF::init(const QString& DBFpfad)
{
    if (DBFpfad.isEmpty()) {
        m_ui.message({QStringLiteral("Fehler in Methode init in Klasse clACTDBF") + kCrLf +
                          QStringLiteral("Der übergebende Datenbankpfad ist leer."),
                      kTitle, Icon::Information, Buttons::Ok, false});
        return false;
    }
    const QString path = KurznameVon(DBFpfad);
    const QString directory = DirectoryOf(path);
    const QString table = BaseNameOf(path);
    try {
        // Without the file there is no table to search; the directory alone
        // would open and fail only at the first search.
        if (!QFileInfo(path).isFile())
            throw DbError(platform::db::errc::FileNotFound,
                          QStringLiteral("Die Datei '%1' wurde nicht gefunden.").arg(path));
        auto database = m_engine.openDatabase(directory, {}, QStringLiteral("FoxPro 2.6;"));
        kill();
        m_database = std::move(database);
        m_directory = directory;
        m_tableName = table;
        return true;
    } catch (const DbError& error) {
        reportOpenFailure(error.number(), error.description());
        return false;
    }
}

void clActDBF::kill()
{
    if (m_database) {
        m_database->close();
        m_database.reset();
    }
}

bool clActDBF::debugOption() const
{
    return m_readOption && m_readOption(QStringLiteral("Debug")).toDouble() == 1.0;
}

std::unique_ptr<platform::db::Recordset>
clActDBF::Suche(const QString& Suchfelder, const QString& Anzeigefelder, const QString& Suchbegriff,
                const QString& Logischeverknuepfung, bool NurinFeld1)
{
    const QString pattern = quoted(CaseInsensitivePattern(Suchbegriff));
    const QString table = u'[' + m_tableName + u']';

    QString sql = QStringLiteral("SELECT ");
    const int searchCount = CountListItems(Suchfelder, QStringLiteral(","));
    for (int k = 1; k <= searchCount; ++k)
        sql +=
            table + u'.' + GetListItem(Suchfelder, QStringLiteral(","), k) + QStringLiteral(", ");
    const int displayCount = CountListItems(Anzeigefelder, QStringLiteral(","));
    for (int k = 1; k <= displayCount; ++k)
        sql += table + u'.' + GetListItem(Anzeigefelder, QStringLiteral(","), k) +
               QStringLiteral(", ");
    sql += table + QStringLiteral(".UNIQUE_ID ") + QStringLiteral("FROM ") + table + u' ';

    if (!(Suchfelder.isEmpty() && Suchbegriff.isEmpty())) {
        sql += QStringLiteral("WHERE ");
        const int conditions = NurinFeld1 ? std::min(searchCount, 1) : searchCount;
        for (int k = 1; k <= conditions; ++k) {
            if (k > 1)
                sql += u' ' + Logischeverknuepfung + u' ';
            sql += table + u'.' + GetListItem(Suchfelder, QStringLiteral(","), k) +
                   QStringLiteral(" LIKE '*") + pattern + QStringLiteral("*'");
        }
    }

    if (debugOption()) {
        m_ui.clearClipboard();
        m_ui.setClipboardText(sql);
    }

    QCoreApplication::processEvents();
    try {
        if (!m_database)
            throw DbError::objectClosed();
        return m_database->openRecordset(sql);
    } catch (const DbError& error) {
        reportOpenFailure(error.number(), error.description());
        return nullptr;
    }
}

QString clActDBF::TableTypeExtension(const QString& Tabellentyp)
{
    const QString word = Tabellentyp.toLower();
    if (word == u"kontakt" || word == u"contact")
        return QStringLiteral(".dbf");
    if (word == u"gruppen" || word == u"gruppe" || word == u"group" || word == u"groups")
        return QStringLiteral(".gdb");
    m_ui.message({QStringLiteral("Tabellentyp ist fremd (") + Tabellentyp +
                      QStringLiteral("). Es wird die Kontakt-Tabelle benutzt."),
                  kTitle, Icon::None, Buttons::Ok, false});
    return QStringLiteral(".dbf");
}

qint32 clActDBF::SucheMaxWert(const QString& ActFeldName, const QString& Tabellentyp,
                              const QString& Preset)
{
    const QString sql = QStringLiteral("SELECT ") + ActFeldName + QStringLiteral(" FROM [") +
                        m_tableName + TableTypeExtension(Tabellentyp) + QStringLiteral("] WHERE ") +
                        ActFeldName + QStringLiteral(" LIKE '") +
                        quoted(CaseInsensitivePattern(Preset)) + QStringLiteral("*';");
    qint32 largest = 0;
    try {
        if (!m_database)
            throw DbError::objectClosed();
        const auto rows = m_database->openRecordset(sql);
        for (; !rows->eof(); rows->moveNext()) {
            const QString value = rows->field(0).text();
            const QString rest = value.right(std::max<qsizetype>(0, value.size() - Preset.size()));
            bool ok = false;
            const qint64 number = rest.trimmed().toLongLong(&ok);
            if (!ok)
                throw ActDbError(ActDbError::TypeMismatch,
                                 QStringLiteral("Typen unverträglich: '%1' in %2 ist keine Zahl.")
                                     .arg(rest, value));
            if (number > std::numeric_limits<qint32>::max() ||
                number < std::numeric_limits<qint32>::min())
                throw ActDbError(ActDbError::Overflow,
                                 QStringLiteral("Überlauf: %1 in %2.").arg(rest, value));
            largest = std::max(largest, qint32(number));
        }
    } catch (const DbError& error) {
        m_ui.message({kOpenFailed + kCrLf + QStringLiteral("Error #") +
                          QString::number(error.number()) + QStringLiteral(" (") + kHelpFile +
                          QStringLiteral(") ") + error.description() + kCrLf +
                          QStringLiteral("SQL: ") + sql,
                      kTitle, Icon::Warning, Buttons::Ok, false});
        return 0;
    }
    return largest;
}

qint32 clActDBF::getRecordcount(const QString& Actfeld, const QString& Tabellentyp)
{
    const QString sql = QStringLiteral("SELECT COUNT(") + Actfeld + QStringLiteral(") FROM [") +
                        m_tableName + TableTypeExtension(Tabellentyp) + QStringLiteral("] WHERE ") +
                        Actfeld + QStringLiteral(" IS NOT NULL;");
    if (!m_database)
        throw DbError::objectClosed();
    const auto rows = m_database->openRecordset(sql);
    const qint32 count = rows->eof() ? 0 : qint32(rows->value(0).toLongLong());
    rows->close();
    return count;
}
