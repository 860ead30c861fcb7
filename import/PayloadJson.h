#pragma once

#include <string>
#include <string_view>

namespace receipts {

// Appends `text` to `out` as a JSON string (quotes included): the quote and the backslash are
// escaped with a backslash; backspace, tab, line feed, form feed and carriage return use their
// two-character escapes; the other characters below U+0020 are written as \u00XX with lower-case
// hex digits (written as they are, they would make the JSON invalid); every other character,
// all non-ASCII ones included, is written unchanged.
void appendJsonString(std::string& out, std::string_view text);

} // namespace receipts
