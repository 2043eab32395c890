#pragma once
// The smallest axis-parallel box around a set of model positions.

#include <vector>

#include "contour_mesh.h"

namespace ambrel {

struct ModelBox {
  double xmin = 0.0;
  double xmax = 0.0;
  double ymin = 0.0;
  double ymax = 0.0;
};

// The box of the positions, which must not be empty.
ModelBox BoxOf(const std::vector<ModelPosition>& positions);

// The box around both boxes.
ModelBox Union(const ModelBox& a, const ModelBox& b);

}  // namespace ambrel
