#include "ui/HandlerGuard.h"

#include "ui/MessageBoxes.h"

#include <QDebug>

namespace ui {

void reportHandlerFailure(QWidget* window, std::exception_ptr error) noexcept
{
    try {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            showError(window, e);
        } catch (...) {
            showError(window, std::runtime_error("Unknown error"));
        }
    } catch (...) {
        // Showing the error failed too; there is nobody left to tell but the log.
        qWarning("An error could not be shown.");
    }
}

} // namespace ui
