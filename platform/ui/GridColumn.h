#pragma once

#include <QString>

namespace ui {

// A column of a data grid: the field it shows, its caption (the field's name when empty), its
// width in pixels (0 for the grid's default) and, for dates and times, a display format in
// QDateTime's notation (empty for the system's short date).
struct GridColumn {
    QString field;
    QString caption;
    int width = 0;
    QString displayFormat;

    QString shownCaption() const { return caption.isEmpty() ? field : caption; }
};

} // namespace ui
