#include "output/deformation_scale.h"

#include <algorithm>
#include <cmath>

#include "output/bounding_box.h"

namespace solvane {

namespace {

double LargestDisplacementComponent(const AnalysisData& data) {
  double largest = 0.0;
  for (int dof = 0; dof < kDofPerNode * data.NPOIN; ++dof) {
    const double magnitude = std::fabs(data.displacement[dof]);
    if (magnitude > largest) largest = magnitude;
  }
  return largest;
}

}  // namespace

double DeformationScale(const AnalysisData& data) {
  if (data.NPOIN < 1) return 0.0;
  const double largest = LargestDisplacementComponent(data);
  if (largest == 0.0) return 0.0;
  const Bounds box = BoundingBox(data.nodes.data(), data.NPOIN);
  const double extent = std::max(box.xmax - box.xmin, box.ymax - box.ymin);
  return 0.1 * extent / largest;
}

NodeCoord DisplacedNode(const AnalysisData& data, int n, double factor) {
  const NodeCoord& node = data.nodes[n];
  return {node.x + factor * data.displacement[Dof(n, kDirectionX)],
          node.y + factor * data.displacement[Dof(n, kDirectionY)]};
}

}  // namespace solvane
