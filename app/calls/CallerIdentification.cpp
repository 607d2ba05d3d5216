#include "CallerIdentification.h"

#include "NumberPreparation.h"
#include "clStopuhr.h"

#include "app/actapp/clACTApplication.h"
#include "app/actdb/clActDBF.h"

#include "app/core/ActSide.h"
#include "app/core/CallerDate.h"
#include "app/core/ContactTag.h"
#include "app/core/ListRoutines.h"
#include "app/core/ListView.h"
#include "app/core/PanelStatusBar.h"
#include "app/core/TapiButton.h"
#include "app/core/WindowTimer.h"
#include "app/core/frmHaupt.h"
#include "app/core/modHaupt.h"
#include "app/localdata/clFonkelDaten.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/UserInterface.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

namespace fonkel {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Searching = QStringLiteral("suche...");
const QString Unknown = QStringLiteral("Unbekannt");

// The entry a run creates: its values, and its row in the caller list for as
// long as the list keeps that row. The list may lose the row while queued
// events run (the user reloads or clears the list); the values go on and
// are stored all the same.
class TrackedEntry {
public:
    explicit TrackedEntry(ListView& list) : m_list(list)
    {
        m_removed = QObject::connect(list.model(), &QAbstractItemModel::rowsAboutToBeRemoved,
                                     [this](const QModelIndex& parent, int first, int last) {
                                         if (!m_item || parent.isValid())
                                             return;
                                         for (int row = first; row <= last; ++row) {
                                             if (m_list.entry(row) == m_item)
                                                 m_item = nullptr;
                                         }
                                     });
        m_reset = QObject::connect(list.model(), &QAbstractItemModel::modelAboutToBeReset,
                                   [this] { m_item = nullptr; });
    }
    ~TrackedEntry()
    {
        QObject::disconnect(m_removed);
        QObject::disconnect(m_reset);
    }
    TrackedEntry(const TrackedEntry&) = delete;
    TrackedEntry& operator=(const TrackedEntry&) = delete;

    void add(const QString& number, const QString& datum)
    {
        values.text = number;
        m_item = m_list.addEntry(number);
        setSubItem(QStringLiteral("Datum"), datum);
        setSubItem(QStringLiteral("Ort"), Searching);
        setSubItem(QStringLiteral("Kontakt"), Searching);
        setSmallIcon(1);
    }

    QString subItem(const QString& key) const
    {
        return values.subItem(ColumnSubItemIndex(m_list, key));
    }
    void setSubItem(const QString& key, const QString& text)
    {
        const int index = ColumnSubItemIndex(m_list, key);
        if (index < 1)
            return;
        values.setSubItem(index, text);
        if (m_item)
            m_item->setSubItem(index, text);
    }
    void setTag(const QString& tag)
    {
        values.tag = tag;
        if (m_item)
            m_item->setTag(tag);
    }
    void setSmallIcon(int icon)
    {
        values.smallIcon = icon;
        if (m_item)
            m_item->setSmallIcon(icon);
    }

    CallerListEntry values;

private:
    ListView& m_list;
    ListItem* m_item = nullptr;
    QMetaObject::Connection m_removed;
    QMetaObject::Connection m_reset;
};

} // namespace

