#include "view_transform.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kestrix {

namespace {

// Farther from the origin than any screen reaches, yet well inside int32.
constexpr double kFarOffset = 1.0e9;

// A scale is usable when pixels and model units convert both ways.
bool IsUsableScale(double scale) { return std::isfinite(scale) && scale > 0.0; }

// Truncates a pixel offset toward zero, as a plain conversion does, but never
// converts a value that does not fit: huge offsets stop far off screen and a
// NaN offset (from a NaN coordinate) counts as none.
int TruncatedOffset(double offset) {
  if (std::isnan(offset)) return 0;
  return static_cast<int>(std::clamp(offset, -kFarOffset, kFarOffset));
}

int SaturatingSum(int a, std::int64_t b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  return static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

void ViewTransform::SetWindow(int width, int height, double xmin, double xmax, double ymin,
                              double ymax) {
  width_ = width;
  height_ = height;
  xmin_ = xmin;
  xmax_ = xmax;
  ymin_ = ymin;
  ymax_ = ymax;
  FitToBox();
}

void ViewTransform::FitToBox() {
  const double sx = width_ / std::fabs(xmax_ - xmin_);
  const double sy = height_ / std::fabs(ymax_ - ymin_);
  const double fitted = 0.95 * std::min(sx, sy);
  // An all-zero box (before any geometry) or a minimised window gives no
  // usable scale; one pixel per model unit keeps every conversion finite.
  scale_ = IsUsableScale(fitted) ? fitted : 1.0;
  originX_ = width_ / 2;
  originY_ = height_ / 2;
  centreX_ = (xmax_ + xmin_) * 0.5;
  centreY_ = (ymax_ + ymin_) * 0.5;
}

void ViewTransform::Pan(int dx, int dy) {
  originX_ = SaturatingSum(originX_, dx);
  originY_ = SaturatingSum(originY_, dy);
}

void ViewTransform::ZoomAt(int px, int py, double newScale) {
  // Endless wheel steps could overflow or underflow the scale; the view then
  // stays as it is rather than lose its mapping.
  if (!IsUsableScale(newScale)) return;
  const ModelPosition anchor = ModelFromScreen(px, py);
  centreX_ = anchor.x;
  centreY_ = anchor.y;
  originX_ = px;
  originY_ = py;
  scale_ = newScale;
}

void ViewTransform::ZoomToWindow(int x1, int y1, int x2, int y2) {
  const ModelPosition a = ModelFromScreen(x1, y1);
  const ModelPosition b = ModelFromScreen(x2, y2);
  centreX_ = (b.x + a.x) * 0.5;
  centreY_ = (b.y + a.y) * 0.5;
  const double wx = (width_ / scale_) / std::fabs(a.x - b.x);
  const double wy = (height_ / scale_) / std::fabs(a.y - b.y);
  // Two clicks on one pixel span nothing to fill the window with: the view is
  // then only centred on that pixel and keeps its scale.
  const double zoomed = scale_ * std::min(wx, wy);
  if (IsUsableScale(zoomed)) scale_ = zoomed;
  originX_ = width_ / 2;
  originY_ = height_ / 2;
}

ScreenPoint ViewTransform::ModelToScreen(double x, double y) const {
  const int u = TruncatedOffset((x - centreX_) * scale_);
  const int v = TruncatedOffset((y - centreY_) * scale_);
  return {SaturatingSum(originX_, u), SaturatingSum(originY_, -static_cast<std::int64_t>(v))};
}

ModelPosition ViewTransform::ModelFromScreen(int px, int py) const {
  const double du = static_cast<double>(px) - originX_;
  const double dv = static_cast<double>(originY_) - py;
  return {du / scale_ + centreX_, dv / scale_ + centreY_};
}

}  // namespace kestrix
