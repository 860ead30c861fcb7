#include "db/DbError.h"
#include "login/LoginFixture.h"
#include "login/LoginProcedure.h"
#include "login/LoginColumns.h"
#include "support/QtPrinters.h"
#include "ui/AppError.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>

using testing_support::LoginWorld;

namespace {

QString sha256(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

class LoginProcedure : public ::testing::Test {
protected:
    void SetUp() override
    {
        world = &LoginWorld::get();
        dm = LoginWorld::makeConnectionModule();
        dsZuvMobil = std::make_unique<db::PgQuery>(dm->conZuvMob, QStringLiteral("dsZuvMobil"));
        dsZuvMobil->setSql(QStringLiteral("select * from m_firma where nume_firma = :pNumeFirma"));
        dsZuvMobil->setFields(login::zuvMobilFields());
        // What a previous login left, so that a failed attempt can be seen to keep it.
        dm->glUser = dm->glUserPass = dm->glDataBase = dm->glUserRol = dm->glEuPL = dm->glJasIP =
            dm->glJasProtocol = QStringLiteral("before");
    }

    // The attempt's error message, or "" on success.
    QString attempt(const QString& company, const QString& user, const QString& password,
                    const QString& title = QStringLiteral("wtalvera"))
    {
        try {
            login::verifyLogin(*dm, *dsZuvMobil, title, {company, user, password});
        } catch (const ui::AppError& e) {
            return e.message();
        } catch (const db::DbError& e) {
            return QStringLiteral("db: ") + e.message();
        }
        return {};
    }

    QString sentPassword() const { return dm->dsEmitent.command().param(QStringLiteral("pP"))->value().toString(); }

    void expectContextUntouched() const
    {
        for (const QString* field : {&dm->glUser, &dm->glUserPass, &dm->glDataBase, &dm->glUserRol,
                                     &dm->glEuPL, &dm->glJasIP, &dm->glJasProtocol})
            EXPECT_EQ(*field, QStringLiteral("before"));
    }

    void expectCheckQueriesClosed() const
    {
        EXPECT_FALSE(dsZuvMobil->isOpen());
        EXPECT_FALSE(dm->dsEmitent.isOpen());
        EXPECT_FALSE(dm->dsAplicatieMob.isOpen());
    }

    LoginWorld* world = nullptr;
    std::unique_ptr<TdmCon> dm;
    std::unique_ptr<db::PgQuery> dsZuvMobil;
};

struct FailureCase {
    const char* company; // a key of LoginWorld, or "=" followed by a literal name
    const char* user;
    const char* password;
    const char* title;
    const char* message; // %1 is the company's database port where it matters
};

class LoginFailures : public LoginProcedure, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LoginFailures, StopWithTheirMessageAndKeepTheContext)
{
    const FailureCase& c = GetParam();
    QString typedCompany;
    if (c.company[0] == '=')
        typedCompany = QString::fromUtf8(c.company + 1);
    else if (qstrcmp(c.company, "upper") == 0) // the SHA company's name in other letter case
        typedCompany = world->company("sha").toUpper();
    else
        typedCompany = world->company(c.company);
    const QString message = attempt(typedCompany, QString::fromUtf8(c.user), QString::fromUtf8(c.password),
                                    QString::fromUtf8(c.title));
    EXPECT_TRUE(message.startsWith(QString::fromUtf8(c.message))) << message.toStdString();
    EXPECT_EQ(dm->glNumeFirma, typedCompany) << "set before any check";
    expectContextUntouched();
    expectCheckQueriesClosed();
    EXPECT_FALSE(dm->dsAplicatieMobEmitent.isOpen() && dm->dsEu.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoginFailures,
    ::testing::Values(
        FailureCase{"=Firma care nu exista", "ana", "parola", "wtalvera", "Companie inexistenta"},
        FailureCase{"upper", "ana", "parola", "wtalvera", "Companie inexistenta"},
        FailureCase{"sha", "ana", "gresita", "wtalvera", "User, Password eronate"},
        FailureCase{"sha", "Ana", "parola", "wtalvera", "User, Password eronate"},
        FailureCase{"sha", "ana", "parola ", "wtalvera", "User, Password eronate"},
        // The stored digest typed as the password does not pass under HashSHA2.
        FailureCase{"sha", "ana", "a80b568a237f50391d2f1f97beaf99564e33d2e1c8a2e5cac21ceda701570312",
                    "wtalvera", "User, Password eronate"},
        FailureCase{"plain", "ana", "a80b568a237f50391d2f1f97beaf99564e33d2e1c8a2e5cac21ceda701570312",
                    "wtalvera", "User, Password eronate"},
        FailureCase{"sha", "ana", "parola", "inactiva", "Aplicatia inactiva nu este disponibila"},
        // A copy of the program under another name is another application.
        FailureCase{"sha", "ana", "parola", "contabil", "Aplicatia contabil nu este disponibila"},
        FailureCase{"sha", "fara", "parola", "wtalvera",
                    "Aplicatia wtalvera nu este disponibila pentru user-ul fara"},
        // No port in the directory: the default port, where the sandbox does not listen.
        FailureCase{"nullport", "ana", "parola", "wtalvera", "db: connection to server at \"127.0.0.1\", port 5432 failed"}));

TEST_F(LoginProcedure, SucceedsAndFillsTheContext)
{
    ASSERT_EQ(attempt(world->company("sha"), QStringLiteral("ana"), QStringLiteral("parola")), QString());
    EXPECT_EQ(dm->glNumeFirma, world->company("sha"));
    EXPECT_EQ(dm->glUser, QStringLiteral("ana"));
    EXPECT_EQ(dm->glUserPass, QStringLiteral("parola"));
    EXPECT_EQ(dm->glDataBase, world->a().name());
    EXPECT_EQ(dm->glUserRol, QStringLiteral("admin"));
    EXPECT_EQ(dm->glEuPL, QStringLiteral("Punct Cluj"));
    EXPECT_EQ(dm->glJasIP, QStringLiteral("10.1.1.1:8080"));
    EXPECT_EQ(dm->glJasProtocol, QStringLiteral("http"));
    EXPECT_EQ(sentPassword(), sha256(QStringLiteral("parola")));
    expectCheckQueriesClosed();
    EXPECT_TRUE(dm->dsAplicatieMobEmitent.isOpen());
    EXPECT_TRUE(dm->dsEu.isOpen());
    EXPECT_EQ(dm->conZuv.settings().sslMode, db::SslMode::Prefer);
    EXPECT_EQ(dm->conZuvMob.settings().sslMode, db::SslMode::Require);
}

struct HashCase {
    const char* company;
    const char* user;
    const char* password;
    const char* sent; // the password form; "digest" for the SHA-256 of the password
};

class PasswordForms : public LoginProcedure, public ::testing::WithParamInterface<HashCase> {};

TEST_P(PasswordForms, ReachTheServerAsTheHashTypeSays)
{
    const HashCase& c = GetParam();
    const QString password = QString::fromUtf8(c.password);
    ASSERT_EQ(attempt(world->company(c.company), QString::fromUtf8(c.user), password), QString());
    EXPECT_EQ(sentPassword(), qstrcmp(c.sent, "digest") == 0 ? sha256(password) : QString::fromUtf8(c.sent));
}

INSTANTIATE_TEST_SUITE_P(Cases, PasswordForms,
                         ::testing::Values(HashCase{"sha", "gol", "", "digest"},
                                           HashCase{"plain", "ana", "parola", "parola"},
                                           HashCase{"lowerhash", "ana", "parola", "parola"},
                                           HashCase{"emptyhash", "ana", "parola", "parola"},
                                           HashCase{"nullhash", "ana", "parola", "parola"}));

TEST_F(LoginProcedure, ApplicationNamesMatchWithoutRegardToCase)
{
    // Company B enables "wtalvera" and grants "WtAlVeRa"; the title may come in any case.
    ASSERT_EQ(attempt(world->company("plain"), QStringLiteral("ana"), QStringLiteral("parola"),
                      QStringLiteral("WTalvera")),
              QString());
    EXPECT_EQ(dm->glUserRol, QStringLiteral("operator"));
    EXPECT_EQ(dm->glJasProtocol, QStringLiteral("https")) << "rapoarte.firma.ro";
    EXPECT_EQ(dm->glEuPL, QStringLiteral("Punct B"));
}

TEST_F(LoginProcedure, ASecondLoginRepointsTheCompanyConnection)
{
    ASSERT_EQ(attempt(world->company("sha"), QStringLiteral("ana"), QStringLiteral("parola")), QString());
    ASSERT_EQ(attempt(world->company("plain"), QStringLiteral("ana"), QStringLiteral("parola")), QString());
    EXPECT_EQ(dm->conZuv.settings().database, world->b().name());
    EXPECT_EQ(dm->glDataBase, world->b().name());
    db::PgQuery probe(dm->conZuv, QStringLiteral("probe"));
    probe.setSql(QStringLiteral("select current_database()::text as db"));
    probe.open();
    EXPECT_EQ(probe.value(QStringLiteral("db")).asString(), world->b().name());
    // dsEu was open: the second login refreshed it from the new database.
    EXPECT_EQ(dm->dsEu.value(QStringLiteral("eu")).asString(), QStringLiteral("Firma B"));
}

TEST_F(LoginProcedure, AFoundCompanyRepointsTheConnectionEvenWhenThePasswordIsRefused)
{
    EXPECT_EQ(attempt(world->company("plain"), QStringLiteral("ana"), QStringLiteral("gresita")),
              QStringLiteral("User, Password eronate"));
    EXPECT_EQ(dm->conZuv.settings().database, world->b().name());
    EXPECT_EQ(dm->conZuv.settings().sslMode, db::SslMode::Prefer);
}

TEST_F(LoginProcedure, ACopyUnderAnotherNameIsAcceptedOnceTheCompanyEnablesIt)
{
    world->a().run(QStringLiteral("insert into aplicatie_mob (aplicatie_mob, activ) values ('Contabil', true); "
                                  "insert into aplicatie_mob_emitent (aplicatie_mob, emitent, rol) values ('CONTABIL', 'ana', 'c')"));
    EXPECT_EQ(attempt(world->company("sha"), QStringLiteral("ana"), QStringLiteral("parola"), QStringLiteral("contabil")),
              QString());
    EXPECT_EQ(dm->glUserRol, QStringLiteral("c"));
    world->a().run(QStringLiteral("delete from aplicatie_mob where aplicatie_mob = 'Contabil'; "
                                  "delete from aplicatie_mob_emitent where aplicatie_mob = 'CONTABIL'"));
}

TEST(ConnectionModule, ConnectionsAsTheModuleDeclaresThem)
{
    TdmCon dm([] { return login::DeploymentConfig{QStringLiteral("dir.example.ro"), 6432, QStringLiteral("pw")}; });
    EXPECT_EQ(dm.conZuvMob.mode(), db::ConnectionMode::StayConnected);
    EXPECT_EQ(dm.conZuv.mode(), db::ConnectionMode::PerRequest);
    for (const db::PgConnection* c : {&dm.conZuvMob, &dm.conZuv}) {
        EXPECT_EQ(c->settings().user, QStringLiteral("zuv"));
        EXPECT_EQ(c->settings().connectTimeoutSeconds, 15);
        EXPECT_EQ(c->settings().sslMode, db::SslMode::Require);
        EXPECT_FALSE(c->isConnected()) << "nothing connects at creation";
    }
    EXPECT_EQ(dm.conZuvMob.settings().database, QStringLiteral("zuv_mob"));
    EXPECT_EQ(dm.conZuv.settings().database, QStringLiteral("zuv1")) << "a placeholder until login";
    dm.ensureConfigured();
    EXPECT_EQ(dm.conZuvMob.settings().host, QStringLiteral("dir.example.ro"));
    EXPECT_EQ(dm.conZuvMob.settings().port, 6432);
    EXPECT_EQ(dm.conZuv.settings().password, QStringLiteral("pw"));
    EXPECT_EQ(dm.dsEmitent.fields().size(), 65u);
    EXPECT_EQ(dm.dsEu.fields().size(), 117u);
    EXPECT_EQ(dm.GridTableViewStyleSheetDevExpress.header.background, QColor(0x31, 0x6A, 0xC5));
}

TEST_F(LoginProcedure, AMissingConfigurationIsAMessageAtTheFirstAttempt)
{
    TdmCon unconfigured([]() -> login::DeploymentConfig {
        return login::DeploymentConfig::load({QStringLiteral("/nonexistent/wtalvera.ini")});
    });
    db::PgQuery lookup(unconfigured.conZuvMob, QStringLiteral("dsZuvMobil"));
    lookup.setSql(QStringLiteral("select * from m_firma where nume_firma = :pNumeFirma"));
    try {
        login::verifyLogin(unconfigured, lookup, QStringLiteral("wtalvera"),
                           {QStringLiteral("X"), QStringLiteral("u"), QStringLiteral("p")});
        FAIL() << "logged in without configuration";
    } catch (const ui::AppError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Lipseste configuratia conexiunii"))) << e.what();
    }
    EXPECT_EQ(unconfigured.glNumeFirma, QStringLiteral("X"));
    EXPECT_FALSE(unconfigured.conZuvMob.isConnected());
}

} // namespace
