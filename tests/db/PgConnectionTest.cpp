#include "db/DbError.h"
#include "db/PgCommand.h"
#include "db/PgConnection.h"
#include "db/PgQuery.h"
#include "support/Sandbox.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace testing_support;

namespace {

QString uniqueName(const char* prefix)
{
    return QString::fromUtf8(prefix) + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

QString firstValue(db::PgConnection& connection, const QString& sql,
                   const std::vector<std::pair<QString, db::ParamValue>>& params = {})
{
    db::PgCommand command(connection);
    command.setSql(sql);
    for (const auto& [name, value] : params)
        command.setParam(name, value);
    const db::ResultSet result = command.execute();
    return result.rows.at(0).at(0).value_or(QStringLiteral("<NULL>"));
}

int sessionsNamed(const QString& applicationName)
{
    return scalar(sandboxSettings(QStringLiteral("zuv_mob")),
                  QStringLiteral("select count(*) from pg_stat_activity where application_name = '%1'")
                      .arg(applicationName))
        .toInt();
}

TEST(PgConnection, HostileTextArrivesAsData)
{
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::StayConnected,
                                sandboxSettings(QStringLiteral("zuv_template")));
    for (const QString& value :
         {QStringLiteral("x'; drop table emitent; --"), QStringLiteral("$1"), QStringLiteral(":pEmitent"),
          QStringLiteral("\\' \" \\\\"), QStringLiteral("ăîșțâ ĂÎȘȚÂ 😀 مرحبا")}) {
        EXPECT_EQ(firstValue(connection, QStringLiteral("select :pEmitent::text"),
                             {{QStringLiteral("PEMITENT"), db::ParamValue::text(value)}}),
                  value);
    }
    EXPECT_EQ(firstValue(connection, QStringLiteral("select count(*) from emitent")), QStringLiteral("0"));
}

TEST(PgConnection, NullAndTypedParameters)
{
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::StayConnected,
                                sandboxSettings(QStringLiteral("zuv_template")));
    EXPECT_EQ(firstValue(connection, QStringLiteral("select :p is null"),
                         {{QStringLiteral("p"), db::ParamValue::null(db::FieldKind::Date)}}),
              QStringLiteral("t"));
    // The date box's empty value, a date in the first century BC, reaches the server intact.
    const QDate nullDate = QDate(1899, 12, 30).addDays(-700000);
    EXPECT_EQ(firstValue(connection, QStringLiteral("select :d - date '1899-12-30'"),
                         {{QStringLiteral("d"), db::ParamValue::date(nullDate)}}),
              QStringLiteral("-700000"));
    EXPECT_EQ(firstValue(connection, QStringLiteral("select (:f * 2)::text"),
                         {{QStringLiteral("f"), db::ParamValue::floating(0.1)}}),
              QStringLiteral("0.2"));
    EXPECT_EQ(firstValue(connection, QStringLiteral("select :b and true"),
                         {{QStringLiteral("b"), db::ParamValue::boolean(false)}}),
              QStringLiteral("f"));
}

TEST(PgConnection, ParameterErrorsNameTheParameter)
{
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::StayConnected,
                                sandboxSettings(QStringLiteral("zuv_template")));
    db::PgCommand command(connection);
    command.setSql(QStringLiteral("select :pA, :pB"));
    command.setParam(QStringLiteral("pa"), db::ParamValue::text(QStringLiteral("1")));
    try {
        command.execute();
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("No value for parameter 'pB'."));
    }
    try {
        command.setParam(QStringLiteral("pC"), db::ParamValue::text(QStringLiteral("1")));
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Parameter 'pC' not found."));
    }
    EXPECT_FALSE(connection.isConnected()) << "nothing should have been sent";
}

