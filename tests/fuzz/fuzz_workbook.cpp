// libFuzzer target over the whole workbook reader: any bytes must give a sheet or a SheetError,
// never a crash, a hang or a sanitizer report.
#include "sheet/SheetError.h"
#include "sheet/WorkbookReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const sheet::RegionalFormat format{"%d.%m.%Y", "%H:%M:%S", ",", "AM", "PM"};
    try {
        const sheet::Sheet s = sheet::readActiveSheetFromBytes(
            std::string_view(reinterpret_cast<const char*>(data), size), format);
        volatile std::size_t rows = s.rows.size();
        (void)rows;
    } catch (const sheet::SheetError&) {
        // A refused file is a correct answer.
    }
    return 0;
}
