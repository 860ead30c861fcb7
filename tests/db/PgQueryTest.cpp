#include "db/DbError.h"
#include "db/PgConnection.h"
#include "db/PgQuery.h"
#include "support/Sandbox.h"

#include <gtest/gtest.h>

using namespace testing_support;
using db::FieldKind;

namespace {

class PgQueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch.run(QStringLiteral(R"(
            create table sample (d date, nr text, n integer, f double precision, b boolean,
                                 ts timestamp, v varchar(10), memo text);
            insert into sample values
                ('2026-01-02', 'A', 1, 1.5, true, '2026-01-02 10:11:12', 'unu', 'primul'),
                ('2026-01-03', 'B', null, null, null, null, null, null),
                ('2026-01-04', 'C', -7, -0.25, false, '2026-01-04 00:00:00', 'trei', 'al treilea');
        )"));
        query.setSql(QStringList{QStringLiteral("select *"), QStringLiteral("from sample"),
                                 QStringLiteral("where d >= :pDataIncep"), QStringLiteral("order by d, nr"),
                                 QStringLiteral(";")});
        query.setParam(QStringLiteral("pdataincep"), db::ParamValue::date(QDate(2026, 1, 1)));
        query.setKeyFields(QStringLiteral("d; nr;"));
    }

    static std::vector<db::FieldDef> sampleFields()
    {
        return {{QStringLiteral("d"), FieldKind::Date},      {QStringLiteral("nr"), FieldKind::LongText},
                {QStringLiteral("n"), FieldKind::Integer},   {QStringLiteral("f"), FieldKind::Float},
                {QStringLiteral("b"), FieldKind::Boolean},   {QStringLiteral("ts"), FieldKind::DateTime},
                {QStringLiteral("v"), FieldKind::Text, 10}};
    }

    QString currentNr() const { return query.value(QStringLiteral("nr")).asString(); }

    ScratchDatabase scratch;
    db::PgConnection connection{QStringLiteral("conZuv"), db::ConnectionMode::PerRequest, scratch.settings()};
    db::PgQuery query{connection, QStringLiteral("dsSample")};
};

TEST_F(PgQueryTest, ReadsDeclaredFieldsTypedAndNullAware)
{
    query.setFields(sampleFields());
    query.open();
    ASSERT_TRUE(query.isOpen());
    ASSERT_EQ(query.recordCount(), 3);
    EXPECT_EQ(query.currentRow(), 0);
    EXPECT_EQ(query.value(QStringLiteral("d")).asDate(), QDate(2026, 1, 2));
    EXPECT_EQ(query.value(QStringLiteral("N")).asInteger(), 1) << "field names ignore case";
    EXPECT_EQ(query.value(QStringLiteral("f")).asFloat(), 1.5);
    EXPECT_TRUE(query.value(QStringLiteral("b")).asBoolean());
    EXPECT_EQ(query.value(QStringLiteral("ts")).asDateTime(), QDateTime(QDate(2026, 1, 2), QTime(10, 11, 12)));
    EXPECT_EQ(query.value(QStringLiteral("v")).asString(), QStringLiteral("unu"));

    query.next();
    for (const char* name : {"n", "f", "b", "ts", "v"}) {
        const db::FieldValue v = query.value(QString::fromUtf8(name));
        EXPECT_TRUE(v.isNull()) << name;
        EXPECT_FALSE(v.toVariant().isValid()) << name;
    }
    EXPECT_EQ(query.value(QStringLiteral("n")).asInteger(), 0);
    EXPECT_EQ(query.value(QStringLiteral("v")).asString(), QString());
    EXPECT_EQ(query.value(2, QStringLiteral("n")).asInteger(), -7);
}

TEST_F(PgQueryTest, ExtraColumnsAreIgnored)
{
    query.setFields({{QStringLiteral("nr"), FieldKind::LongText}});
    query.open();
    ASSERT_EQ(query.fields().size(), 1u);
    EXPECT_EQ(query.fieldIndex(QStringLiteral("memo")), -1);
    EXPECT_THROW(query.value(QStringLiteral("memo")), db::DbError);
}

struct DeclarationCase {
    db::FieldDef field;
    const char* message;
};

class DeclaredFieldErrors : public PgQueryTest, public ::testing::WithParamInterface<DeclarationCase> {};

