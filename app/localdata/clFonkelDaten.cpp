#include "clFonkelDaten.h"

#include "modRegistry.h"

#include "platform/db/DBEngine.h"
#include "platform/db/DbError.h"
#include "platform/db/JetSql.h"
#include "platform/settings/SettingsStore.h"
#include "platform/ui/UserInterface.h"

#include <QRegularExpression>

using platform::db::DbError;
using platform::db::JetSql::escapeLike;
using platform::db::JetSql::escapeText;

namespace {

const QString kClassName = QStringLiteral("clFonkelDaten");
const QString kUnknown = QStringLiteral("Unbekannt");
const QString kCrLf = QStringLiteral("\r\n");

// Icons read back outside 1 to 10, and null ones, show as this one.
constexpr int kFallbackIcon = 4;

// The name of an area-code table as the place query writes it. Country
// names with blanks or signs ("Bosnien und Herzegowina") go in brackets, so
// that their missing table reads as missing instead of as a syntax error.
QString tableReference(const QString& table)
{
    static const QRegularExpression plain(QStringLiteral("^[\\p{L}_][\\p{L}\\p{N}_]*$"));
    if (table.isEmpty() || plain.match(table).hasMatch() || table.contains(u']'))
        return table;
    return u'[' + table + u']';
}

} // namespace

clFonkelDaten::clFonkelDaten(platform::db::DBEngine& engine, platform::ui::UserInterface& ui,
                             const platform::settings::SettingsStore& options,
                             const platform::settings::Registry& registry)
    : m_engine(engine), m_ui(ui), m_options(options), m_registry(registry)
{
}

clFonkelDaten::~clFonkelDaten()
{
    kill();
}

void clFonkelDaten::warn(const QString& text)
{
    m_ui.message({text, QStringLiteral("Fonkel"), platform::ui::Icon::Warning,
                  platform::ui::Buttons::Ok, false});
}

void clFonkelDaten::reportFailure(const char* operation, int number, const QString& description)
{
    warn(QStringLiteral("Fehler in Klasse ") + kClassName + QStringLiteral(" (") +
         QLatin1StringView(operation) + QStringLiteral(").") + kCrLf +
         QStringLiteral("Fehlernummer: ") + QString::number(number) + kCrLf +
         QStringLiteral("Fehlerbeschreibung: ") + description);
}

bool clFonkelDaten::checkConnection(const char* operation)
{
    if (m_database)
        return true;
    warn(QStringLiteral("Fehler in Klasse ") + kClassName + QStringLiteral(" (") +
         QLatin1StringView(operation) + QStringLiteral(").") + kCrLf +
         QStringLiteral("Die Datenbank ist nicht geöffnet: ") + m_fileName);
    return false;
}

bool clFonkelDaten::init(const QString& fileName)
{
    kill();
    m_fileName = fileName;
    try {
        m_database = m_engine.openDatabase(fileName);
        return true;
    } catch (const DbError& error) {
        warn(QStringLiteral("Fehler in Klasse ") + kClassName + kCrLf +
             QStringLiteral("Fehler beim Öffnen der Datenbank:") + fileName + kCrLf +
             QStringLiteral("Fehlernummer:") + QString::number(error.number()) + kCrLf +
             QStringLiteral("Fehlerbeschreibung:") + error.description());
        return false;
    }
}

void clFonkelDaten::kill()
{
    if (m_database) {
        m_database->close();
        m_database.reset();
    }
}