TEST(PgConnection, ServerErrorsKeepMessageAndSqlState)
{
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::StayConnected,
                                sandboxSettings(QStringLiteral("zuv_template")));
    try {
        connection.exec(QStringLiteral("select 1/0"), {});
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("division by zero"));
        EXPECT_EQ(e.sqlState(), QStringLiteral("22012"));
        EXPECT_FALSE(e.isConnectionFailure());
    }
    try {
        connection.exec(QStringLiteral("select * from nu_exista"), {});
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("relation \"nu_exista\" does not exist"));
        EXPECT_EQ(e.sqlState(), QStringLiteral("42P01"));
    }
    // The session survives a statement error.
    EXPECT_TRUE(connection.isConnected());
    EXPECT_EQ(firstValue(connection, QStringLiteral("select 2")), QStringLiteral("2"));
}

TEST(PgConnection, RefusedLoginIsAConnectionFailureWithLibpqText)
{
    db::ConnectionSettings settings = sandboxSettings(QStringLiteral("zuv_mob"));
    settings.password = QStringLiteral("not the password");
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::StayConnected, settings);
    try {
        connection.exec(QStringLiteral("select 1"), {});
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("password authentication failed for user \"zuv\"")))
            << e.message().toStdString();
        EXPECT_FALSE(e.message().endsWith(QLatin1Char('\n')));
        EXPECT_TRUE(e.isConnectionFailure());
    }
    EXPECT_FALSE(connection.isConnected());
}

TEST(PgConnection, RequireRefusesAServerWithoutTlsAndPreferAcceptsIt)
{
    db::ConnectionSettings settings = sandboxSettingsWithoutTls(QStringLiteral("zuv_mob"));
    settings.sslMode = db::SslMode::Require;
    db::PgConnection required(QStringLiteral("c"), db::ConnectionMode::StayConnected, settings);
    try {
        required.exec(QStringLiteral("select 1"), {});
        FAIL() << "require connected without TLS";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("server does not support SSL, but SSL was required")))
            << e.message().toStdString();
    }

    settings.sslMode = db::SslMode::Prefer;
    db::PgConnection preferred(QStringLiteral("c"), db::ConnectionMode::StayConnected, settings);
    EXPECT_EQ(firstValue(preferred, QStringLiteral("select ssl::text from pg_stat_ssl where pid = pg_backend_pid()")),
              QStringLiteral("false"));

    // Against the TLS server both modes end up encrypted.
    db::ConnectionSettings tls = sandboxSettings(QStringLiteral("zuv_mob"));
    for (db::SslMode mode : {db::SslMode::Require, db::SslMode::Prefer}) {
        tls.sslMode = mode;
        db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::StayConnected, tls);
        EXPECT_EQ(firstValue(connection, QStringLiteral("select ssl::text from pg_stat_ssl where pid = pg_backend_pid()")),
                  QStringLiteral("true"));
    }
}

TEST(PgConnection, PerRequestHoldsNoSessionOnceRowsAreFetched)
{
    db::ConnectionSettings settings = sandboxSettings(QStringLiteral("zuv_mob"));
    settings.applicationName = uniqueName("per-request-");
    db::PgConnection connection(QStringLiteral("conZuv"), db::ConnectionMode::PerRequest, settings);
    EXPECT_EQ(firstValue(connection, QStringLiteral("select application_name from pg_stat_activity where pid = pg_backend_pid()")),
              settings.applicationName);
    EXPECT_FALSE(connection.isConnected());
    EXPECT_EQ(sessionsNamed(settings.applicationName), 0);

    {
        db::PgConnection::Hold hold(connection);
        firstValue(connection, QStringLiteral("select 1"));
        EXPECT_EQ(sessionsNamed(settings.applicationName), 1);
    }
    EXPECT_EQ(sessionsNamed(settings.applicationName), 0);
}

TEST(PgConnection, StayConnectedKeepsItsSession)
{
    db::ConnectionSettings settings = sandboxSettings(QStringLiteral("zuv_mob"));
    settings.applicationName = uniqueName("stay-");
    db::PgConnection connection(QStringLiteral("conZuvMob"), db::ConnectionMode::StayConnected, settings);
    EXPECT_FALSE(connection.isConnected()) << "connects on first use only";
    const QString pid = firstValue(connection, QStringLiteral("select pg_backend_pid()"));
    EXPECT_EQ(firstValue(connection, QStringLiteral("select pg_backend_pid()")), pid);
    EXPECT_EQ(sessionsNamed(settings.applicationName), 1);
}

