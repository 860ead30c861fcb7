#include "support/QtPrinters.h"
#include "support/RecordingMessageBoxes.h"
#include "ui/AppError.h"
#include "ui/HandlerGuard.h"
#include "ui/MessageBoxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

TEST(HandlerGuard, ShowsWhatEscapesAHandlerAndStopsIt)
{
    testing_support::RecordingMessageBoxes boxes;
    QWidget window;
    bool after = false;
    auto handler = ui::guarded(&window, [&] {
        throw ui::AppError(QStringLiteral("User, Password eronate"));
        after = true;
    });
    EXPECT_NO_THROW(handler());
    EXPECT_NO_THROW(handler(true)); // a signal's argument is dropped
    EXPECT_FALSE(after);
    EXPECT_EQ(boxes.errors, (QStringList{QStringLiteral("User, Password eronate."),
                                         QStringLiteral("User, Password eronate.")}));
}

TEST(HandlerGuard, SurvivesErrorsThatAreNotExceptions)
{
    testing_support::RecordingMessageBoxes boxes;
    auto handler = ui::guarded(nullptr, [] { throw 42; });
    EXPECT_NO_THROW(handler());
    EXPECT_EQ(boxes.errors, QStringList{QStringLiteral("Unknown error.")});
}

// The real boxes: caption, icon, buttons and text, read off the box while it is up.
TEST(WidgetMessageBoxes, CaptionIsTheApplicationTitle)
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->accept();
    });
    ui::showError(nullptr, ui::AppError(QStringLiteral("Companie inexistenta")));
    EXPECT_EQ(title, QStringLiteral("wtalvera"));
    EXPECT_EQ(text, QStringLiteral("Companie inexistenta."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    // Information is shown as given: no full stop is added.
    ui::showInformation(nullptr, QStringLiteral("Fisierul Excel a fost preluat"));
    EXPECT_EQ(title, QStringLiteral("wtalvera"));
    EXPECT_EQ(text, QStringLiteral("Fisierul Excel a fost preluat"));
}

} // namespace
