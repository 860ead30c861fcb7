#pragma once

#include <Qt>

class QWidget;

namespace ui {

// Keeps a child's distances to the chosen edges of its parent as they are now, when the parent
// is resized: anchored left and right, it stretches; anchored right only, it moves. A child
// anchored on neither side of an axis keeps its place on that axis.
void anchor(QWidget* child, Qt::Edges edges);

} // namespace ui
