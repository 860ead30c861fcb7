#include "db/RowWriter.h"

#include "db/DbError.h"
#include "db/PgConnection.h"

namespace db {

QString quoteIdentifier(const QString& name)
{
    QString inner = name;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

struct RowWriter::Statement {
    QString sql;
    std::vector<ParamValue> values;

    QString bind(const ParamValue& value)
    {
        values.push_back(value);
        return QLatin1Char('$') + QString::number(values.size());
    }
};

RowWriter::RowWriter(PgConnection& connection, QString table, const std::vector<FieldDef>& fields,
                     QStringList keyFields)
    : m_connection(connection)
    , m_table(std::move(table))
    , m_fields(fields)
    , m_keyFields(std::move(keyFields))
{
    if (m_table.isEmpty())
        throw DbError(QStringLiteral("The query has no table to write its rows to."));
    if (m_keyFields.isEmpty())
        throw DbError(QStringLiteral("The query has no key fields to find its rows in table %1.").arg(m_table));
    for (const FieldDef& f : m_fields) {
        if (!f.readOnly)
            m_writable.push_back(f);
    }
    for (const QString& key : m_keyFields)
        writableField(key);
}

const FieldDef& RowWriter::writableField(const QString& name) const
{
    for (const FieldDef& f : m_fields) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0) {
            if (f.readOnly)
                throw DbError(QStringLiteral("Field '%1' is read-only.").arg(f.name));
            return f;
        }
    }
    throw DbError(QStringLiteral("Field '%1' not found.").arg(name));
}

void RowWriter::appendKeyCondition(Statement& statement, const ResultSet::Row& key) const
{
    QStringList conditions;
    for (qsizetype i = 0; i < m_keyFields.size(); ++i) {
        const FieldDef& f = writableField(m_keyFields[i]);
        const auto& raw = key.at(static_cast<std::size_t>(i));
        // "= NULL" matches nothing; a NULL key is looked for as such.
        if (raw)
            conditions << quoteIdentifier(f.name) + QStringLiteral(" = ")
                              + statement.bind(ParamValue::fromVariant(f.kind, *raw, f.name));
        else
            conditions << quoteIdentifier(f.name) + QStringLiteral(" IS NULL");
    }
    statement.sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

QString RowWriter::describeKey(const ResultSet::Row& key) const
{
    if (key.size() != static_cast<std::size_t>(m_keyFields.size()))
        return QStringLiteral("the new row");
    QStringList parts;
    for (qsizetype i = 0; i < m_keyFields.size(); ++i) {
        const auto& raw = key.at(static_cast<std::size_t>(i));
        parts << m_keyFields[i] + QStringLiteral(" = ")
                     + (raw ? QLatin1Char('"') + *raw + QLatin1Char('"') : QStringLiteral("NULL"));
    }
    return parts.join(QStringLiteral(", "));
}

QString RowWriter::returningList() const
{
    QStringList names;
    for (const FieldDef& f : m_writable)
        names << quoteIdentifier(f.name);
    return names.join(QStringLiteral(", "));
}

ResultSet RowWriter::runOneRow(const Statement& statement, const QString& action,
                               const ResultSet::Row& key)
{
    PgConnection::Hold hold(m_connection);
    m_connection.exec(QStringLiteral("BEGIN"), {});
    ResultSet result;
    try {
        result = m_connection.exec(statement.sql, statement.values);
    } catch (const DbError&) {
        if (m_connection.isConnected()) {
            try {
                m_connection.exec(QStringLiteral("ROLLBACK"), {});
            } catch (const DbError&) {
                // The first error is the one worth showing.
            }
        }
        throw;
    }
    if (result.affectedRows != 1) {
        m_connection.exec(QStringLiteral("ROLLBACK"), {});
        const QString matched = result.affectedRows == 0
                                    ? QStringLiteral("no row of table %1 has").arg(m_table)
                                    : QStringLiteral("%1 rows of table %2 have").arg(result.affectedRows).arg(m_table);
        throw DbError(QStringLiteral("%1 failed: %2 %3; exactly one was expected. Nothing was changed.")
                          .arg(action, matched, describeKey(key)));
    }
    m_connection.exec(QStringLiteral("COMMIT"), {});
    return result;
}

ResultSet::Row RowWriter::project(const ResultSet& result) const
{
    ResultSet::Row row;
    row.reserve(m_writable.size());
    const ResultSet::Row& returned = result.rows.front();
    for (const FieldDef& f : m_writable) {
        const int c = result.columnIndex(f.name);
        row.push_back(c >= 0 ? returned[static_cast<std::size_t>(c)] : std::nullopt);
    }
    return row;
}

ResultSet::Row RowWriter::update(const ResultSet::Row& key, const QVariantMap& changes)
{
    Statement statement;
    QStringList assignments;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        const FieldDef& f = writableField(it.key());
        assignments << quoteIdentifier(f.name) + QStringLiteral(" = ")
                           + statement.bind(ParamValue::fromVariant(f.kind, it.value(), f.name));
    }
    if (assignments.isEmpty())
        throw DbError(QStringLiteral("Update of table %1: no field to change.").arg(m_table));
    statement.sql = QStringLiteral("UPDATE ") + quoteIdentifier(m_table) + QStringLiteral(" SET ")
                    + assignments.join(QStringLiteral(", "));
    appendKeyCondition(statement, key);
    statement.sql += QStringLiteral(" RETURNING ") + returningList();
    return project(runOneRow(statement, QStringLiteral("Update"), key));
}

ResultSet::Row RowWriter::insert(const QVariantMap& values)
{
    Statement statement;
    QStringList columns;
    QStringList placeholders;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const FieldDef& f = writableField(it.key());
        columns << quoteIdentifier(f.name);
        placeholders << statement.bind(ParamValue::fromVariant(f.kind, it.value(), f.name));
    }
    statement.sql = QStringLiteral("INSERT INTO ") + quoteIdentifier(m_table);
    if (columns.isEmpty())
        statement.sql += QStringLiteral(" DEFAULT VALUES");
    else
        statement.sql += QStringLiteral(" (") + columns.join(QStringLiteral(", "))
                         + QStringLiteral(") VALUES (") + placeholders.join(QStringLiteral(", "))
                         + QLatin1Char(')');
    statement.sql += QStringLiteral(" RETURNING ") + returningList();
    return project(runOneRow(statement, QStringLiteral("Insert"), {}));
}

void RowWriter::remove(const ResultSet::Row& key)
{
    Statement statement;
    statement.sql = QStringLiteral("DELETE FROM ") + quoteIdentifier(m_table);
    appendKeyCondition(statement, key);
    runOneRow(statement, QStringLiteral("Delete"), key);
}

} // namespace db
