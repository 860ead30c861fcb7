#include "db/DbError.h"

namespace db {

DbError::DbError(const QString& message, QString sqlState, bool connectionLost)
    : std::runtime_error(message.toStdString())
    , m_connectionLost(connectionLost)
    , m_message(message)
    , m_sqlState(std::move(sqlState))
{
}

bool DbError::isConnectionFailure() const
{
    return m_connectionLost || m_sqlState.startsWith(QLatin1String("08"));
}

} // namespace db
