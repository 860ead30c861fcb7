#include "login/DeploymentConfig.h"

#include "ui/AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace login {

QStringList DeploymentConfig::defaultSearchList()
{
    const QString name = QString::fromLatin1(fileName);
    return {QDir(QCoreApplication::applicationDirPath()).filePath(name),
            QStringLiteral("/etc/wtalvera/") + name};
}

DeploymentConfig DeploymentConfig::load(const QStringList& searchList)
{
    QString path;
    for (const QString& candidate : searchList) {
        if (QFileInfo::exists(candidate)) {
            path = candidate;
            break;
        }
    }
    if (path.isEmpty())
        throw ui::AppError(QStringLiteral("Lipseste configuratia conexiunii: nu exista niciunul din fisierele %1")
                               .arg(searchList.join(QStringLiteral(", "))));
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly))
        throw ui::AppError(QStringLiteral("Fisierul de configurare %1 nu poate fi citit").arg(path));
    probe.close();

    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        throw ui::AppError(QStringLiteral("Fisierul de configurare %1 este deteriorat").arg(path));
    DeploymentConfig config;
    config.directoryHost = settings.value(QStringLiteral("directory/host")).toString().trimmed();
    if (config.directoryHost.isEmpty())
        throw ui::AppError(QStringLiteral("Fisierul de configurare %1 nu da adresa serverului (directory/host)").arg(path));
    const QString port = settings.value(QStringLiteral("directory/port")).toString().trimmed();
    if (!port.isEmpty()) {
        bool ok = false;
        config.directoryPort = port.toInt(&ok);
        if (!ok || config.directoryPort < 1 || config.directoryPort > 65535)
            throw ui::AppError(QStringLiteral("Fisierul de configurare %1: portul \"%2\" nu este valid").arg(path, port));
    }
    config.password = settings.value(QStringLiteral("account/password")).toString();
    return config;
}

} // namespace login
