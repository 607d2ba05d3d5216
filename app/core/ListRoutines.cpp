#include "ListRoutines.h"

#include "ListView.h"

namespace fonkel {

void SortListView(ListView& list, int column, bool toggle)
{
    if (column < 0 || column >= list.columnCount())
        return;
    int direction = list.sortDirection();
    if (list.sortKeyColumn() != column)
        direction = 0;
    else if (toggle)
        direction = direction == 0 ? 1 : 0;
    const bool byDate = list.columnCaption(column) == u"Datum";
    list.applySort(column, direction, byDate);
    ShowSortIcons(list, column);
}

void ShowSortIcons(ListView& list, int column)
{
    for (int i = 0; i < list.columnCount(); ++i)
        list.setHeaderIcon(i, QStringLiteral("Leer"));
    if (column >= 0 && column < list.columnCount()) {
        list.setHeaderIcon(column, list.sortDirection() == 1 ? QStringLiteral("Hoch")
                                                             : QStringLiteral("Runter"));
    }
}

int ColumnSubItemIndex(const ListView& list, const QString& key)
{
    return list.columnOfKey(key);
}

void ScrollListTo(ListView& list, int index)
{
    if (index < 0 || index > 32767 || index >= list.count())
        return;
    list.scrollToItem(list.entry(index), QAbstractItemView::EnsureVisible);
}

} // namespace fonkel
