#pragma once

#include <vector>

#include "method/analysis_data.h"

namespace solvane {

// How the corner stresses of all elements are recovered: AllCornerStresses,
// or a faster form with the same bits.
using CornerStressRecovery = std::vector<StressTriple> (*)(const AnalysisData& data);

// Writes the result files in their fixed order, the reactions last; stops at
// the first writer that ends the run and returns false then.
bool WriteResults(const AnalysisData& data, CornerStressRecovery recoverCornerStresses);

}  // namespace solvane
