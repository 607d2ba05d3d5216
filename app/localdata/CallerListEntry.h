#pragma once

#include <QString>
#include <QStringList>

// One entry of the caller list as the local number database stores and
// reloads it: the shown number, one sub-item text per further column, the
// contact tag and the small-icon number (1 to 11 of the icon list).
struct CallerListEntry {
    QString text;
    // subItems[i - 1] is sub-item i, the text of column i + 1 ("Datum" is
    // sub-item 1 in the standard columns).
    QStringList subItems;
    QString tag;
    int smallIcon = 0;

    // Sub-item i (1-based, as the list view counts them); "" when not set.
    QString subItem(int index) const { return subItems.value(index - 1); }
    void setSubItem(int index, const QString& value)
    {
        while (subItems.size() < index)
            subItems.append(QString());
        subItems[index - 1] = value;
    }

    bool operator==(const CallerListEntry&) const = default;
};
