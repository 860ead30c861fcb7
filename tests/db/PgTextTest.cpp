#include "db/ParamValue.h"
#include "db/PgText.h"

#include <gtest/gtest.h>

namespace {

struct DateCase {
    QDate date;
    const char* text;
};

class PgDateCases : public ::testing::TestWithParam<DateCase> {};

TEST_P(PgDateCases, RoundTrips)
{
    const DateCase& c = GetParam();
    EXPECT_EQ(db::dateToPg(c.date).toStdString(), c.text);
    const auto back = db::dateFromPg(QString::fromUtf8(c.text));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, c.date);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PgDateCases,
    ::testing::Values(DateCase{QDate(2026, 12, 11), "2026-12-11"},
                      DateCase{QDate(1899, 12, 30), "1899-12-30"},
                      DateCase{QDate(33, 1, 2), "0033-01-02"},
                      // QDate's year -1 is 1 BC, the year before year 1.
                      DateCase{QDate(-1, 12, 31), "0001-12-31 BC"},
                      DateCase{QDate(-18, 1, 1), "0018-01-01 BC"}));

TEST(PgText, RejectsWhatPostgresDoesNotWrite)
{
    for (const char* text : {"", "2026-13-01", "2026-02-30", "11.12.2026", "0000-01-01", "2026-1-1"})
        EXPECT_FALSE(db::dateFromPg(QString::fromUtf8(text)).has_value()) << text;
}

TEST(PgText, ReadsTimestampsWithFractionsAndEras)
{
    EXPECT_EQ(db::dateTimeFromPg(QStringLiteral("2026-12-11 14:05:09.123456")),
              QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9, 123)));
    EXPECT_EQ(db::dateTimeFromPg(QStringLiteral("2026-12-11 14:05:09")),
              QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9)));
    EXPECT_EQ(db::dateTimeFromPg(QStringLiteral("0010-01-01 00:00:00 BC")),
              QDateTime(QDate(-10, 1, 1), QTime(0, 0)));
    EXPECT_FALSE(db::dateTimeFromPg(QStringLiteral("2026-12-11 25:00:00")).has_value());
}

TEST(PgText, FloatsKeepEveryBit)
{
    for (double v : {0.1, -1234.5678, 1e300, 5e-324, 123456789012345678.0}) {
        const QString text = db::floatToPg(v);
        EXPECT_EQ(text.toDouble(), v) << text.toStdString();
    }
}

TEST(ParamValue, NullDateOfTheDateBoxIsAnOrdinaryDate)
{
    // The date box's empty value: day -700000 counted from 30 December 1899.
    const QDate nullDate = QDate(1899, 12, 30).addDays(-700000);
    const db::ParamValue p = db::ParamValue::date(nullDate);
    EXPECT_FALSE(p.isNull());
    ASSERT_TRUE(p.toPgText().has_value());
    EXPECT_TRUE(p.toPgText()->endsWith(QStringLiteral(" BC")));
    EXPECT_EQ(db::dateFromPg(*p.toPgText()), nullDate);
}

TEST(ParamValue, ReadsVariantsAsTheirKindOrSaysWhy)
{
    EXPECT_EQ(db::ParamValue::fromVariant(db::FieldKind::Float, QStringLiteral("12.5"), QStringLiteral("x"))
                  .toPgText(),
              QStringLiteral("12.5"));
    EXPECT_TRUE(db::ParamValue::fromVariant(db::FieldKind::Date, QVariant(), QStringLiteral("x")).isNull());
    try {
        db::ParamValue::fromVariant(db::FieldKind::Integer, QStringLiteral("doi"), QStringLiteral("suma"));
        FAIL() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "The value \"doi\" of suma is not a valid integer.");
    }
}

} // namespace
