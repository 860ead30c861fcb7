#pragma once

#include <QString>

class TdmCon;

namespace db {
class PgQuery;
}

namespace login {

// The password form the company database compares: the SHA-256 digest of the password's UTF-8
// bytes as 64 lower-case hexadecimal digits when the directory's hash type is exactly "HashSHA2",
// otherwise the password as typed.
QString passwordForm(const QString& hashType, const QString& password);

// "http" when the address contains "8080" anywhere, otherwise "https".
QString jasProtocolFor(const QString& jasIp);

struct LoginAttempt {
    QString company;
    QString user;
    QString password;
};

// The verification procedure: looks the company up in the directory (dsZuvMobil, on the
// directory connection), points the company connection at its database, checks the user's
// password and that the application (by its title) is enabled for the company and granted to the
// user, and fills the login context. Throws ui::AppError with the check's message, or db::DbError,
// at the first failure. Whatever happens, dsAplicatieMob, dsEmitent and dsZuvMobil are closed at
// the end; dsAplicatieMobEmitent and dsEu stay open after a success.
void verifyLogin(TdmCon& dm, db::PgQuery& dsZuvMobil, const QString& title, const LoginAttempt& attempt);

} // namespace login
