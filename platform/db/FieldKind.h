#pragma once

#include <QString>

namespace db {

// The kinds of value the layer knows, for result fields and parameters alike.
enum class FieldKind {
    Text,     // bounded character text (varchar, char)
    LongText, // unbounded text
    Boolean,
    Integer,
    Float,
    Date,
    DateTime, // date and time of day, no time zone
};

// A stable, readable name for messages ("text", "long text", "date and time", ...).
QString fieldKindName(FieldKind kind);

// Whether a result column of the given PostgreSQL type may fill a field of this kind.
bool fieldKindAccepts(FieldKind kind, unsigned typeOid);

// The kind a result column of this type is read as, by default: the first kind that accepts it,
// long text for a type no kind names.
FieldKind fieldKindOfType(unsigned typeOid);

// A readable name for a PostgreSQL result type: the kind it maps to, else "type oid N".
QString describeTypeOid(unsigned typeOid);

// The PostgreSQL type a parameter of this kind is sent as.
unsigned fieldKindTypeOid(FieldKind kind);

} // namespace db
