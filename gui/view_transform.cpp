#include "view_transform.h"

#include <algorithm>
#include <cmath>

namespace kestrix {

namespace {

// A scale is usable when pixels and model units convert both ways.
bool IsUsableScale(double scale) { return std::isfinite(scale) && scale > 0.0; }

}  // namespace

void ViewTransform::SetWindow(int width, int height, double xmin, double xmax, double ymin,
                              double ymax) {
  m_width = width;
  m_height = height;
  m_xmin = xmin;
  m_xmax = xmax;
  m_ymin = ymin;
  m_ymax = ymax;
  FitToBox();
}

void ViewTransform::FitToBox() {
  const double sx = m_width / std::fabs(m_xmax - m_xmin);
  const double sy = m_height / std::fabs(m_ymax - m_ymin);
  const double fitted = 0.95 * std::min(sx, sy);
  // An all-zero box (before any geometry) or a minimised window gives no
  // usable scale; one pixel per model unit keeps every conversion finite.
  m_scale = IsUsableScale(fitted) ? fitted : 1.0;
  m_originX = m_width / 2;
  m_originY = m_height / 2;
  m_centreX = (m_xmax + m_xmin) * 0.5;
  m_centreY = (m_ymax + m_ymin) * 0.5;
}

void ViewTransform::Pan(int dx, int dy) {
  m_originX = SaturatingSum(m_originX, dx);
  m_originY = SaturatingSum(m_originY, dy);
}

void ViewTransform::ZoomAt(int px, int py, double newScale) {
  // Endless wheel steps could overflow or underflow the scale; the view then
  // stays as it is rather than lose its mapping.
  if (!IsUsableScale(newScale)) return;
  const ModelPosition anchor = ModelFromScreen(px, py);
  m_centreX = anchor.x;
  m_centreY = anchor.y;
  m_originX = px;
  m_originY = py;
  m_scale = newScale;
}

void ViewTransform::ZoomToWindow(int x1, int y1, int x2, int y2) {
  const ModelPosition a = ModelFromScreen(x1, y1);
  const ModelPosition b = ModelFromScreen(x2, y2);
  m_centreX = (b.x + a.x) * 0.5;
  m_centreY = (b.y + a.y) * 0.5;
  const double wx = (m_width / m_scale) / std::fabs(a.x - b.x);
  const double wy = (m_height / m_scale) / std::fabs(a.y - b.y);
  // Two clicks on one pixel span nothing to fill the window with: the view is
  // then only centred on that pixel and keeps its scale.
  const double zoomed = m_scale * std::min(wx, wy);
  if (IsUsableScale(zoomed)) m_scale = zoomed;
  m_originX = m_width / 2;
  m_originY = m_height / 2;
}

ModelPosition ViewTransform::ModelFromScreen(int px, int py) const {
  const double du = static_cast<double>(px) - m_originX;
  const double dv = static_cast<double>(m_originY) - py;
  return {du / m_scale + m_centreX, dv / m_scale + m_centreY};
}

}  // namespace kestrix
