#pragma once

#include <QString>

#include <stdexcept>

namespace ui {

// The application's own user-facing error: a message in the system's language that a handler
// raises to stop an operation at that point.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message);
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace ui
