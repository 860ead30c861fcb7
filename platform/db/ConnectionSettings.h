#pragma once

#include <QString>

namespace db {

// How a connection negotiates TLS; the names are libpq's sslmode values.
enum class SslMode {
    Require, // TLS or no connection at all
    Prefer,  // TLS when the server offers it, plain otherwise
};

QString sslModeName(SslMode mode);

struct ConnectionSettings {
    QString host; // empty: libpq's default (the local socket)
    int port = 0; // 0: the default port, 5432
    QString database;
    QString user;
    QString password; // empty: libpq looks in its password file
    SslMode sslMode = SslMode::Require;
    int connectTimeoutSeconds = 15;
    QString applicationName;

    int effectivePort() const { return port == 0 ? 5432 : port; }

    bool operator==(const ConnectionSettings&) const = default;
};

} // namespace db
