#include "sheet/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

using K = sheet::NumberKind;

TEST(NumberFormat, BuiltInIds)
{
    for (int id : {14, 15, 16, 17, 27, 30, 36, 50, 58})
        EXPECT_EQ(sheet::builtInKind(id), K::Date) << id;
    for (int id : {18, 19, 20, 21, 45, 46, 47})
        EXPECT_EQ(sheet::builtInKind(id), K::Time) << id;
    EXPECT_EQ(sheet::builtInKind(22), K::DateTime);
    for (int id : {0, 1, 2, 4, 9, 10, 11, 12, 13, 37, 44, 48, 49})
        EXPECT_EQ(sheet::builtInKind(id), K::Other) << id;
}

TEST(NumberFormat, CustomCodes)
{
    const std::pair<const char*, K> cases[] = {
        {"dd/mm/yyyy", K::Date},
        {"d-mmm-yy", K::Date},
        {"mmm", K::Date},
        {"[$-418]d mmmm yyyy;@", K::Date},
        {"yyyy-mm-dd hh:mm", K::DateTime},
        {"dd.mm.yyyy h:mm:ss AM/PM", K::DateTime},
        {"h:mm:ss", K::Time},
        {"mm:ss", K::Time},
        {"h AM/PM", K::Time},
        {"[h]:mm", K::Time},
        {"[mm]:ss", K::Time},
        {"[ss]", K::Time},
        {"General", K::Other},
        {"@", K::Other},
        {"#,##0.00", K::Other},
        {"0.00%", K::Other},
        {"\"day \"0", K::Other},         // quoted text
        {"0\\d", K::Other},              // an escaped d
        {"0_m", K::Other},               // a space as wide as m
        {"0*d", K::Other},               // a fill character
        {"[Red]0.00;[Blue]-0.00", K::Other},
        {"0;dd/mm/yyyy", K::Other},      // only the first section decides
        {"[$-F800]dddd, mmmm dd, yyyy", K::Date},
    };
    for (const auto& [code, kind] : cases)
        EXPECT_EQ(sheet::classifyFormatCode(code), kind) << code;
}

} // namespace
