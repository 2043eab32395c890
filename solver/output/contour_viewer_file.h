#pragma once
// The nodal-stress file read by the outside contour viewer. False when the
// file cannot be opened or written in full (message shown, Enter awaited).
// `nodal` holds the averaged nodal stresses of `data` (AverageNodalStresses).

#include <vector>

#include "method/analysis_data.h"

namespace solvane {

bool WriteNodeStressZelContour(const AnalysisData& data, const std::vector<StressTriple>& nodal,
                               const char* fileName);

}  // namespace solvane
