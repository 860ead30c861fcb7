#pragma once

#include "db/FieldDef.h"
#include "db/ResultSet.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <vector>

namespace db {

class PgConnection;

// Writes rows of one table back, identifying a row by its key fields. Each write is one
// transaction that must touch exactly one row: otherwise it is rolled back and fails with a
// message naming the table, the key and how many rows it matched. Read-only fields are never
// written. Values travel as parameters; table and column names are quoted identifiers.
class RowWriter {
public:
    RowWriter(PgConnection& connection, QString table, const std::vector<FieldDef>& fields,
              QStringList keyFields);

    // `key` holds the key fields' current values (PostgreSQL text form, nullopt for NULL);
    // `changes` maps field names to new values. Each returns the row as the table now holds it,
    // for the writable fields, in the order of fields().
    ResultSet::Row update(const ResultSet::Row& key, const QVariantMap& changes);
    ResultSet::Row insert(const QVariantMap& values);
    void remove(const ResultSet::Row& key);

    // The writable fields, in declaration order: what update() and insert() return.
    const std::vector<FieldDef>& writableFields() const { return m_writable; }

private:
    struct Statement;

    const FieldDef& writableField(const QString& name) const;
    void appendKeyCondition(Statement& statement, const ResultSet::Row& key) const;
    QString describeKey(const ResultSet::Row& key) const;
    QString returningList() const;
    ResultSet runOneRow(const Statement& statement, const QString& action, const ResultSet::Row& key);
    ResultSet::Row project(const ResultSet& result) const;

    PgConnection& m_connection;
    QString m_table;
    std::vector<FieldDef> m_fields;
    std::vector<FieldDef> m_writable;
    QStringList m_keyFields;
};

// A SQL identifier in double quotes, inner quotes doubled.
QString quoteIdentifier(const QString& name);

} // namespace db
