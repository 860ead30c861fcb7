#pragma once

#include "db/ConnectionSettings.h"

#include <QString>

// The "zuv" account on the sandbox server that scripts/pg-sandbox describes in WTALVERA_PG_*,
// for a database of the benchmark's own.
inline db::ConnectionSettings sandboxSettings(const QString& database)
{
    db::ConnectionSettings s;
    s.host = qEnvironmentVariable("WTALVERA_PG_HOST");
    s.port = qEnvironmentVariable("WTALVERA_PG_PORT").toInt();
    s.password = qEnvironmentVariable("WTALVERA_PG_PASSWORD");
    s.user = QStringLiteral("zuv");
    s.database = database;
    s.sslMode = db::SslMode::Prefer;
    return s;
}
