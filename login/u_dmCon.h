#pragma once

#include "db/PgConnection.h"
#include "db/PgQuery.h"
#include "login/DeploymentConfig.h"
#include "ui/GridStyleSheet.h"

#include <QObject>
#include <QString>

#include <functional>

// The connection module: the two database connections, the queries the login runs on the company
// database, the grid style sheet, and the login context that a successful login leaves behind.
// Connections open on first use; nothing here connects at creation.
class TdmCon : public QObject {
    Q_OBJECT

public:
    using ConfigSource = std::function<login::DeploymentConfig()>;

    // `config` is asked for the deployment settings the first time a login needs them.
    explicit TdmCon(ConfigSource config = [] { return login::DeploymentConfig::load(); },
                    QObject* parent = nullptr);

    // Applies the deployment settings (directory address, account password) to both connections,
    // once. Throws ui::AppError when they cannot be had.
    void ensureConfigured();

    // The directory connection: stays connected once opened.
    db::PgConnection conZuvMob;
    // The company connection: pointed at the company's database at login; opens for each request.
    db::PgConnection conZuv;

    db::PgQuery dsEmitent;
    db::PgQuery dsAplicatieMob;
    db::PgQuery dsAplicatieMobEmitent;
    db::PgQuery dsEu;

    // The login context.
    QString glNumeFirma;
    QString glUser;
    QString glUserPass;
    QString glDataBase;
    QString glUserRol;
    QString glEuPL;
    QString glJasIP;
    QString glJasProtocol;

    const ui::GridStyleSheet GridTableViewStyleSheetDevExpress;

private:
    ConfigSource m_config;
    bool m_configured = false;
};
