#pragma once
// The mesh and the averaged nodal stresses that the solver leaves for the
// viewer, and the nodal displacements drawn as the deformed shape.

#include <array>
#include <vector>

namespace ambrel {

// A position in model coordinates, y upwards.
struct ModelPosition {
  double x = 0.0;
  double y = 0.0;
  friend bool operator==(const ModelPosition&, const ModelPosition&) = default;
};

// SX, SY, TXY and SE (von Mises) of one node, averaged over its elements.
struct NodalStress {
  double sx = 0.0;
  double sy = 0.0;
  double txy = 0.0;
  double se = 0.0;
};

// Four node numbers in corner order, counter-clockwise.
using ElementNodes = std::array<int, 4>;

struct ContourMesh {
  std::vector<ModelPosition> nodes;
  std::vector<NodalStress> stresses;  // one per node
  std::vector<ElementNodes> elements;
};

struct Displacement {
  double dx = 0.0;
  double dy = 0.0;
};

}  // namespace ambrel
