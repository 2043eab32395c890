#include "node_index.h"

namespace kestrix {

NodeIndex::NodeIndex(double tolerance) : m_tolerance(tolerance), m_grid(tolerance) {}

void NodeIndex::Add(const ModelPoint& node) {
  m_grid.Insert(node.position(), static_cast<int>(m_nodes.size()));
  m_nodes.push_back(node);
}

std::optional<int> NodeIndex::FindNewestNear(ModelPosition p) const {
  int newest = -1;
  m_grid.ForEachNear(p, [&](int id) {
    if (id > newest && m_nodes[id].DistanceTo(p) < m_tolerance) newest = id;
  });
  if (newest < 0) return std::nullopt;
  return m_nodes[newest].number;
}

}  // namespace kestrix
