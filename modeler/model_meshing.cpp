#include <algorithm>
#include <cstdint>
#include <string>

#include "edge_index.h"
#include "model.h"
#include "node_index.h"
#include "quad_grid.h"

namespace kestrix {

namespace {

// Larger requests would exhaust memory long before their numbers overflow.
constexpr std::int64_t kMaxElementsPerPolygon = 1'000'000;

}  // namespace

void Model::MeshSelectedPolygons(int LN, int WN) {
  if (LN < 1 || WN < 1) return;
  if (static_cast<std::int64_t>(LN) * WN > kMaxElementsPerPolygon) {
    Warn("网格划分数目过多, LN×WN不能超过1000000!");
    return;
  }
  NodeIndex node_index(m_coincidenceTolerance);
  for (const ModelPoint& node : m_nodes.InsertionOrder()) node_index.Add(node);
  EdgeIndex edge_index = IndexEdges();

  bool meshed = false;
  for (Polygon& polygon : m_polygons) {
    if (!polygon.selected) continue;
    if (polygon.vertexCount() == 4 && HasElementsIn(polygon)) {
      Warn("多边形" + std::to_string(polygon.number) + "已划分网格, 不再重复划分!");
    } else if (polygon.vertexCount() == 4) {
      MeshPolygon(polygon, LN, WN, node_index, edge_index);
      meshed = true;
    }
    polygon.selected = false;
  }
  if (!meshed) return;

  m_displacements.assign(kDofsPerNode * NPOIN(), 0.0);
  UpdateAverageElementEdgeLength();
  // Earlier displacements belong to another node array.
  m_solved = false;
}

// Elements of the polygon's own mesh have their centres inside it; those of
// its neighbours, which share only its sides, have theirs outside. Found from
// the outlines, this holds for a model reopened from a file too.
bool Model::HasElementsIn(const Polygon& polygon) const {
  return std::ranges::any_of(m_elementOutlines, [&](const ElementOutline& outline) {
    ModelPosition centre{0.0, 0.0};
    for (const ModelPoint& vertex : outline.vertices) {
      centre.x += vertex.x / kNodesPerElement;
      centre.y += vertex.y / kNodesPerElement;
    }
    return polygon.Contains(centre);
  });
}

// Grid points near existing nodes take those nodes' numbers, the others become
// new nodes; outlines and new edges then join the model.
void Model::MeshPolygon(const Polygon& polygon, int LN, int WN, NodeIndex& nodes,
                        EdgeIndex& edges) {
  std::vector<ModelPoint> grid = MapGridPoints(polygon.vertices(), LN, WN);
  std::vector<ElementOutline> outlines = GridOutlines(grid, LN, WN);

  // Node numbers are the positions in the node list's insertion order.
  int next = NPOIN();
  for (ModelPoint& point : grid) {
    if (const std::optional<int> existing = nodes.FindNewestNear(point.position())) {
      point.number = *existing;
      continue;
    }
    point.number = next++;
    m_nodes.Insert(point);
    nodes.Add(point);
  }

  for (ElementOutline& outline : outlines) {
    for (ModelPoint& vertex : outline.vertices) vertex.number = grid[vertex.number].number;
    m_elementOutlines.Insert(outline);
  }
  m_meshSides.reset();
  for (const ElementOutline& outline : outlines) InsertUniqueEdges(outline, edges);
}

}  // namespace kestrix
