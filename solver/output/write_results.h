#pragma once

#include <cstddef>
#include <vector>

#include "method/analysis_data.h"

namespace solvane {

// How the corner stresses of all elements are recovered: AllCornerStresses,
// or a faster form with the same bits.
using CornerStressRecovery = std::vector<StressTriple> (*)(const AnalysisData& data);

// Writes the result files that follow the solve in their fixed order, the
// reactions last; stops at the first writer that ends the run. Returns the
// position in kResultFileNames of the file that ended it, or the number of
// result files when every one was written.
std::size_t WriteResults(const AnalysisData& data, CornerStressRecovery recoverCornerStresses);

}  // namespace solvane
