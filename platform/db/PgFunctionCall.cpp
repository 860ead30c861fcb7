#include "db/PgFunctionCall.h"

namespace db {

PgFunctionCall::PgFunctionCall(PgConnection& connection, QString name)
    : m_name(std::move(name))
    , m_command(connection)
{
}

} // namespace db
