#pragma once

#include "db/ParamValue.h"
#include "db/ResultSet.h"
#include "db/SqlStatement.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace db {

class PgConnection;

// A statement with named parameters bound to a connection. Setting the SQL creates its
// parameters; every value is sent as a libpq parameter, never pasted into the SQL text.
class PgCommand {
public:
    explicit PgCommand(PgConnection& connection);

    PgConnection& connection() const { return *m_connection; }

    // The statement, given whole or line by line (joined with line breaks). Values already set for
    // parameters that the new statement still names (in any case) are kept.
    void setSql(const QString& sql);
    void setSql(const QStringList& lines) { setSql(lines.join(QLatin1Char('\n'))); }
    const QString& sql() const { return m_sql; }

    QStringList paramNames() const { return m_statement.parameterNames(); }
    // Throws DbError when the statement has no parameter of that name (in any case).
    void setParam(const QString& name, const ParamValue& value);
    // The value set for the parameter, or nullopt when it has none yet. Throws like setParam.
    std::optional<ParamValue> param(const QString& name) const;

    // Throws DbError naming the first parameter without a value, or with the server's message.
    ResultSet execute() const;

private:
    int indexOrThrow(const QString& name) const;

    PgConnection* m_connection;
    QString m_sql;
    SqlStatement m_statement;
    std::vector<std::optional<ParamValue>> m_values;
};

} // namespace db
