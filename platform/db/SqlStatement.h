#pragma once

#include <QString>
#include <QStringList>

namespace db {

// A statement written with named parameters (":pEmitent"), turned into PostgreSQL's positional
// form ("$1"). Names are matched without regard to case: ":pemitent" and ":pEmitent" are one
// parameter, numbered once, listed with the spelling of its first occurrence. Casts ("::"),
// quoted literals and identifiers, dollar-quoted bodies and comments are left as they are.
class SqlStatement {
public:
    SqlStatement() = default;
    explicit SqlStatement(const QString& sql);

    const QString& positionalSql() const { return m_positional; }
    // Parameter names in the order of their numbers ($1 is the first).
    const QStringList& parameterNames() const { return m_names; }
    // The index of the parameter with this name (any case), or -1.
    int indexOf(const QString& name) const;

private:
    QString m_positional;
    QStringList m_names;
};

} // namespace db
