#pragma once

#include "db/FieldKind.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

namespace db {

// A declared result field of a query: the column it reads, what kind of value it expects, and
// whether the query may write it back.
struct FieldDef {
    QString name;
    FieldKind kind = FieldKind::LongText;
    int length = 0; // maximum length in characters, for text; 0 when unbounded
    bool readOnly = false;
};

// One field's value in one row, read through its declaration. Typed reads throw DbError naming
// the field when the stored text is not of the field's kind; NULL reads as empty text, 0, false
// or an invalid date.
class FieldValue {
public:
    FieldValue(const FieldDef& def, const std::optional<QString>& raw);

    const FieldDef& def() const { return *m_def; }
    bool isNull() const { return !m_raw.has_value(); }
    QString asString() const;
    qint64 asInteger() const;
    double asFloat() const;
    bool asBoolean() const;
    QDate asDate() const;
    QDateTime asDateTime() const;
    // The value as its kind's Qt type; a null QVariant for NULL.
    QVariant toVariant() const;

private:
    [[noreturn]] void failAs(const QString& what) const;

    const FieldDef* m_def;
    std::optional<QString> m_raw;
};

} // namespace db
