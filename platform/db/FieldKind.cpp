#include "db/FieldKind.h"

#include <optional>

namespace db {

namespace {

// Built-in type OIDs; they are fixed by PostgreSQL's catalog.
constexpr unsigned kBool = 16;
constexpr unsigned kName = 19;
constexpr unsigned kInt8 = 20;
constexpr unsigned kInt2 = 21;
constexpr unsigned kInt4 = 23;
constexpr unsigned kText = 25;
constexpr unsigned kJson = 114;
constexpr unsigned kFloat4 = 700;
constexpr unsigned kFloat8 = 701;
constexpr unsigned kBpchar = 1042;
constexpr unsigned kVarchar = 1043;
constexpr unsigned kDate = 1082;
constexpr unsigned kTime = 1083;
constexpr unsigned kTimestamp = 1114;
constexpr unsigned kTimestamptz = 1184;
constexpr unsigned kNumeric = 1700;
constexpr unsigned kJsonb = 3802;

} // namespace

QString fieldKindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Text: return QStringLiteral("text");
    case FieldKind::LongText: return QStringLiteral("long text");
    case FieldKind::Boolean: return QStringLiteral("boolean");
    case FieldKind::Integer: return QStringLiteral("integer");
    case FieldKind::Float: return QStringLiteral("float");
    case FieldKind::Date: return QStringLiteral("date");
    case FieldKind::DateTime: return QStringLiteral("date and time");
    }
    return QStringLiteral("unknown");
}

bool fieldKindAccepts(FieldKind kind, unsigned typeOid)
{
    switch (kind) {
    case FieldKind::Text: return typeOid == kVarchar || typeOid == kBpchar || typeOid == kName;
    case FieldKind::LongText: return typeOid == kText || typeOid == kJson || typeOid == kJsonb;
    case FieldKind::Boolean: return typeOid == kBool;
    case FieldKind::Integer: return typeOid == kInt2 || typeOid == kInt4 || typeOid == kInt8;
    case FieldKind::Float: return typeOid == kFloat4 || typeOid == kFloat8 || typeOid == kNumeric;
    case FieldKind::Date: return typeOid == kDate;
    case FieldKind::DateTime: return typeOid == kTimestamp || typeOid == kTimestamptz;
    }
    return false;
}

namespace {

std::optional<FieldKind> acceptingKind(unsigned typeOid)
{
    for (FieldKind kind : {FieldKind::Text, FieldKind::LongText, FieldKind::Boolean,
                           FieldKind::Integer, FieldKind::Float, FieldKind::Date,
                           FieldKind::DateTime}) {
        if (fieldKindAccepts(kind, typeOid))
            return kind;
    }
    return std::nullopt;
}

} // namespace

FieldKind fieldKindOfType(unsigned typeOid)
{
    return acceptingKind(typeOid).value_or(FieldKind::LongText);
}

QString describeTypeOid(unsigned typeOid)
{
    if (const auto kind = acceptingKind(typeOid))
        return fieldKindName(*kind);
    if (typeOid == kTime)
        return QStringLiteral("time");
    return QStringLiteral("type oid %1").arg(typeOid);
}

unsigned fieldKindTypeOid(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Text: return kVarchar;
    case FieldKind::LongText: return kText;
    case FieldKind::Boolean: return kBool;
    case FieldKind::Integer: return kInt8;
    case FieldKind::Float: return kFloat8;
    case FieldKind::Date: return kDate;
    case FieldKind::DateTime: return kTimestamp;
    }
    return 0;
}

} // namespace db
