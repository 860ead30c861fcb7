#pragma once

#include <string>
#include <utility>
#include <vector>

// Writes a receipts workbook as a spreadsheet program saves one, for the benchmarks: the
// ten-column header in row 1, then the given rows of cell texts (A to J) as shared strings.
void writeReceiptsWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows);

// The sheet and shared-string parts, for writers that want numbers and dates stored as such.
struct WorkbookParts {
    std::string sheet;
    std::string sharedStrings;
};
void writeWorkbookParts(const std::string& path, const WorkbookParts& parts);

// The header texts of columns A to J.
const std::vector<std::string>& receiptHeaders();
