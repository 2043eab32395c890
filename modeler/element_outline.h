#pragma once

#include <vector>

#include "model_point.h"

namespace kestrix {

// The geometric form of one element: its corners in connectivity order, each
// numbered with its global node number but keeping the coordinates computed
// for its own polygon.
struct ElementOutline {
  std::vector<ModelPoint> vertices;
  bool selected = false;

  int vertex_count() const { return static_cast<int>(vertices.size()); }
};

}  // namespace kestrix
