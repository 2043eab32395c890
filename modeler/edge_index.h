#pragma once

#include <vector>

#include "elem_edge.h"
#include "point_grid.h"

namespace kestrix {

// Answers whether an edge list already holds the same edge as a new one,
// looking only at stored edges with an end near the new edge's first end.
// Relies on every end keeping the default coincidence radius.
class EdgeIndex {
 public:
  EdgeIndex();

  void Add(const ElemEdge& edge);
  bool ContainsSameEdgeAs(const ElemEdge& edge) const;

 private:
  PointGrid m_grid;
  std::vector<ElemEdge> m_edges;
};

}  // namespace kestrix
