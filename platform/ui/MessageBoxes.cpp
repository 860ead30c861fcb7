#include "ui/MessageBoxes.h"

#include "ui/MessageText.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace ui {

namespace {

class WidgetMessageBoxes final : public MessageBoxes {
public:
    void error(QWidget* parent, const QString& text) override
    {
        QMessageBox::critical(parent, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    }
    void information(QWidget* parent, const QString& text) override
    {
        QMessageBox::information(parent, QCoreApplication::applicationName(), text, QMessageBox::Ok);
    }
    bool confirm(QWidget* parent, const QString& text) override
    {
        return QMessageBox::question(parent, QCoreApplication::applicationName(), text,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    }
};

MessageBoxes* installed = nullptr;

} // namespace

MessageBoxes& MessageBoxes::current()
{
    static WidgetMessageBoxes real;
    return installed ? *installed : real;
}

void MessageBoxes::install(MessageBoxes* boxes)
{
    installed = boxes;
}

void showError(QWidget* parent, const std::exception& error)
{
    MessageBoxes::current().error(parent, displayText(innermostMessage(error)));
}

void showInformation(QWidget* parent, const QString& text)
{
    MessageBoxes::current().information(parent, text);
}

} // namespace ui
