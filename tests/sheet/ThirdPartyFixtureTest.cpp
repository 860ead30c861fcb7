#include "sheet/WorkbookReader.h"

#include <gtest/gtest.h>

namespace {

// A workbook saved by another writer (openpyxl, from Debian's python3-openpyxl): dates with
// custom formats, a 16-digit number and the same as text, a second sheet that is not active.
TEST(ThirdPartyWorkbook, ReadsAsThatWriterSavedIt)
{
    const sheet::RegionalFormat ro{"%d.%m.%Y", "%H:%M:%S", ",", "AM", "PM"};
    const sheet::Sheet s = sheet::readActiveSheet(WTALVERA_FIXTURES_DIR "/receipts-openpyxl.xlsx", ro);
    EXPECT_EQ(s.name, "Incasari");
    ASSERT_EQ(s.lastRowNumber(), 3u);
    const auto text = [&](std::uint32_t row, std::uint32_t column) {
        const sheet::Cell* c = s.findRow(row)->find(column);
        return c ? c->text : std::string("<absent>");
    };
    EXPECT_EQ(text(1, 10), "Nr.fact ZUV");
    EXPECT_EQ(text(2, 1), "02.12.2026");
    EXPECT_EQ(text(2, 3), "1,23456789012346E15");
    EXPECT_EQ(text(2, 4), "250,5");
    EXPECT_EQ(text(2, 6), "Ana \"Ionescu\" Știință");
    EXPECT_EQ(text(3, 1), "03.12.2026 14:30:00");
    EXPECT_EQ(text(3, 3), "1234567890123456");
    EXPECT_EQ(text(3, 4), "-40");
    EXPECT_EQ(text(3, 7), "461");
}

} // namespace
