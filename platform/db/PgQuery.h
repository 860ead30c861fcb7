#pragma once

#include "db/FieldDef.h"
#include "db/PgCommand.h"
#include "db/ResultSet.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <vector>

namespace db {

class PgConnection;

// A query with declared result fields, a current row, refresh with relocation and write-back.
//
// Opening checks the result against the declared fields: a declared column that the result lacks
// fails with "Field '<name>' not found", one of another kind with "Type mismatch for field
// '<name>', expecting: <kind> actual: <kind>"; further columns are ignored. Without declared
// fields, every result column becomes a field of the kind its type maps to.
class PgQuery {
public:
    PgQuery(PgConnection& connection, QString name);

    const QString& name() const { return m_name; }
    PgCommand& command() { return m_command; }
    const PgCommand& command() const { return m_command; }
    void setSql(const QString& sql) { m_command.setSql(sql); }
    void setSql(const QStringList& lines) { m_command.setSql(lines); }
    void setParam(const QString& name, const ParamValue& value) { m_command.setParam(name, value); }

    void setFields(std::vector<FieldDef> fields);
    const std::vector<FieldDef>& fields() const { return m_fields; }
    // The index of the field with this name (any case), or -1.
    int fieldIndex(const QString& name) const;

    // Key fields as a list separated by ';' ("data_ch_inc; nr_ch_inc;"): they identify a row for
    // refresh and for write-back.
    void setKeyFields(const QString& list);
    const QStringList& keyFields() const { return m_keyFields; }
    // The table that write-back changes.
    void setUpdateTable(const QString& table) { m_updateTable = table; }

    // Runs the statement; does nothing when already open. On failure the query stays closed.
    void open();
    void close();
    bool isOpen() const { return m_open; }
    // Runs the statement again with the current parameter values, then puts the current row back
    // on the row with the same key-field values as before, or on the first row. Opens a closed
    // query. On failure the query keeps the rows it had.
    void refresh();

    int recordCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    // -1 when there is no row.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    void first();
    void next(); // past the last row sets eof() and keeps the last row current
    bool eof() const { return m_eof; }

    // Throws DbError when there is no such row or field.
    FieldValue value(const QString& field) const { return value(m_current, field); }
    FieldValue value(int row, const QString& field) const;

    // Write-back to the update table, by key fields, through RowWriter; the local row changes
    // only when the server's change succeeded. Each throws DbError and changes nothing on failure.
    void updateRow(int row, const QVariantMap& changes);
    int appendRow(const QVariantMap& values); // returns the new row's index (it becomes current)
    void deleteRow(int row);

private:
    void load(ResultSet result);
    ResultSet::Row keyOf(int row) const;
    int findRow(const ResultSet::Row& key) const;
    void checkRow(int row) const;

    QString m_name;
    PgCommand m_command;
    std::vector<FieldDef> m_declared;
    std::vector<FieldDef> m_fields;
    QStringList m_keyFields;
    QString m_updateTable;
    std::vector<ResultSet::Row> m_rows;
    int m_current = -1;
    bool m_eof = false;
    bool m_open = false;
};

} // namespace db
