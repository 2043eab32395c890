#pragma once
// The deformed mesh drawn after a solve: nodes moved by their displacements,
// magnified so that the largest component shows as a tenth of the model size.

#include "model.h"

namespace kestrix {

// 0.1 × the larger extent of the model's stored bounding box / the largest
// absolute displacement component. 0 when nothing moved (or the quotient is
// not finite), so that the deformed mesh lies on the undeformed one.
double DeformationScale(const Model& model);

// Node `node` moved by `scale` times its displacement.
ModelPosition DeformedPosition(const Model& model, int node, double scale);

}  // namespace kestrix
