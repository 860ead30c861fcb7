#include "import/ReceiptLogQuery.h"

#include "db/PgQuery.h"

namespace receipts {

namespace {

// The two forms differ only in how they find the invoice ("fact"); everything else is shared.
const char* const selectList = R"(select log_incasari_deb_cred_diversi.*,
       fact.data_doc as data_fact,
       fact.tip_doc as tip_fact,
       fact.nr_doc as nr_fact,
       fact.val_mon as val_fact,
       fact.partener as partener,
       view_doc_com_rest_curent.rest_mon_com,
       doc.data_doc as data_ch,
       doc.tip_doc as tip_ch,
       doc.nr_doc as nr_ch,
       doc.val_mon as val_mon_ch,
       doc.moneda as moneda_ch
from log_incasari_deb_cred_diversi
)";

// The latest-dated document per type and number, found through the doc index for each log row.
const char* const lateralInvoice = R"(left outer join lateral (
    select latest.*
    from (values ('FactCI'::varchar), ('FactCE'::varchar)) as invoice_type (tip_doc)
    cross join lateral (
        select d.data_doc, d.tip_doc, d.nr_doc, d.val_mon, d.partener
        from doc d
        where d.tip_doc = invoice_type.tip_doc
          and d.nr_doc = log_incasari_deb_cred_diversi.nr_fact_zuv
        order by d.data_doc desc
        limit 1) latest
) fact on true
)";

// The same from every document, sorted in full.
const char* const distinctOnInvoice = R"(left outer join (select distinct on (tip_doc, nr_doc) *
                 from doc
                 order by tip_doc, nr_doc, data_doc desc) fact
    on log_incasari_deb_cred_diversi.nr_fact_zuv = fact.nr_doc
   and fact.tip_doc in ('FactCI', 'FactCE')
)";

const char* const balanceReceiptAndOrder = R"(left outer join view_doc_com_rest_curent
    on view_doc_com_rest_curent.data_doc = fact.data_doc
   and view_doc_com_rest_curent.tip_doc = fact.tip_doc
   and view_doc_com_rest_curent.nr_doc = fact.nr_doc
left outer join doc
    on doc.data_doc = log_incasari_deb_cred_diversi.data_ch_inc
   and doc.tip_doc = case when log_incasari_deb_cred_diversi.suma_incasata >= 0 then 'Ch_INC' else 'Ch_PL' end
   and right(log_incasari_deb_cred_diversi.nr_ch_inc, 15) = doc.nr_doc
where log_incasari_deb_cred_diversi.data_ch_inc >= :pDataIncep 
order by log_incasari_deb_cred_diversi.data_ch_inc, log_incasari_deb_cred_diversi.nr_ch_inc)";

QString statementWith(const char* invoiceJoin)
{
    return QLatin1String(selectList) + QLatin1String(invoiceJoin) + QLatin1String(balanceReceiptAndOrder);
}

} // namespace

QString receiptLogSql()
{
    return statementWith(lateralInvoice);
}

QString receiptLogReferenceSql()
{
    return statementWith(distinctOnInvoice);
}

std::vector<db::FieldDef> receiptLogFields()
{
    using K = db::FieldKind;
    const auto field = [](const char* name, K kind, int length = 0, bool readOnly = false) {
        return db::FieldDef{QString::fromLatin1(name), kind, length, readOnly};
    };
    return {
        field("data_log", K::DateTime),
        field("data_ch_inc", K::Date),
        field("nr_ch_inc", K::LongText),
        field("order_id", K::LongText),
        field("suma_incasata", K::Float),
        field("moneda", K::LongText),
        field("partener_ch_inc", K::LongText),
        field("cont_sintetic", K::LongText),
        field("cont_analitic", K::LongText),
        field("debitor_creditor", K::LongText),
        field("nr_fact_zuv", K::LongText),
        field("nume_fisier", K::LongText),
        field("err_ins_zuv", K::LongText),
        field("data_fact", K::Date, 0, true),
        field("tip_fact", K::Text, 7, true),
        field("nr_fact", K::Text, 15, true),
        field("val_fact", K::Float, 0, true),
        field("partener", K::Text, 100, true),
        field("rest_mon_com", K::Float, 0, true),
        field("data_ch", K::Date, 0, true),
        field("tip_ch", K::Text, 7, true),
        field("nr_ch", K::Text, 15, true),
        field("val_mon_ch", K::Float, 0, true),
        field("moneda_ch", K::Text, 3, true),
    };
}

std::vector<ui::GridColumn> receiptLogColumns()
{
    const auto column = [](const char* field, int width, const char* caption = "") {
        return ui::GridColumn{QString::fromLatin1(field), QString::fromLatin1(caption), width, QString()};
    };
    std::vector<ui::GridColumn> columns = {
        column("data_ch_inc", 82),
        column("nr_ch_inc", 115),
        column("order_id", 68),
        column("partener_ch_inc", 155),
        column("cont_sintetic", 85),
        column("cont_analitic", 82),
        column("debitor_creditor", 163),
        column("nr_fact_zuv", 85, "nr_fact_fisier"),
        column("moneda", 50),
        column("suma_incasata", 95),
        column("val_fact", 70),
        column("rest_mon_com", 101, "rest_de_incasat"),
        column("err_ins_zuv", 128),
        column("partener", 205),
        column("data_fact", 0),
        column("tip_fact", 0),
        column("nr_fact", 0),
        column("data_ch", 66),
        column("tip_ch", 52),
        column("nr_ch", 115),
        column("val_mon_ch", 85),
        column("moneda_ch", 71),
        column("nume_fisier", 201),
        column("data_log", 95),
    };
    columns.back().displayFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    return columns;
}

void setUpReceiptLog(db::PgQuery& query)
{
    query.setSql(receiptLogSql());
    query.setFields(receiptLogFields());
    query.setKeyFields(QStringLiteral("data_ch_inc; nr_ch_inc;"));
    query.setUpdateTable(QStringLiteral("log_incasari_deb_cred_diversi"));
}

} // namespace receipts
