#pragma once

#include "db/ConnectionSettings.h"
#include "db/ParamValue.h"
#include "db/ResultSet.h"

#include <QString>

#include <memory>
#include <vector>

namespace db {

enum class ConnectionMode {
    StayConnected, // connects on first use and keeps the session
    PerRequest,    // connects for each request and disconnects once its rows are fetched
};

// A PostgreSQL client connection that connects on first use. Changing its settings drops the
// session, so the next request connects anew to the new place. A request that finds the session
// broken drops it too, so that the next request tries again from scratch.
class PgConnection {
public:
    PgConnection(QString name, ConnectionMode mode, ConnectionSettings settings = {});
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    const QString& name() const { return m_name; }
    ConnectionMode mode() const { return m_mode; }
    const ConnectionSettings& settings() const { return m_settings; }
    void setSettings(const ConnectionSettings& settings);

    bool isConnected() const;
    void disconnect();

    // Runs one statement with positional parameters ($1...) and returns its whole result.
    // Throws DbError with the server's or libpq's message.
    ResultSet exec(const QString& positionalSql, const std::vector<ParamValue>& values);
    // Runs a script of several statements that takes no parameters (schema, fixtures); the
    // result of the last statement is returned.
    ResultSet execScript(const QString& sql);

    // While a Hold lives, a per-request connection keeps its session, so that several requests
    // (a transaction) share it. Holds nest.
    class [[nodiscard]] Hold {
    public:
        explicit Hold(PgConnection& connection);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        PgConnection& m_connection;
    };

private:
    struct Session;

    void connect();
    ResultSet collect(void* result);
    void releaseIfIdle();

    QString m_name;
    ConnectionMode m_mode;
    ConnectionSettings m_settings;
    std::unique_ptr<Session> m_session;
    int m_holds = 0;
};

} // namespace db
