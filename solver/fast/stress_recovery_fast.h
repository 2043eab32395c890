#pragma once
// The corner stresses of AllCornerStresses on two threads, with the very bits.

#include <vector>

#include "method/analysis_data.h"

namespace solvane {

// Element e's four corner stresses at 4e to 4e + 3, as AllCornerStresses
// lays them out; on a machine with two cores and a model large enough the
// elements are shared out between two threads.
std::vector<StressTriple> AllCornerStressesFast(const AnalysisData& data);

}  // namespace solvane
