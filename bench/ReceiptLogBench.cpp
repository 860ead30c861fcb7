// Lists a 30-day window of a large receipt log with the indexed statement and with the plain
// "distinct on" form, over the same data and indexes. Needs the sandbox's variables
// (WTALVERA_PG_*); bench/run-receipt-log sets everything up.
#include "SandboxSettings.h"

#include "db/PgConnection.h"
#include "db/PgQuery.h"
#include "import/ReceiptLogQuery.h"

#include <benchmark/benchmark.h>

#include <QDate>

#include <cstdio>
#include <cstdlib>

namespace {

db::ConnectionSettings benchSettings()
{
    return sandboxSettings(qEnvironmentVariable("WTALVERA_BENCH_DB", QStringLiteral("bench_log")));
}

// The last 30 days of the ten years the seed spreads the log over.
const QDate windowStart = QDate(2016, 1, 1).addDays(3650 - 30);

void listWindow(benchmark::State& state, const QString& sql,
                std::vector<db::FieldDef> fields = receipts::receiptLogFields())
{
    db::PgConnection connection(QStringLiteral("conZuv"), db::ConnectionMode::PerRequest, benchSettings());
    db::PgQuery query(connection, QStringLiteral("dsLogIncasariDebCredDiversi"));
    query.setSql(sql);
    query.setFields(std::move(fields));
    query.setParam(QStringLiteral("pDataIncep"), db::ParamValue::date(windowStart));
    int rows = 0;
    for (auto _ : state) {
        query.close();
        query.open(); // connect, run, fetch every row, disconnect
        rows = query.recordCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = rows;
}

// What every listing pays before its statement runs: a per-request connection (TLS, scram).
void BM_ConnectAndSelectOne(benchmark::State& state)
{
    listWindow(state, QStringLiteral("select 1 as one where :pDataIncep is not null"), {});
}

void BM_ReceiptLogIndexed(benchmark::State& state) { listWindow(state, receipts::receiptLogSql()); }
void BM_ReceiptLogReference(benchmark::State& state) { listWindow(state, receipts::receiptLogReferenceSql()); }

BENCHMARK(BM_ConnectAndSelectOne)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ReceiptLogIndexed)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ReceiptLogReference)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
