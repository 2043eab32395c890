#include "edge_index.h"

namespace kestrix {

EdgeIndex::EdgeIndex() : grid_(ModelPoint::kDefaultCoincidenceRadius) {}

void EdgeIndex::Add(const ElemEdge& edge) {
  const int id = static_cast<int>(edges_.size());
  grid_.Insert(edge.a.position(), id);
  grid_.Insert(edge.b.position(), id);
  edges_.push_back(edge);
}

bool EdgeIndex::ContainsSameEdgeAs(const ElemEdge& edge) const {
  bool found = false;
  grid_.ForEachNear(edge.a.position(),
                    [&](int id) { found = found || edges_[id].IsSameEdgeAs(edge); });
  return found;
}

}  // namespace kestrix
