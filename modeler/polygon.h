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
  const std::vector<ModelPoint>& vertices() const { return vertices_; }
  int vertex_count() const { return static_cast<int>(vertices_.size()); }
  const BoundingBox& box() const { return box_; }

  // Even-odd test of a ray towards +x; a side counts when exactly one of its
  // ends lies strictly above p.
  bool Contains(ModelPosition p) const;

 private:
  std::vector<ModelPoint> vertices_;
  BoundingBox box_;
};

}  // namespace kestrix
