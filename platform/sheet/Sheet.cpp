#include "sheet/Sheet.h"

#include <algorithm>

namespace sheet {

const Cell* Row::find(std::uint32_t column) const
{
    const auto it = std::lower_bound(cells.begin(), cells.end(), column,
                                     [](const Cell& c, std::uint32_t col) { return c.column < col; });
    return it != cells.end() && it->column == column ? &*it : nullptr;
}

const Row* Sheet::findRow(std::uint32_t number) const
{
    const auto it = std::lower_bound(rows.begin(), rows.end(), number,
                                     [](const Row& r, std::uint32_t n) { return r.number < n; });
    return it != rows.end() && it->number == number ? &*it : nullptr;
}

std::string columnLetters(std::uint32_t column)
{
    std::string letters;
    while (column > 0) {
        const std::uint32_t rest = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + rest));
        column = (column - 1) / 26;
    }
    return letters;
}

std::string cellName(std::uint32_t column, std::uint32_t row)
{
    return columnLetters(column) + std::to_string(row);
}

} // namespace sheet