void clFonkelDaten::BestimmeVorwahlAnschlussOrtLand(QString number, QString& countryCode,
                                                    QString& areaCode, QString& subscriber,
                                                    QString& country, QString& place)
{
    countryCode.clear();
    areaCode.clear();
    country.clear();
    subscriber = number;
    place = kUnknown;
    if (!checkConnection("BestimmeVorwahlAnschlussOrtLand"))
        return;

    const QString prefixK = m_options.value(
        QStringLiteral("Optionen"), QStringLiteral("InternationaleKennung"), QStringLiteral("00"));
    QString& n = number;
    QString table;
    if (n.left(prefixK.size()) != prefixK) {
        // A domestic number: the user's locale names the area-code table.
        const QVariant locale = GetRegistryValue(
            m_registry, platform::settings::RootKey::CurrentUser,
            QStringLiteral("Control Panel\\International"), QStringLiteral("Locale"));
        const QString code = locale.typeId() == QMetaType::QString ? locale.toString() : QString();
        if (code == u"00000407")
            table = QStringLiteral("Deutschland");
        else if (code == u"00000c07")
            table = QStringLiteral("Österreich");
        else
            table = kUnknown;
    } else {
        // The shortest prefix of the country code that names one country.
        n.remove(0, prefixK.size());
        QString p = n.left(1);
        qsizetype i = 2;
        QString land = kUnknown;
        do {
            const std::optional<QString> found = SucheLandZuVorwahl(p);
            if (!found)
                break; // reported; no country
            if (!found->isEmpty()) {
                land = *found;
            } else {
                if (i <= n.size())
                    p += n[i - 1];
                ++i;
            }
        } while (land == kUnknown && i <= n.size() + 1);
        country = land;
        if (land != kUnknown) {
            countryCode = p;
            n.remove(0, p.size());
            table = land;
        }
    }

    if (!n.startsWith(u'0'))
        n.prepend(u'0');

    // The longest prefix (three characters at least) that still begins an
    // area code; the search ends when the number is used up.
    QString p = n.left(3);
    QString ort = kUnknown;
    QString matched;
    qsizetype i = 4;
    bool queryFailed = false;
    while (true) {
        const std::optional<QString> found = SucheOrtZuVorwahl(p, table);
        if (!found) {
            queryFailed = true;
            break;
        }
        if (found->isEmpty())
            break;
        ort = *found;
        matched = p;
        if (i > n.size())
            break;
        p += n[i - 1];
        ++i;
    }
    // Two-digit area codes (Vienna, 01) cannot be found from three digits:
    // when nothing began with them, the first two digits may be a code.
    if (matched.isEmpty() && !queryFailed && n.size() >= 2) {
        const std::optional<QString> found = placeOf(
            QStringLiteral("SELECT Ort FROM ") + tableReference(table) +
            QStringLiteral(" WHERE Vorwahl = \"") + escapeText(n.left(2)) + QStringLiteral("\";"));
        if (found && !found->isEmpty()) {
            ort = *found;
            matched = n.left(2);
        }
    }

    place = ort;
    if (ort != kUnknown && !matched.isEmpty()) {
        areaCode = matched;
        subscriber = n.mid(matched.size());
    } else {
        areaCode.clear();
        subscriber = n;
    }
}

std::optional<QString> clFonkelDaten::placeOf(const QString& statement)
{
    try {
        auto rs = m_database->openRecordset(statement);
        const QString ort = rs->eof() ? QString() : rs->field(QStringLiteral("Ort")).text();
        rs->close();
        return ort;
    } catch (const DbError& error) {
        if (error.number() == platform::db::errc::TableNotFound)
            return std::nullopt; // no table for this country: no place, no message
        warn(QStringLiteral("Fehler ") + QString::number(error.number()) + QStringLiteral(": ") +
             error.description() + kCrLf + QStringLiteral("SQL: ") + statement);
        return std::nullopt;
    }
}

std::optional<QString> clFonkelDaten::SucheOrtZuVorwahl(const QString& prefix, const QString& table)
{
    return placeOf(QStringLiteral("SELECT Ort FROM ") + tableReference(table) +
                   QStringLiteral(" WHERE Vorwahl LIKE \"") + escapeText(escapeLike(prefix)) +
                   QStringLiteral("*\";"));
}

std::optional<QString> clFonkelDaten::SucheLandZuVorwahl(const QString& prefix)
{
    const QString statement = QStringLiteral("SELECT Land FROM Laender WHERE Vorwahl LIKE \"") +
                              escapeText(escapeLike(prefix)) + QStringLiteral("*\";");
    try {
        auto rs = m_database->openRecordset(statement);
        if (rs->eof())
            return QString();
        rs->moveLast();
        return rs->recordCount() == 1 ? rs->field(QStringLiteral("Land")).text() : QString();
    } catch (const DbError& error) {
        reportFailure("SucheLandZuVorwahl", error.number(), error.description());
        return std::nullopt;
    }
}

