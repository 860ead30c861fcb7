#pragma once

#include "sheet/Sheet.h"
#include "ui/AppError.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace receipts {

// A failure of the workbook's shape, tied to the cell it is about when there is one, so that the
// preview can show that cell.
class IntakeError : public ui::AppError {
public:
    IntakeError(const QString& message, std::uint32_t column, std::uint32_t row)
        : ui::AppError(message)
        , m_column(column)
        , m_row(row)
    {
    }
    std::uint32_t column() const { return m_column; }
    std::uint32_t row() const { return m_row; }

private:
    std::uint32_t m_column;
    std::uint32_t m_row;
};

// Whether the file name's extension, from the last full stop of its name on, is ".xlsx" with
// ASCII capitals folded.
bool hasWorkbookExtension(const QString& fileName);

// Row 1's cells A to J must carry the ten headers (ASCII capitals folded, nothing trimmed).
// Throws IntakeError: " Coloana X din fisier trebuie sa se numeasca \"header\"" at the first
// mismatch, "Lipseste celula X1" for a cell the file does not store.
void checkHeader(const sheet::Sheet& sheet);

// The JSON array of the data rows (2 up to the last present row), one object of eleven string
// members per row: the texts of A to J under their keys, and "numeFisier" (`fileName`, UTF-8).
// Compact. Throws IntakeError for a row or a cell in A to J that the file does not store.
std::string buildPayload(const sheet::Sheet& sheet, const std::string& fileName);

} // namespace receipts
