#pragma once

#include <optional>
#include <vector>

#include "model_point.h"
#include "point_grid.h"

namespace kestrix {

// Finds the node that meshing merges a grid point into: of the nodes strictly
// closer than the tolerance, the newest, exactly the one a newest-first scan of
// the whole node list finds, but looking only at nearby cells.
class NodeIndex {
 public:
  explicit NodeIndex(double tolerance);

  // Nodes are added oldest first.
  void Add(const ModelPoint& node);
  // The number of the newest node near p, if any.
  std::optional<int> FindNewestNear(ModelPosition p) const;

 private:
  double m_tolerance;
  PointGrid m_grid;
  std::vector<ModelPoint> m_nodes;
};

}  // namespace kestrix
