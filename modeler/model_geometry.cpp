#include <algorithm>

#include "model.h"

namespace kestrix {

void Model::CreateGeoPt(double x, double y) {
  const ModelPosition p{x, y};
  const auto coincides = [&](const ModelPoint& point) { return point.CoincidesWith(p); };
  if (std::ranges::any_of(m_geoPoints, coincides)) {
    Warn("结构体系中有几何点与该点非常接近!");
    return;
  }
  const int number = m_geoPoints.IsEmpty() ? 0 : m_geoPoints.Front().number + 1;
  m_geoPoints.Insert({.x = x, .y = y, .number = number});
}

void Model::CreatePolygonFromPickedPoints() {
  const int count = m_pickedPoints.CountSelected();
  if (count < 3) return;
  std::vector<ModelPoint> vertices;
  for (const ModelPoint& point : m_pickedPoints.InsertionOrder()) {
    if (point.selected) vertices.push_back(point);
  }
  const int number = m_polygons.IsEmpty() ? 0 : m_polygons.Front().number + 1;
  m_polygons.Insert(Polygon(number, std::move(vertices)));
  m_geoPoints.ClearSelected();
  m_pickedPoints.Clear();
}

}  // namespace kestrix
