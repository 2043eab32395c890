#include "elem_edge.h"

namespace kestrix {

bool ElemEdge::IsSameEdgeAs(const ElemEdge& other) const {
  return (a.CoincidesWith(other.a.position()) && b.CoincidesWith(other.b.position())) ||
         (a.CoincidesWith(other.b.position()) && b.CoincidesWith(other.a.position()));
}

}  // namespace kestrix
