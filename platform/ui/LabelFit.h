#pragma once

class QLabel;

namespace ui {

// Sizes a word-wrapping label to its text: its words wrap at `width` pixels, and a word wider
// than that widens the label instead of being cut. The label's top-left corner stays put.
void fitWrappedLabel(QLabel* label, int width);

} // namespace ui
