#include "db/PgConnection.h"
#include "db/PgQuery.h"
#include "import/ReceiptLogQuery.h"
#include "support/QtPrinters.h"
#include "support/Sandbox.h"

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::ScratchDatabase;

namespace {

// Documents and log rows that exercise every join rule of the listing.
const char* const seed = R"(
    insert into doc (data_doc, tip_doc, nr_doc, val_mon, moneda, partener) values
        ('2026-01-10', 'FactCI', 'F1', 1000, 'RON', 'Client Unu'),
        -- several documents with one number: the latest-dated one is the invoice
        ('2025-11-01', 'FactCI', 'F2', 10, 'RON', 'Client Vechi'),
        ('2026-01-11', 'FactCI', 'F2', 200, 'RON', 'Client Doi'),
        ('2025-12-15', 'FactCI', 'F2', 20, 'RON', 'Client Mijloc'),
        -- one number both as FactCI and as FactCE: the row is listed once per type
        ('2026-01-05', 'FactCI', 'F3', 300, 'RON', 'Client Trei'),
        ('2026-01-06', 'FactCE', 'F3', 333, 'EUR', 'Furnizor Trei'),
        -- a document of another type does not count as an invoice
        ('2026-01-07', 'Aviz', 'F4', 40, 'RON', 'Aviz Patru'),
        -- receipt documents
        ('2026-02-01', 'Ch_INC', 'R1', 250, 'RON', 'Client Unu'),
        ('2026-02-02', 'Ch_PL', 'R2', -50, 'RON', 'Client Doi'),
        ('2026-02-03', 'Ch_INC', '000000000000003', 10, 'RON', 'x'),
        ('2026-02-04', 'Ch_INC', 'R4', 0, 'RON', 'x'),
        ('2026-02-05', 'Ch_PL', 'R5', 1, 'RON', 'x'),
        ('2026-02-06', 'Ch_INC', 'R6', 1, 'RON', 'x');
    update doc set doc_platit_id = (select id from doc where tip_doc = 'FactCI' and nr_doc = 'F1')
        where tip_doc = 'Ch_INC' and nr_doc = 'R1';
    insert into log_incasari_deb_cred_diversi (data_log, data_ch_inc, nr_ch_inc, suma_incasata, nr_fact_zuv, err_ins_zuv) values
        ('2026-02-10 10:00', '2026-02-01', 'R1', 250, 'F1', null),
        ('2026-02-10 10:00', '2026-02-02', 'R2', -50, 'F2', null),
        ('2026-02-10 10:00', '2026-02-03', 'PL-000000000000003', 10, 'F3', null),
        ('2026-02-10 10:00', '2026-02-04', 'R4', 0, 'F4', null),
        ('2026-02-10 10:00', '2026-02-05', 'R5', null, null, 'Lipseste suma incasata.'),
        ('2026-02-10 10:00', '2026-02-06', 'R6', -1, 'F9', null),
        ('2026-02-10 10:00', null, 'R7', 5, 'F1', 'Lipseste data incasarii.'),
        ('2026-02-10 10:00', '2026-02-01', 'R0', 1, 'F1', null),
        ('2026-02-10 10:00', '2025-06-01', 'OLD', 1, 'F2', null);
)";

class ReceiptLogSql : public ::testing::Test {
protected:
    void SetUp() override { scratch.run(QString::fromUtf8(seed)); }

