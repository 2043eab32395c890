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
  m_vertices = std::move(vertices);
  m_box = {};
  if (m_vertices.empty()) return;
  m_box = BoundingBox::At(m_vertices.front().position());
  for (const ModelPoint& vertex : m_vertices) m_box.Include(vertex.position());
}

bool Polygon::Contains(ModelPosition p) const {
  if (p.x < m_box.xmin || p.x > m_box.xmax || p.y < m_box.ymin || p.y > m_box.ymax) {
    return false;
  }
  int crossings = 0;
  for (std::size_t k = 0; k < m_vertices.size(); ++k) {
    const ModelPoint& next = m_vertices[(k + 1) % m_vertices.size()];
    if (RayCrossesSide(p, m_vertices[k], next)) ++crossings;
  }
  return crossings % 2 == 1;
}

}  // namespace kestrix
