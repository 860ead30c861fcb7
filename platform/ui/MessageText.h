#pragma once

#include <QString>

#include <exception>

namespace ui {

// The text an error box shows for a message: a full stop is appended when the message is not
// empty and its last character's code is greater than that of the full stop (so after letters,
// digits, non-ASCII characters and the marks from '/' upwards, but not after a space, a quote, a
// parenthesis, ! # $ % & * + , - or the full stop itself).
QString displayText(const QString& message);

// The message of the innermost error of a chain built with std::throw_with_nested. Every error
// type of ours carries UTF-8 text in what().
QString innermostMessage(const std::exception& error);

} // namespace ui
