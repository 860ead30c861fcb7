#include "login/u_dmCon.h"

#include "login/LoginColumns.h"

#include <QCoreApplication>

namespace {

const QString databaseAccount = QStringLiteral("zuv");

// What both connections share: the fixed account, the time-out and the application's name.
db::ConnectionSettings accountSettings()
{
    db::ConnectionSettings s;
    s.user = databaseAccount;
    s.sslMode = db::SslMode::Require;
    s.connectTimeoutSeconds = 15;
    s.applicationName = QCoreApplication::applicationName();
    return s;
}

db::ConnectionSettings directorySettings()
{
    db::ConnectionSettings s = accountSettings();
    s.port = 5432;
    s.database = QStringLiteral("zuv_mob");
    return s;
}

db::ConnectionSettings companySettings()
{
    db::ConnectionSettings s = accountSettings();
    // A placeholder only: the login points the connection at the company's own database.
    s.database = QStringLiteral("zuv1");
    return s;
}

ui::GridStyle style(const char* background, const char* text = nullptr,
                    std::optional<QFont> font = std::nullopt)
{
    ui::GridStyle s;
    if (background)
        s.background = QColor(QLatin1String(background));
    if (text)
        s.text = QColor(QLatin1String(text));
    s.font = std::move(font);
    return s;
}

QFont sansSerif(bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

ui::GridStyleSheet devExpressStyleSheet()
{
    ui::GridStyleSheet sheet;
    sheet.background = style("#FFFBF0");
    sheet.content = style("#D9EAF7", "#000000", sansSerif(false));
    sheet.contentEven = style("#D9EAF7", "#000000");
    sheet.contentOdd = style("#EAF3FB", "#000000");
    sheet.filterBox = style("#FFFFE1", "#000000");
    sheet.footer = style("#FFFFE1", "#000080", sansSerif(true));
    sheet.group = style("#F1EFE2");
    sheet.groupByBox = style("#FED547", "#000000");
    sheet.header = style("#316AC5", "#FFFFFF", sansSerif(true));
    sheet.inactive = style("#A4C4EB");
    sheet.incSearch = style("#FED547", "#000000");
    sheet.indicator = style("#A4C4EB");
    sheet.preview = style("#FFFFE1", "#000080", sansSerif(true));
    sheet.selection = style("#316AC5", "#FFFFFF");
    return sheet;
}

} // namespace

TdmCon::TdmCon(ConfigSource config, QObject* parent)
    : QObject(parent)
    , conZuvMob(QStringLiteral("conZuvMob"), db::ConnectionMode::StayConnected, directorySettings())
    , conZuv(QStringLiteral("conZuv"), db::ConnectionMode::PerRequest, companySettings())
    , dsEmitent(conZuv, QStringLiteral("dsEmitent"))
    , dsAplicatieMob(conZuv, QStringLiteral("dsAplicatieMob"))
    , dsAplicatieMobEmitent(conZuv, QStringLiteral("dsAplicatieMobEmitent"))
    , dsEu(conZuv, QStringLiteral("dsEu"))
    , GridTableViewStyleSheetDevExpress(devExpressStyleSheet())
    , m_config(std::move(config))
{
    setObjectName(QStringLiteral("dmCon"));
    dsEmitent.setSql(QStringList{QStringLiteral("select *"), QStringLiteral("from emitent"),
                                 QStringLiteral("where emitent = :pEmitent"),
                                 QStringLiteral("  and operator_parola = :pP"), QStringLiteral(";")});
    dsEmitent.setFields(login::emitentFields());
    dsAplicatieMob.setSql(QStringList{QStringLiteral("select *"), QStringLiteral("from aplicatie_mob"),
                                      QStringLiteral("where lower(aplicatie_mob) = lower(:pAplicatieMob)"),
                                      QStringLiteral("  and activ"), QStringLiteral(";")});
    dsAplicatieMob.setFields(login::aplicatieMobFields());
    dsAplicatieMobEmitent.setSql(
        QStringList{QStringLiteral("select *"), QStringLiteral("from aplicatie_mob_emitent"),
                    QStringLiteral("where emitent = :pEmitent"),
                    QStringLiteral("  and lower(aplicatie_mob) = lower(:pAplicatieMob)"), QStringLiteral(";")});
    dsAplicatieMobEmitent.setFields(login::aplicatieMobEmitentFields());
    dsEu.setSql(QStringList{QStringLiteral("select *"), QStringLiteral("from eu"), QStringLiteral(";")});
    dsEu.setFields(login::euFields());
}

void TdmCon::ensureConfigured()
{
    if (m_configured)
        return;
    const login::DeploymentConfig config = m_config();
    db::ConnectionSettings directory = conZuvMob.settings();
    directory.host = config.directoryHost;
    if (config.directoryPort != 0)
        directory.port = config.directoryPort;
    directory.password = config.password;
    conZuvMob.setSettings(directory);
    db::ConnectionSettings company = conZuv.settings();
    company.password = config.password;
    conZuv.setSettings(company);
    m_configured = true;
}
