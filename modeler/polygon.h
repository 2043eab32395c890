#pragma once

#include <vector>

#include "bounding_box.h"
#include "model_point.h"

namespace kestrix {

// A polygon drawn through geometric points; its vertices are copies of those
// points in pick order, and its box always follows the vertices.
class Polygon {
 public:
  Polygon() = default;
  Polygon(int number, std::vector<ModelPoint> vertices);

  int number = 0;
  bool selected = false;

  void SetVertices(std::vector<ModelPoint> vertices);
  const std::vector<ModelPoint>& vertices() const { return m_vertices; }
  int vertexCount() const { return static_cast<int>(m_vertices.size()); }
  const BoundingBox& box() const { return m_box; }

  // Even-odd test of a ray towards +x; a side counts when exactly one of its
  // ends lies strictly above p.
  bool Contains(ModelPosition p) const;

 private:
  std::vector<ModelPoint> m_vertices;
  BoundingBox m_box;
};

}  // namespace kestrix
