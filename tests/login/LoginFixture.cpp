#include "login/LoginFixture.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace testing_support {

namespace {

LoginWorld* world = nullptr;

const char* keys[] = {"sha", "plain", "lowerhash", "emptyhash", "nullhash", "nullport"};

} // namespace

LoginWorld& LoginWorld::get()
{
    if (!world)
        world = new LoginWorld();
    return *world;
}

void LoginWorld::release()
{
    delete world;
    world = nullptr;
}

LoginWorld::LoginWorld()
    : m_prefix(QStringLiteral("Firma %1").arg(getpid()))
    , m_a(std::make_unique<ScratchDatabase>(QStringLiteral("login_a")))
    , m_b(std::make_unique<ScratchDatabase>(QStringLiteral("login_b")))
{
    m_a->run(QStringLiteral(R"(
        insert into emitent (emitent, operator_parola, eu_punct_lucru) values
            ('ana', encode(sha256('parola'::bytea), 'hex'), 'Punct Cluj'),
            ('fara', encode(sha256('parola'::bytea), 'hex'), null),
            ('gol', encode(sha256(''::bytea), 'hex'), 'Punct Gol');
        insert into aplicatie_mob (aplicatie_mob, activ) values ('WTALVERA', true), ('Inactiva', false);
        insert into aplicatie_mob_emitent (aplicatie_mob, emitent, rol) values
            ('wtalvera', 'ana', 'admin'), ('wtalvera', 'gol', null), ('inactiva', 'ana', 'x');
        insert into eu (eu, jas_ip) values ('Firma A', '10.1.1.1:8080');
    )"));
    m_b->run(QStringLiteral(R"(
        insert into emitent (emitent, operator_parola, eu_punct_lucru) values ('ana', 'parola', 'Punct B');
        insert into aplicatie_mob (aplicatie_mob, activ) values ('wtalvera', true);
        insert into aplicatie_mob_emitent (aplicatie_mob, emitent, rol) values ('WtAlVeRa', 'ana', 'operator');
        insert into eu (eu, jas_ip) values ('Firma B', 'rapoarte.firma.ro');
    )"));
    const db::ConnectionSettings s = m_a->settings();
    const QString host = s.host;
    const QString port = QString::number(s.port);
    runSql(sandboxSettings(QStringLiteral("zuv_mob")),
           QStringLiteral("insert into m_firma (nume_firma, ip, port, db_name, pw_hash_type) values "
                          "('%1', '%3', %4, '%5', 'HashSHA2'), "
                          "('%2 plain', '%3', %4, '%6', 'plain'), "
                          "('%2 lowerhash', '%3', %4, '%6', 'hashsha2'), "
                          "('%2 emptyhash', '%3', %4, '%6', ''), "
                          "('%2 nullhash', '%3', %4, '%6', null), "
                          "('%2 nullport', '%3', null, '%6', 'HashSHA2')")
               .arg(company("sha"), m_prefix, host, port, m_a->name(), m_b->name()));
}

LoginWorld::~LoginWorld()
{
    try {
        runSql(sandboxSettings(QStringLiteral("zuv_mob")),
               QStringLiteral("delete from m_firma where nume_firma like '%1%%'").arg(m_prefix));
    } catch (const std::exception& e) {
        ADD_FAILURE() << "could not clean the directory: " << e.what();
    }
}

QString LoginWorld::company(const char* key) const
{
    if (qstrcmp(key, "sha") == 0)
        return m_prefix + QStringLiteral(" SHA");
    for (const char* k : keys) {
        if (qstrcmp(key, k) == 0)
            return m_prefix + QLatin1Char(' ') + QString::fromLatin1(k);
    }
    ADD_FAILURE() << "no company " << key;
    return {};
}

std::unique_ptr<TdmCon> LoginWorld::makeConnectionModule()
{
    return std::make_unique<TdmCon>([] {
        const db::ConnectionSettings s = sandboxSettings(QStringLiteral("zuv_mob"));
        login::DeploymentConfig config;
        config.directoryHost = s.host;
        config.directoryPort = s.port;
        config.password = s.password;
        return config;
    });
}

} // namespace testing_support

namespace {

// Removes the shared databases and directory rows once the program's tests have run.
class LoginWorldCleanup : public ::testing::Environment {
public:
    void TearDown() override { testing_support::LoginWorld::release(); }
};

[[maybe_unused]] ::testing::Environment* const cleanup =
    ::testing::AddGlobalTestEnvironment(new LoginWorldCleanup);

} // namespace
