#pragma once

#include "db/FieldKind.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

namespace db {

// A typed parameter value, NULL included. It is sent to the server as a libpq parameter in
// PostgreSQL's text form with the type of its kind; it never becomes part of SQL text.
class ParamValue {
public:
    static ParamValue text(const QString& value);
    static ParamValue longText(const QString& value);
    static ParamValue date(const QDate& value);
    static ParamValue dateTime(const QDateTime& value);
    static ParamValue integer(qint64 value);
    static ParamValue floating(double value);
    static ParamValue boolean(bool value);
    static ParamValue null(FieldKind kind);
    // A value of the given kind from a QVariant; a null QVariant gives NULL. Throws DbError when
    // the variant cannot be read as that kind.
    static ParamValue fromVariant(FieldKind kind, const QVariant& value, const QString& what);

    FieldKind kind() const { return m_kind; }
    bool isNull() const { return !m_value.isValid(); }
    const QVariant& value() const { return m_value; }

    // PostgreSQL's text form of the value, or nullopt for NULL.
    std::optional<QString> toPgText() const;

private:
    ParamValue(FieldKind kind, QVariant value);

    FieldKind m_kind;
    QVariant m_value;
};

} // namespace db
