#pragma once

#include <cstddef>
#include <cstdint>

namespace sheet {

// Excel's own limits, and caps that keep a hostile file from taking unbounded memory.
struct Limits {
    static constexpr std::uint32_t maxRows = 1048576;
    static constexpr std::uint32_t maxColumns = 16384;
    static constexpr std::size_t maxCellChars = 32767;
    // Inflated size of one part; a sheet of a million full rows is well below it.
    static constexpr std::uint64_t maxPartBytes = 2ull << 30;
    // Inflated size of the small parts (relationships, workbook, styles).
    static constexpr std::uint64_t maxSmallPartBytes = 64ull << 20;
    static constexpr std::size_t maxSharedStrings = 16u << 20;
    static constexpr std::size_t maxStyles = 65536;
};

} // namespace sheet
