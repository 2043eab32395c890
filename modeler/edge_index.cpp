#include "edge_index.h"

namespace kestrix {

EdgeIndex::EdgeIndex() : grid_(4.0 * ModelPoint::kDefaultCoincidenceRadius) {}

void EdgeIndex::Add(const ElemEdge& edge) {
  grid_.Insert(edge.a.position(), static_cast<int>(edges_.size()));
  edges_.push_back(edge);
}

bool EdgeIndex::ContainsSameEdgeAs(const ElemEdge& edge) const {
  bool found = false;
  const auto test = [&](int id) { found = found || edges_[id].IsSameEdgeAs(edge); };
  grid_.ForEachNear(edge.a.position(), test);
  grid_.ForEachNear(edge.b.position(), test);
  return found;
}

}  // namespace kestrix
