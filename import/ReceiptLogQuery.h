#pragma once

#include "db/FieldDef.h"
#include "ui/GridColumn.h"

#include <QString>

#include <vector>

namespace db {
class PgQuery;
}

namespace receipts {

// The receipt log listing: every log row from a receipt date on (parameter pDataIncep), beside the
// latest-dated FactCI and FactCE document with the row's invoice number (one listed row per type
// found), that invoice's remaining amount, and the receipt document generated for the row (Ch_INC
// for an amount >= 0, Ch_PL otherwise, numbered with the receipt number's last 15 characters).
// Ordered by receipt date and number.
//
// This form takes each invoice through the doc index with a lateral join, instead of sorting every
// document at each listing; receiptLogReferenceSql() is the plain "distinct on" form it must agree
// with, kept for the tests and the benchmark.
QString receiptLogSql();
QString receiptLogReferenceSql();

// The 24 result fields; the joined documents' fields are read-only.
std::vector<db::FieldDef> receiptLogFields();
// The grid's columns in display order, with captions and widths.
std::vector<ui::GridColumn> receiptLogColumns();

// Sets up the query: statement, fields, key fields "data_ch_inc; nr_ch_inc", the table that edits
// are written to.
void setUpReceiptLog(db::PgQuery& query);

} // namespace receipts
