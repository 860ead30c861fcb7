#include "login/LoginProcedure.h"

#include "db/PgQuery.h"
#include "login/u_dmCon.h"
#include "ui/AppError.h"

#include <QCryptographicHash>

namespace login {

QString passwordForm(const QString& hashType, const QString& password)
{
    if (hashType == QLatin1String("HashSHA2"))
        return QString::fromLatin1(
            QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha256).toHex());
    return password;
}

QString jasProtocolFor(const QString& jasIp)
{
    return jasIp.contains(QLatin1String("8080")) ? QStringLiteral("http") : QStringLiteral("https");
}

namespace {

// Closes the queries that the procedure opens only for its checks, on every way out.
class CheckQueriesCloser {
public:
    CheckQueriesCloser(TdmCon& dm, db::PgQuery& dsZuvMobil)
        : m_dm(dm)
        , m_dsZuvMobil(dsZuvMobil)
    {
    }
    ~CheckQueriesCloser()
    {
        m_dm.dsAplicatieMob.close();
        m_dm.dsEmitent.close();
        m_dsZuvMobil.close();
    }
    CheckQueriesCloser(const CheckQueriesCloser&) = delete;
    CheckQueriesCloser& operator=(const CheckQueriesCloser&) = delete;

private:
    TdmCon& m_dm;
    db::PgQuery& m_dsZuvMobil;
};

} // namespace

void verifyLogin(TdmCon& dm, db::PgQuery& dsZuvMobil, const QString& title, const LoginAttempt& attempt)
{
    dm.glNumeFirma = attempt.company;

    dm.ensureConfigured();
    db::ConnectionSettings directory = dm.conZuvMob.settings();
    directory.sslMode = db::SslMode::Require;
    dm.conZuvMob.setSettings(directory);

    CheckQueriesCloser closer(dm, dsZuvMobil);
    dsZuvMobil.setParam(QStringLiteral("pNumeFirma"), db::ParamValue::text(attempt.company));
    dsZuvMobil.open();
    if (dsZuvMobil.isEmpty())
        throw ui::AppError(QStringLiteral("Companie inexistenta"));

    const QString databaseName = dsZuvMobil.value(0, QStringLiteral("db_name")).asString();
    db::ConnectionSettings company = dm.conZuv.settings();
    company.host = dsZuvMobil.value(0, QStringLiteral("ip")).asString();
    company.port = static_cast<int>(dsZuvMobil.value(0, QStringLiteral("port")).asInteger());
    company.database = databaseName;
    company.sslMode = db::SslMode::Prefer;
    dm.conZuv.setSettings(company);

    dm.dsEmitent.close();
    dm.dsEmitent.setParam(QStringLiteral("pEmitent"), db::ParamValue::text(attempt.user));
    const QString hashType = dsZuvMobil.value(0, QStringLiteral("pw_hash_type")).asString();
    dm.dsEmitent.setParam(QStringLiteral("pP"), db::ParamValue::text(passwordForm(hashType, attempt.password)));
    dm.dsEmitent.open();
    if (dm.dsEmitent.isEmpty())
        throw ui::AppError(QStringLiteral("User, Password eronate"));

    dm.dsAplicatieMob.close();
    dm.dsAplicatieMob.setParam(QStringLiteral("pAplicatieMob"), db::ParamValue::text(title));
    dm.dsAplicatieMob.open();
    if (dm.dsAplicatieMob.isEmpty())
        throw ui::AppError(QStringLiteral("Aplicatia ") + title + QStringLiteral(" nu este disponibila"));

    dm.dsAplicatieMobEmitent.close();
    dm.dsAplicatieMobEmitent.setParam(QStringLiteral("pEmitent"), db::ParamValue::text(attempt.user));
    dm.dsAplicatieMobEmitent.setParam(QStringLiteral("pAplicatieMob"), db::ParamValue::text(title));
    dm.dsAplicatieMobEmitent.open();
    if (dm.dsAplicatieMobEmitent.isEmpty())
        throw ui::AppError(QStringLiteral("Aplicatia ") + title
                           + QStringLiteral(" nu este disponibila pentru user-ul ") + attempt.user);

    dm.glUser = attempt.user;
    dm.glUserPass = attempt.password;
    dm.glDataBase = databaseName;
    dm.glUserRol = dm.dsAplicatieMobEmitent.value(0, QStringLiteral("rol")).asString();
    dm.glEuPL = dm.dsEmitent.value(0, QStringLiteral("eu_punct_lucru")).asString();

    if (dm.dsEu.isOpen())
        dm.dsEu.refresh();
    else
        dm.dsEu.open();
    dm.glJasIP = dm.dsEu.isEmpty() ? QString() : dm.dsEu.value(0, QStringLiteral("jas_ip")).asString();
    dm.glJasProtocol = jasProtocolFor(dm.glJasIP);
}

} // namespace login
