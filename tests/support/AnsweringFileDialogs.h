#pragma once

#include "ui/FileDialogs.h"

#include <QString>

namespace testing_support {

// An open-file dialog that answers with the next file name set (empty: the user cancelled).
// Installed for its lifetime.
class AnsweringFileDialogs final : public ui::FileDialogs {
public:
    AnsweringFileDialogs() { install(this); }
    ~AnsweringFileDialogs() override { install(nullptr); }

    void setNextFileName(const QString& name) { m_next = name; }
    QString openFileName(QWidget*) override
    {
        ++asked;
        return m_next;
    }

    int asked = 0;

private:
    QString m_next;
};

} // namespace testing_support