TEST_P(DeclaredFieldErrors, FailTheOpenWithTheLayersMessage)
{
    query.setFields({{QStringLiteral("nr"), FieldKind::LongText}, GetParam().field});
    try {
        query.open();
        FAIL() << "opened";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message().toStdString(), GetParam().message);
    }
    EXPECT_FALSE(query.isOpen());
    EXPECT_EQ(query.recordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeclaredFieldErrors,
    ::testing::Values(
        DeclarationCase{{QStringLiteral("lipsa"), FieldKind::Text}, "Field 'lipsa' not found"},
        DeclarationCase{{QStringLiteral("n"), FieldKind::LongText},
                        "Type mismatch for field 'n', expecting: long text actual: integer"},
        DeclarationCase{{QStringLiteral("memo"), FieldKind::Text, 50},
                        "Type mismatch for field 'memo', expecting: text actual: long text"},
        DeclarationCase{{QStringLiteral("v"), FieldKind::LongText},
                        "Type mismatch for field 'v', expecting: long text actual: text"},
        DeclarationCase{{QStringLiteral("ts"), FieldKind::Date},
                        "Type mismatch for field 'ts', expecting: date actual: date and time"},
        DeclarationCase{{QStringLiteral("b"), FieldKind::Integer},
                        "Type mismatch for field 'b', expecting: integer actual: boolean"}));

TEST_F(PgQueryTest, TypedReadsNameTheFieldWhenTheTextDoesNotFit)
{
    // Read through undeclared fields so that a text column can be read as a number.
    query.open();
    try {
        query.value(QStringLiteral("nr")).asInteger();
        FAIL() << "read 'A' as an integer";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Field 'nr' holds \"A\", which is not a valid integer."));
    }
}

TEST_F(PgQueryTest, WithoutDeclarationsEveryColumnIsAField)
{
    query.open();
    ASSERT_EQ(query.fields().size(), 8u);
    EXPECT_EQ(query.fields()[0].kind, FieldKind::Date);
    EXPECT_EQ(query.fields()[6].kind, FieldKind::Text);
    EXPECT_EQ(query.fields()[7].kind, FieldKind::LongText);
}

TEST_F(PgQueryTest, CursorMovesAndStopsAtTheEnds)
{
    query.open();
    query.open(); // open when open does nothing
    query.next();
    query.next();
    EXPECT_EQ(currentNr(), QStringLiteral("C"));
    EXPECT_FALSE(query.eof());
    query.next();
    EXPECT_TRUE(query.eof());
    EXPECT_EQ(currentNr(), QStringLiteral("C"));
    query.first();
    EXPECT_FALSE(query.eof());
    EXPECT_EQ(currentNr(), QStringLiteral("A"));
    EXPECT_THROW(query.setCurrentRow(3), db::DbError);
    query.close();
    EXPECT_FALSE(query.isOpen());
    EXPECT_EQ(query.currentRow(), -1);
    EXPECT_THROW(query.value(QStringLiteral("nr")), db::DbError);
}

TEST_F(PgQueryTest, RefreshKeepsTheCurrentRowOnItsKey)
{
    query.open();
    query.setCurrentRow(1);
    ASSERT_EQ(currentNr(), QStringLiteral("B"));
    scratch.run(QStringLiteral("insert into sample (d, nr) values ('2026-01-01', 'Z'), ('2026-01-03', 'A')"));
    query.refresh();
    EXPECT_EQ(query.recordCount(), 5);
    EXPECT_EQ(query.currentRow(), 3);
    EXPECT_EQ(currentNr(), QStringLiteral("B"));
}

TEST_F(PgQueryTest, RefreshFallsBackToTheFirstRow)
{
    query.open();
    query.setCurrentRow(2);
    scratch.run(QStringLiteral("delete from sample where nr = 'C'"));
    query.refresh();
    EXPECT_EQ(query.recordCount(), 2);
    EXPECT_EQ(query.currentRow(), 0);

    // Under a new parameter value that lists nothing, there is no current row.
    query.setParam(QStringLiteral("pDataIncep"), db::ParamValue::date(QDate(2030, 1, 1)));
    query.refresh();
    EXPECT_TRUE(query.isEmpty());
    EXPECT_EQ(query.currentRow(), -1);
}

TEST_F(PgQueryTest, AFailedRefreshKeepsTheRowsItHad)
{
    query.setFields(sampleFields());
    query.open();
    query.setCurrentRow(2);
    scratch.run(QStringLiteral("alter table sample drop column v"));
    EXPECT_THROW(query.refresh(), db::DbError);
    EXPECT_TRUE(query.isOpen());
    EXPECT_EQ(query.recordCount(), 3);
    EXPECT_EQ(currentNr(), QStringLiteral("C"));
}

} // namespace
