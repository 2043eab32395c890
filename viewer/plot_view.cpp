#include "plot_view.h"

#include <algorithm>
#include <cmath>

namespace ambrel {
namespace {

// A fitted scale is usable when pixels and model units convert both ways.
bool IsUsableScale(double scale) { return std::isfinite(scale) && scale > 1e-200 && scale < 1e200; }

// How far the wheel may zoom from the fitted view: far enough for any detail
// of a mesh, near enough that pixel positions stay far from overflowing.
constexpr double kMaxZoomIn = 1e6;
constexpr double kMaxZoomOut = 1e3;

}  // namespace

void PlotView::Fit(const ModelBox& box, int width, int height) {
  const double sx = width / (box.xmax - box.xmin);
  const double sy = height / (box.ymax - box.ymin);
  // A box without width (or height) is framed by its other side; a single
  // point gets one pixel per model unit.
  const double fitted = 0.9 * std::min(std::isfinite(sx) ? sx : sy, std::isfinite(sy) ? sy : sx);
  scale_ = IsUsableScale(fitted) ? fitted : 1.0;
  fittedScale_ = scale_;
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
  if (!(zoomed <= fittedScale_ * kMaxZoomIn && zoomed >= fittedScale_ / kMaxZoomOut)) return;
  const ModelPosition anchor = ToModel(about);
  centreX_ = anchor.x;
  centreY_ = anchor.y;
  originX_ = about.x;
  originY_ = about.y;
  scale_ = zoomed;
}

}  // namespace ambrel
