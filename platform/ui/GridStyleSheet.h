#pragma once

#include <QColor>
#include <QFont>

#include <optional>

namespace ui {

// One element of a grid style sheet: what is not given keeps the grid's default.
struct GridStyle {
    std::optional<QColor> background;
    std::optional<QColor> text;
    std::optional<QFont> font;
};

// The colours and fonts a data grid takes from its style sheet, element by element.
struct GridStyleSheet {
    GridStyle background;
    GridStyle content;
    GridStyle contentEven;
    GridStyle contentOdd;
    GridStyle filterBox;
    GridStyle footer;
    GridStyle group;
    GridStyle groupByBox;
    GridStyle header;
    GridStyle inactive;
    GridStyle incSearch;
    GridStyle indicator;
    GridStyle preview;
    GridStyle selection;
};

} // namespace ui
