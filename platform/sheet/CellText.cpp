#include "sheet/CellText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sheet {

namespace {

// Civil date from days since 1970-01-01 (Howard Hinnant's algorithm), proleptic Gregorian.
void civilFromDays(long long z, int& y, int& m, int& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

// Days from 1970-01-01 to 1899-12-30 and to 1904-01-01.
constexpr long long epoch1899 = -25569;
constexpr long long epoch1904 = -24107;
// The last serial of 31 December 9999 in each system, plus one.
constexpr double end1900 = 2958466.0;
constexpr double end1904 = 2958466.0 - 1462.0;

} // namespace

std::string generalNumberText(double value, const RegionalFormat& format)
{
    if (value == 0.0)
        return "0";
    char buf[64];
    // [-]d.dddddddddddddde[+-]xx: fifteen significant digits, correctly rounded.
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string s(buf, result.ptr);
    const bool negative = s.front() == '-';
    if (negative)
        s.erase(0, 1);
    const std::size_t e = s.find('e');
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    const int exponent = std::atoi(s.c_str() + e + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += format.decimalSeparator + digits.substr(1);
        out += 'E' + std::to_string(exponent);
        return out;
    }
    if (exponent < 0) {
        out += '0' + format.decimalSeparator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        return out;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        out += digits + std::string(integerDigits - digits.size(), '0');
    } else {
        out += digits.substr(0, integerDigits) + format.decimalSeparator + digits.substr(integerDigits);
    }
    return out;
}

std::string numberText(double value, NumberKind kind, bool date1904, const RegionalFormat& format)
{
    if (kind == NumberKind::Other || !std::isfinite(value))
        return generalNumberText(value, format);
    const double end = date1904 ? end1904 : end1900;
    if (kind != NumberKind::Time && (value < 0.0 || value >= end))
        return generalNumberText(value, format);

    // Round to the millisecond, then show whole seconds, as the time format does.
    double days = std::floor(value);
    long long ms = std::llround((value - days) * 86400000.0);
    if (ms >= 86400000LL) {
        days += 1;
        ms -= 86400000LL;
    }
    DateTimeParts parts;
    const long long seconds = ms / 1000;
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    if (kind == NumberKind::Time)
        return formatPattern(format.longTime, parts, format);

    const long long serial = static_cast<long long>(days);
    if (!date1904 && serial == 60) {
        parts.year = 1900; // the day the 1900 system counts but the calendar never had
        parts.month = 2;
        parts.day = 29;
    } else {
        // Before the false leap day the 1900 system is a day ahead of a plain count.
        const long long fromEpoch = date1904 ? epoch1904 + serial : epoch1899 + serial + (serial < 60 ? 1 : 0);
        civilFromDays(fromEpoch, parts.year, parts.month, parts.day);
    }
    std::string text = formatPattern(format.shortDate, parts, format);
    if (ms != 0)
        text += ' ' + formatPattern(format.longTime, parts, format);
    return text;
}

} // namespace sheet
