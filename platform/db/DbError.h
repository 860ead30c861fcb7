#pragma once

#include <QString>

#include <stdexcept>

namespace db {

// The one error type of the database layer. The message is the text a person reads: the server's
// own primary message, libpq's connection message, or a sentence of this layer naming the field,
// parameter or table concerned. The SQLSTATE is kept for code that must tell kinds of failure apart
// (empty when the failure did not come from the server).
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message, QString sqlState = {}, bool connectionLost = false);

    const QString& message() const { return m_message; }
    const QString& sqlState() const { return m_sqlState; }

    // Class 08 (connection exception), or a session that broke (the server ended it, say).
    bool isConnectionFailure() const;

private:
    bool m_connectionLost;
    QString m_message;
    QString m_sqlState;
};

} // namespace db
