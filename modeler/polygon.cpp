#include "polygon.h"

#include <cmath>
#include <utility>

namespace kestrix {

namespace {

constexpr double kVerticalSide = 1e-10;

bool RayCrossesSide(ModelPosition p, const ModelPoint& from, const ModelPoint& to) {
  if ((from.y > p.y) == (to.y > p.y)) return false;
  double xc = from.x;
  if (std::fabs(from.x - to.x) >= kVerticalSide) {
    xc = from.x + (to.x - from.x) * (p.y - from.y) / (to.y - from.y);
  }
  return p.x < xc;
}

}  // namespace

Polygon::Polygon(int number, std::vector<ModelPoint> vertices) : number(number) {
  SetVertices(std::move(vertices));
}

void Polygon::SetVertices(std::vector<ModelPoint> vertices) {
  vertices_ = std::move(vertices);
  box_ = {};
  if (vertices_.empty()) return;
  box_ = BoundingBox::At(vertices_.front().position());
  for (const ModelPoint& vertex : vertices_) box_.Include(vertex.position());
}

bool Polygon::Contains(ModelPosition p) const {
  if (p.x < box_.xmin || p.x > box_.xmax || p.y < box_.ymin || p.y > box_.ymax) {
    return false;
  }
  int crossings = 0;
  for (std::size_t k = 0; k < vertices_.size(); ++k) {
    const ModelPoint& next = vertices_[(k + 1) % vertices_.size()];
    if (RayCrossesSide(p, vertices_[k], next)) ++crossings;
  }
  return crossings % 2 == 1;
}

}  // namespace kestrix
