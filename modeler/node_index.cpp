#include "node_index.h"

namespace kestrix {

NodeIndex::NodeIndex(double tolerance) : tolerance_(tolerance), grid_(tolerance) {}

void NodeIndex::Add(const ModelPoint& node) {
  grid_.Insert(node.position(), static_cast<int>(nodes_.size()));
  nodes_.push_back(node);
}

std::optional<int> NodeIndex::FindNewestNear(ModelPosition p) const {
  int newest = -1;
  grid_.ForEachNear(p, [&](int id) {
    if (id > newest && nodes_[id].DistanceTo(p) < tolerance_) newest = id;
  });
  if (newest < 0) return std::nullopt;
  return nodes_[newest].number;
}

}  // namespace kestrix
