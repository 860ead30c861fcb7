#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sheet {

struct CellReference {
    std::uint32_t column = 0;
    std::uint32_t row = 0;
};

// Parses "B7" (letters then digits, nothing else) with checked arithmetic; nullopt when it is not
// such a reference or lies beyond the sheet's limits.
std::optional<CellReference> parseCellReference(std::string_view text);
// Parses a row number attribute ("7"); nullopt when not a number within the limits.
std::optional<std::uint32_t> parseRowNumber(std::string_view text);

} // namespace sheet
