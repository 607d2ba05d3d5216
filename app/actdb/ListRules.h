#pragma once

#include <QString>

// The separated lists of the ACT! classes: column lists joined by ",", and
// the excluded phone fields joined by ";".

// The number of items: 0 for an empty list, otherwise one more than the
// separators found from the second character on (a leading separator is
// not counted).
int CountListItems(const QString& list, const QString& separator);

// Item k, counted from 1: the text between the (k-1)-th and the k-th
// separator, or from the last separator to the end, blanks trimmed at both
// ends. Empty for an item that does not exist.
QString GetListItem(const QString& list, const QString& separator, int k);
