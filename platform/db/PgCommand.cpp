#include "db/PgCommand.h"

#include "db/DbError.h"
#include "db/PgConnection.h"

namespace db {

PgCommand::PgCommand(PgConnection& connection)
    : m_connection(&connection)
{
}

void PgCommand::setSql(const QString& sql)
{
    SqlStatement statement(sql);
    std::vector<std::optional<ParamValue>> values(
        static_cast<std::size_t>(statement.parameterNames().size()));
    for (qsizetype i = 0; i < statement.parameterNames().size(); ++i) {
        const int old = m_statement.indexOf(statement.parameterNames()[i]);
        if (old >= 0)
            values[static_cast<std::size_t>(i)] = m_values[static_cast<std::size_t>(old)];
    }
    m_sql = sql;
    m_statement = std::move(statement);
    m_values = std::move(values);
}

int PgCommand::indexOrThrow(const QString& name) const
{
    const int index = m_statement.indexOf(name);
    if (index < 0)
        throw DbError(QStringLiteral("Parameter '%1' not found.").arg(name));
    return index;
}

void PgCommand::setParam(const QString& name, const ParamValue& value)
{
    m_values[static_cast<std::size_t>(indexOrThrow(name))] = value;
}

std::optional<ParamValue> PgCommand::param(const QString& name) const
{
    return m_values[static_cast<std::size_t>(indexOrThrow(name))];
}

ResultSet PgCommand::execute() const
{
    std::vector<ParamValue> values;
    values.reserve(m_values.size());
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        if (!m_values[i])
            throw DbError(QStringLiteral("No value for parameter '%1'.")
                              .arg(m_statement.parameterNames()[static_cast<qsizetype>(i)]));
        values.push_back(*m_values[i]);
    }
    return m_connection->exec(m_statement.positionalSql(), values);
}

} // namespace db
