#pragma once
// Stresses recovered from the solved displacements. Nothing is stored here:
// each caller owns the arrays it passes in or receives.

#include <vector>

#include "method/analysis_data.h"

namespace solvane {

// Stresses of element e at its four corners, evaluated from the element's own
// displacement field (corner order of the connectivity).
void ElementCornerStresses(const AnalysisData& data, int e, StressTriple corners[kNodesPerElement]);

// The corner stresses of every element, element after element: element e's
// four, in corner order, at 4e to 4e + 3.
std::vector<StressTriple> AllCornerStresses(const AnalysisData& data);

// Plain mean of the corner stresses of all elements meeting at each node,
// summed in element order, one triple per node; nodes that no element
// references get (0, 0, 0). `corners` are laid out as AllCornerStresses gives
// them.
std::vector<StressTriple> AverageNodalStresses(const AnalysisData& data,
                                               const std::vector<StressTriple>& corners);

// Von Mises equivalent stress of a plane-stress state.
double EquivalentStress(double SX, double SY, double TXY);

}  // namespace solvane
