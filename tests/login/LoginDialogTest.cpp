#include "login/LoginFixture.h"
#include "login/u_frmLogin.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testing_support::LoginWorld;

namespace {

class LoginDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        world = &LoginWorld::get();
        dm = LoginWorld::makeConnectionModule();
        dialog = std::make_unique<TfrmLogin>(*dm);
    }

    void type(const QString& company, const QString& user, const QString& password)
    {
        dialog->Edit1->setText(company);
        dialog->Edit2->setText(user);
        dialog->Edit3->setText(password);
    }

    LoginWorld* world = nullptr;
    testing_support::RecordingMessageBoxes boxes;
    std::unique_ptr<TdmCon> dm;
    std::unique_ptr<TfrmLogin> dialog;
};

TEST_F(LoginDialog, FormAsLaidOut)
{
    EXPECT_EQ(dialog->objectName(), QStringLiteral("frmLogin"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("frmLogin"));
    EXPECT_EQ(dialog->size(), QSize(362, 158));
    EXPECT_EQ(dialog->Edit3->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(dialog->Button1->isDefault());
    EXPECT_EQ(dialog->Button1->text(), QStringLiteral("Login"));
    // Tab order: password, Login, company, user name, and round again.
    QList<QWidget*> order;
    QWidget* w = dialog->Edit3;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w;
        w = w->nextInFocusChain();
    } while (w != dialog->Edit3);
    EXPECT_EQ(order, (QList<QWidget*>{dialog->Edit3, dialog->Button1, dialog->Edit1, dialog->Edit2}));
    for (auto* edit : {dialog->Edit1, dialog->Edit2, dialog->Edit3})
        EXPECT_EQ(edit->font().pointSize(), 8);
    EXPECT_EQ(dialog->findChild<QWidget*>(QStringLiteral("Label1"))->font().pointSize(), 9);
}

TEST_F(LoginDialog, FocusStartsInThePasswordBox)
{
    dialog->show();
    EXPECT_EQ(dialog->focusWidget(), dialog->Edit3);
}

TEST_F(LoginDialog, AFailedCheckKeepsTheDialogAndItsTexts)
{
    dialog->show();
    type(world->company("sha"), QStringLiteral("ana"), QStringLiteral("gresita"));
    QTest::mouseClick(dialog->Button1, Qt::LeftButton);
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("User, Password eronate.")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(dialog->Edit1->text(), world->company("sha"));
    EXPECT_EQ(dialog->Edit2->text(), QStringLiteral("ana"));
    EXPECT_EQ(dialog->Edit3->text(), QStringLiteral("gresita"));
}

TEST_F(LoginDialog, UserWithoutGrantGetsTheNameAsTypedThenTheDisplayStop)
{
    dialog->show();
    type(world->company("sha"), QStringLiteral("fara"), QStringLiteral("parola"));
    QTest::mouseClick(dialog->Button1, Qt::LeftButton);
    EXPECT_EQ(boxes.errors,
              QStringList{QStringLiteral("Aplicatia wtalvera nu este disponibila pentru user-ul fara.")});
}

TEST_F(LoginDialog, EnterPressesLoginAndSuccessClearsOnlyThePassword)
{
    dialog->show();
    type(world->company("sha"), QStringLiteral("ana"), QStringLiteral("parola"));
    QTest::keyClick(dialog->Edit1, Qt::Key_Return);
    EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->Edit1->text(), world->company("sha"));
    EXPECT_EQ(dialog->Edit2->text(), QStringLiteral("ana"));
    EXPECT_TRUE(dialog->Edit3->text().isEmpty());
    EXPECT_EQ(dm->glUser, QStringLiteral("ana"));
}

TEST_F(LoginDialog, AServerThatIsDownShowsTheDatabaseLayersMessage)
{
    dialog->show();
    type(world->company("nullport"), QStringLiteral("ana"), QStringLiteral("parola"));
    QTest::mouseClick(dialog->Button1, Qt::LeftButton);
    ASSERT_EQ(boxes.errors.size(), 1);
    EXPECT_TRUE(boxes.errors.front().startsWith(QStringLiteral("connection to server at \"127.0.0.1\", port 5432 failed")))
        << boxes.errors.front().toStdString();
    EXPECT_TRUE(dialog->isVisible());
}

} // namespace
