#pragma once
// The program's look for learners with low vision: selected rows whose text stays
// readable, and a focus frame that can be seen on every control that takes the focus.
#include <QColor>
#include <QPalette>

namespace lumora::look {

// Width of the focus frame, in pixels.
inline constexpr int FocusFrameWidth = 2;

// The colours of a palette with a selection and focus colour that white text reads on
// (at least 4.5:1) and that stands out from the window, button and text backgrounds
// (at least 3:1); other colours stay as they are.
QPalette readablePalette(const QPalette &base);

// The colour focus frames are drawn in, from a palette.
QColor focusColor(const QPalette &palette);

// Applies the palette to the application and draws a focus frame of FocusFrameWidth
// around the focused button, tool button, links box and list row. Call once, after
// the application exists.
void applyReadableLook();

} // namespace lumora::look
