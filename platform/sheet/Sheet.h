#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sheet {

// A cell the file stores, with its value rendered as text (empty for a cell stored with only a
// style). Columns and rows count from 1.
struct Cell {
    std::uint32_t column = 0;
    std::string text;
};

// A row the file stores (cells, or only formatting of the row), its cells in column order.
struct Row {
    std::uint32_t number = 0;
    std::vector<Cell> cells;

    const Cell* find(std::uint32_t column) const;
};

// The active sheet as read: its present rows in ascending order.
struct Sheet {
    std::string name;
    std::vector<Row> rows;

    const Row* findRow(std::uint32_t number) const;
    std::uint32_t lastRowNumber() const { return rows.empty() ? 0 : rows.back().number; }
};

// "A" for 1, "Z" for 26, "AA" for 27.
std::string columnLetters(std::uint32_t column);
// "E7".
std::string cellName(std::uint32_t column, std::uint32_t row);

} // namespace sheet
