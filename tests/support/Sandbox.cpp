#include "support/Sandbox.h"

#include "db/DbError.h"
#include "db/PgConnection.h"

#include <gtest/gtest.h>

#include <QAtomicInt>
#include <QByteArray>
#include <QCoreApplication>

#include <unistd.h>

namespace testing_support {

namespace {

QString requiredVariable(const char* name)
{
    const QByteArray value = qgetenv(name);
    if (value.isEmpty()) {
        ADD_FAILURE() << name << " is not set: run the tests through scripts/test, which starts "
                      << "the sandbox server (scripts/pg-sandbox).";
        throw std::runtime_error("sandbox not available");
    }
    return QString::fromUtf8(value);
}

db::ConnectionSettings settingsOnPort(const char* portVariable, const QString& database)
{
    db::ConnectionSettings s;
    s.host = requiredVariable("WTALVERA_PG_HOST");
    s.port = requiredVariable(portVariable).toInt();
    s.user = QStringLiteral("zuv");
    s.password = requiredVariable("WTALVERA_PG_PASSWORD");
    s.database = database;
    s.sslMode = db::SslMode::Prefer;
    s.applicationName = QStringLiteral("wtalvera-tests");
    return s;
}

} // namespace

db::ConnectionSettings sandboxSettings(const QString& database)
{
    return settingsOnPort("WTALVERA_PG_PORT", database);
}

db::ConnectionSettings sandboxSettingsWithoutTls(const QString& database)
{
    return settingsOnPort("WTALVERA_PG_PORT_NOTLS", database);
}

void runSql(const db::ConnectionSettings& settings, const QString& sql)
{
    db::PgConnection connection(QStringLiteral("admin"), db::ConnectionMode::StayConnected, settings);
    connection.execScript(sql);
}

QString scalar(const db::ConnectionSettings& settings, const QString& sql)
{
    db::PgConnection connection(QStringLiteral("admin"), db::ConnectionMode::StayConnected, settings);
    const db::ResultSet result = connection.execScript(sql);
    if (result.rows.empty() || result.rows.front().empty())
        return {};
    return result.rows.front().front().value_or(QString());
}

ScratchDatabase::ScratchDatabase(const QString& prefix)
{
    static QAtomicInt counter;
    m_name = QStringLiteral("%1_%2_%3").arg(prefix).arg(getpid()).arg(counter.fetchAndAddRelaxed(1));
    runSql(sandboxSettings(QStringLiteral("zuv_mob")),
           QStringLiteral("CREATE DATABASE \"%1\" TEMPLATE zuv_template").arg(m_name));
}

ScratchDatabase::~ScratchDatabase()
{
    try {
        runSql(sandboxSettings(QStringLiteral("zuv_mob")),
               QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(m_name));
    } catch (const std::exception& e) {
        ADD_FAILURE() << "could not drop " << m_name.toStdString() << ": " << e.what();
    }
}

void ScratchDatabase::run(const QString& sql) const
{
    runSql(settings(), sql);
}

} // namespace testing_support
