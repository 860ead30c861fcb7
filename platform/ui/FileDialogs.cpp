#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace ui {

namespace {

class WidgetFileDialogs final : public FileDialogs {
public:
    QString openFileName(QWidget* parent) override { return QFileDialog::getOpenFileName(parent); }
};

FileDialogs* installed = nullptr;

} // namespace

FileDialogs& FileDialogs::current()
{
    static WidgetFileDialogs real;
    return installed ? *installed : real;
}

void FileDialogs::install(FileDialogs* dialogs)
{
    installed = dialogs;
}

} // namespace ui
