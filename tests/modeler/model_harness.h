#pragma once
// A model driven in pixels as the main window drives it, through a real view
// at 64 pixels per model unit with model point (5, 5) at pixel (500, 500), so
// that pixel and model coordinates convert exactly both ways.

#include <initializer_list>
#include <vector>

#include "model.h"
#include "support/recording_notifier.h"
#include "view_transform.h"

namespace kestrix {

class ModelHarness {
 public:
  ModelHarness() {
    view.SetWindow(1000, 1000, -1.0, 11.0, -1.0, 11.0);
    view.ZoomAt(500, 500, 64.0);
    model.AttachView(&view);
    model.AttachNotifier(&notifier);
  }

  ScreenPoint PixelOf(double x, double y) const { return view.ModelToScreen(x, y); }
  ModelPosition ModelAt(int px, int py) const { return view.ModelFromScreen(px, py); }

  void CreateGeoPts(std::initializer_list<ModelPosition> points) {
    for (ModelPosition p : points) model.CreateGeoPt(p.x, p.y);
  }

  void ClickGeoPt(double x, double y) {
    const ScreenPoint p = PixelOf(x, y);
    model.PickGeoPtAt(p.x, p.y);
  }

  void ClickGeoPts(std::initializer_list<ModelPosition> points) {
    for (ModelPosition p : points) ClickGeoPt(p.x, p.y);
  }

  // Creates the corners that are not geometric points yet, picks them in the
  // given order and makes the polygon.
  void DrawPolygon(std::initializer_list<ModelPosition> corners) {
    for (ModelPosition corner : corners) {
      if (!HasGeoPtAt(corner)) model.CreateGeoPt(corner.x, corner.y);
      ClickGeoPt(corner.x, corner.y);
    }
    model.CreatePolygonFromPickedPoints();
  }

  void ClickPolygon(double x, double y) {
    const ScreenPoint p = PixelOf(x, y);
    model.PickPolygonAt(p.x, p.y);
  }

  // Selects the polygon around (x, y) and meshes it.
  void MeshPolygonAround(double x, double y, int LN, int WN) {
    ClickPolygon(x, y);
    model.MeshSelectedPolygons(LN, WN);
  }

  void ClickNode(double x, double y) {
    const ScreenPoint p = PixelOf(x, y);
    model.PickNodeAt(p.x, p.y);
  }

  ViewTransform view;
  RecordingNotifier notifier;
  Model model;

 private:
  bool HasGeoPtAt(ModelPosition p) const {
    for (const ModelPoint& point : model.geoPoints()) {
      if (point.x == p.x && point.y == p.y) return true;
    }
    return false;
  }
};

inline std::vector<int> VertexNumbers(const Polygon& polygon) {
  std::vector<int> numbers;
  for (const ModelPoint& vertex : polygon.vertices()) numbers.push_back(vertex.number);
  return numbers;
}

// The connectivity table, row r being element r.
inline std::vector<Element> ConnectivityRows(const Model& model) {
  const auto rows = model.connectivity();
  return {rows.begin(), rows.end()};
}

// The numbers of the points of a list in insertion order.
inline std::vector<int> NumbersInInsertionOrder(const EntityList<ModelPoint>& points) {
  std::vector<int> numbers;
  for (const ModelPoint& point : points.InsertionOrder()) numbers.push_back(point.number);
  return numbers;
}

}  // namespace kestrix
