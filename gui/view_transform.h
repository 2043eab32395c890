#pragma once
// The mapping between model coordinates (y up) and client-area pixels (y down)
// of Kestrix's one view, with its pan and zoom state, the two load-arrow scales
// and the rubber-band rectangles. Plain arithmetic apart from the canvas that
// drawing goes to during a paint.

#include "canvas.h"

namespace kestrix {

// A pixel of the client area, x to the right and y downwards.
struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// A position in model coordinates, y upwards.
struct ModelPosition {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const ModelPosition&, const ModelPosition&) = default;
};

class ViewTransform {
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

  ScreenPoint ModelToScreen(double x, double y) const;
  ModelPosition ModelFromScreen(int px, int py) const;

  // The canvas of the current paint; not owned, valid only during that paint.
  void SetDrawingCanvas(Canvas* canvas) { drawingCanvas_ = canvas; }
  Canvas* DrawingCanvas() const { return drawingCanvas_; }

  // The selection rectangle: dashed when spanned leftwards, solid otherwise.
  void DrawPickRect(int x1, int y1, int x2, int y2) const;
  // The zoom-window rectangle, always solid.
  void DrawZoomRect(int x1, int y1, int x2, int y2) const;

  double Scale() const { return scale_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int OriginX() const { return originX_; }
  int OriginY() const { return originY_; }
  double CentreX() const { return centreX_; }
  double CentreY() const { return centreY_; }

  // Model length drawn per unit of force, and per unit of edge-load intensity.
  double ForceScale() const { return forceScale_; }
  void SetForceScale(double scale) { forceScale_ = scale; }
  double LoadScale() const { return loadScale_; }
  void SetLoadScale(double scale) { loadScale_ = scale; }

 private:
  void DrawRubberBand(const Pen& pen, int x1, int y1, int x2, int y2) const;

  double xmin_ = 0.0;
  double xmax_ = 0.0;
  double ymin_ = 0.0;
  double ymax_ = 0.0;
  Canvas* drawingCanvas_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int originX_ = 0;
  int originY_ = 0;
  double centreX_ = 0.0;
  double centreY_ = 0.0;
  double scale_ = 1.0;
  double forceScale_ = 1.0;
  double loadScale_ = 1.0;
};

}  // namespace kestrix
