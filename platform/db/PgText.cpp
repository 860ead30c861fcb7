#include "db/PgText.h"

#include <QRegularExpression>
#include <QTime>

#include <cmath>

namespace db {

namespace {

// PostgreSQL year text for a QDate year (which has no year 0).
QString yearToPg(int year, bool* bc)
{
    *bc = year < 0;
    return QStringLiteral("%1").arg(*bc ? -year : year, 4, 10, QLatin1Char('0'));
}

std::optional<QDate> dateFromParts(const QString& year, const QString& month, const QString& day,
                                   bool bc)
{
    bool ok = false;
    int y = year.toInt(&ok);
    if (!ok || y == 0)
        return std::nullopt;
    const QDate date(bc ? -y : y, month.toInt(), day.toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

QString dateToPg(const QDate& date)
{
    bool bc = false;
    const QString year = yearToPg(date.year(), &bc);
    QString text = year % QLatin1Char('-')
                   % QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'))
                   % QLatin1Char('-') % QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    if (bc)
        text += QStringLiteral(" BC");
    return text;
}

QString dateTimeToPg(const QDateTime& dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    QString text = dateToPg(date);
    const bool bc = text.endsWith(QStringLiteral(" BC"));
    if (bc)
        text.chop(3);
    text += QLatin1Char(' ') % time.toString(QStringLiteral("HH:mm:ss.zzz"));
    if (bc)
        text += QStringLiteral(" BC");
    return text;
}

QString floatToPg(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    // 17 significant digits round-trip every double exactly.
    return QString::number(value, 'g', 17);
}

std::optional<QDate> dateFromPg(const QString& text)
{
    static const QRegularExpression form(QStringLiteral(R"(^(\d{4,})-(\d{2})-(\d{2})( BC)?$)"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return dateFromParts(match.captured(1), match.captured(2), match.captured(3),
                         match.capturedLength(4) > 0);
}

std::optional<QDateTime> dateTimeFromPg(const QString& text)
{
    static const QRegularExpression form(QStringLiteral(
        R"(^(\d{4,})-(\d{2})-(\d{2}) (\d{2}):(\d{2}):(\d{2})(?:\.(\d{1,6}))?([+-]\d{2}(?::?\d{2})?)?( BC)?$)"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const auto date = dateFromParts(match.captured(1), match.captured(2), match.captured(3),
                                    match.capturedLength(9) > 0);
    if (!date)
        return std::nullopt;
    const QString fraction = match.captured(7).leftJustified(3, QLatin1Char('0')).left(3);
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt(), fraction.toInt());
    if (!time.isValid())
        return std::nullopt;
    // The layer works in the server's wall-clock time; an offset, if any, is not applied.
    return QDateTime(*date, time);
}

} // namespace db
