#pragma once

#include "db/PgCommand.h"

#include <QString>

namespace db {

class PgConnection;

// A call of a server function ("SELECT * FROM fn(:p)") whose result is not read.
class PgFunctionCall {
public:
    PgFunctionCall(PgConnection& connection, QString name);

    const QString& name() const { return m_name; }
    PgCommand& command() { return m_command; }
    void setSql(const QString& sql) { m_command.setSql(sql); }
    void setParam(const QString& name, const ParamValue& value) { m_command.setParam(name, value); }

    // Throws DbError with the server's message when the function raises an error.
    void execute() { m_command.execute(); }

private:
    QString m_name;
    PgCommand m_command;
};

} // namespace db
