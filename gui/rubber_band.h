#pragma once
// The rectangles that two-click gestures span in the main window, drawn by
// inverting the pixels under them.

#include "canvas.h"

namespace kestrix {

// The selection rectangle: dashed when spanned leftwards, solid otherwise.
void DrawPickRect(Canvas& canvas, int x1, int y1, int x2, int y2);
// The zoom-window rectangle, always solid.
void DrawZoomRect(Canvas& canvas, int x1, int y1, int x2, int y2);

}  // namespace kestrix
