#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace db {

// Conversions between Qt values and PostgreSQL's text form (DateStyle ISO, which every connection
// of this layer sets). Dates before the common era use PostgreSQL's " BC" suffix; QDate counts
// year -1 as 1 BC, and both use the proleptic Gregorian calendar, so days map one to one.

QString dateToPg(const QDate& date);
QString dateTimeToPg(const QDateTime& dateTime);
QString floatToPg(double value);

// Each returns nullopt when the text is not in the form PostgreSQL writes.
std::optional<QDate> dateFromPg(const QString& text);
std::optional<QDateTime> dateTimeFromPg(const QString& text);

} // namespace db
