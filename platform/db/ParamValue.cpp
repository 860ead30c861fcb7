#include "db/ParamValue.h"

#include "db/DbError.h"
#include "db/PgText.h"

namespace db {

ParamValue::ParamValue(FieldKind kind, QVariant value)
    : m_kind(kind)
    , m_value(std::move(value))
{
}

ParamValue ParamValue::text(const QString& value) { return {FieldKind::Text, value}; }
ParamValue ParamValue::longText(const QString& value) { return {FieldKind::LongText, value}; }
ParamValue ParamValue::integer(qint64 value) { return {FieldKind::Integer, value}; }
ParamValue ParamValue::floating(double value) { return {FieldKind::Float, value}; }
ParamValue ParamValue::boolean(bool value) { return {FieldKind::Boolean, value}; }
ParamValue ParamValue::null(FieldKind kind) { return {kind, QVariant()}; }

ParamValue ParamValue::date(const QDate& value)
{
    return value.isValid() ? ParamValue(FieldKind::Date, value) : null(FieldKind::Date);
}

ParamValue ParamValue::dateTime(const QDateTime& value)
{
    return value.isValid() ? ParamValue(FieldKind::DateTime, value) : null(FieldKind::DateTime);
}

ParamValue ParamValue::fromVariant(FieldKind kind, const QVariant& value, const QString& what)
{
    if (!value.isValid() || value.isNull())
        return null(kind);
    const auto fail = [&]() {
        return DbError(QStringLiteral("The value \"%1\" of %2 is not a valid %3.")
                           .arg(value.toString(), what, fieldKindName(kind)));
    };
    bool ok = true;
    switch (kind) {
    case FieldKind::Text:
    case FieldKind::LongText: return {kind, value.toString()};
    case FieldKind::Boolean:
        if (value.typeId() == QMetaType::Bool)
            return boolean(value.toBool());
        {
            const QString t = value.toString().trimmed().toLower();
            if (t == QLatin1String("true") || t == QLatin1String("t") || t == QLatin1String("1"))
                return boolean(true);
            if (t == QLatin1String("false") || t == QLatin1String("f") || t == QLatin1String("0"))
                return boolean(false);
        }
        throw fail();
    case FieldKind::Integer: {
        const qint64 v = value.toLongLong(&ok);
        if (!ok)
            throw fail();
        return integer(v);
    }
    case FieldKind::Float: {
        const double v = value.toDouble(&ok);
        if (!ok)
            throw fail();
        return floating(v);
    }
    case FieldKind::Date:
        if (value.typeId() == QMetaType::QDate && value.toDate().isValid())
            return date(value.toDate());
        if (const auto d = dateFromPg(value.toString()))
            return date(*d);
        throw fail();
    case FieldKind::DateTime:
        if (value.typeId() == QMetaType::QDateTime && value.toDateTime().isValid())
            return dateTime(value.toDateTime());
        if (const auto d = dateTimeFromPg(value.toString()))
            return dateTime(*d);
        throw fail();
    }
    throw fail();
}

std::optional<QString> ParamValue::toPgText() const
{
    if (isNull())
        return std::nullopt;
    switch (m_kind) {
    case FieldKind::Text:
    case FieldKind::LongText: return m_value.toString();
    case FieldKind::Boolean: return m_value.toBool() ? QStringLiteral("t") : QStringLiteral("f");
    case FieldKind::Integer: return QString::number(m_value.toLongLong());
    case FieldKind::Float: return floatToPg(m_value.toDouble());
    case FieldKind::Date: return dateToPg(m_value.toDate());
    case FieldKind::DateTime: return dateTimeToPg(m_value.toDateTime());
    }
    return std::nullopt;
}

} // namespace db
