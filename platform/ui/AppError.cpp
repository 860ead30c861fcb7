#include "ui/AppError.h"

namespace ui {

AppError::AppError(const QString& message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

} // namespace ui
