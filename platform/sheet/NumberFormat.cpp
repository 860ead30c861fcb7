#include "sheet/NumberFormat.h"

#include <cctype>
#include <string>

namespace sheet {

NumberKind builtInKind(int id)
{
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return NumberKind::Date;
    if ((id >= 18 && id <= 21) || (id >= 45 && id <= 47) || id == 32 || id == 33)
        return NumberKind::Time;
    if (id == 22)
        return NumberKind::DateTime;
    return NumberKind::Other;
}

NumberKind classifyFormatCode(std::string_view code)
{
    bool date = false;
    bool time = false;
    // The date and time letters in order, to tell minutes from months.
    std::string letters;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == ';')
            break; // only the first section decides
        if (c == '"') {
            const std::size_t close = code.find('"', i + 1);
            if (close == std::string_view::npos)
                break;
            i = close;
            continue;
        }
        if (c == '\\' || c == '_' || c == '*') {
            ++i;
            continue;
        }
        if (c == '[') {
            const std::size_t close = code.find(']', i + 1);
            const std::string_view inside = code.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1);
            if (!inside.empty()) {
                const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(inside.front())));
                bool elapsed = first == 'h' || first == 'm' || first == 's';
                for (char e : inside)
                    elapsed = elapsed && static_cast<char>(std::tolower(static_cast<unsigned char>(e))) == first;
                if (elapsed) {
                    time = true;
                    letters += first == 'm' ? 'M' : first; // an elapsed [m] is minutes
                }
            }
            if (close == std::string_view::npos)
                break;
            i = close;
            continue;
        }
        const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (code.substr(i).size() >= 5 && (code.substr(i, 5) == "AM/PM" || code.substr(i, 5) == "am/pm")) {
            time = true;
            i += 4;
            continue;
        }
        if (code.substr(i).size() >= 3 && (code.substr(i, 3) == "A/P" || code.substr(i, 3) == "a/p")) {
            time = true;
            i += 2;
            continue;
        }
        if (lower == 'y' || lower == 'd' || lower == 'h' || lower == 's' || lower == 'm') {
            if (letters.empty() || letters.back() != lower)
                letters += lower;
            if (lower == 'y' || lower == 'd')
                date = true;
            if (lower == 'h' || lower == 's')
                time = true;
        }
    }
    // Each run of m: minutes when an h comes before it or an s after it, months otherwise.
    for (std::size_t k = 0; k < letters.size(); ++k) {
        if (letters[k] != 'm')
            continue;
        const bool afterHour = k > 0 && (letters[k - 1] == 'h');
        const bool beforeSecond = k + 1 < letters.size() && letters[k + 1] == 's';
        if (!afterHour && !beforeSecond)
            date = true;
    }
    if (date && time)
        return NumberKind::DateTime;
    if (date)
        return NumberKind::Date;
    if (time)
        return NumberKind::Time;
    return NumberKind::Other;
}

} // namespace sheet
