#include "sheet/CellReference.h"

#include "sheet/Limits.h"

namespace sheet {

std::optional<std::uint32_t> parseRowNumber(std::string_view text)
{
    if (text.empty() || text.size() > 7)
        return std::nullopt;
    std::uint32_t row = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        row = row * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (row == 0 || row > Limits::maxRows)
        return std::nullopt;
    return row;
}

std::optional<CellReference> parseCellReference(std::string_view text)
{
    std::size_t i = 0;
    std::uint32_t column = 0;
    while (i < text.size() && i < 4) {
        const char c = text[i];
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z')
            break;
        column = column * 26 + static_cast<std::uint32_t>(upper - 'A' + 1);
        ++i;
    }
    if (i == 0 || column > Limits::maxColumns)
        return std::nullopt;
    const auto row = parseRowNumber(text.substr(i));
    if (!row)
        return std::nullopt;
    return CellReference{column, *row};
}

} // namespace sheet
