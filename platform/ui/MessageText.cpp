#include "ui/MessageText.h"

namespace ui {

QString displayText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

QString innermostMessage(const std::exception& error)
{
    try {
        std::rethrow_if_nested(error);
    } catch (const std::exception& inner) {
        return innermostMessage(inner);
    } catch (...) {
        // An inner error of no known type: the outer one is the best we have.
    }
    return QString::fromUtf8(error.what());
}

} // namespace ui
