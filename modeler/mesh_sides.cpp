#include "mesh_sides.h"

#include <algorithm>

namespace kestrix {

// The sides found so far are chained by their lower node number, so a side
// is looked up among the few that share that node, in time linear in the mesh.
std::vector<MeshSide> UniqueSides(std::span<const ElementOutline> outlines, int nodeCount) {
  constexpr int kNone = -1;
  std::vector<MeshSide> sides;
  sides.reserve(outlines.size() * kNodesPerElement / 2 + kNodesPerElement);
  std::vector<int> chainAt(nodeCount, kNone);
  std::vector<int> nextInChain;
  nextInChain.reserve(sides.capacity());
  for (const ElementOutline& outline : outlines) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      const int from = outline.vertices[k].number;
      const int to = outline.vertices[(k + 1) % kNodesPerElement].number;
      const auto [low, high] = std::minmax(from, to);
      int found = chainAt[low];
      while (found != kNone && std::max(sides[found].from, sides[found].to) != high) {
        found = nextInChain[found];
      }
      if (found == kNone) {
        nextInChain.push_back(chainAt[low]);
        chainAt[low] = static_cast<int>(sides.size());
        sides.push_back({from, to, false});
      } else if (sides[found].from != from) {
        sides[found].reversedToo = true;
      }
    }
  }
  return sides;
}

}  // namespace kestrix
