#pragma once

#include "method/analysis_data.h"

namespace solvane {

// Writes the eight result files in their fixed order; stops at the first
// writer that ends the run and returns false then.
bool WriteResults(const AnalysisData& data);

}  // namespace solvane
