#pragma once

#include "db/ConnectionSettings.h"
#include "support/QtPrinters.h"

#include <QString>

namespace testing_support {

// Settings for the "zuv" account on the sandbox server, from the variables that scripts/pg-sandbox
// writes (WTALVERA_PG_HOST, WTALVERA_PG_PORT, WTALVERA_PG_PASSWORD, WTALVERA_PG_PORT_NOTLS).
// Fails the calling test with a clear message when the sandbox is not there.
db::ConnectionSettings sandboxSettings(const QString& database);
db::ConnectionSettings sandboxSettingsWithoutTls(const QString& database);

// Runs SQL as "zuv" in the given database; throws db::DbError on failure.
void runSql(const db::ConnectionSettings& settings, const QString& sql);
// The first column of the first row of a query (empty text for NULL or no row).
QString scalar(const db::ConnectionSettings& settings, const QString& sql);

// A company database of its own for one test, copied from the sandbox's empty company template
// and dropped when the object goes.
class ScratchDatabase {
public:
    explicit ScratchDatabase(const QString& prefix = QStringLiteral("t"));
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const QString& name() const { return m_name; }
    db::ConnectionSettings settings() const { return sandboxSettings(m_name); }

    // Runs SQL (several statements allowed) as "zuv" in this database; fails the test on error.
    void run(const QString& sql) const;
    QString scalar(const QString& sql) const { return testing_support::scalar(settings(), sql); }

private:
    QString m_name;
};


} // namespace testing_support
