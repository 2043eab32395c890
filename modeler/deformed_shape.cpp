#include "deformed_shape.h"

#include <algorithm>
#include <cmath>

namespace kestrix {

double DeformationScale(const Model& model) {
  double largest = 0.0;
  for (double u : model.displacements()) largest = std::max(largest, std::fabs(u));
  if (largest == 0.0) return 0.0;
  const BoundingBox& box = model.boundingBox();
  const double scale = 0.1 * std::max(box.ymax - box.ymin, box.xmax - box.xmin) / largest;
  return std::isfinite(scale) ? scale : 0.0;
}

ModelPosition DeformedPosition(const Model& model, int node, double scale) {
  const ModelPoint& p = model.nodeArray()[node];
  const std::vector<double>& u = model.displacements();
  const int dofs = model.dofsPerNode();
  return {p.x + scale * u[dofs * node], p.y + scale * u[dofs * node + 1]};
}

}  // namespace kestrix
