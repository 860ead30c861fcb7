#pragma once

#include <string>

namespace sheet {

// The regional formats that cell text uses: date and time patterns in strftime's notation
// (%d %e %m %Y %y %H %I %M %S %p and the composites %T %R %D %F), the AM/PM words, and the
// decimal separator. Tests give it explicitly; the application takes it from the user's locale.
struct RegionalFormat {
    std::string shortDate = "%d.%m.%Y";
    std::string longTime = "%H:%M:%S";
    std::string decimalSeparator = ",";
    std::string am = "AM";
    std::string pm = "PM";

    // From the user's C-library locale (LC_TIME's D_FMT and T_FMT, LC_NUMERIC's radix), as the
    // environment sets it; a time zone in the time format is dropped.
    static RegionalFormat fromEnvironment();
};

struct DateTimeParts {
    int year = 1900;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Renders a pattern for the given parts; unknown directives are written as they stand.
std::string formatPattern(const std::string& pattern, const DateTimeParts& parts, const RegionalFormat& format);

} // namespace sheet
