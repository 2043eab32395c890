#include "deformation.h"

#include <algorithm>
#include <cmath>

#include "model_box.h"

namespace ambrel {

double DeformationScale(const std::vector<ModelPosition>& nodes,
                        const std::vector<Displacement>& displacements) {
  double umax = 0.0;
  for (const Displacement& d : displacements) {
    umax = std::max({umax, std::fabs(d.dx), std::fabs(d.dy)});
  }
  if (umax == 0.0 || nodes.empty()) return 0.0;
  const ModelBox box = BoxOf(nodes);
  return 0.1 * std::max(box.ymax - box.ymin, box.xmax - box.xmin) / umax;
}

std::vector<ModelPosition> DeformedPositions(const std::vector<ModelPosition>& nodes,
                                             const std::vector<Displacement>& displacements,
                                             double scale) {
  std::vector<ModelPosition> deformed(nodes);
  for (std::size_t k = 0; k < deformed.size() && k < displacements.size(); ++k) {
    deformed[k].x = nodes[k].x + scale * displacements[k].dx;
    deformed[k].y = nodes[k].y + scale * displacements[k].dy;
  }
  return deformed;
}

}  // namespace ambrel
