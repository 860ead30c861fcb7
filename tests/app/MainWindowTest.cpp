#include "app/u_fMenuTalvera.h"
#include "import/u_fTalvera.h"
#include "login/LoginFixture.h"
#include "login/u_frmLogin.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using testing_support::LoginWorld;

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TfMenuTalvera>();
        dm = LoginWorld::makeConnectionModule();
        dialog = std::make_unique<TfrmLogin>(*dm, window.get());
        importWindow = std::make_unique<TfTalvera>(*dm);
        window->attach(*dm, *dialog, *importWindow);
        window->show();
    }

    // Presses Login in the main window and lets `inDialog` act on the modal dialog.
    void pressLogin(const std::function<void(TfrmLogin&)>& inDialog)
    {
        QTimer::singleShot(0, [&] {
            ASSERT_TRUE(dialog->isVisible());
            ASSERT_EQ(QApplication::activeModalWidget(), dialog.get());
            inDialog(*dialog);
            if (dialog->isVisible())
                dialog->reject(); // the dialog's close box
        });
        QTest::mouseClick(window->ButtonLogin, Qt::LeftButton);
    }

    bool loggedIn() const { return window->PanelMenu->isVisibleTo(window.get()); }

    testing_support::RecordingMessageBoxes boxes;
    std::unique_ptr<TfMenuTalvera> window;
    std::unique_ptr<TdmCon> dm;
    std::unique_ptr<TfrmLogin> dialog;
    std::unique_ptr<TfTalvera> importWindow;
};

TEST_F(MainWindow, StartsLoggedOutWithTheVersionLabel)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("fMenuTalvera"));
    EXPECT_EQ(window->size(), QSize(394, 255));
    EXPECT_TRUE(window->PanelLogin->isVisibleTo(window.get()));
    EXPECT_FALSE(loggedIn());
    EXPECT_EQ(window->PanelLogin->geometry(), QRect(0, 0, 394, 51)) << "docked at the top";
    EXPECT_EQ(window->ButtonLogin->geometry(), QRect(16, 8, 75, 31));
    EXPECT_EQ(window->ButtonTalvera->text(), QStringLiteral("Import incasari debitori-creditori"));
    const QRegularExpression version(QStringLiteral(R"(^wTalvera v\. \d{4}\.\d{2}\.\d{2}$)"));
    EXPECT_TRUE(version.match(window->Label1->text()).hasMatch()) << window->Label1->text().toStdString();
    EXPECT_EQ(window->Label2->text(), window->Label1->text());
    EXPECT_TRUE(window->Label1->font().bold() || window->Label1->styleSheet().contains(QStringLiteral("bold")));
    // Anchored top-right: a wider window moves the label with its right edge.
    const int rightGap = window->PanelLogin->width() - window->Label1->geometry().right();
    window->resize(600, 255);
    QApplication::processEvents();
    EXPECT_EQ(window->PanelLogin->width() - window->Label1->geometry().right(), rightGap);
}

TEST_F(MainWindow, ClosingTheDialogWithoutSuccessKeepsTheLoggedOutState)
{
    pressLogin([](TfrmLogin&) {});
    EXPECT_FALSE(loggedIn());
    EXPECT_TRUE(window->ButtonLogin->isVisible());

    // A failed attempt, then the close box: still logged out, and Login can be pressed again.
    pressLogin([&](TfrmLogin& d) {
        d.Edit1->setText(QStringLiteral("Firma care nu exista"));
        QTest::mouseClick(d.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Companie inexistenta.")});
    EXPECT_FALSE(loggedIn());
    EXPECT_TRUE(window->ButtonLogin->isEnabled());
}

TEST_F(MainWindow, ASuccessfulLoginShowsTheDatabaseAndTheUserAsTyped)
{
    LoginWorld& world = LoginWorld::get();
    pressLogin([&](TfrmLogin& d) {
        d.Edit1->setText(world.company("sha"));
        d.Edit2->setText(QStringLiteral("ana"));
        d.Edit3->setText(QStringLiteral("parola"));
        QTest::mouseClick(d.Button1, Qt::LeftButton);
    });
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(loggedIn());
    EXPECT_FALSE(window->PanelLogin->isVisibleTo(window.get()));
    EXPECT_EQ(window->LabelDataBase->text(), world.a().name()) << "the database's name, not the company's";
    EXPECT_EQ(window->LabelUser->text(), QStringLiteral("User ana"));
    EXPECT_TRUE(window->ButtonTalvera->isVisible());
    EXPECT_EQ(window->PanelMenu->geometry(), window->rect()) << "the menu panel fills the window";

    // The import command shows the one import window, non-modally; a second press finds it.
    EXPECT_FALSE(importWindow->isVisible());
    QTest::mouseClick(window->ButtonTalvera, Qt::LeftButton);
    QTest::mouseClick(window->ButtonTalvera, Qt::LeftButton);
    EXPECT_TRUE(importWindow->isVisible());
    EXPECT_FALSE(importWindow->isModal());
    int importWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        importWindows += qobject_cast<TfTalvera*>(w) && w->isVisible() ? 1 : 0;
    EXPECT_EQ(importWindows, 1);
}

} // namespace
