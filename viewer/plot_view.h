#pragma once
// The mapping between model coordinates (y up) and the pixels of the plot
// (y down), with fit, pan and zoom about a point. Pixel (i, j) covers
// [i, i + 1) × [j, j + 1), so its centre is at (i + 0.5, j + 0.5).

#include "contour_mesh.h"
#include "model_box.h"

namespace ambrel {

struct PixelPoint {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

class PlotView {
 public:
  // Centres the box in a width × height area and lets it fill 90 % of the
  // limiting side, leaving room for the labels of markers at its edges.
  void Fit(const ModelBox& box, int width, int height);
  // Moves the picture by a mouse movement in pixels.
  void Pan(double dx, double dy);
  // Scales the picture by `factor` about a pixel position, which keeps its
  // model point; a step beyond a million times the fitted scale, or below a
  // thousandth of it, is not taken.
  void ZoomAt(PixelPoint about, double factor);

  PixelPoint ToPixel(ModelPosition p) const {
    return {originX_ + (p.x - centreX_) * scale_, originY_ - (p.y - centreY_) * scale_};
  }
  ModelPosition ToModel(PixelPoint p) const {
    return {centreX_ + (p.x - originX_) / scale_, centreY_ - (p.y - originY_) / scale_};
  }

  // Pixels per model unit.
  double Scale() const { return scale_; }

 private:
  double scale_ = 1.0;
  double fittedScale_ = 1.0;
  double centreX_ = 0.0;
  double centreY_ = 0.0;
  double originX_ = 0.0;
  double originY_ = 0.0;
};

}  // namespace ambrel
