#include "login/DeploymentConfig.h"
#include "support/QtPrinters.h"
#include "ui/AppError.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class DeploymentConfigTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& content)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QString failureOf(const QStringList& searchList)
    {
        try {
            login::DeploymentConfig::load(searchList);
        } catch (const ui::AppError& e) {
            return e.message();
        }
        return QStringLiteral("<no error>");
    }

    QTemporaryDir dir;
};

TEST_F(DeploymentConfigTest, TheFirstFileFoundIsRead)
{
    const QString second = write(QStringLiteral("b.ini"), "[directory]\nhost = b.example.ro\n");
    const QString first = write(QStringLiteral("a.ini"),
                                "[directory]\nhost = db.example.ro\nport = 6432\n[account]\npassword = \"s3cr;et\"\n");
    const login::DeploymentConfig config =
        login::DeploymentConfig::load({dir.filePath(QStringLiteral("missing.ini")), first, second});
    EXPECT_EQ(config.directoryHost, QStringLiteral("db.example.ro"));
    EXPECT_EQ(config.directoryPort, 6432);
    EXPECT_EQ(config.password, QStringLiteral("s3cr;et"));

    const login::DeploymentConfig other = login::DeploymentConfig::load({second});
    EXPECT_EQ(other.directoryPort, 0) << "the default port";
    EXPECT_TRUE(other.password.isEmpty()) << "libpq's password file then applies";
}

TEST_F(DeploymentConfigTest, FaultsAreNamedWithTheirFile)
{
    const QString missing = dir.filePath(QStringLiteral("missing.ini"));
    EXPECT_EQ(failureOf({missing}),
              QStringLiteral("Lipseste configuratia conexiunii: nu exista niciunul din fisierele ") + missing);

    const QString noHost = write(QStringLiteral("nohost.ini"), "[account]\npassword = x\n");
    EXPECT_EQ(failureOf({noHost}),
              QStringLiteral("Fisierul de configurare %1 nu da adresa serverului (directory/host)").arg(noHost));

    const QString badPort = write(QStringLiteral("port.ini"), "[directory]\nhost = h\nport = 70000\n");
    EXPECT_EQ(failureOf({badPort}),
              QStringLiteral("Fisierul de configurare %1: portul \"70000\" nu este valid").arg(badPort));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    const QString folder = dir.filePath(QStringLiteral("folder.ini"));
    EXPECT_EQ(failureOf({folder}), QStringLiteral("Fisierul de configurare %1 nu poate fi citit").arg(folder));
}

} // namespace
