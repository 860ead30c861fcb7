#include "SqlFixture.h"

#include "db/DbError.h"

namespace {

class Generation : public CompanyFixture {
protected:
    void SetUp() override
    {
        CompanyFixture::SetUp();
        takeIn(QJsonArray{
            receipt(QStringLiteral("15.01.2026"), QStringLiteral("CH1"), QStringLiteral("250"), QStringLiteral("F1")),
            receipt(QStringLiteral("16.01.2026"), QStringLiteral("PL-0000000000000002"), QStringLiteral("-40"), QStringLiteral("F2")),
            receipt(QStringLiteral("17.01.2026"), QStringLiteral("CH3"), QStringLiteral("100"), QStringLiteral("F3")),
            receipt(QStringLiteral("18.01.2026"), QStringLiteral("CH4"), QStringLiteral("10"), QStringLiteral("F9")),
            receipt(QStringLiteral("15.01.2026"), QStringLiteral("CH1"), QStringLiteral("250"), QStringLiteral("F1"))});
    }

    QString rest(const QString& type, const QString& nr, const QString& date) const
    {
        return server(QStringLiteral("select rest_mon_com from view_doc_com_rest_curent where tip_doc = '%1' and nr_doc = '%2' and data_doc = '%3'")
                          .arg(type, nr, date));
    }

    QString failureOf(const QDate& date, const QString& nr)
    {
        try {
            generateFor(date, nr);
        } catch (const db::DbError& e) {
            return e.message();
        }
        return QStringLiteral("<no error>");
    }
};

TEST_F(Generation, CreatesTheReceiptDocumentThatPaysTheInvoice)
{
    EXPECT_EQ(rest(QStringLiteral("FactCI"), QStringLiteral("F1"), QStringLiteral("2026-01-10")), QStringLiteral("1000"));
    generateFor(QDate(2026, 1, 15), QStringLiteral("CH1"), QStringLiteral("ana"));
    EXPECT_EQ(server(QStringLiteral(
                  "select concat_ws('|', r.data_doc, r.tip_doc, r.nr_doc, r.val_mon, r.moneda, r.partener, r.emitent, f.tip_doc, f.nr_doc) "
                  "from doc r join doc f on f.id = r.doc_platit_id where r.tip_doc like 'Ch%'")),
              QStringLiteral("2026-01-15|Ch_INC|CH1|250|RON|Client Unu|ana|FactCI|F1"));
    EXPECT_EQ(rest(QStringLiteral("FactCI"), QStringLiteral("F1"), QStringLiteral("2026-01-10")), QStringLiteral("750"));
}

TEST_F(Generation, ANegativeAmountGivesAPaymentNumberedByTheLast15Characters)
{
    generateFor(QDate(2026, 1, 16), QStringLiteral("PL-0000000000000002"));
    EXPECT_EQ(server(QStringLiteral("select tip_doc || ' ' || nr_doc || ' ' || val_mon from doc where tip_doc like 'Ch%'")),
              QStringLiteral("Ch_PL 000000000000002 -40"));
    EXPECT_EQ(rest(QStringLiteral("FactCE"), QStringLiteral("F2"), QStringLiteral("2026-01-12")), QStringLiteral("460"));
}

TEST_F(Generation, PaysTheLatestDatedInvoiceOfItsNumber)
{
    generateFor(QDate(2026, 1, 17), QStringLiteral("CH3"));
    EXPECT_EQ(rest(QStringLiteral("FactCI"), QStringLiteral("F3"), QStringLiteral("2026-01-20")), QStringLiteral("200"));
    EXPECT_EQ(rest(QStringLiteral("FactCI"), QStringLiteral("F3"), QStringLiteral("2025-12-01")), QStringLiteral("70"));
}

TEST_F(Generation, RefusesWhatCannotBeGenerated)
{
    EXPECT_EQ(failureOf(QDate(2026, 1, 15), QStringLiteral("CH404")),
              QStringLiteral("Incasarea din 15.01.2026 cu numarul CH404 nu exista in log."));
    EXPECT_EQ(failureOf(QDate(2026, 1, 18), QStringLiteral("CH4")),
              QStringLiteral("Incasarea din 18.01.2026 cu numarul CH4 are probleme si nu poate fi importata: "
                             "Factura \"F9\" nu exista in ZUV."));
    EXPECT_EQ(failureOf(QDate(), QStringLiteral("CH1")), QStringLiteral("Data si numarul incasarii sunt obligatorii."));

    // CH1 is logged twice; the clean row is generated once, then the document exists.
    generateFor(QDate(2026, 1, 15), QStringLiteral("CH1"));
    EXPECT_EQ(failureOf(QDate(2026, 1, 15), QStringLiteral("CH1")),
              QStringLiteral("Incasarea din 15.01.2026 cu numarul CH1 este deja importata (documentul Ch_INC CH1)."));
    EXPECT_EQ(server(QStringLiteral("select count(*) from doc where tip_doc like 'Ch%'")), QStringLiteral("1"));
    EXPECT_EQ(rest(QStringLiteral("FactCI"), QStringLiteral("F1"), QStringLiteral("2026-01-10")), QStringLiteral("750"));
}

} // namespace
