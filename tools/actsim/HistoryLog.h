#pragma once

#include <QList>
#include <QString>

namespace actsim {

// One recorded history entry, stored with its contact.
struct HistoryEntry {
    QString contactId; // UNIQUE_ID as ACT! hands it out (12 characters)
    QString contactName;
    QString date;
    QString time;
    QString type; // "Anruf", "Besprechung", ...
    QString regarding;

    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

// The history entries of a database, in a tab-separated UTF-8 file of their
// own beside it (the contact table is never written). One header line, then
// one line per entry; tabs and line breaks inside values become blanks.
namespace HistoryLog {

// Appends the entry; false (and why in *error) when the file cannot be written.
bool append(const QString& path, const HistoryEntry& entry, QString* error);
// Every entry in the file, oldest first; empty when there is no file.
QList<HistoryEntry> read(const QString& path);

} // namespace HistoryLog

} // namespace actsim
