#pragma once

#include <QString>
#include <QStringList>

namespace login {

// Where the directory database lives and the password of the "zuv" account: deployment settings,
// kept in an INI file (wtalvera.ini):
//
//   [directory]
//   host = db.example.ro        ; required
//   port = 5432                 ; optional, 5432 when absent
//   [account]
//   password = ...              ; optional: without it, libpq's password file is used
//
// The first file of the search list that exists is read.
struct DeploymentConfig {
    QString directoryHost;
    int directoryPort = 0;
    QString password;

    static constexpr const char* fileName = "wtalvera.ini";

    // Beside the executable, then the system configuration folder (/etc/wtalvera).
    static QStringList defaultSearchList();
    // Throws ui::AppError with a message naming the files looked for, or the file and the fault.
    static DeploymentConfig load(const QStringList& searchList = defaultSearchList());
};

} // namespace login
