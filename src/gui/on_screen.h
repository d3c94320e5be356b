// Every window opens where the user can reach it: inside the available area
// (the screen less its panels) of the screen it appears on, at any scale. A
// window keeps its own place where it fits there and otherwise moves just
// enough; it never becomes smaller than its texts need.
#pragma once

#include <QRect>

class QWidget;

namespace ruvela {

// Where a window whose frame is `frame` goes inside `available`: where it
// is when it fits, else moved just enough. Along a side where it is larger
// than the area, its top or left edge goes to the area's.
QRect PlaceInside(const QRect& frame, const QRect& available);

// Fits `window` into its screen each time it is shown, and once more when
// the window manager has framed it and the frame's size is known.
void KeepOnScreen(QWidget* window);

// Fits `window` into its screen now: moved, and a resizable window made
// smaller where it is larger than the area, down to its least size.
void FitOnScreen(QWidget* window);

}  // namespace ruvela
