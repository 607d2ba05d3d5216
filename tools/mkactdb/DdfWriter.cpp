#include "DdfWriter.h"

#include "Cp1252Encoder.h"

#include <QSaveFile>

namespace actdbgen {

namespace {

void appendRun(QByteArray& out, const QByteArray& text)
{
    out.append(text);
    out.append('\0');
}

void appendField(QByteArray& out, const ActField& field, char table, int ordinal)
{
    const int id = field.actId;
    out.append(char(id & 0xFF));
    out.append(char((id >> 8) & 0xFF));
    out.append(QByteArray(6, '\0'));

    QByteArray run;
    run.append(char(field.column.name.size()));
    run.append(field.column.name);
    run.append(table);
    run.append(char(1));
    run.append(char(ordinal));
    run.append(char(int(field.actType)));
    appendRun(out, run);

    const QByteArray display = Cp1252Encoder().encode(field.actName);
    out.append(QByteArray(2, '\0'));
    out.append(char(display.size()));
    out.append(display);
    out.append(char(field.column.length));
    out.append('\0');
}

void appendSchema(QByteArray& out, const char* marker, const QList<ActField>& fields, char table)
{
    out.append(QByteArray(2, '\0'));
    appendRun(out, marker);
    out.append(QByteArray(2, '\0'));
    int ordinal = 0;
    for (const ActField& f : fields) {
        ++ordinal;
        if (f.described)
            appendField(out, f, table, ordinal);
    }
}

} // namespace

QByteArray DdfWriter::build(const QString& databaseName)
{
    QByteArray out;
    appendRun(out, "ACT! DATA DEFINITION FILE");
    appendRun(out, "VERSION 4.0");
    appendRun(out, databaseName.toUpper().toLatin1());
    appendSchema(out, "CONTACT SCHEMA", contactFields(), 'C');
    appendSchema(out, "ACTIVITY SCHEMA", activityFields(), 'A');
    appendSchema(out, "GROUP INFO SCHEMA", groupFields(), 'G');
    appendSchema(out, "SALES SCHEMA", salesFields(), 'S');
    out.append(QByteArray(16, '\0'));
    return out;
}

bool DdfWriter::write(const QString& path, const QString& databaseName, QString* error)
{
    QSaveFile file(path);
    const QByteArray bytes = build(databaseName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace actdbgen
