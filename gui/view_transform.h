#pragma once
// The mapping between model coordinates (y up) and client-area pixels (y down)
// of Kestrix's one view, with its pan and zoom state. Plain arithmetic.

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

  ScreenPoint ModelToScreen(double x, double y) const override;
  ModelPosition ModelFromScreen(int px, int py) const override;

  double Scale() const { return scale_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int OriginX() const { return originX_; }
  int OriginY() const { return originY_; }
  double CentreX() const { return centreX_; }
  double CentreY() const { return centreY_; }

 private:
  double xmin_ = 0.0;
  double xmax_ = 0.0;
  double ymin_ = 0.0;
  double ymax_ = 0.0;
  int width_ = 0;
  int height_ = 0;
  int originX_ = 0;
  int originY_ = 0;
  double centreX_ = 0.0;
  double centreY_ = 0.0;
  double scale_ = 1.0;
};

}  // namespace kestrix
