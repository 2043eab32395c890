#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "model.h"

namespace kestrix {

namespace {

ModelPosition Centre(const ElementOutline& outline) {
  double x = 0.0;
  double y = 0.0;
  for (const ModelPoint& vertex : outline.vertices) {
    x += vertex.x;
    y += vertex.y;
  }
  return {x / outline.vertexCount(), y / outline.vertexCount()};
}

// An edge by its two node numbers, whichever end comes first.
std::pair<int, int> EdgeKey(const ModelPoint& a, const ModelPoint& b) {
  return std::minmax(a.number, b.number);
}

}  // namespace

DeletedLoads Model::DeleteLoadsOnSelection() {
  std::vector<bool> selected(NPOIN(), false);
  for (const ModelPoint& node : nodeArray()) selected[node.number] = node.selected;
  const auto onSelectedNode = [&](const ModelPoint& p) { return IsNode(p.number) && selected[p.number]; };
  std::vector<std::pair<int, int>> selectedEdges;
  for (const ElemEdge& edge : m_edges) {
    if (edge.selected) selectedEdges.push_back(EdgeKey(edge.a, edge.b));
  }
  std::ranges::sort(selectedEdges);

  DeletedLoads deleted;
  deleted.constraints =
      m_constraints.RemoveIf([&](const Constraint& c) { return onSelectedNode(c.point); });
  deleted.forces = m_forces.RemoveIf([&](const NodalForce& f) { return onSelectedNode(f.point); });
  deleted.distributedLoads = m_distributedLoads.RemoveIf([&](const DistributedLoad& q) {
    return std::ranges::binary_search(selectedEdges, EdgeKey(q.endI, q.endJ));
  });
  if (deleted.forces > 0) ComputeForceScale();
  if (deleted.distributedLoads > 0) ComputeDistributedLoadScale();
  return deleted;
}

MeshClearing Model::ClearPolygonMeshes(std::span<const Polygon> polygons) {
  const auto inside = [polygons](const ElementOutline& outline) {
    return std::ranges::any_of(polygons, [&](const Polygon& p) { return p.Contains(Centre(outline)); });
  };
  std::vector<bool> going(NPOIN(), false);
  std::vector<bool> staying(NPOIN(), false);
  MeshClearing clearing;
  for (const ElementOutline& outline : m_elementOutlines.InsertionOrder()) {
    const bool goes = inside(outline);
    if (goes) ++clearing.elementsRemoved;
    for (const ModelPoint& vertex : outline.vertices) (goes ? going : staying)[vertex.number] = true;
  }
  if (clearing.elementsRemoved == 0) return clearing;

  for (int node = 0; node < NPOIN(); ++node) {
    if (going[node] && staying[node]) return SharedNodeClearing(node, polygons);
  }
  std::vector<int> newNumbers(NPOIN());
  int next = 0;
  for (int node = 0; node < NPOIN(); ++node) newNumbers[node] = going[node] ? -1 : next++;
  clearing.outcome = MeshClearing::Outcome::Cleared;
  m_elementOutlines.RemoveIf(inside);
  m_meshSides.reset();
  RemoveNodes(newNumbers);
  return clearing;
}

// Which of `clearing` has an element on `node`, and which other polygon
// holds an element that stays on it (-1 for none).
MeshClearing Model::SharedNodeClearing(int node, std::span<const Polygon> clearing) const {
  const auto polygonAround = [](const auto& polygons, ModelPosition p) {
    for (const Polygon& polygon : polygons) {
      if (polygon.Contains(p)) return polygon.number;
    }
    return -1;
  };
  MeshClearing refusal{MeshClearing::Outcome::SharedNodes, 0, -1, -1};
  for (const ElementOutline& outline : m_elementOutlines) {
    const bool usesNode = std::ranges::any_of(
        outline.vertices, [node](const ModelPoint& vertex) { return vertex.number == node; });
    if (!usesNode) continue;
    const int cleared = polygonAround(clearing, Centre(outline));
    if (cleared >= 0) {
      refusal.clearedPolygon = cleared;
    } else {
      refusal.sharingPolygon = polygonAround(m_polygons, Centre(outline));
    }
  }
  return refusal;
}

// Drops every node numbered -1 in `newNumbers` with whatever refers to it
// and renumbers the rest; the elements that used those nodes are gone already.
void Model::RemoveNodes(const std::vector<int>& newNumbers) {
  const auto gone = [&newNumbers](const ModelPoint& p) { return newNumbers[p.number] < 0; };
  const auto renumber = [&newNumbers](ModelPoint& p) { p.number = newNumbers[p.number]; };
  m_nodes.RemoveIf(gone);
  for (ModelPoint& node : m_nodes) renumber(node);
  for (ElementOutline& outline : m_elementOutlines) {
    for (ModelPoint& vertex : outline.vertices) renumber(vertex);
  }
  m_edges.RemoveIf([&](const ElemEdge& edge) { return gone(edge.a) || gone(edge.b); });
  m_selectedEdgeCount = m_edges.CountSelected();
  for (ElemEdge& edge : m_edges) {
    renumber(edge.a);
    renumber(edge.b);
  }
  m_constraints.RemoveIf([&](const Constraint& c) { return gone(c.point); });
  for (Constraint& constraint : m_constraints) renumber(constraint.point);
  const int forces = m_forces.RemoveIf([&](const NodalForce& f) { return gone(f.point); });
  for (NodalForce& force : m_forces) renumber(force.point);
  const int loads = m_distributedLoads.RemoveIf(
      [&](const DistributedLoad& q) { return gone(q.endI) || gone(q.endJ); });
  for (DistributedLoad& load : m_distributedLoads) {
    renumber(load.endI);
    renumber(load.endJ);
  }
  if (forces > 0) ComputeForceScale();
  if (loads > 0) ComputeDistributedLoadScale();
  m_displacements.assign(kDofsPerNode * NPOIN(), 0.0);
  m_solved = false;
  UpdateAverageElementEdgeLength();
}

}  // namespace kestrix
