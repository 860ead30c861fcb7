#include "db/DbError.h"
#include "db/PgConnection.h"
#include "db/PgQuery.h"
#include "support/Sandbox.h"

#include <gtest/gtest.h>

using namespace testing_support;
using db::FieldKind;

namespace {

// Write-back against a copy of the receipt log's table shape: no unique key, so that two rows
// with the same key can exist.
class RowWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch.run(QStringLiteral(R"(
            insert into log_incasari_deb_cred_diversi (data_ch_inc, nr_ch_inc, suma_incasata, moneda)
            values ('2026-03-01', 'R1', 10, 'RON'), ('2026-03-02', 'R2', 20, 'RON'),
                   ('2026-03-02', 'R2', 21, 'EUR'), ('2026-03-03', null, 30, 'RON');
        )"));
        query.setSql(QStringLiteral("select l.*, upper(l.moneda)::varchar(3) as moneda_sus "
                                    "from log_incasari_deb_cred_diversi l order by data_ch_inc, suma_incasata"));
        query.setFields({{QStringLiteral("data_log"), FieldKind::DateTime},
                         {QStringLiteral("data_ch_inc"), FieldKind::Date},
                         {QStringLiteral("nr_ch_inc"), FieldKind::LongText},
                         {QStringLiteral("suma_incasata"), FieldKind::Float},
                         {QStringLiteral("moneda"), FieldKind::LongText},
                         {QStringLiteral("err_ins_zuv"), FieldKind::LongText},
                         {QStringLiteral("moneda_sus"), FieldKind::Text, 3, true}});
        query.setKeyFields(QStringLiteral("data_ch_inc; nr_ch_inc;"));
        query.setUpdateTable(QStringLiteral("log_incasari_deb_cred_diversi"));
        query.open();
        ASSERT_EQ(query.recordCount(), 4);
    }

    QString server(const QString& sql) const { return scratch.scalar(sql); }

    ScratchDatabase scratch;
    db::PgConnection connection{QStringLiteral("conZuv"), db::ConnectionMode::PerRequest, scratch.settings()};
    db::PgQuery query{connection, QStringLiteral("dsLog")};
};

TEST_F(RowWriterTest, UpdateWritesByKeyAndKeepsTheRowLocally)
{
    const QString hostile = QStringLiteral("'); delete from log_incasari_deb_cred_diversi; --");
    query.updateRow(0, {{QStringLiteral("moneda"), hostile}, {QStringLiteral("suma_incasata"), 12.75}});
    EXPECT_EQ(server(QStringLiteral("select moneda || '|' || suma_incasata from log_incasari_deb_cred_diversi where nr_ch_inc = 'R1'")),
              hostile + QStringLiteral("|12.75"));
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi")), QStringLiteral("4"));
    EXPECT_EQ(query.value(0, QStringLiteral("moneda")).asString(), hostile);
    EXPECT_EQ(query.value(0, QStringLiteral("suma_incasata")).asFloat(), 12.75);
}

TEST_F(RowWriterTest, ChangingTheKeyItselfFindsTheRowByItsOldKey)
{
    query.updateRow(0, {{QStringLiteral("nr_ch_inc"), QStringLiteral("R1-bis")}});
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi where nr_ch_inc = 'R1-bis'")),
              QStringLiteral("1"));
    // The new key is the one the next write uses.
    query.updateRow(0, {{QStringLiteral("moneda"), QStringLiteral("USD")}});
    EXPECT_EQ(server(QStringLiteral("select moneda from log_incasari_deb_cred_diversi where nr_ch_inc = 'R1-bis'")),
              QStringLiteral("USD"));
}

TEST_F(RowWriterTest, ANullKeyIsFoundAsNull)
{
    query.updateRow(3, {{QStringLiteral("moneda"), QStringLiteral("EUR")}});
    EXPECT_EQ(server(QStringLiteral("select moneda from log_incasari_deb_cred_diversi where nr_ch_inc is null")),
              QStringLiteral("EUR"));
}

