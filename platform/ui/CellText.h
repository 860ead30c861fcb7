#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

namespace ui {

// How a grid shows a value: dates in the locale's short date format (or `format` when given),
// dates and times with `format` or the short date and long time, numbers in general form with up
// to 15 significant digits, the locale's decimal separator and no digit grouping; NULL as nothing.
QString cellText(const QVariant& value, const QString& format, const QLocale& locale = QLocale::system());

} // namespace ui
