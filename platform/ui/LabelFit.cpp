#include "ui/LabelFit.h"

#include <QFontMetrics>
#include <QLabel>

namespace ui {

void fitWrappedLabel(QLabel* label, int width)
{
    const QString text = label->text();
    // An earlier fit's fixed size would otherwise hold the size hint.
    label->setMinimumSize(0, 0);
    label->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int margins = label->contentsMargins().left() + label->contentsMargins().right()
                        + 2 * label->margin();
    if (!text.contains(QLatin1Char(' '))) {
        // Nothing to break at: one line, as wide as it needs.
        label->setWordWrap(false);
        const QSize hint = label->sizeHint();
        label->setFixedSize(std::max(width, hint.width()), hint.height());
        return;
    }
    const QFontMetrics metrics(label->font());
    int widest = width;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word) + margins + 1);
    label->setWordWrap(true);
    label->setFixedWidth(widest);
    label->setFixedHeight(label->heightForWidth(widest));
}

} // namespace ui
