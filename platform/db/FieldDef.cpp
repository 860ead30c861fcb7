#include "db/FieldDef.h"

#include "db/DbError.h"
#include "db/PgText.h"

#include <limits>

namespace db {

FieldValue::FieldValue(const FieldDef& def, const std::optional<QString>& raw)
    : m_def(&def)
    , m_raw(raw)
{
}

void FieldValue::failAs(const QString& what) const
{
    throw DbError(QStringLiteral("Field '%1' holds \"%2\", which is not a valid %3.")
                      .arg(m_def->name, *m_raw, what));
}

QString FieldValue::asString() const
{
    return m_raw.value_or(QString());
}

qint64 FieldValue::asInteger() const
{
    if (!m_raw)
        return 0;
    bool ok = false;
    const qint64 v = m_raw->toLongLong(&ok);
    if (!ok)
        failAs(QStringLiteral("integer"));
    return v;
}

double FieldValue::asFloat() const
{
    if (!m_raw)
        return 0.0;
    if (*m_raw == QLatin1String("NaN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (*m_raw == QLatin1String("Infinity"))
        return std::numeric_limits<double>::infinity();
    if (*m_raw == QLatin1String("-Infinity"))
        return -std::numeric_limits<double>::infinity();
    bool ok = false;
    const double v = m_raw->toDouble(&ok);
    if (!ok)
        failAs(QStringLiteral("number"));
    return v;
}

bool FieldValue::asBoolean() const
{
    if (!m_raw)
        return false;
    if (*m_raw == QLatin1String("t"))
        return true;
    if (*m_raw == QLatin1String("f"))
        return false;
    failAs(QStringLiteral("boolean"));
}

QDate FieldValue::asDate() const
{
    if (!m_raw)
        return {};
    if (const auto d = dateFromPg(*m_raw))
        return *d;
    // A date read from a date-and-time column keeps its day.
    if (const auto dt = dateTimeFromPg(*m_raw))
        return dt->date();
    failAs(QStringLiteral("date"));
}

QDateTime FieldValue::asDateTime() const
{
    if (!m_raw)
        return {};
    if (const auto dt = dateTimeFromPg(*m_raw))
        return *dt;
    if (const auto d = dateFromPg(*m_raw))
        return QDateTime(*d, QTime(0, 0));
    failAs(QStringLiteral("date and time"));
}

QVariant FieldValue::toVariant() const
{
    if (!m_raw)
        return {};
    switch (m_def->kind) {
    case FieldKind::Text:
    case FieldKind::LongText: return *m_raw;
    case FieldKind::Boolean: return asBoolean();
    case FieldKind::Integer: return asInteger();
    case FieldKind::Float: return asFloat();
    case FieldKind::Date: return asDate();
    case FieldKind::DateTime: return asDateTime();
    }
    return *m_raw;
}

} // namespace db
