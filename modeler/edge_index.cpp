#include "edge_index.h"

namespace kestrix {

EdgeIndex::EdgeIndex() : m_grid(ModelPoint::kDefaultCoincidenceRadius) {}

void EdgeIndex::Add(const ElemEdge& edge) {
  const int id = static_cast<int>(m_edges.size());
  m_grid.Insert(edge.a.position(), id);
  m_grid.Insert(edge.b.position(), id);
  m_edges.push_back(edge);
}

bool EdgeIndex::ContainsSameEdgeAs(const ElemEdge& edge) const {
  bool found = false;
  m_grid.ForEachNear(edge.a.position(),
                    [&](int id) { found = found || m_edges[id].IsSameEdgeAs(edge); });
  return found;
}

}  // namespace kestrix
