#pragma once
// The sides of a mesh by node numbers, each once: where two elements meet,
// drawing their shared side once instead of twice gives the same picture.

#include <cstddef>
#include <span>
#include <vector>

#include "elem_edge.h"
#include "element_outline.h"

namespace kestrix {

// A side between two nodes in the direction in which the first element that
// has it runs along it; `reversedToo` when another element runs along it the
// other way, as the neighbour of a counter-clockwise element does. The
// outlines keep the coordinates of their own polygon: `onNodes` when an
// element whose corners there keep the nodes' own coordinates runs along it
// from `from` to `to`, `reversedOnNodes` when one runs along it the other way.
struct MeshSide {
  int from = 0;
  int to = 0;
  bool reversedToo = false;
  bool onNodes = false;
  bool reversedOnNodes = false;
  friend bool operator==(const MeshSide&, const MeshSide&) = default;
};

// The side of the element at `element` (insertion order) from corner
// `corner` to the next.
struct OutlineSide {
  int element = 0;
  int corner = 0;
  friend bool operator==(const OutlineSide&, const OutlineSide&) = default;
};

// What drawing the outlines, the edges and the deformed mesh needs to know
// of the mesh's sides, found once after each change of the mesh.
struct MeshSides {
  // Each pair of nodes once (see UniqueSides).
  std::vector<MeshSide> unique;
  // The outline sides with an end whose coordinates are not its node's,
  // element by element: drawn from the outline's own coordinates.
  std::vector<OutlineSide> offNodes;
  // How many of the oldest edges repeat an outline side exactly (see
  // EdgesAlongOutlines).
  std::size_t edgesAlongOutlines = 0;
  // Whether an outline is drawn as selected.
  bool outlineSelected = false;

  // The memory the lists take.
  std::size_t bytes() const {
    return unique.capacity() * sizeof(MeshSide) + offNodes.capacity() * sizeof(OutlineSide);
  }
};

// The sides of the outlines in their order (element by element, side k from
// corner k to corner k + 1), each pair of nodes once, at its first
// occurrence, with the sides that lie off the nodes' coordinates. Node
// numbers must lie in [0, nodes.size()), node k at index k.
MeshSides UniqueSides(std::span<const ElementOutline> outlines, std::span<const ModelPoint> nodes);

// How many of the oldest edges (`edges` in insertion order) run exactly along
// an outline side, the same way, in the order in which the outlines list
// their sides newest element first (`outlines` in insertion order): the
// mesh lists its edges in that order, so one walk along both finds them, and
// an edge out of that order ends the run.
std::size_t EdgesAlongOutlines(std::span<const ElementOutline> outlines,
                               std::span<const ElemEdge> edges);

}  // namespace kestrix
