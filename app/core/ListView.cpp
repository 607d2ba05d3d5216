#include "ListView.h"

#include "CallerDate.h"
#include "ImageList.h"

#include <QCollator>
#include <QHeaderView>
#include <QMouseEvent>

#include <limits>

namespace fonkel {

namespace {

constexpr int TagRole = Qt::UserRole;
constexpr int SmallIconRole = Qt::UserRole + 1;
constexpr int KeyRole = Qt::UserRole + 2;
constexpr int HeaderIconRole = Qt::UserRole + 3;

// The date order of a text: its local date and time as milliseconds on a
// plain calendar (no time-zone conversion, which would consult the system's
// zone on every comparison); empty and unreadable dates are the earliest.
qint64 sortableDate(const QString& text)
{
    const std::optional<QDateTime> value = CallerDate::fromText(text);
    if (!value)
        return std::numeric_limits<qint64>::min();
    constexpr qint64 MillisecondsPerDay = 24 * 60 * 60 * 1000;
    return value->date().toJulianDay() * MillisecondsPerDay + value->time().msecsSinceStartOfDay();
}

// Text order as a German reader expects it: letter case ignored, umlauts
// beside their base letters.
const QCollator& textOrder()
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        return c;
    }();
    return collator;
}

} // namespace

ListItem::ListItem() : QTreeWidgetItem(UserType) {}

QString ListItem::tag() const
{
    return data(0, TagRole).toString();
}

void ListItem::setTag(const QString& tag)
{
    setData(0, TagRole, tag);
}

int ListItem::smallIcon() const
{
    return data(0, SmallIconRole).toInt();
}

void ListItem::setSmallIcon(int index)
{
    setData(0, SmallIconRole, index);
    showSmallIcon();
}

void ListItem::showSmallIcon()
{
    const auto* list = qobject_cast<const ListView*>(treeWidget());
    const ImageList* images = list ? list->smallIcons() : nullptr;
    setIcon(0, images ? images->icon(smallIcon()) : QIcon());
}

qint64 ListItem::dateKey(int column) const
{
    const QString text = QTreeWidgetItem::text(column);
    if (column != m_dateKeyColumn || text != m_dateKeyText) {
        m_dateKeyColumn = column;
        m_dateKeyText = text;
        m_dateKey = sortableDate(text);
    }
    return m_dateKey;
}

CallerListEntry ListItem::toCallerListEntry() const
{
    CallerListEntry entry;
    entry.text = text();
    const int columns = treeWidget() ? treeWidget()->columnCount() : columnCount();
    for (int column = 1; column < columns; ++column)
        entry.setSubItem(column, subItem(column));
    entry.tag = tag();
    entry.smallIcon = smallIcon();
    return entry;
}

bool ListItem::operator<(const QTreeWidgetItem& other) const
{
    const auto* list = qobject_cast<const ListView*>(treeWidget());
    const int column = list ? std::max(0, list->sortKeyColumn()) : 0;
    if (list && list->sortsByDate()) {
        const qint64 theirs = other.type() == UserType
                                  ? static_cast<const ListItem&>(other).dateKey(column)
                                  : sortableDate(other.text(column));
        return dateKey(column) < theirs;
    }
    return textOrder().compare(QTreeWidgetItem::text(column), other.text(column)) < 0;
}

ListView::ListView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(header(), &QHeaderView::sectionClicked, this, &ListView::headerClicked);
    // A list sorted by text keeps its order when the sorted column's text
    // changes (an entry is usually added first and filled in afterwards).
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem*, int column) {
        if (column == m_sortColumn && !m_byDate)
            applySort(m_sortColumn, m_sortDirection, false);
    });
}

void ListView::setColumns(const QStringList& keys)
{
    setColumnCount(static_cast<int>(keys.size()));
    setHeaderLabels(keys);
    for (int column = 0; column < keys.size(); ++column)
        headerItem()->setData(column, KeyRole, keys.at(column));
}

QString ListView::columnKey(int column) const
{
    return headerItem()->data(column, KeyRole).toString();
}

QString ListView::columnCaption(int column) const
{
    return headerItem()->text(column);
}

void ListView::setColumnCaption(int column, const QString& caption)
{
    headerItem()->setText(column, caption);
}

int ListView::columnOfKey(const QString& key) const
{
    for (int column = 0; column < columnCount(); ++column) {
        if (columnKey(column) == key)
            return column;
    }
    return -1;
}

ListItem* ListView::entry(int index) const
{
    return static_cast<ListItem*>(topLevelItem(index));
}

int ListView::indexOf(const ListItem* item) const
{
    return indexOfTopLevelItem(const_cast<ListItem*>(item));
}

ListItem* ListView::addEntry(const QString& text)
{
    auto* item = new ListItem;
    item->setText(text);
    addTopLevelItem(item);
    if (m_sortColumn >= 0 && !m_byDate)
        applySort(m_sortColumn, m_sortDirection, false);
    return item;
}

ListItem* ListView::addEntry(const CallerListEntry& entry)
{
    auto* item = new ListItem;
    item->setText(entry.text);
    for (int column = 1; column < columnCount(); ++column)
        item->setSubItem(column, entry.subItem(column));
    item->setTag(entry.tag);
    addTopLevelItem(item);
    item->setSmallIcon(entry.smallIcon);
    if (m_sortColumn >= 0 && !m_byDate)
        applySort(m_sortColumn, m_sortDirection, false);
    return item;
}

QStringList ListView::columnCaptions() const
{
    QStringList captions;
    for (int column = 0; column < columnCount(); ++column)
        captions.append(columnCaption(column));
    return captions;
}

ListItem* ListView::selectedEntry() const
{
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : static_cast<ListItem*>(items.first());
}

void ListView::selectEntry(ListItem* item)
{
    clearSelection();
    if (!item)
        return;
    setCurrentItem(item);
    item->setSelected(true);
}

void ListView::applySort(int column, int direction, bool byDate)
{
    if (column < 0 || column >= columnCount())
        return;
    m_sortColumn = column;
    m_sortDirection = direction;
    m_byDate = byDate;
    // Date order direction 0 shows the newest first, text order direction 0
    // is ascending.
    const bool ascending = byDate ? direction == 1 : direction == 0;
    sortItems(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QString ListView::headerIconKey(int column) const
{
    return headerItem()->data(column, HeaderIconRole).toString();
}

void ListView::setHeaderIcon(int column, const QString& key)
{
    headerItem()->setData(column, HeaderIconRole, key);
    headerItem()->setIcon(column, m_headerIcons ? m_headerIcons->icon(key) : QIcon());
}

void ListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightButtonReleased(event->globalPosition().toPoint());
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit listDoubleClicked();
}

} // namespace fonkel
