#include "mesh_sides.h"

#include <algorithm>

namespace kestrix {
namespace {

bool KeepsNodeCoordinates(const ModelPoint& corner, std::span<const ModelPoint> nodes) {
  const ModelPoint& node = nodes[corner.number];
  return corner.x == node.x && corner.y == node.y;
}

}  // namespace

// The sides found so far are chained by their lower node number, so a side
// is looked up among the few that share that node, in time linear in the mesh.
MeshSides UniqueSides(std::span<const ElementOutline> outlines, std::span<const ModelPoint> nodes) {
  constexpr int kNone = -1;
  MeshSides found;
  std::vector<MeshSide>& sides = found.unique;
  sides.reserve(outlines.size() * kNodesPerElement / 2 + kNodesPerElement);
  std::vector<int> chainAt(nodes.size(), kNone);
  std::vector<int> nextInChain;
  nextInChain.reserve(sides.capacity());
  for (std::size_t element = 0; element < outlines.size(); ++element) {
    const auto& corners = outlines[element].vertices;
    found.outlineSelected = found.outlineSelected || outlines[element].selected;
    for (int k = 0; k < kNodesPerElement; ++k) {
      const ModelPoint& a = corners[k];
      const ModelPoint& b = corners[(k + 1) % kNodesPerElement];
      const bool onNodes = KeepsNodeCoordinates(a, nodes) && KeepsNodeCoordinates(b, nodes);
      if (!onNodes) found.offNodes.push_back({static_cast<int>(element), k});
      const auto [low, high] = std::minmax(a.number, b.number);
      int at = chainAt[low];
      while (at != kNone && std::max(sides[at].from, sides[at].to) != high) at = nextInChain[at];
      if (at == kNone) {
        nextInChain.push_back(chainAt[low]);
        chainAt[low] = static_cast<int>(sides.size());
        sides.push_back({a.number, b.number, false, onNodes, false});
      } else if (sides[at].from != a.number) {
        sides[at].reversedToo = true;
        sides[at].reversedOnNodes = sides[at].reversedOnNodes || onNodes;
      } else {
        sides[at].onNodes = sides[at].onNodes || onNodes;
      }
    }
  }
  return found;
}

std::size_t EdgesAlongOutlines(std::span<const ElementOutline> outlines,
                               std::span<const ElemEdge> edges) {
  const auto repeats = [](const ElemEdge& edge, const ModelPoint& from, const ModelPoint& to) {
    return edge.a.x == from.x && edge.a.y == from.y && edge.b.x == to.x && edge.b.y == to.y;
  };
  std::size_t along = 0;
  for (auto outline = outlines.rbegin(); outline != outlines.rend(); ++outline) {
    const auto& corners = outline->vertices;
    for (int k = 0; k < kNodesPerElement && along < edges.size(); ++k) {
      if (repeats(edges[along], corners[k], corners[(k + 1) % kNodesPerElement])) ++along;
    }
  }
  return along;
}

}  // namespace kestrix
