#pragma once

#include "sheet/NumberFormat.h"
#include "sheet/RegionalFormat.h"

#include <string>

namespace sheet {

// A number in general form: up to 15 significant digits, the decimal separator, no grouping;
// exponent form ("1,23456789012346E15", "1E-6") when there are more than 15 digits before the
// decimal separator or the value is below 0.00001.
std::string generalNumberText(double value, const RegionalFormat& format);

// A number shown through a format of the given kind: a date or date and time from 0 up to
// 31 December 9999 as the short date (then a space and the long time when the time of day is not
// midnight), a time as the long time; anything else, and a date outside that range, in general
// form. Serials count as the spreadsheet counts them: 1 is 1 January 1900, 60 the 29 February
// 1900 that the 1900 system pretends existed (written as such), 61 is 1 March 1900; in the 1904
// system 0 is 1 January 1904.
std::string numberText(double value, NumberKind kind, bool date1904, const RegionalFormat& format);

} // namespace sheet
