#include "db/SqlStatement.h"

#include <gtest/gtest.h>

namespace {

struct StatementCase {
    const char* sql;
    const char* positional;
    std::vector<const char*> names;
};

class SqlStatementCases : public ::testing::TestWithParam<StatementCase> {};

TEST_P(SqlStatementCases, RewritesOnlyRealParameters)
{
    const StatementCase& c = GetParam();
    const db::SqlStatement statement(QString::fromUtf8(c.sql));
    EXPECT_EQ(statement.positionalSql().toStdString(), c.positional);
    QStringList expected;
    for (const char* n : c.names)
        expected << QString::fromUtf8(n);
    EXPECT_EQ(statement.parameterNames(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlStatementCases,
    ::testing::Values(
        StatementCase{"where emitent = :pEmitent and x = :pP", "where emitent = $1 and x = $2",
                      {"pEmitent", "pP"}},
        // One parameter whatever the case of its spelling; the first spelling names it.
        StatementCase{"f(:pemitent, :pEmitent, :PEMITENT)", "f($1, $1, $1)", {"pemitent"}},
        StatementCase{"select :p::date, x::text", "select $1::date, x::text", {"p"}},
        StatementCase{"select ':p', 'it''s :q', :r", "select ':p', 'it''s :q', $1", {"r"}},
        StatementCase{R"(select E'\' :p', :q)", R"(select E'\' :p', $1)", {"q"}},
        // Without the E prefix a backslash is an ordinary character.
        StatementCase{R"(select '\', :q)", R"(select '\', $1)", {"q"}},
        StatementCase{R"(select "a:p""b", :q)", R"(select "a:p""b", $1)", {"q"}},
        StatementCase{"select 1 -- :p\n, :q", "select 1 -- :p\n, $1", {"q"}},
        StatementCase{"/* :p /* nested :p */ still :p */ :q", "/* :p /* nested :p */ still :p */ $1", {"q"}},
        StatementCase{"select $$ :p $$, $tag$ :p $tag$, :q", "select $$ :p $$, $tag$ :p $tag$, $1", {"q"}},
        StatementCase{"select a[1:2], :q", "select a[1:2], $1", {"q"}},
        StatementCase{"x := 1; y :3", "x := 1; y :3", {}},
        StatementCase{"where d >= :pDataIncep ", "where d >= $1 ", {"pDataIncep"}},
        StatementCase{"select :p_1, :p_12", "select $1, $2", {"p_1", "p_12"}},
        // An unterminated literal swallows the rest: the server reports it.
        StatementCase{"select 'open :p", "select 'open :p", {}}));

TEST(SqlStatement, IndexOfIgnoresCase)
{
    const db::SqlStatement statement(QStringLiteral("select :pNumeFirma, :pX"));
    EXPECT_EQ(statement.indexOf(QStringLiteral("PNUMEFIRMA")), 0);
    EXPECT_EQ(statement.indexOf(QStringLiteral("px")), 1);
    EXPECT_EQ(statement.indexOf(QStringLiteral("pY")), -1);
}

} // namespace
