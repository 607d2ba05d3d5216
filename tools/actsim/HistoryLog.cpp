#include "tools/actsim/HistoryLog.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

namespace actsim::HistoryLog {

namespace {

const QString header = QStringLiteral("UNIQUE_ID\tName\tDatum\tUhrzeit\tArt\tBetreff");

QString clean(QString value)
{
    for (QChar& c : value) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return value;
}

} // namespace

bool append(const QString& path, const HistoryEntry& entry, QString* error)
{
    QFile file(path);
    const bool isNew = !file.exists() || file.size() == 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        *error = file.errorString();
        return false;
    }
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    if (isNew)
        out << header << '\n';
    const QStringList values{entry.contactId, entry.contactName, entry.date,
                             entry.time,      entry.type,        entry.regarding};
    QStringList cleaned;
    for (const QString& value : values)
        cleaned << clean(value);
    out << cleaned.join(QLatin1Char('\t')) << '\n';
    out.flush();
    if (out.status() != QTextStream::Ok || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QList<HistoryEntry> read(const QString& path)
{
    QList<HistoryEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    bool first = true;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (first) {
            first = false;
            if (line == header)
                continue;
        }
        const QStringList v = line.split(QLatin1Char('\t'));
        if (v.size() != 6)
            continue;
        entries.append({v.at(0), v.at(1), v.at(2), v.at(3), v.at(4), v.at(5)});
    }
    return entries;
}

} // namespace actsim::HistoryLog
