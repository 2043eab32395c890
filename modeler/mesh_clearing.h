#pragma once
// What the model's delete operations removed, or why they removed nothing.

namespace kestrix {

struct DeletedLoads {
  int constraints = 0;
  int forces = 0;
  int distributedLoads = 0;

  int Total() const { return constraints + forces + distributedLoads; }
};

struct MeshClearing {
  enum class Outcome { Cleared, NoMesh, SharedNodes };

  Outcome outcome = Outcome::NoMesh;
  int elementsRemoved = 0;
  int nodesRemoved = 0;
  // SharedNodes: the number of a polygon whose mesh shares nodes with this
  // one, or -1 when the elements that share them lie in no polygon.
  int sharingPolygon = -1;
};

}  // namespace kestrix
