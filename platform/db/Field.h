#pragma once

#include "FieldType.h"

#include <QString>
#include <QVariant>

namespace platform::db {

// Name, type and size of one column of a recordset.
struct FieldInfo {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;
};

// One field of the current record: its description and its value. The value
// is a null QVariant for a null field; dates are QDateTime, Long is qint32.
class Field {
public:
    Field(FieldInfo info, QVariant value) : m_info(std::move(info)), m_value(std::move(value)) {}

    const QString& name() const { return m_info.name; }
    FieldType type() const { return m_info.type; }
    int size() const { return m_info.size; }
    const QVariant& value() const { return m_value; }
    bool isNull() const { return m_value.isNull(); }
    // The value as text ("" for null, the display text for dates).
    QString text() const { return valueText(m_value); }

private:
    FieldInfo m_info;
    QVariant m_value;
};

} // namespace platform::db