void clFonkelDaten::SucheNameOrtAusFreierListe(const QString& number, QString& name, QString& place)
{
    name = kUnknown;
    place = kUnknown;
    if (!checkConnection("SucheNameOrtAusFreierListe"))
        return;
    try {
        auto rs = m_database->openRecordset(
            QStringLiteral("SELECT Name,Ort FROM Liste WHERE Nummer = \"") + escapeText(number) +
            QStringLiteral("\";"));
        if (!rs->eof()) {
            // A null name or place reads as empty.
            name = rs->field(QStringLiteral("Name")).text();
            place = rs->field(QStringLiteral("Ort")).text();
        }
    } catch (const DbError& error) {
        reportFailure("SucheNameOrtAusFreierListe", error.number(), error.description());
    }
}

bool clFonkelDaten::schreibIteminMDB(const CallerList& list, const CallerListEntry& entry)
{
    if (!checkConnection("schreibItemInMDB"))
        return false;
    QString step = QStringLiteral("OpenRecordset");
    std::unique_ptr<platform::db::Recordset> rs;
    try {
        rs = m_database->openRecordset(QStringLiteral("Anrufspeicher"),
                                       platform::db::RecordsetType::Table,
                                       platform::db::RecordsetOption::AppendOnly);
        step = QStringLiteral("AddNew");
        rs->addNew();
        step = QStringLiteral("SetField UniqueID");
        rs->setValue(QStringLiteral("UniqueID"), entry.tag);
        step = QStringLiteral("SetField Icon");
        rs->setValue(QStringLiteral("Icon"), entry.smallIcon);
        const QStringList captions = list.columnCaptions();
        if (!captions.isEmpty()) {
            step = QStringLiteral("SetField ") + captions[0];
            rs->setValue(captions[0], entry.text);
        }
        for (qsizetype column = 2; column <= captions.size(); ++column) {
            step = QStringLiteral("SetField ") + captions[column - 1];
            rs->setValue(captions[column - 1], entry.subItem(int(column - 1)));
        }
        step = QStringLiteral("Update");
        rs->update();
        rs->close();
        return true;
    } catch (const DbError& error) {
        if (rs)
            rs->close(); // drops the begun row
        QString text = QStringLiteral("Fehler in Klasse ") + kClassName +
                       QStringLiteral(" (schreibItemInMDB, ") + step + QStringLiteral(").") +
                       kCrLf + QStringLiteral("Fehlernummer: ") + QString::number(error.number()) +
                       kCrLf + QStringLiteral("Fehlerbeschreibung: ") + error.description();
        if (step == u"SetField Icon")
            text += QStringLiteral("Eventuell verwenden Sie eine ältere Version der "
                                   "\"Nummern.mdb\" Datei.");
        warn(text);
        return false;
    }
}

void clFonkelDaten::leseMDBinListview(CallerList& list)
{
    if (!checkConnection("leseMDBinListview"))
        return;
    list.clearEntries();
    try {
        auto rs = m_database->openRecordset(QStringLiteral("Anrufspeicher"));
        if (rs->eof()) {
            rs->close();
            return;
        }
        const QStringList captions = list.columnCaptions();
        // A table of the older layout has no icons: they read as null.
        const int iconField = rs->fieldIndex(QStringLiteral("Icon"));
        for (; !rs->eof(); rs->moveNext()) {
            CallerListEntry entry;
            if (!captions.isEmpty())
                entry.text = rs->field(captions[0]).text();
            entry.tag = rs->field(QStringLiteral("UniqueID")).text();
            const QVariant icon = iconField < 0 ? QVariant() : rs->value(iconField);
            entry.smallIcon = icon.isNull() ? kFallbackIcon : icon.toInt();
            if (entry.smallIcon < 1 || entry.smallIcon > 10)
                entry.smallIcon = kFallbackIcon;
            for (qsizetype column = 2; column <= captions.size(); ++column)
                entry.setSubItem(int(column - 1), rs->field(captions[column - 1]).text());
            list.appendEntry(entry);
        }
        rs->close();
    } catch (const DbError& error) {
        reportFailure("leseMDBinListview", error.number(), error.description());
    }
}

void clFonkelDaten::LoescheAnruferliste(qint32 days)
{
    if (!checkConnection("LoescheAnruferliste"))
        return;
    try {
        m_database->execute(QStringLiteral("DELETE Anrufspeicher.Datum From Anrufspeicher WHERE "
                                           "(((Anrufspeicher.Datum)<Date()-") +
                            QString::number(days) + QStringLiteral("));"));
    } catch (const DbError& error) {
        reportFailure("LoescheAnruferliste", error.number(), error.description());
    }
}
