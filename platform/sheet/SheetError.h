#pragma once

#include <stdexcept>
#include <string>

namespace sheet {

// The one error type of the workbook reader: a sentence a person can act on, in UTF-8, naming
// the part, and the cell where there is one.
class SheetError : public std::runtime_error {
public:
    explicit SheetError(const std::string& message)
        : std::runtime_error(message)
    {
    }
};

// The message for a file that no reader recognises.
inline constexpr const char* unsupportedFormat = "Unsupported document format";

} // namespace sheet
