#pragma once

#include "ui/MessageBoxes.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace testing_support {

// Message boxes that record what they were asked to show and answer questions from a queue
// (Yes when it is empty). Installed for its lifetime.
class RecordingMessageBoxes final : public ui::MessageBoxes {
public:
    RecordingMessageBoxes() { install(this); }
    ~RecordingMessageBoxes() override { install(nullptr); }

    void error(QWidget*, const QString& text) override { errors << text; }
    void information(QWidget*, const QString& text) override { informations << text; }
    bool confirm(QWidget*, const QString& text) override
    {
        questions << text;
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList errors;
    QStringList informations;
    QStringList questions;
    std::deque<bool> answers;
};

} // namespace testing_support
