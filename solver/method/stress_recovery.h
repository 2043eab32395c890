#pragma once
// Stresses recovered from the solved displacements. Nothing is stored here:
// each caller owns the arrays it passes in or receives.

#include <vector>

#include "method/analysis_data.h"

namespace solvane {

// Stresses of element e at its four corners, evaluated from the element's own
// displacement field (corner order of the connectivity).
void ElementCornerStresses(const AnalysisData& data, int e, StressTriple corners[4]);

// The corner stresses of every element, each as ElementCornerStresses gives
// it: element e's four, in corner order, at 4e to 4e + 3. On a machine with
// two cores the elements are shared out between two threads.
std::vector<StressTriple> AllCornerStresses(const AnalysisData& data);

// Plain mean of the corner stresses of all elements meeting at each node,
// summed in element order; nodes that no element references get (0, 0, 0).
// `nodal` has NPOIN entries; `corners` are laid out as AllCornerStresses
// gives them, and the form without them computes them.
void AverageNodalStresses(const AnalysisData& data, const StressTriple* corners, StressTriple* nodal);
void AverageNodalStresses(const AnalysisData& data, StressTriple* nodal);

// The same averages in a new array of NPOIN triples.
std::vector<StressTriple> NodalStresses(const AnalysisData& data, const std::vector<StressTriple>& corners);
std::vector<StressTriple> NodalStresses(const AnalysisData& data);

// Von Mises equivalent stress of a plane-stress state.
double EquivalentStress(double SX, double SY, double TXY);

}  // namespace solvane
