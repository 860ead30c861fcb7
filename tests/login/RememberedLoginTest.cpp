#include "login/LoginFixture.h"
#include "login/RememberedLogin.h"
#include "login/u_frmLogin.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using testing_support::LoginWorld;

namespace {

class RememberedLoginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        useHome(home.path());
        dm = LoginWorld::makeConnectionModule();
        dialog = std::make_unique<TfrmLogin>(*dm);
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", savedHome); }

    static void useHome(const QString& path) { qputenv("XDG_CONFIG_HOME", path.toUtf8()); }
    QString filePath() const { return QDir(home.path()).filePath(QStringLiteral("ZuvKavat.json")); }
    QByteArray fileContent() const
    {
        QFile file(filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& content) const
    {
        QFile file(filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void showDialog()
    {
        dialog->hide();
        dialog->show();
    }
    void pressLogin() { QTest::mouseClick(dialog->Button1, Qt::LeftButton); }
    void type(const QString& company, const QString& user, const QString& password)
    {
        dialog->Edit1->setText(company);
        dialog->Edit2->setText(user);
        dialog->Edit3->setText(password);
    }

    QByteArray savedHome = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir home;
    testing_support::RecordingMessageBoxes boxes;
    std::unique_ptr<TdmCon> dm;
    std::unique_ptr<TfrmLogin> dialog;
};

TEST_F(RememberedLoginTest, FirstRunStartsEmptyAndOnePressRemembersTheTexts)
{
    showDialog();
    EXPECT_TRUE(dialog->Edit1->text().isEmpty());
    EXPECT_TRUE(dialog->Edit2->text().isEmpty());
    EXPECT_TRUE(boxes.errors.isEmpty());
    EXPECT_FALSE(QFile::exists(filePath()));

    type(QStringLiteral("Firma \"Ș\" SRL"), QStringLiteral("ana"), QStringLiteral("parola-secreta"));
    pressLogin(); // the company does not exist: the attempt fails after saving
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Companie inexistenta.")});
    ASSERT_TRUE(QFile::exists(filePath()));
    const QByteArray content = fileContent();
    EXPECT_FALSE(content.contains("parola-secreta")) << "the password is never written";
    const QJsonObject root = QJsonDocument::fromJson(content).object();
    EXPECT_EQ(root.value(QStringLiteral("rows")).toArray().first().toObject().value(QStringLiteral("company")).toString(),
              QStringLiteral("Firma \"Ș\" SRL"));
    EXPECT_EQ(root.value(QStringLiteral("fields")).toArray().size(), 2);
    EXPECT_EQ(QFile(filePath()).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther),
              QFileDevice::Permissions()) << "readable by its owner only";
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ZuvKavat.json")})
        << "no temporary file left behind";

    // The next showing, in a new dialog as in a new run, fills the boxes from the file.
    TfrmLogin next(*dm);
    next.show();
    EXPECT_EQ(next.Edit1->text(), QStringLiteral("Firma \"Ș\" SRL"));
    EXPECT_EQ(next.Edit2->text(), QStringLiteral("ana"));
    EXPECT_TRUE(next.Edit3->text().isEmpty());
}

TEST_F(RememberedLoginTest, EveryKeystrokeReachesTheTable)
{
    showDialog();
    EXPECT_TRUE(dialog->dsLogin.rows().empty());
    QTest::keyClicks(dialog->Edit2, QStringLiteral("io"));
    ASSERT_EQ(dialog->dsLogin.rows().size(), 1u) << "typing into an empty table creates its row";
    EXPECT_EQ(dialog->dsLogin.current()->username, QStringLiteral("io"));
    QTest::keyClick(dialog->Edit2, Qt::Key_N);
    EXPECT_EQ(dialog->dsLogin.current()->username, QStringLiteral("ion"));
    dialog->Edit1->setText(QString(250, QLatin1Char('x')));
    EXPECT_EQ(dialog->dsLogin.current()->company.size(), 200) << "the field holds 200 characters";
}

TEST_F(RememberedLoginTest, TwoUsersKeepTheirOwnFile)
{
    QTemporaryDir other;
    LoginWorld& world = LoginWorld::get();
    showDialog();
    type(world.company("sha"), QStringLiteral("ana"), QStringLiteral("x"));
    pressLogin();
    useHome(other.path());
    showDialog();
    type(world.company("plain"), QStringLiteral("ion"), QStringLiteral("x"));
    pressLogin();

    useHome(home.path());
    showDialog();
    EXPECT_EQ(dialog->Edit1->text(), world.company("sha"));
    EXPECT_EQ(dialog->Edit2->text(), QStringLiteral("ana"));
    useHome(other.path());
    showDialog();
    EXPECT_EQ(dialog->Edit1->text(), world.company("plain"));
    EXPECT_EQ(dialog->Edit2->text(), QStringLiteral("ion"));
}

struct DamageCase {
    const char* what;
    QByteArray content; // written as the file; "<dir>" makes a folder of that name instead
};

class DamagedFile : public RememberedLoginTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedFile, IsShownAsTheDialogOpensAndFillsNoBox)
{
    if (GetParam().content == "<dir>")
        ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("ZuvKavat.json")));
    else
        writeFile(GetParam().content);
    dialog->Edit1->setText(QStringLiteral("inainte"));
    showDialog();
    ASSERT_EQ(boxes.errors.size(), 1) << GetParam().what;
    EXPECT_TRUE(boxes.errors.front().startsWith(QStringLiteral("Fisierul ") + QDir::toNativeSeparators(filePath())
                                                + QStringLiteral(" nu poate fi citit: ")))
        << boxes.errors.front().toStdString();
    EXPECT_TRUE(dialog->isVisible()) << "the dialog opens all the same";
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("inainte")) << "not filled from the file";
    EXPECT_FALSE(dialog->dsLogin.isOpen());

    if (GetParam().content == "<dir>")
        return; // nothing can be saved over a folder
    // The next press starts again from an empty table holding the boxes' texts.
    type(QStringLiteral("Firma Noua"), QStringLiteral("ana"), QStringLiteral("x"));
    pressLogin();
    const QJsonObject root = QJsonDocument::fromJson(fileContent()).object();
    const QJsonArray rows = root.value(QStringLiteral("rows")).toArray();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().toObject().value(QStringLiteral("company")).toString(), QStringLiteral("Firma Noua"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        DamageCase{"not JSON", "company=Demo"},
        DamageCase{"truncated", R"({"fields": [{"name": "company", "type": "text", "size": 200}, {"name": "usern)"},
        DamageCase{"an array", R"([{"company": "Demo SRL"}])"},
        DamageCase{"no field definitions", R"({"rows": [{"company": "Demo SRL", "username": "demo"}]})"},
        DamageCase{"a field missing", R"({"fields": [{"name": "company", "type": "text"}], "rows": []})"},
        DamageCase{"rows not a list", R"({"fields": [{"name": "company", "type": "text"}, {"name": "username", "type": "text"}], "rows": {}})"},
        DamageCase{"a value not text", R"({"fields": [{"name": "company", "type": "text"}, {"name": "username", "type": "text"}], "rows": [{"company": 5}]})"},
        DamageCase{"far too large", QByteArray(200 * 1024, ' ')},
        DamageCase{"a folder", "<dir>"}));

TEST_F(RememberedLoginTest, AnUnwritableFolderStopsTheAttemptBeforeAnyQuery)
{
    // A configuration home below a plain file cannot hold a folder, whatever the permissions.
    const QString blocker = QDir(home.path()).filePath(QStringLiteral("blocker"));
    QFile(blocker).open(QIODevice::WriteOnly);
    useHome(blocker + QStringLiteral("/home"));
    showDialog();
    type(LoginWorld::get().company("sha"), QStringLiteral("ana"), QStringLiteral("parola"));
    pressLogin();
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.front().contains(QStringLiteral(" nu poate fi scris: "))) << boxes.errors.front().toStdString();
    EXPECT_TRUE(dm->glNumeFirma.isEmpty()) << "the verification did not start";
    EXPECT_FALSE(dm->conZuvMob.isConnected()) << "no login query reached the server";
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(RememberedLoginTest, ASuccessfulLoginIsRememberedToo)
{
    LoginWorld& world = LoginWorld::get();
    showDialog();
    type(world.company("sha"), QStringLiteral("ana"), QStringLiteral("parola"));
    pressLogin();
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(fileContent().contains("\"username\": \"ana\""));
    EXPECT_FALSE(fileContent().contains("parola"));
}

} // namespace
