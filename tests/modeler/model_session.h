#pragma once
// Builds models the way a user does: through the Model's operations, with
// picks made at the pixels where a fitted 400 × 400 view shows the entities.

#include <array>

#include "model.h"
#include "support/recording_notifier.h"
#include "view_transform.h"

namespace kestrix {

class ModelSession {
 public:
  ModelSession() {
    model.AttachView(&view);
    model.AttachNotifier(&notifier);
    FitView();
  }

  // Creates the four corners as geometric points, then picks them in order
  // into a polygon.
  void AddQuad(const std::array<ModelPosition, 4>& corners) {
    for (const ModelPosition& corner : corners) model.CreateGeoPt(corner.x, corner.y);
    FitView();
    for (const ModelPosition& corner : corners) {
      const ScreenPoint pixel = Pixel(corner);
      model.PickGeoPtAt(pixel.x, pixel.y);
    }
    model.CreatePolygonFromPickedPoints();
  }

  void MeshPolygonAround(ModelPosition inside, int LN, int WN) {
    const ScreenPoint pixel = Pixel(inside);
    model.PickPolygonAt(pixel.x, pixel.y);
    model.MeshSelectedPolygons(LN, WN);
  }

  void SelectNodeAt(ModelPosition p) {
    const ScreenPoint pixel = Pixel(p);
    model.PickNodeAt(pixel.x, pixel.y);
  }

  // Everything within the model rectangle lo-hi, with a margin of a few pixels.
  void SelectNodesIn(ModelPosition lo, ModelPosition hi) {
    const auto [x1, y1, x2, y2] = PixelRectangle(lo, hi);
    model.PickNodesInRectangle(x1, y1, x2, y2);
  }
  void SelectEdgesIn(ModelPosition lo, ModelPosition hi) {
    const auto [x1, y1, x2, y2] = PixelRectangle(lo, hi);
    model.PickEdgesInRectangle(x1, y1, x2, y2);
  }

  RecordingNotifier notifier;
  ViewTransform view;
  Model model;

 private:
  void FitView() {
    const BoundingBox box = model.ComputeBoundingBox();
    view.SetWindow(400, 400, box.xmin, box.xmax, box.ymin, box.ymax);
  }

  ScreenPoint Pixel(ModelPosition p) const { return view.ModelToScreen(p.x, p.y); }

  std::array<int, 4> PixelRectangle(ModelPosition lo, ModelPosition hi) const {
    constexpr int kMargin = 3;
    const ScreenPoint a = Pixel(lo);
    const ScreenPoint b = Pixel(hi);
    return {a.x - kMargin, a.y + kMargin, b.x + kMargin, b.y - kMargin};
  }
};

}  // namespace kestrix
