#pragma once
// Stresses recovered from the solved displacements. Nothing is stored here:
// each caller owns the arrays it passes in or receives.

#include <vector>

#include "analysis_data.h"

namespace solvane {

// Stresses of element e at its four corners, evaluated from the element's own
// displacement field (corner order of the connectivity).
void ElementCornerStresses(const AnalysisData& data, int e, StressTriple corners[4]);

// Plain mean of the corner stresses of all elements meeting at each node;
// nodes that no element references get (0, 0, 0). `nodal` has NPOIN entries.
void AverageNodalStresses(const AnalysisData& data, StressTriple* nodal);

// The same averages in a new array of NPOIN triples.
std::vector<StressTriple> NodalStresses(const AnalysisData& data);

// Von Mises equivalent stress of a plane-stress state.
double EquivalentStress(double SX, double SY, double TXY);

}  // namespace solvane
