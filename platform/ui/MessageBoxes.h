#pragma once

#include <QString>

class QWidget;

namespace ui {

// Message boxes, behind a seam so that tests can record them and answer questions without a modal
// loop. Every box is captioned with the application title (the application name).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A modal box with an OK button and an error icon; `text` is shown as given.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A modal box with an OK button.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;

    // The boxes in use: real ones unless a test installed others. Not owned.
    static MessageBoxes& current();
    // nullptr restores the real boxes.
    static void install(MessageBoxes* boxes);
};

// What the error box of a failed handler shows for an error: the innermost message with the
// display full stop.
void showError(QWidget* parent, const std::exception& error);
void showInformation(QWidget* parent, const QString& text);

} // namespace ui
