#pragma once

#include "CallerListEntry.h"

#include <QList>
#include <QStringList>

// The caller list as the local number database sees it: captions of its
// columns in order (column i, counted from 1, has captions[i - 1]; each
// caption names a field of the table Anrufspeicher) and its entries. The
// main window's list view plugs in through this interface.
class CallerList {
public:
    virtual ~CallerList() = default;

    virtual QStringList columnCaptions() const = 0;
    virtual void clearEntries() = 0;
    virtual void appendEntry(const CallerListEntry& entry) = 0;
};

// The caller list's standard columns.
inline QStringList standardCallerListColumns()
{
    return {QStringLiteral("Nummer"), QStringLiteral("Datum"), QStringLiteral("Ort"),
            QStringLiteral("Kontakt")};
}

// A caller list held in memory: columns and entries as plain values.
class CallerListData final : public CallerList {
public:
    explicit CallerListData(QStringList columns = standardCallerListColumns())
        : columns(std::move(columns))
    {
    }

    QStringList columnCaptions() const override { return columns; }
    void clearEntries() override { entries.clear(); }
    void appendEntry(const CallerListEntry& entry) override { entries.append(entry); }

    QStringList columns;
    QList<CallerListEntry> entries;
};
