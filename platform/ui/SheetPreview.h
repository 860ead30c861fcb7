#pragma once

#include "sheet/Sheet.h"

#include <QTableView>

#include <cstdint>
#include <memory>

namespace ui {

class SheetModel;

// A read-only view of a loaded sheet as a spreadsheet shows it: column letters, row numbers and
// every present cell's text. It holds the sheet; the rows and columns are served by a model, so a
// million cells cost no widgets.
class SheetPreview : public QTableView {
    Q_OBJECT

public:
    explicit SheetPreview(QWidget* parent = nullptr);
    ~SheetPreview() override;

    void setSheet(sheet::Sheet sheet);
    void clear();
    bool isEmpty() const;
    const sheet::Sheet& sheet() const;

    // Selects the cell (columns and rows from 1) and scrolls it into view.
    void selectCell(std::uint32_t column, std::uint32_t row);
    // The selected cell as "E7", or empty.
    QString selectedCellName() const;

private:
    SheetModel* m_model;
};

} // namespace ui