TEST(PgConnection, ChangedSettingsReachTheNewDatabase)
{
    ScratchDatabase a;
    ScratchDatabase b;
    for (db::ConnectionMode mode : {db::ConnectionMode::StayConnected, db::ConnectionMode::PerRequest}) {
        db::PgConnection connection(QStringLiteral("c"), mode, a.settings());
        EXPECT_EQ(firstValue(connection, QStringLiteral("select current_database()")), a.name());
        db::ConnectionSettings next = connection.settings();
        next.database = b.name();
        connection.setSettings(next);
        EXPECT_EQ(firstValue(connection, QStringLiteral("select current_database()")), b.name());
    }
}

TEST(PgConnection, ADatabaseNameIsNeverReadAsAConnectionString)
{
    db::ConnectionSettings settings = sandboxSettings(QStringLiteral("dbname=zuv_mob"));
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::PerRequest, settings);
    try {
        connection.exec(QStringLiteral("select 1"), {});
        FAIL() << "connected to another database";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("database \"dbname=zuv_mob\" does not exist")))
            << e.message().toStdString();
    }
}

TEST(PgConnection, ABrokenSessionIsDroppedAndTheNextRequestReconnects)
{
    db::ConnectionSettings settings = sandboxSettings(QStringLiteral("zuv_mob"));
    settings.applicationName = uniqueName("killed-");
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::StayConnected, settings);
    const QString pid = firstValue(connection, QStringLiteral("select pg_backend_pid()"));
    runSql(sandboxSettings(QStringLiteral("zuv_mob")),
           QStringLiteral("select pg_terminate_backend(%1)").arg(pid));
    try {
        connection.exec(QStringLiteral("select 1"), {});
        FAIL() << "a terminated session answered";
    } catch (const db::DbError& e) {
        EXPECT_FALSE(e.message().isEmpty());
        EXPECT_TRUE(e.isConnectionFailure()) << e.sqlState().toStdString();
    }
    EXPECT_FALSE(connection.isConnected());
    EXPECT_NE(firstValue(connection, QStringLiteral("select pg_backend_pid()")), pid);
}

TEST(PgConnection, WithoutAPasswordLibpqReadsItsPasswordFile)
{
    db::ConnectionSettings settings = sandboxSettings(QStringLiteral("zuv_mob"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pgpass"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("%1:%2:*:zuv:%3\n").arg(settings.host).arg(settings.port).arg(settings.password).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner); // libpq ignores a file others can read
    qputenv("PGPASSFILE", path.toUtf8());
    settings.password.clear();
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::PerRequest, settings);
    EXPECT_EQ(firstValue(connection, QStringLiteral("select current_user::text")), QStringLiteral("zuv"));
    qunsetenv("PGPASSFILE");
}

TEST(PgConnection, AServerThatNeverAnswersEndsAtTheConnectionTimeOut)
{
    // A socket that listens but never speaks: the kernel completes the handshake, nobody answers.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    socklen_t length = sizeof address;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);

    db::ConnectionSettings settings = sandboxSettings(QStringLiteral("zuv_mob"));
    settings.port = ntohs(address.sin_port);
    settings.connectTimeoutSeconds = 2; // the application's 15 s, shortened for the test
    db::PgConnection connection(QStringLiteral("c"), db::ConnectionMode::PerRequest, settings);
    QElapsedTimer clock;
    clock.start();
    try {
        connection.exec(QStringLiteral("select 1"), {});
        FAIL() << "a silent server answered";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("timeout expired"))) << e.message().toStdString();
        EXPECT_TRUE(e.isConnectionFailure());
    }
    EXPECT_LT(clock.elapsed(), 10000);
    ::close(listener);
}

TEST(PgConnection, PortZeroMeansTheDefaultPort)
{
    db::ConnectionSettings settings;
    EXPECT_EQ(settings.effectivePort(), 5432);
    settings.port = 6543;
    EXPECT_EQ(settings.effectivePort(), 6543);
}

} // namespace
