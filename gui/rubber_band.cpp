#include "rubber_band.h"

namespace kestrix {
namespace {

// Rubber bands invert the pixels under them, so drawing the same rectangle
// twice restores the picture whatever the colours beneath.
void DrawRubberBand(Canvas& canvas, const Pen& pen, int x1, int y1, int x2, int y2) {
  canvas.SetPen(pen);
  const RasterMode previous = canvas.GetRasterMode();
  canvas.SetRasterMode(RasterMode::Invert);
  canvas.DrawLine(x1, y1, x2, y1);
  canvas.DrawLine(x2, y1, x2, y2);
  canvas.DrawLine(x2, y2, x1, y2);
  canvas.DrawLine(x1, y2, x1, y1);
  canvas.SetRasterMode(previous);
}

}  // namespace

void DrawPickRect(Canvas& canvas, int x1, int y1, int x2, int y2) {
  const PenStyle style = x2 < x1 ? PenStyle::Dashed : PenStyle::Solid;
  DrawRubberBand(canvas, Pen{Rgb{255, 0, 255}, 1, style}, x1, y1, x2, y2);
}

void DrawZoomRect(Canvas& canvas, int x1, int y1, int x2, int y2) {
  DrawRubberBand(canvas, Pen{Rgb{255, 255, 255}, 1, PenStyle::Solid}, x1, y1, x2, y2);
}

}  // namespace kestrix
