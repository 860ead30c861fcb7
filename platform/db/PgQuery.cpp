#include "db/PgQuery.h"

#include "db/DbError.h"
#include "db/PgConnection.h"
#include "db/RowWriter.h"

namespace db {

PgQuery::PgQuery(PgConnection& connection, QString name)
    : m_name(std::move(name))
    , m_command(connection)
{
}

void PgQuery::setFields(std::vector<FieldDef> fields)
{
    m_declared = std::move(fields);
    m_fields = m_declared;
}

int PgQuery::fieldIndex(const QString& name) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void PgQuery::setKeyFields(const QString& list)
{
    m_keyFields.clear();
    for (const QString& part : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            m_keyFields << name;
    }
}

void PgQuery::load(ResultSet result)
{
    std::vector<FieldDef> fields = m_declared;
    std::vector<int> columnOf;
    if (fields.empty()) {
        for (const ResultColumn& column : result.columns) {
            fields.push_back({column.name, fieldKindOfType(column.typeOid), 0, false});
            columnOf.push_back(static_cast<int>(columnOf.size()));
        }
    } else {
        for (const FieldDef& f : fields) {
            const int c = result.columnIndex(f.name);
            if (c < 0)
                throw DbError(QStringLiteral("Field '%1' not found").arg(f.name));
            const unsigned type = result.columns[static_cast<std::size_t>(c)].typeOid;
            if (!fieldKindAccepts(f.kind, type))
                throw DbError(QStringLiteral("Type mismatch for field '%1', expecting: %2 actual: %3")
                                  .arg(f.name, fieldKindName(f.kind), describeTypeOid(type)));
            columnOf.push_back(c);
        }
    }

    std::vector<ResultSet::Row> rows;
    rows.reserve(result.rows.size());
    for (ResultSet::Row& source : result.rows) {
        ResultSet::Row row(fields.size());
        for (std::size_t i = 0; i < fields.size(); ++i)
            row[i] = std::move(source[static_cast<std::size_t>(columnOf[i])]);
        rows.push_back(std::move(row));
    }
    m_fields = std::move(fields);
    m_rows = std::move(rows);
    m_open = true;
    m_eof = false;
    m_current = m_rows.empty() ? -1 : 0;
}

void PgQuery::open()
{
    if (m_open)
        return;
    load(m_command.execute());
}

void PgQuery::close()
{
    m_open = false;
    m_rows.clear();
    m_current = -1;
    m_eof = false;
}

ResultSet::Row PgQuery::keyOf(int row) const
{
    ResultSet::Row key;
    for (const QString& name : m_keyFields) {
        const int f = fieldIndex(name);
        if (f < 0)
            throw DbError(QStringLiteral("Key field '%1' not found").arg(name));
        key.push_back(m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(f)]);
    }
    return key;
}

int PgQuery::findRow(const ResultSet::Row& key) const
{
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        if (keyOf(static_cast<int>(r)) == key)
            return static_cast<int>(r);
    }
    return -1;
}

void PgQuery::refresh()
{
    const bool relocate = m_open && m_current >= 0 && !m_keyFields.isEmpty();
    const ResultSet::Row key = relocate ? keyOf(m_current) : ResultSet::Row{};
    // load() checks the new result against the fields before it replaces anything, so a failure
    // here leaves the rows as they were.
    load(m_command.execute());
    if (relocate) {
        const int found = findRow(key);
        if (found >= 0)
            m_current = found;
    }
}

void PgQuery::checkRow(int row) const
{
    if (!m_open)
        throw DbError(QStringLiteral("Query %1 is not open.").arg(m_name));
    if (row < 0 || row >= recordCount())
        throw DbError(QStringLiteral("Query %1 has no row %2 (it holds %3).")
                          .arg(m_name).arg(row + 1).arg(recordCount()));
}

void PgQuery::setCurrentRow(int row)
{
    checkRow(row);
    m_current = row;
    m_eof = false;
}

void PgQuery::first()
{
    m_current = m_rows.empty() ? -1 : 0;
    m_eof = m_rows.empty();
}

void PgQuery::next()
{
    if (m_current + 1 < recordCount())
        ++m_current;
    else
        m_eof = true;
}

FieldValue PgQuery::value(int row, const QString& field) const
{
    const int f = fieldIndex(field);
    if (f < 0)
        throw DbError(QStringLiteral("Field '%1' not found").arg(field));
    checkRow(row);
    return FieldValue(m_fields[static_cast<std::size_t>(f)],
                      m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(f)]);
}

void PgQuery::updateRow(int row, const QVariantMap& changes)
{
    checkRow(row);
    RowWriter writer(m_command.connection(), m_updateTable, m_fields, m_keyFields);
    const ResultSet::Row written = writer.update(keyOf(row), changes);
    ResultSet::Row& local = m_rows[static_cast<std::size_t>(row)];
    for (std::size_t i = 0; i < writer.writableFields().size(); ++i)
        local[static_cast<std::size_t>(fieldIndex(writer.writableFields()[i].name))] = written[i];
}

int PgQuery::appendRow(const QVariantMap& values)
{
    if (!m_open)
        throw DbError(QStringLiteral("Query %1 is not open.").arg(m_name));
    RowWriter writer(m_command.connection(), m_updateTable, m_fields, m_keyFields);
    const ResultSet::Row written = writer.insert(values);
    ResultSet::Row local(m_fields.size());
    for (std::size_t i = 0; i < writer.writableFields().size(); ++i)
        local[static_cast<std::size_t>(fieldIndex(writer.writableFields()[i].name))] = written[i];
    m_rows.push_back(std::move(local));
    m_current = recordCount() - 1;
    m_eof = false;
    return m_current;
}

void PgQuery::deleteRow(int row)
{
    checkRow(row);
    RowWriter writer(m_command.connection(), m_updateTable, m_fields, m_keyFields);
    writer.remove(keyOf(row));
    m_rows.erase(m_rows.begin() + row);
    if (m_current >= recordCount())
        m_current = recordCount() - 1;
}

} // namespace db
