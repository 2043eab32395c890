#pragma once
// The deformed shape as Kestrix draws it: the largest displacement component
// drawn as one tenth of the larger extent of the mesh, times a factor the
// user may change.

#include <vector>

#include "contour_mesh.h"

namespace ambrel {

// 0.1 × the larger side of the nodes' box / the largest absolute displacement
// component; 0 when every component is 0 (or there are none), which leaves
// the mesh undeformed rather than divide by zero.
double DeformationScale(const std::vector<ModelPosition>& nodes,
                        const std::vector<Displacement>& displacements);

// Each node moved by `scale` times its displacement.
std::vector<ModelPosition> DeformedPositions(const std::vector<ModelPosition>& nodes,
                                             const std::vector<Displacement>& displacements,
                                             double scale);

}  // namespace ambrel
