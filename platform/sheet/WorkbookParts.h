#pragma once

#include "sheet/NumberFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sheet {

struct SheetEntry {
    std::string name;
    std::string relationshipId;
};

// What the workbook part says: its sheets in order, which one was active when it was saved
// (the first when none is named), and its date system.
struct WorkbookInfo {
    std::vector<SheetEntry> sheets;
    std::size_t activeTab = 0;
    bool date1904 = false;
};
WorkbookInfo parseWorkbook(const std::string& part, std::string_view xml);

// The shared-string table: plain and rich-text items (phonetic runs left out), _xHHHH_ escapes
// decoded. Fails beyond Limits::maxSharedStrings items or a string longer than a cell may hold.
std::vector<std::string> parseSharedStrings(const std::string& part, std::string_view xml);

// The number kind of each cell format (cellXfs), by index.
std::vector<NumberKind> parseCellFormats(const std::string& part, std::string_view xml);

// Decodes the _xHHHH_ escapes that the format uses for characters XML cannot carry.
std::string decodeEscapes(std::string_view text);

} // namespace sheet
