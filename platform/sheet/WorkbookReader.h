#pragma once

#include "sheet/NumberFormat.h"
#include "sheet/RegionalFormat.h"
#include "sheet/Sheet.h"

#include <string>
#include <string_view>
#include <vector>

namespace sheet {

// Reads the active sheet of an .xlsx workbook: the package's parts are found through their
// relationships (_rels/.rels -> workbook -> workbook relationships -> sheet, shared strings,
// styles), never by fixed names. Each present cell's value is rendered as text with `format`.
// Throws SheetError with a message naming the part, and the cell where there is one; a file that
// is not a workbook at all gives "Unsupported document format".
Sheet readActiveSheet(const std::string& path, const RegionalFormat& format);
// The same for a workbook held in memory.
Sheet readActiveSheetFromBytes(std::string_view bytes, const RegionalFormat& format);

// Reads one sheet part's XML, given the workbook's shared strings and cell formats.
Sheet readSheetPart(const std::string& part, std::string_view xml, const std::vector<std::string>& sharedStrings,
                    const std::vector<NumberKind>& cellFormats, bool date1904, const RegionalFormat& format);

} // namespace sheet
