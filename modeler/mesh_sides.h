#pragma once
// The sides of a mesh by node numbers, each once: where two elements meet,
// drawing their shared side once instead of twice gives the same picture.

#include <span>
#include <vector>

#include "element_outline.h"

namespace kestrix {

// A side between two nodes in the direction in which the first element that
// has it runs along it; `reversedToo` when another element runs along it the
// other way, as the neighbour of a counter-clockwise element does.
struct MeshSide {
  int from = 0;
  int to = 0;
  bool reversedToo = false;
  friend bool operator==(const MeshSide&, const MeshSide&) = default;
};

// The sides of the outlines in their order (element by element, side k from
// corner k to corner k + 1), each pair of nodes once, at its first
// occurrence. Node numbers must lie in [0, nodeCount).
std::vector<MeshSide> UniqueSides(std::span<const ElementOutline> outlines, int nodeCount);

}  // namespace kestrix
