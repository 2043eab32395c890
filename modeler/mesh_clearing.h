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
  // SharedNodes: a polygon being cleared whose mesh shares a node with the
  // mesh of another polygon, which stays (-1 when the elements that share
  // it lie in no polygon).
  int clearedPolygon = -1;
  int sharingPolygon = -1;
};

}  // namespace kestrix
