#include "SqlFixture.h"

#include "db/DbError.h"

namespace {

using LogIns = CompanyFixture;

TEST_F(LogIns, RecordsEachElementWithItsKeysInTheirColumns)
{
    takeIn(QJsonArray{receipt(QStringLiteral("15.01.2026"), QStringLiteral("CH1"), QStringLiteral("250,50"), QStringLiteral("F1")),
                      receipt(QStringLiteral("2026-01-16"), QStringLiteral("CH2"), QStringLiteral("-20.25"), QStringLiteral("F2"))});
    EXPECT_EQ(server(QStringLiteral(
                  "select string_agg(concat_ws('|', data_ch_inc, nr_ch_inc, order_id, suma_incasata, moneda, "
                  "partener_ch_inc, cont_sintetic, cont_analitic, debitor_creditor, nr_fact_zuv, nume_fisier, "
                  "coalesce(err_ins_zuv, 'ok')), E'\\n' order by nr_ch_inc) from log_incasari_deb_cred_diversi")),
              QStringLiteral("2026-01-15|CH1|CMD-CH1|250.5|RON|Partener CH1|461|461.01|Debitor|F1|incasari.xlsx|ok\n"
                             "2026-01-16|CH2|CMD-CH2|-20.25|RON|Partener CH2|461|461.01|Debitor|F2|incasari.xlsx|ok"));
    EXPECT_EQ(server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi where data_log > now() - interval '1 minute'")),
              QStringLiteral("2"));
}

struct ReadCase {
    const char* date;
    const char* amount;
    const char* storedDate;   // as PostgreSQL prints it, empty for NULL
    const char* storedAmount; // likewise
};

class LogInsReads : public CompanyFixture, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(LogInsReads, DatesAndAmountsInTheFormsCellsCarry)
{
    const ReadCase& c = GetParam();
    takeIn(QJsonArray{receipt(QString::fromUtf8(c.date), QStringLiteral("CH"), QString::fromUtf8(c.amount), QStringLiteral("F1"))});
    EXPECT_EQ(server(QStringLiteral("select concat(data_ch_inc, '|', suma_incasata) from log_incasari_deb_cred_diversi")),
              QString::fromUtf8(c.storedDate) + QLatin1Char('|') + QString::fromUtf8(c.storedAmount));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogInsReads,
    ::testing::Values(ReadCase{"05.02.2026", "100", "2026-02-05", "100"},
                      ReadCase{"5.2.2026 14:30:00", "+1,5", "2026-02-05", "1.5"},
                      ReadCase{"05.02.2026 9:05", ".5", "2026-02-05", "0.5"},
                      ReadCase{"2026-02-05", "-0,01", "2026-02-05", "-0.01"},
                      ReadCase{" 2026-02-05 08:00:00 ", "1,23456789012346E15", "2026-02-05", "1.23456789012346e+15"},
                      ReadCase{"29.02.2024", "0", "2024-02-29", "0"},
                      ReadCase{"31.02.2026", "1.2.3", "", ""},
                      ReadCase{"2026/02/05", "10 RON", "", ""},
                      ReadCase{"", "", "", ""}));

struct ProblemCase {
    QJsonObject row;
    const char* problem;
};

class LogInsProblems : public CompanyFixture, public ::testing::WithParamInterface<ProblemCase> {};

TEST_P(LogInsProblems, ARowWithAProblemIsRecordedWithIt)
{
    takeIn(QJsonArray{GetParam().row});
    EXPECT_EQ(logCount(), 1);
    EXPECT_EQ(server(QStringLiteral("select err_ins_zuv from log_incasari_deb_cred_diversi")).toStdString(),
              GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogInsProblems,
    ::testing::Values(
        ProblemCase{CompanyFixture::receipt(QStringLiteral("31.13.2026"), QStringLiteral("CH1"), QStringLiteral("10"), QStringLiteral("F1")),
                    "Data incasarii \"31.13.2026\" nu poate fi citita."},
        ProblemCase{CompanyFixture::receipt(QStringLiteral(""), QStringLiteral("CH1"), QStringLiteral("10"), QStringLiteral("F1")),
                    "Lipseste data incasarii."},
        ProblemCase{CompanyFixture::receipt(QStringLiteral("01.02.2026"), QStringLiteral("CH1"), QStringLiteral("zece"), QStringLiteral("F1")),
                    "Suma incasata \"zece\" nu poate fi citita."},
        ProblemCase{CompanyFixture::receipt(QStringLiteral("01.02.2026"), QStringLiteral("CH1"), QStringLiteral(""), QStringLiteral("F1")),
                    "Lipseste suma incasata."},
        ProblemCase{CompanyFixture::receipt(QStringLiteral("01.02.2026"), QStringLiteral(""), QStringLiteral("10"), QStringLiteral("F1")),
                    "Lipseste numarul incasarii."},
        ProblemCase{CompanyFixture::receipt(QStringLiteral("01.02.2026"), QStringLiteral("CH1"), QStringLiteral("10"), QStringLiteral("F9")),
                    "Factura \"F9\" nu exista in ZUV."},
        // A document that is not an invoice does not count as one.
        ProblemCase{CompanyFixture::receipt(QStringLiteral("01.02.2026"), QStringLiteral("CH1"), QStringLiteral("10"), QStringLiteral("A1")),
                    "Factura \"A1\" nu exista in ZUV."},
        ProblemCase{CompanyFixture::receipt(QStringLiteral("x"), QStringLiteral("CH1"), QStringLiteral("y"), QStringLiteral("")),
                    "Data incasarii \"x\" nu poate fi citita. Suma incasata \"y\" nu poate fi citita. "
                    "Factura \"\" nu exista in ZUV."}));

TEST_F(LogIns, AReceiptAlreadyInTheLogIsNoted)
{
    const QJsonObject row = receipt(QStringLiteral("01.02.2026"), QStringLiteral("CH1"), QStringLiteral("10"), QStringLiteral("F1"));
    takeIn(QJsonArray{row});
    // The same receipt again, and twice within one array.
    takeIn(QJsonArray{row, receipt(QStringLiteral("2026-02-03"), QStringLiteral("CH2"), QStringLiteral("5"), QStringLiteral("F2")),
                      receipt(QStringLiteral("03.02.2026"), QStringLiteral("CH2"), QStringLiteral("6"), QStringLiteral("F2"))});
    EXPECT_EQ(logCount(), 4);
    EXPECT_EQ(server(QStringLiteral("select string_agg(nr_ch_inc || ':' || coalesce(err_ins_zuv, 'ok'), ' / ' order by nr_ch_inc, data_log, suma_incasata) "
                                    "from log_incasari_deb_cred_diversi")),
              QStringLiteral("CH1:ok / CH1:Incasarea din 01.02.2026 cu numarul CH1 exista deja in log. / "
                             "CH2:ok / CH2:Incasarea din 03.02.2026 cu numarul CH2 exista deja in log."));
}

TEST_F(LogIns, AnEmptyArrayRecordsNothing)
{
    takeIn(QStringLiteral("[]"));
    EXPECT_EQ(logCount(), 0);
}

struct RefusalCase {
    const char* json;
    const char* message;
};

class LogInsRefusals : public CompanyFixture, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LogInsRefusals, AreWholeAndRecordNothing)
{
    try {
        takeIn(QString::fromUtf8(GetParam().json));
        FAIL() << "accepted";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message().toStdString(), GetParam().message);
    }
    EXPECT_EQ(logCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogInsRefusals,
    ::testing::Values(
        RefusalCase{"{\"dataDoc\":\"01.02.2026\"}", "Datele primite trebuie sa fie o lista JSON de incasari."},
        RefusalCase{"\"text\"", "Datele primite trebuie sa fie o lista JSON de incasari."},
        RefusalCase{"[{\"nrDoc\":\"CH1\",\"nrFactZuv\":\"F1\"}, 5]", "Elementul 2 al listei nu este un obiect JSON."},
        RefusalCase{"[{\"nrDoc\":\"CH1\"}, [1]]", "Elementul 2 al listei nu este un obiect JSON."},
        RefusalCase{"[{\"nrDoc\":\"a\u0001b\"}]",
                    "Datele primite nu sunt JSON valid: invalid input syntax for type json "
                    "(Character with value 0x01 must be escaped.)"},
        RefusalCase{"[{\"nrDoc\":", "Datele primite nu sunt JSON valid: invalid input syntax for type json "
                                    "(The input string ended unexpectedly.)"}));

TEST_F(LogIns, ControlCharactersEscapedInTheJsonArriveIntact)
{
    takeIn(QStringLiteral(R"([{"nrDoc":"a\u0001b","partenerDoc":"Ana \"Ionescu\" \\ Știință"}])"));
    EXPECT_EQ(server(QStringLiteral("select nr_ch_inc = E'a\\x01b' from log_incasari_deb_cred_diversi")), QStringLiteral("t"));
    EXPECT_EQ(server(QStringLiteral("select partener_ch_inc from log_incasari_deb_cred_diversi")),
              QStringLiteral("Ana \"Ionescu\" \\ Știință"));
}

} // namespace
