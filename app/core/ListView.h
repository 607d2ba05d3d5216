#pragma once

#include "app/localdata/CallerList.h"

#include <QTreeWidget>

namespace fonkel {

class ImageList;

// One entry of a report-style list: a text (first column), one sub-item per
// further column, a tag and a small-icon number of the list's image list.
class ListItem : public QTreeWidgetItem {
public:
    ListItem();

    using QTreeWidgetItem::setText;
    using QTreeWidgetItem::text;
    QString text() const { return QTreeWidgetItem::text(0); }
    void setText(const QString& text) { QTreeWidgetItem::setText(0, text); }

    // Sub-item i is the text of column i (0-based), so sub-item 1 is the
    // second column; i = 0 is the entry's text.
    QString subItem(int index) const { return QTreeWidgetItem::text(index); }
    void setSubItem(int index, const QString& text) { QTreeWidgetItem::setText(index, text); }

    QString tag() const;
    void setTag(const QString& tag);

    // The picture number (1-based) in the list's small-icon image list; a
    // number the list has no picture for is kept but shows no picture.
    int smallIcon() const;
    void setSmallIcon(int index);

    bool operator<(const QTreeWidgetItem& other) const override;

    // The entry as the local number database stores it.
    CallerListEntry toCallerListEntry() const;

private:
    void showSmallIcon();
    // The date order's key of a column's text. The text is parsed once and
    // not again while it stays the same: a list of thousands of calls is
    // sorted again for every new call.
    qint64 dateKey(int column) const;

    mutable QString m_dateKeyText;
    mutable qint64 m_dateKey = 0;
    mutable int m_dateKeyColumn = -1;
    friend class ListView;
};

// A report-style list view: columns with a key and a caption, entries of
// ListItem, small icons from an image list, header icons from another, a sort
// state (column, direction, text or date order), and the mouse events the main
// window reacts to. Header clicks do not sort by themselves: the owner decides.
// The local number database stores and reloads it as a CallerList.
class ListView : public QTreeWidget, public CallerList {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    void setSmallIcons(const ImageList* images) { m_smallIcons = images; }
    const ImageList* smallIcons() const { return m_smallIcons; }
    void setHeaderIcons(const ImageList* images) { m_headerIcons = images; }

    // Columns whose key and caption are the given texts.
    void setColumns(const QStringList& keys);
    QString columnKey(int column) const;
    QString columnCaption(int column) const;
    void setColumnCaption(int column, const QString& caption);
    // 0-based column of a key, -1 when there is none.
    int columnOfKey(const QString& key) const;

    int count() const { return topLevelItemCount(); }
    ListItem* entry(int index) const;
    int indexOf(const ListItem* item) const;
    // Appends an entry; a list sorted by text puts it in its place at once and
    // again whenever the sorted column's text of an entry changes.
    ListItem* addEntry(const QString& text);
    // Appends an entry with its sub-items, tag and small icon.
    ListItem* addEntry(const CallerListEntry& entry);

    // CallerList
    QStringList columnCaptions() const override;
    void clearEntries() override { clear(); }
    void appendEntry(const CallerListEntry& entry) override { addEntry(entry); }
    ListItem* selectedEntry() const;
    void selectEntry(ListItem* item);

    // Sort state: -1 while the list has not been sorted.
    int sortKeyColumn() const { return m_sortColumn; }
    // 0 or 1; what it means depends on the order (see SortListView).
    int sortDirection() const { return m_sortDirection; }
    bool sortsByDate() const { return m_byDate; }
    // Sorts by column: text order (0 ascending, 1 descending) or date order
    // (0 newest first, 1 oldest first; an empty or unreadable date is the
    // earliest).
    void applySort(int column, int direction, bool byDate);

    // The key of the header picture a column shows ("" when none).
    QString headerIconKey(int column) const;
    void setHeaderIcon(int column, const QString& key);

signals:
    void headerClicked(int column);
    void rightButtonReleased(const QPoint& globalPos);
    void listDoubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const ImageList* m_smallIcons = nullptr;
    const ImageList* m_headerIcons = nullptr;
    int m_sortColumn = -1;
    int m_sortDirection = 0;
    bool m_byDate = false;
};

} // namespace fonkel
