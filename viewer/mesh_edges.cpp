#include "mesh_edges.h"

#include <algorithm>
#include <cstdint>

namespace ambrel {

MeshEdges EdgesOf(const std::vector<ElementNodes>& elements) {
  // Sides as 64-bit keys, sorted, so that equal sides are neighbours.
  std::vector<std::uint64_t> keys;
  keys.reserve(elements.size() * 4);
  for (const ElementNodes& element : elements) {
    for (int side = 0; side < 4; ++side) {
      const auto [low, high] = std::minmax(element[side], element[(side + 1) % 4]);
      if (low != high) keys.push_back(std::uint64_t(low) << 32 | std::uint32_t(high));
    }
  }
  std::sort(keys.begin(), keys.end());
  MeshEdges edges;
  for (std::size_t i = 0; i < keys.size();) {
    std::size_t next = i + 1;
    while (next < keys.size() && keys[next] == keys[i]) ++next;
    const MeshEdge edge{static_cast<int>(keys[i] >> 32), static_cast<int>(keys[i] & 0xffffffffu)};
    edges.all.push_back(edge);
    if (next - i == 1) edges.boundary.push_back(edge);
    i = next;
  }
  return edges;
}

}  // namespace ambrel
