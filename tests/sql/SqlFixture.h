#pragma once

#include "db/PgConnection.h"
#include "db/PgFunctionCall.h"
#include "support/Sandbox.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// A company database of its own with a few invoices, and the two functions as the program calls
// them.
class CompanyFixture : public ::testing::Test {
public:
    static QJsonObject receipt(const QString& date, const QString& nr, const QString& amount,
                               const QString& invoice);

protected:
    void SetUp() override
    {
        scratch.run(QStringLiteral(R"(
            insert into doc (data_doc, tip_doc, nr_doc, val_mon, moneda, partener) values
                ('2026-01-10', 'FactCI', 'F1', 1000, 'RON', 'Client Unu'),
                ('2026-01-12', 'FactCE', 'F2', 500, 'RON', 'Furnizor Doi'),
                ('2025-12-01', 'FactCI', 'F3', 70, 'RON', 'Client Vechi'),
                ('2026-01-20', 'FactCI', 'F3', 300, 'RON', 'Client Trei'),
                ('2026-01-05', 'Aviz', 'A1', 10, 'RON', 'Nu e factura');
        )"));
        logIns.setSql(QStringLiteral("SELECT * FROM o_incasari_deb_cred_diversi_log_ins(:pjsonincasdebcred)"));
        generate.setSql(QStringLiteral(
            "SELECT * FROM o_generare_incasare_deb_cred_diversi(:pemitent, :pdatachinc, :pnrchinc)"));
    }

    void takeIn(const QString& json)
    {
        logIns.setParam(QStringLiteral("pJsonIncasDebCred"), db::ParamValue::longText(json));
        logIns.execute();
    }
    void takeIn(const QJsonArray& rows)
    {
        takeIn(QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact)));
    }

    void generateFor(const QDate& date, const QString& nr, const QString& user = QStringLiteral("demo"))
    {
        generate.setParam(QStringLiteral("pEmitent"), db::ParamValue::longText(user));
        generate.setParam(QStringLiteral("pDataChInc"), db::ParamValue::date(date));
        generate.setParam(QStringLiteral("pNrChInc"), db::ParamValue::longText(nr));
        generate.execute();
    }

    QString server(const QString& sql) const { return scratch.scalar(sql); }
    int logCount() const { return server(QStringLiteral("select count(*) from log_incasari_deb_cred_diversi")).toInt(); }

    testing_support::ScratchDatabase scratch;
    db::PgConnection connection{QStringLiteral("conZuv"), db::ConnectionMode::PerRequest, scratch.settings()};
    db::PgFunctionCall logIns{connection, QStringLiteral("o_incasari_deb_cred_diversi_log_ins")};
    db::PgFunctionCall generate{connection, QStringLiteral("o_generare_incasare_deb_cred_diversi")};
};

inline QJsonObject CompanyFixture::receipt(const QString& date, const QString& nr, const QString& amount,
                           const QString& invoice)
{
    return QJsonObject{{QStringLiteral("dataDoc"), date},
                       {QStringLiteral("nrDoc"), nr},
                       {QStringLiteral("orderId"), QString(QStringLiteral("CMD-") + nr)},
                       {QStringLiteral("sumaIncasata"), amount},
                       {QStringLiteral("moneda"), QStringLiteral("RON")},
                       {QStringLiteral("partenerDoc"), QString(QStringLiteral("Partener ") + nr)},
                       {QStringLiteral("contSintetic"), QStringLiteral("461")},
                       {QStringLiteral("contAnalitic"), QStringLiteral("461.01")},
                       {QStringLiteral("debCred"), QStringLiteral("Debitor")},
                       {QStringLiteral("nrFactZuv"), invoice},
                       {QStringLiteral("numeFisier"), QStringLiteral("incasari.xlsx")}};
}