    // Every listed row as text, one line a row, in the statement's order.
    QStringList list(const QString& sql, const QDate& from)
    {
        db::PgQuery query(connection, QStringLiteral("dsLog"));
        query.setSql(sql);
        query.setFields(receipts::receiptLogFields());
        query.setParam(QStringLiteral("pDataIncep"), db::ParamValue::date(from));
        query.open();
        QStringList rows;
        for (int r = 0; r < query.recordCount(); ++r) {
            QStringList cells;
            for (const db::FieldDef& f : query.fields()) {
                const db::FieldValue v = query.value(r, f.name);
                cells << (v.isNull() ? QStringLiteral("NULL") : v.asString());
            }
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    QStringList listed(const QDate& from, const QString& columns)
    {
        db::PgQuery query(connection, QStringLiteral("dsLog"));
        receipts::setUpReceiptLog(query);
        query.setParam(QStringLiteral("pDataIncep"), db::ParamValue::date(from));
        query.open();
        QStringList rows;
        for (int r = 0; r < query.recordCount(); ++r) {
            QStringList cells;
            for (const QString& c : columns.split(QLatin1Char(','))) {
                const db::FieldValue v = query.value(r, c.trimmed());
                cells << (v.isNull() ? QStringLiteral("NULL") : v.asString());
            }
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }

    ScratchDatabase scratch;
    db::PgConnection connection{QStringLiteral("conZuv"), db::ConnectionMode::PerRequest, scratch.settings()};
};

TEST_F(ReceiptLogSql, TheIndexedFormListsWhatTheReferenceFormLists)
{
    for (const QDate& from : {QDate(1899, 12, 30).addDays(-700000), QDate(2026, 2, 2), QDate(2030, 1, 1)}) {
        QStringList reference = list(receipts::receiptLogReferenceSql(), from);
        QStringList indexed = list(receipts::receiptLogSql(), from);
        // Rows of one receipt that differ only in the invoice type may come in either order.
        EXPECT_EQ(indexed.size(), reference.size()) << from.toString().toStdString();
        std::sort(reference.begin(), reference.end());
        std::sort(indexed.begin(), indexed.end());
        EXPECT_EQ(indexed, reference) << from.toString().toStdString();
    }
    EXPECT_EQ(list(receipts::receiptLogSql(), QDate(1899, 12, 30).addDays(-700000)).size(), 9)
        << "eight dated log rows, one of them twice";
}

TEST_F(ReceiptLogSql, JoinRules)
{
    const QStringList rows = listed(QDate(2026, 1, 1), QStringLiteral(
        "data_ch_inc, nr_ch_inc, tip_fact, data_fact, partener, val_fact, rest_mon_com, tip_ch, nr_ch, val_mon_ch"));
    const QStringList expected = {
        // ordered by receipt date, then number
        QStringLiteral("2026-02-01|R0|FactCI|2026-01-10|Client Unu|1000|750|NULL|NULL|NULL"),
        // a receipt document of its date, type and number; the invoice's balance from the view
        QStringLiteral("2026-02-01|R1|FactCI|2026-01-10|Client Unu|1000|750|Ch_INC|R1|250"),
        // negative amount: Ch_PL; the latest-dated of three F2 documents
        QStringLiteral("2026-02-02|R2|FactCI|2026-01-11|Client Doi|200|200|Ch_PL|R2|-50"),
        // matched by the last 15 characters of the receipt number; F3 listed once per type
        QStringLiteral("2026-02-03|PL-000000000000003|FactCE|2026-01-06|Furnizor Trei|333|333|Ch_INC|000000000000003|10"),
        QStringLiteral("2026-02-03|PL-000000000000003|FactCI|2026-01-05|Client Trei|300|300|Ch_INC|000000000000003|10"),
        // a zero amount counts as received; an Aviz is no invoice
        QStringLiteral("2026-02-04|R4|NULL|NULL|NULL|NULL|NULL|Ch_INC|R4|0"),
        // a NULL amount falls to Ch_PL
        QStringLiteral("2026-02-05|R5|NULL|NULL|NULL|NULL|NULL|Ch_PL|R5|1"),
        // negative amount: the Ch_INC document of that number is not its receipt
        QStringLiteral("2026-02-06|R6|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL"),
    };
    QStringList actual = rows;
    // The two F3 rows may come in either order.
    std::sort(actual.begin() + 3, actual.begin() + 5, [](const QString& a, const QString& b) { return a < b; });
    EXPECT_EQ(actual, expected);
}

TEST_F(ReceiptLogSql, TheNullDateListsEveryRowWithAReceiptDate)
{
    const QStringList rows = listed(QDate(1899, 12, 30).addDays(-700000), QStringLiteral("nr_ch_inc"));
    EXPECT_EQ(rows.size(), 9);
    EXPECT_EQ(rows.front(), QStringLiteral("OLD"));
    EXPECT_FALSE(rows.contains(QStringLiteral("R7"))) << "a NULL receipt date is never listed";
}

} // namespace