TEST_F(RowWriterTest, AnUpdateThatHitsTwoRowsChangesNothing)
{
    try {
        query.updateRow(1, {{QStringLiteral("moneda"), QStringLiteral("USD")}});
        FAIL() << "updated two rows";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("Update failed: 2 rows of table log_incasari_deb_cred_diversi have "
                                 "data_ch_inc = \"2026-03-02\", nr_ch_inc = \"R2\"; exactly one was "
                                 "expected. Nothing was changed."));
    }
    EXPECT_EQ(server(QStringLiteral("select string_agg(moneda, ',' order by moneda) from log_incasari_deb_cred_diversi where nr_ch_inc = 'R2'")),
              QStringLiteral("EUR,RON"));
    EXPECT_EQ(query.value(1, QStringLiteral("moneda")).asString(), QStringLiteral("RON"));
}

TEST_F(RowWriterTest, AnUpdateOfARowThatIsGoneFails)
{
    scratch.run(QStringLiteral("delete from log_incasari_deb_cred_diversi where nr_ch_inc = 'R1'"));
    try {
        query.updateRow(0, {{QStringLiteral("moneda"), QStringLiteral("USD")}});
        FAIL() << "updated a missing row";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().startsWith(
            QStringLiteral("Update failed: no row of table log_incasari_deb_cred_diversi has data_ch_inc")))
            << e.message().toStdString();
    }
}

TEST_F(RowWriterTest, ReadOnlyAndUnknownFieldsAreNeverWritten)
{
    try {
        query.updateRow(0, {{QStringLiteral("moneda_sus"), QStringLiteral("XXX")}});
        FAIL() << "wrote a read-only field";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Field 'moneda_sus' is read-only."));
    }
    EXPECT_THROW(query.updateRow(0, {{QStringLiteral("order_id"), QStringLiteral("x")}}), db::DbError);
    EXPECT_THROW(query.updateRow(0, {{QStringLiteral("suma_incasata"), QStringLiteral("zece")}}), db::DbError);
    EXPECT_EQ(server(QStringLiteral("select moneda || suma_incasata from log_incasari_deb_cred_diversi where nr_ch_inc = 'R1'")),
              QStringLiteral("RON10"));
}

TEST_F(RowWriterTest, InsertReturnsTheRowWithTheServersDefaults)
{
    const int row = query.appendRow({{QStringLiteral("data_ch_inc"), QDate(2026, 4, 1)},
                                     {QStringLiteral("nr_ch_inc"), QStringLiteral("R9")},
                                     {QStringLiteral("suma_incasata"), -5.5}});
    EXPECT_EQ(row, 4);
    EXPECT_EQ(query.currentRow(), 4);
    EXPECT_TRUE(query.value(QStringLiteral("data_log")).asDateTime().isValid()) << "set by the server";
    EXPECT_EQ(query.value(QStringLiteral("suma_incasata")).asFloat(), -5.5);
    EXPECT_TRUE(query.value(QStringLiteral("moneda_sus")).isNull());
    EXPECT_EQ(server(QStringLiteral("select suma_incasata from log_incasari_deb_cred_diversi where nr_ch_inc = 'R9'")),
              QStringLiteral("-5.5"));
}

TEST_F(RowWriterTest, DeleteRemovesExactlyOneRow)
{
    query.deleteRow(0);
    EXPECT_EQ(query.recordCount(), 3);
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi")), QStringLiteral("3"));

    EXPECT_THROW(query.deleteRow(0), db::DbError) << "two rows share the key of the new first row";
    EXPECT_EQ(query.recordCount(), 3);
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi")), QStringLiteral("3"));
}

TEST_F(RowWriterTest, WritesLeaveNoSessionBehind)
{
    db::ConnectionSettings settings = scratch.settings();
    settings.applicationName = QStringLiteral("row-writer-%1").arg(scratch.name());
    connection.setSettings(settings);
    query.updateRow(0, {{QStringLiteral("moneda"), QStringLiteral("USD")}});
    EXPECT_THROW(query.updateRow(1, {{QStringLiteral("moneda"), QStringLiteral("USD")}}), db::DbError);
    EXPECT_FALSE(connection.isConnected());
    EXPECT_EQ(server(QStringLiteral("select count(*) from pg_stat_activity where application_name = '%1'")
                         .arg(settings.applicationName)),
              QStringLiteral("0"));
}

} // namespace
