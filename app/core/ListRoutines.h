#pragma once

#include <QString>

namespace fonkel {

class ListView;

// Sorts a list by a column. A column the list is not sorted by yet is sorted
// in direction 0; the sorted column keeps its direction, or reverses it when
// toggle is true. The column captioned "Datum" sorts by date (direction 0:
// newest first), every other column by text (direction 0: ascending).
void SortListView(ListView& list, int column, bool toggle);

// Every header shows "Leer"; the sorted column shows "Runter" for direction 0
// and "Hoch" for direction 1.
void ShowSortIcons(ListView& list, int column);

// The sub-item index of a column key: the column's 1-based position minus
// one; -1 for a key the list does not have.
int ColumnSubItemIndex(const ListView& list, const QString& key);

// Scrolls so that the entry is visible; an index outside the list or outside
// 0 to 32767 does nothing.
void ScrollListTo(ListView& list, int index);

} // namespace fonkel
