#pragma once
// The mapping between model coordinates (y up) and client-area pixels (y down)
// of Kestrix's one view, with its pan and zoom state. Plain arithmetic.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "screen_mapping.h"

namespace kestrix {

class ViewTransform final : public ScreenMapping {
 public:
  // Stores the client size and the model box to frame, then fits the view to it.
  void SetWindow(int width, int height, double xmin, double xmax, double ymin, double ymax);
  // Centres the stored box and lets it fill 95 % of the limiting client
  // dimension, discarding pan and zoom.
  void FitToBox();

  // Moves the picture by a mouse movement in pixels.
  void Pan(int dx, int dy);
  // Changes the scale so that the model point under pixel (px, py) stays there.
  void ZoomAt(int px, int py, double newScale);
  // Makes the rectangle spanned by two pixels fill the limiting client dimension.
  void ZoomToWindow(int x1, int y1, int x2, int y2);

  // Defined here so that drawing, which maps every vertex, can inline it.
  ScreenPoint ModelToScreen(double x, double y) const override {
    const int u = TruncatedOffset((x - m_centreX) * m_scale);
    const int v = TruncatedOffset((y - m_centreY) * m_scale);
    return {SaturatingSum(m_originX, u), SaturatingSum(m_originY, -static_cast<std::int64_t>(v))};
  }
  ModelPosition ModelFromScreen(int px, int py) const override;

  double scale() const { return m_scale; }
  int width() const { return m_width; }
  int height() const { return m_height; }
  int originX() const { return m_originX; }
  int originY() const { return m_originY; }
  double centreX() const { return m_centreX; }
  double centreY() const { return m_centreY; }

 private:
  // Farther from the origin than any screen reaches, yet well inside int32.
  static constexpr double kFarOffset = 1.0e9;

  // Truncates a pixel offset toward zero, as a plain conversion does, but never
  // converts a value that does not fit: huge offsets stop far off screen and a
  // NaN offset (from a NaN coordinate) counts as none.
  static int TruncatedOffset(double offset) {
    if (std::isnan(offset)) return 0;
    return static_cast<int>(std::clamp(offset, -kFarOffset, kFarOffset));
  }
  static int SaturatingSum(int a, std::int64_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
  }

  double m_xmin = 0.0;
  double m_xmax = 0.0;
  double m_ymin = 0.0;
  double m_ymax = 0.0;
  int m_width = 0;
  int m_height = 0;
  int m_originX = 0;
  int m_originY = 0;
  double m_centreX = 0.0;
  double m_centreY = 0.0;
  double m_scale = 1.0;
};

}  // namespace kestrix
