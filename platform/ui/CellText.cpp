#include "ui/CellText.h"

#include <QDate>
#include <QDateTime>

namespace ui {

QString cellText(const QVariant& value, const QString& format, const QLocale& locale)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return format.isEmpty() ? locale.toString(value.toDate(), QLocale::ShortFormat)
                                : value.toDate().toString(format);
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (!format.isEmpty())
            return dt.toString(format);
        return locale.toString(dt.date(), QLocale::ShortFormat) + QLatin1Char(' ')
               + locale.toString(dt.time(), QLocale::LongFormat);
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(value.toDouble(), 'g', 15);
    }
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

} // namespace ui
