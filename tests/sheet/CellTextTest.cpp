#include "sheet/CellText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const sheet::RegionalFormat ro{"%d.%m.%Y", "%H:%M:%S", ",", "AM", "PM"};

struct GeneralCase {
    double value;
    const char* text;
};

class GeneralNumber : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralNumber, FifteenDigitsThenExponentForm)
{
    EXPECT_EQ(sheet::generalNumberText(GetParam().value, ro), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralNumber,
    ::testing::Values(GeneralCase{0, "0"}, GeneralCase{1, "1"}, GeneralCase{-1, "-1"}, GeneralCase{2.5, "2,5"},
                      GeneralCase{0.1 + 0.2, "0,3"}, GeneralCase{1234567.89, "1234567,89"},
                      GeneralCase{-250.75, "-250,75"},
                      GeneralCase{123456789012345.0, "123456789012345"},
                      GeneralCase{999999999999999.0, "999999999999999"},
                      // 16 digits: exponent form, rounded to 15 significant digits
                      GeneralCase{1234567890123456.0, "1,23456789012346E15"},
                      GeneralCase{1e15, "1E15"}, GeneralCase{-4.5e20, "-4,5E20"},
                      GeneralCase{0.00001, "0,00001"}, GeneralCase{0.000012345, "0,000012345"},
                      GeneralCase{0.0000099, "9,9E-6"}, GeneralCase{-1.5e-7, "-1,5E-7"},
                      GeneralCase{1e308, "1E308"}, GeneralCase{100, "100"},
                      GeneralCase{0.123456789012345678, "0,123456789012346"}));

TEST(GeneralNumber, UsesTheGivenDecimalSeparator)
{
    sheet::RegionalFormat us = ro;
    us.decimalSeparator = ".";
    EXPECT_EQ(sheet::generalNumberText(2.5, us), "2.5");
    EXPECT_EQ(sheet::generalNumberText(1234567890123456.0, us), "1.23456789012346E15");
}

struct DateCase {
    double serial;
    sheet::NumberKind kind;
    bool date1904;
    const char* text;
};

class SerialDates : public ::testing::TestWithParam<DateCase> {};

TEST_P(SerialDates, CountAsTheSpreadsheetCounts)
{
    const DateCase& c = GetParam();
    EXPECT_EQ(sheet::numberText(c.serial, c.kind, c.date1904, ro), c.text) << c.serial;
}

using K = sheet::NumberKind;

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialDates,
    ::testing::Values(DateCase{1, K::Date, false, "01.01.1900"}, DateCase{59, K::Date, false, "28.02.1900"},
                      // the day the 1900 system counts but the calendar never had
                      DateCase{60, K::Date, false, "29.02.1900"}, DateCase{61, K::Date, false, "01.03.1900"},
                      DateCase{0, K::Date, false, "31.12.1899"},
                      DateCase{46000, K::Date, false, "09.12.2025"},
                      DateCase{46000.5, K::DateTime, false, "09.12.2025 12:00:00"},
                      DateCase{46000.5, K::Date, false, "09.12.2025 12:00:00"},
                      DateCase{46000, K::DateTime, false, "09.12.2025"},
                      DateCase{46000.000011574, K::Date, false, "09.12.2025 00:00:01"},
                      DateCase{2958465.999988426, K::Date, false, "31.12.9999 23:59:59"},
                      DateCase{2958466, K::Date, false, "2958466"}, DateCase{-1, K::Date, false, "-1"},
                      DateCase{0, K::Date, true, "01.01.1904"}, DateCase{44538, K::Date, true, "09.12.2025"},
                      DateCase{0.75, K::Time, false, "18:00:00"}, DateCase{1.25, K::Time, false, "06:00:00"},
                      DateCase{0.999999999, K::Time, false, "00:00:00"},
                      DateCase{12.5, K::Other, false, "12,5"}));

TEST(RegionalFormat, PatternsAndAmPm)
{
    sheet::RegionalFormat us{"%m/%d/%Y", "%I:%M:%S %p", ".", "AM", "PM"};
    EXPECT_EQ(sheet::numberText(46000.75, K::Date, false, us), "12/09/2025 06:00:00 PM");
    EXPECT_EQ(sheet::numberText(0.0, K::Time, false, us), "12:00:00 AM");
    sheet::RegionalFormat composite{"%F", "%T", ".", "AM", "PM"};
    EXPECT_EQ(sheet::numberText(46000.25, K::DateTime, false, composite), "2025-12-09 06:00:00");
}

} // namespace
