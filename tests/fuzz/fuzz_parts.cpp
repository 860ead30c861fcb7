// libFuzzer target over the reader's XML parts, past the zip layer: the input is a sheet part,
// a shared-string part and a styles part separated by NUL bytes, so that mutations reach the XML
// handlers instead of failing the package's checksums.
#include "sheet/SheetError.h"
#include "sheet/WorkbookParts.h"
#include "sheet/WorkbookReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const sheet::RegionalFormat format{"%d.%m.%Y", "%H:%M:%S", ",", "AM", "PM"};
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view parts[3];
    for (std::string_view& part : parts) {
        const std::size_t cut = input.find('\0');
        part = input.substr(0, cut);
        input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    }
    try {
        std::vector<std::string> strings;
        std::vector<sheet::NumberKind> kinds;
        try {
            strings = sheet::parseSharedStrings("sharedStrings.xml", parts[1]);
        } catch (const sheet::SheetError&) {
        }
        try {
            kinds = sheet::parseCellFormats("styles.xml", parts[2]);
        } catch (const sheet::SheetError&) {
        }
        sheet::readSheetPart("sheet1.xml", parts[0], strings, kinds, size % 2 == 1, format);
    } catch (const sheet::SheetError&) {
        // A refused part is a correct answer.
    }
    return 0;
}
