#pragma once

#include "model_point.h"

namespace kestrix {

// One side of an element, the unit on which distributed loads are applied.
struct ElemEdge {
  ModelPoint a;
  ModelPoint b;
  bool selected = false;

  // Ends coincide pairwise in either orientation, tested with this edge's radii.
  bool IsSameEdgeAs(const ElemEdge& other) const;
};

}  // namespace kestrix
