#include "plot_view.h"

#include <algorithm>
#include <cmath>

namespace ambrel {
namespace {

// A scale is usable when pixels and model units convert both ways; endless
// wheel steps would otherwise overflow or underflow it.
bool IsUsableScale(double scale) { return std::isfinite(scale) && scale > 1e-200 && scale < 1e200; }

}  // namespace

void PlotView::Fit(const ModelBox& box, int width, int height) {
  const double sx = width / (box.xmax - box.xmin);
  const double sy = height / (box.ymax - box.ymin);
  // A box without width (or height) is framed by its other side; a single
  // point gets one pixel per model unit.
  const double fitted = 0.9 * std::min(std::isfinite(sx) ? sx : sy, std::isfinite(sy) ? sy : sx);
  scale_ = IsUsableScale(fitted) ? fitted : 1.0;
  centreX_ = (box.xmin + box.xmax) * 0.5;
  centreY_ = (box.ymin + box.ymax) * 0.5;
  originX_ = width * 0.5;
  originY_ = height * 0.5;
}

void PlotView::Pan(double dx, double dy) {
  originX_ += dx;
  originY_ += dy;
}

void PlotView::ZoomAt(PixelPoint about, double factor) {
  const double zoomed = scale_ * factor;
  if (!IsUsableScale(zoomed)) return;
  const ModelPosition anchor = ToModel(about);
  centreX_ = anchor.x;
  centreY_ = anchor.y;
  originX_ = about.x;
  originY_ = about.y;
  scale_ = zoomed;
}

}  // namespace ambrel
