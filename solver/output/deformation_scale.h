#pragma once
// The magnification of the deformed shape in the deformation drawing and the
// stress animation: the largest displacement component is drawn as one tenth
// of the model's larger extent.

#include "method/analysis_data.h"

namespace solvane {

// s = 0.1 * L / D, with L the larger extent of the node bounding box and D the
// largest absolute displacement component. When nothing moves (D = 0) or there
// are no nodes, the scale is 0 so that the undeformed mesh is drawn rather than
// infinite or undefined coordinates.
double DeformationScale(const AnalysisData& data);

// Node n moved by `factor` times its displacement: (x + factor * u, y + factor * v).
NodeCoord DisplacedNode(const AnalysisData& data, int n, double factor);

}  // namespace solvane
