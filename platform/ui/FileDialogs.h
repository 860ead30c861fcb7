#pragma once

#include <QString>

class QWidget;

namespace ui {

// The open-file dialog, behind a seam so that tests can answer it without a modal loop. The real
// dialog has no filter, title or start folder of its own.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget* parent) = 0;

    static FileDialogs& current();
    // nullptr restores the real dialog. Not owned.
    static void install(FileDialogs* dialogs);
};

} // namespace ui
