#include "TableDef.h"

#include "JetSql.h"

namespace platform::db {

namespace {

template <typename T> const T* findByName(const QList<T>& items, const QString& name)
{
    const QString wanted = name.toCaseFolded();
    for (const T& item : items) {
        if (item.name.toCaseFolded() == wanted)
            return &item;
    }
    return nullptr;
}

} // namespace

const FieldDef* TableDef::field(const QString& fieldName) const
{
    return findByName(fields, fieldName);
}

const IndexDef* TableDef::index(const QString& indexName) const
{
    return findByName(indexes, indexName);
}

QString createTableSql(const TableDef& def)
{
    QStringList columns;
    for (const FieldDef& field : def.fields) {
        const QString name = JetSql::quoteName(field.name);
        const int size = field.size > 0 ? field.size : defaultSize(field.type);
        QString column = name + u' ' + declaredType(field.type, size);
        if (field.required)
            column += QStringLiteral(" NOT NULL");
        if (field.type == FieldType::Text)
            column += QStringLiteral(" CONSTRAINT %1 CHECK (length(%2) <= %3)")
                          .arg(JetSql::quoteName(u"FieldSize:" + field.name), name)
                          .arg(size);
        if ((field.type == FieldType::Text || field.type == FieldType::Memo) &&
            !field.allowZeroLength)
            column += QStringLiteral(" CONSTRAINT %1 CHECK (%2 <> '')")
                          .arg(JetSql::quoteName(u"ZeroLength:" + field.name), name);
        columns.append(column);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(JetSql::quoteName(def.name), columns.join(QStringLiteral(", ")));
}

} // namespace platform::db