// One identification. Its destructor is the finish path, so every way out
// of a run (filtered number, nothing found, an error) passes through it.
class CallerIdentification::Run {
public:
    Run(CallerIdentification& owner, bool connected)
        : m_window(owner.m_window), m_numbers(owner.m_numbers), m_members(owner.m_members),
          m_act(owner.m_act), m_clock(owner.m_clock), m_connected(connected),
          m_entry(*m_window.lvNummern)
    {
        m_members.SearchBusy = true;
    }
    ~Run() { finish(); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    void execute(const QString& reported, const QString& party);

private:
    void bringWindowToFront();
    void setControlEnabled(bool enabled);
    void progress(const QString& text);
    void waitCursor();
    void normalCursor();
    void searchContact(const QString& number);
    void searchNumberCache(const QString& number);
    void searchActTable(const QString& number);
    void numberCacheFailed();
    void searchStopped();
    void takeOverFirstRow();
    void notFound();
    void askFreeList(const QString& number);
    void finish();

    int icon(const char* key) const { return m_window.ilIcons.index(QString::fromLatin1(key)); }

    frmHaupt& m_window;
    NumberPreparation& m_numbers;
    modHaupt& m_members;
    ActSide& m_act;
    const Clock& m_clock;
    const bool m_connected;

    TrackedEntry m_entry;
    bool m_notFound = true;
    bool m_waitCursor = false;
    clStopuhr m_stopuhr;
    std::unique_ptr<NumberCacheSearch> m_cache;
    std::unique_ptr<platform::db::Recordset> m_result;
};

CallerIdentification::CallerIdentification(frmHaupt& window, NumberPreparation& numbers,
                                           modHaupt& members, ActSide& act, QObject* parent)
    : QObject(parent), m_window(window), m_numbers(numbers), m_members(members), m_act(act),
      m_clock([] { return QDateTime::currentDateTime(); })
{
}

void CallerIdentification::IdentifyCaller(const QString& number, const QString& /*name*/,
                                          const QString& party, qint32 /*callId*/,
                                          qint32 /*callHandle*/, bool connected)
{
    Run run(*this, connected);
    run.execute(number, party);
}

void CallerIdentification::Run::execute(const QString& reported, const QString& party)
{
    if (const std::optional<QString> filter = m_numbers.IsFilteredNumber(reported)) {
        m_window.LastCallEvent += CrLf + QStringLiteral("Nummernfilter:") + *filter;
        return;
    }
    QString number = m_numbers.PrepareIncomingNumber(reported, party);

    m_window.TimerACT->setEnabled(false);
    bringWindowToFront();
    setControlEnabled(false);
    m_window.cmdInitTapi->setEnabled(false);
    QCoreApplication::processEvents();

    number = m_numbers.ReplaceMissingNumber(number);
    m_window.LastCallEvent += QStringLiteral("Gefilterte Nummer:") + number + CrLf;

    ListView& list = *m_window.lvNummern;
    m_entry.add(number, CallerDate::toText(m_clock()));
    QCoreApplication::processEvents();
    const int datum = list.columnOfKey(QStringLiteral("Datum"));
    const QString sortIcon = list.headerIconKey(datum);
    if (datum >= 0 && !sortIcon.isEmpty() && sortIcon != u"Leer")
        SortListView(list, datum, false);
    ScrollListTo(list, 0);
    list.selectEntry(list.entry(0));
    m_window.lvKontakte->clearEntries();
    QCoreApplication::processEvents();

    QString areaCode;
    QString subscriber;
    if (number.size() >= 5) {
        progress(QStringLiteral("Bestimme ORT und Vorwahl ..."));
        QString countryCode;
        QString country;
        QString place;
        if (clFonkelDaten* daten = m_window.FonkelDaten())
            daten->BestimmeVorwahlAnschlussOrtLand(number, countryCode, areaCode, subscriber,
                                                   country, place);
        else
            place = Unknown;
        if (!countryCode.isEmpty())
            place = country + u'/' + place;
        m_entry.setSubItem(QStringLiteral("Ort"), place);
        QCoreApplication::processEvents();
        number = m_numbers.SearchNumber(number, countryCode);
        searchContact(number);
        if (m_result && !m_result->eof())
            takeOverFirstRow();
        QCoreApplication::processEvents();
    }

    if (m_notFound)
        notFound();
    if (m_entry.subItem(QStringLiteral("Kontakt")) == Unknown && !number.isEmpty())
        askFreeList(number);

    progress(QStringLiteral("Anruf speichern ..."));
    if (clFonkelDaten* daten = m_window.FonkelDaten())
        daten->schreibIteminMDB(list, m_entry.values);
    QCoreApplication::processEvents();

    if (!areaCode.isEmpty())
        m_act.SearchSimilarNumbers(areaCode, subscriber);
}

void CallerIdentification::Run::bringWindowToFront()
{
    if (m_window.isMinimized())
        m_window.showNormal();
    // Raised once, not kept on top.
    m_window.raise();
    m_window.activateWindow();
}

void CallerIdentification::Run::setControlEnabled(bool enabled)
{
    if (QWidget* control = m_window.lintaroControl())
        control->setProperty("Enabled", enabled);
}

void CallerIdentification::Run::progress(const QString& text)
{
    m_window.panel(3)->setText(text);
    QCoreApplication::processEvents();
}

void CallerIdentification::Run::waitCursor()
{
    if (!m_waitCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_waitCursor = true;
    }
    QCoreApplication::processEvents();
}

void CallerIdentification::Run::normalCursor()
{
    if (m_waitCursor) {
        QApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
}

// The cache, when it is in use, replaces the ACT! table: a number the cache
// does not know is not looked for in ACT!.
void CallerIdentification::Run::searchContact(const QString& number)
{
    if (m_window.mnuNummernCache->isChecked())
        searchNumberCache(number);
    else if (m_members.ACTMonitorReady && m_members.ACTApplication && m_members.ActDBF)
        searchActTable(number);
}

void CallerIdentification::Run::searchNumberCache(const QString& number)
{
    const QString& file = m_members.CachePath;
    if (!m_act.CacheTableExists(file, QStringLiteral("ACTNR"))) {
        numberCacheFailed();
        return;
    }
    progress(QStringLiteral("Suche Kontakt im Nummerncache..."));
    m_cache = m_act.OpenNumberCache(file, m_window.lbID);
    if (!m_cache) {
        numberCacheFailed();
        return;
    }
    waitCursor();
    m_stopuhr.Starten();
    const QString fields = m_act.SelectedPhoneFields();
    m_result =
        m_cache->Suche(QStringLiteral("ACTNR"), fields, QStringLiteral("UNIQUE_ID,NAME,CITY"),
                       number, QStringLiteral("OR"), false);
    if (m_result)
        searchStopped();
}

// The contact table of the database ACT! has open; a table that cannot be
// opened has reported itself, and the caller counts as not found.
void CallerIdentification::Run::searchActTable(const QString& number)
{
    clActDBF& table = *m_members.ActDBF;
    if (!table.init(m_members.ACTApplication->ACTDatenbank()))
        return;
    progress(QStringLiteral("Suche Kontakt in ACT!-Datenbank..."));
    waitCursor();
    m_stopuhr.Starten();
    const QString fields = m_act.SelectedPhoneFields();
    m_result =
        table.Suche(fields, QStringLiteral("NAME,CITY"), number, QStringLiteral("OR"), false);
    if (m_result)
        searchStopped();
}

void CallerIdentification::Run::numberCacheFailed()
{
    m_window.ui().inform(QStringLiteral("Fehler beim Zugriff auf Nummerncache-Datenbank: ") +
                             m_members.CachePath + CrLf +
                             QStringLiteral("Der Nummerncache wird deaktiviert."),
                         QStringLiteral("Fonkel"), platform::ui::Icon::Information);
    m_act.SetNumberCacheUse(false);
}

void CallerIdentification::Run::searchStopped()
{
    m_stopuhr.Stoppen();
    // The duration with the blank that stands before a number that is not negative.
    const QString duration = m_stopuhr.Dauer() >= 0 ? u' ' + QString::number(m_stopuhr.Dauer())
                                                    : QString::number(m_stopuhr.Dauer());
    const QString tip = QStringLiteral("Suchdauer1:") + duration;
    m_window.lbID->setToolTip(tip);
    m_window.LastCallEvent += CrLf + tip;
    normalCursor();
    QCoreApplication::processEvents();
}

void CallerIdentification::Run::takeOverFirstRow()
{
    try {
        const platform::db::Field id = m_result->field(QStringLiteral("unique_id"));
        const QString name = m_result->field(QStringLiteral("Name")).text();
        const platform::db::Field city = m_result->field(QStringLiteral("CITY"));
        m_entry.setSmallIcon(m_connected ? icon("ACT_Weiterleitung") : icon("ACT"));
        m_entry.setTag(EncodeContactTag(id.text()));
        m_entry.setSubItem(QStringLiteral("Kontakt"),
                           name.isEmpty() ? QStringLiteral("Keine Angaben im ACT!") : name);
        if (!city.isNull() && city.text() != m_entry.subItem(QStringLiteral("Ort")))
            m_entry.setSubItem(QStringLiteral("Ort"), city.text());
        m_notFound = false;
    } catch (const platform::db::DbError&) {
        // A row without the columns asked for counts as nothing found.
    }
}

void CallerIdentification::Run::notFound()
{
    m_entry.setSmallIcon(m_connected ? icon("Unbekannt_Weiterleitung") : icon("Unbekannt"));
    m_entry.setTag(UnknownContactTag);
    m_entry.setSubItem(QStringLiteral("Kontakt"), Unknown);
    QCoreApplication::processEvents();
}

void CallerIdentification::Run::askFreeList(const QString& number)
{
    QString name = Unknown;
    QString place = Unknown;
    if (clFonkelDaten* daten = m_window.FonkelDaten())
        daten->SucheNameOrtAusFreierListe(number, name, place);
    if (place != Unknown)
        m_entry.setSubItem(QStringLiteral("Ort"), place);
    if (m_entry.subItem(QStringLiteral("Ort")) == Searching)
        m_entry.setSubItem(QStringLiteral("Ort"), Unknown);
    m_entry.setSubItem(QStringLiteral("Kontakt"), name);
    m_entry.setSmallIcon(m_connected ? icon("Unbekannt_Weiterleitung") : icon("Unbekannt"));
    m_entry.setTag(UnknownContactTag);
    QCoreApplication::processEvents();
}

void CallerIdentification::Run::finish()
{
    setControlEnabled(true);
    m_window.cmdInitTapi->setEnabled(true);
    m_window.panel(3)->setText(QString());
    normalCursor();
    QCoreApplication::processEvents();
    m_window.TimerACT->setEnabled(true);
    if (m_result) {
        m_result->close();
        m_result.reset();
    }
    if (m_members.ActDBF)
        m_members.ActDBF->kill();
    m_cache.reset();
    m_members.SearchBusy = false;
}

} // namespace fonkel
