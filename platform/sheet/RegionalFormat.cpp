#include "sheet/RegionalFormat.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdio>

namespace sheet {

namespace {

std::string twoDigits(int v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string withoutTimeZone(std::string pattern)
{
    for (const char* zone : {" %Z", "%Z", " %z", "%z"}) {
        for (std::size_t at; (at = pattern.find(zone)) != std::string::npos;)
            pattern.erase(at, std::char_traits<char>::length(zone));
    }
    return pattern;
}

} // namespace

RegionalFormat RegionalFormat::fromEnvironment()
{
    RegionalFormat format;
    locale_t locale = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (!locale)
        locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (!locale)
        return format;
    format.shortDate = nl_langinfo_l(D_FMT, locale);
    std::string time = nl_langinfo_l(T_FMT, locale);
    if (time == "%r")
        time = nl_langinfo_l(T_FMT_AMPM, locale);
    format.longTime = withoutTimeZone(time);
    format.decimalSeparator = nl_langinfo_l(RADIXCHAR, locale);
    format.am = nl_langinfo_l(AM_STR, locale);
    format.pm = nl_langinfo_l(PM_STR, locale);
    freelocale(locale);
    if (format.decimalSeparator.empty())
        format.decimalSeparator = ".";
    return format;
}

std::string formatPattern(const std::string& pattern, const DateTimeParts& p, const RegionalFormat& format)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        const char d = pattern[++i];
        char buf[32];
        switch (d) {
        case 'd': out += twoDigits(p.day); break;
        case 'e': std::snprintf(buf, sizeof buf, "%2d", p.day); out += buf; break;
        case 'm': out += twoDigits(p.month); break;
        case 'Y': std::snprintf(buf, sizeof buf, "%04d", p.year); out += buf; break;
        case 'y': out += twoDigits(p.year % 100); break;
        case 'H': out += twoDigits(p.hour); break;
        case 'I': out += twoDigits(p.hour % 12 == 0 ? 12 : p.hour % 12); break;
        case 'M': out += twoDigits(p.minute); break;
        case 'S': out += twoDigits(p.second); break;
        case 'p': out += p.hour < 12 ? format.am : format.pm; break;
        case 'T': out += formatPattern("%H:%M:%S", p, format); break;
        case 'R': out += formatPattern("%H:%M", p, format); break;
        case 'D': out += formatPattern("%m/%d/%y", p, format); break;
        case 'F': out += formatPattern("%Y-%m-%d", p, format); break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '%': out += '%'; break;
        default: out += '%'; out += d; break;
        }
    }
    return out;
}

} // namespace sheet
