#include "tools/actsim/ActDatabase.h"

#include "tools/mkactdb/ActSchema.h"

#include <QDate>
#include <QFileInfo>

namespace actsim {

namespace {

using platform::db::dbase::DbfCursor;

// ACT!'s numbers and names of the fields mkactdb writes; user columns
// (USRnnnn) take their number from their name when the schema lacks them.
ActFieldInfo describe(const QList<actdbgen::ActField>& schema, int column, const QString& name)
{
    ActFieldInfo info{column, name, 0, name};
    for (const actdbgen::ActField& field : schema) {
        if (field.described && QString::fromLatin1(field.column.name) == name) {
            info.actId = field.actId;
            info.actName = field.actName;
            return info;
        }
    }
    if (name.startsWith(QLatin1String("USR"))) {
        bool ok = false;
        const int number = name.right(4).toInt(&ok);
        if (ok)
            info.actId = number;
    }
    return info;
}

} // namespace

bool ActTable::open(const QString& path, QString* error)
{
    platform::db::dbase::DbfTable table;
    if (!table.open(path)) {
        *error = table.error().description;
        return false;
    }
    const bool groups = path.endsWith(QLatin1String(".gdb"), Qt::CaseInsensitive);
    const QList<actdbgen::ActField>& schema =
        groups ? actdbgen::groupFields() : actdbgen::contactFields();
    QList<ActFieldInfo> fields;
    for (int i = 0; i < table.columnCount(); ++i) {
        if (!table.column(i).system)
            fields.append(describe(schema, i, table.column(i).name));
    }
    const int idColumn = table.indexOf(QStringLiteral("UNIQUE_ID"));
    if (idColumn < 0) {
        *error = QStringLiteral("%1 hat keine Spalte UNIQUE_ID.").arg(path);
        return false;
    }
    m_table = table;
    m_cursor = std::make_unique<DbfCursor>(m_table);
    m_fields = fields;
    m_idColumn = idColumn;
    return true;
}

int ActTable::columnOf(const QString& columnName) const
{
    return m_table.isOpen() ? m_table.indexOf(columnName) : -1;
}

int ActTable::columnForField(int actId) const
{
    if (actId == 0)
        return -1;
    for (const ActFieldInfo& field : m_fields) {
        if (field.actId == actId)
            return field.column;
    }
    return -1;
}

qint64 ActTable::liveRow(qint64 row, bool forward) const
{
    if (!m_cursor)
        return -1;
    for (qint64 r = row; r >= 0 && r < rowCount(); r += forward ? 1 : -1) {
        if (m_cursor->seek(r) && !m_cursor->isDeleted())
            return r;
        if (m_cursor->hasError())
            return -1;
    }
    return -1;
}

QString ActTable::text(qint64 row, int column) const
{
    if (!m_cursor || column < 0 || column >= m_table.columnCount() || !m_cursor->seek(row))
        return QString();
    const QVariant value = m_cursor->value(column);
    if (value.isNull())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Ja") : QStringLiteral("Nein");
    case QMetaType::QByteArray:
        return QString();
    default:
        return value.toString();
    }
}

QString ActTable::id(qint64 row) const
{
    const QString stored = text(row, m_idColumn);
    return stored.isEmpty() ? QString() : stored.rightJustified(12, QLatin1Char(' '));
}

qint64 ActTable::find(const QString& wanted) const
{
    if (wanted.size() != 12 || !m_cursor)
        return -1;
    for (bool more = m_cursor->first(); more; more = m_cursor->next()) {
        if (m_cursor->isDeleted())
            continue;
        const QString stored = m_cursor->value(m_idColumn).toString();
        if (!stored.isEmpty() && stored.rightJustified(12, QLatin1Char(' ')) == wanted)
            return m_cursor->index();
    }
    return -1;
}

bool ActDatabase::open(const QString& contactTablePath, QString* error)
{
    const QFileInfo info(contactTablePath);
    ActTable contacts;
    if (!contacts.open(info.absoluteFilePath(), error))
        return false;
    ActTable groups;
    const QString groupPath =
        info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".gdb");
    QString groupError;
    if (QFileInfo::exists(groupPath) && !groups.open(groupPath, &groupError)) {
        *error = groupError;
        return false;
    }
    m_path = info.absoluteFilePath();
    m_contacts = std::move(contacts);
    m_groups = std::move(groups);
    return true;
}

QString ActDatabase::baseName() const
{
    return QFileInfo(m_path).completeBaseName();
}

QString ActDatabase::historyPath() const
{
    const QFileInfo info(m_path);
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
           QStringLiteral(".historie.tsv");
}

} // namespace actsim
