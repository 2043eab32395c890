#pragma once
// The element sides of a mesh, each shared side once: all of them for the
// mesh lines, and those of one element only for the outline of the mesh.

#include <vector>

#include "contour_mesh.h"

namespace ambrel {

struct MeshEdge {
  int first = 0;
  int second = 0;
  friend bool operator==(const MeshEdge&, const MeshEdge&) = default;
};

struct MeshEdges {
  std::vector<MeshEdge> all;
  std::vector<MeshEdge> boundary;
};

// Each edge with its smaller node number first, in ascending order.
MeshEdges EdgesOf(const std::vector<ElementNodes>& elements);

}  // namespace ambrel
