#pragma once

#include <QString>
#include <QVariant>

namespace platform::db {

// Field types with the numbers the Jet engine gave them (Field.Type).
enum class FieldType {
    Boolean = 1,
    Byte = 2,
    Integer = 3, // 16 bit
    Long = 4,    // 32 bit
    Currency = 5,
    Single = 6,
    Double = 7,
    Date = 8,
    Binary = 9,
    Text = 10,
    LongBinary = 11,
    Memo = 12,
};

// The column type SQLite is told for a field; it carries the field type (and
// the text size) so that it reads back the same.
QString declaredType(FieldType type, int size);

struct DeclaredType {
    FieldType type = FieldType::Text;
    int size = 0;
};
// The field type of a declared column type; an empty declaration (a computed
// column) is typed from the value it holds (storageClass: SQLITE_INTEGER ...).
DeclaredType fieldTypeOf(const QString& declared, int storageClass);

// The size a field of this type reports (Field.Size): the text size for text,
// the bytes of the value for numbers and dates, 0 for memo and long binary.
int defaultSize(FieldType type);

// Converts a value set into a field to what the column stores: dates become
// their stored text, numbers are checked, text stays text. A null QVariant
// stays null. Throws DbError 3421 for a value the field cannot take.
QVariant toStorage(FieldType type, const QVariant& value, const QString& fieldName);

// Converts what a column holds to the field's value (QDateTime for dates,
// qint32 for Long ...); null stays a null QVariant.
QVariant fromStorage(FieldType type, const QVariant& stored);

// A field's value as text: the display text for dates, "" for null.
QString valueText(const QVariant& value);

} // namespace platform::db
