#pragma once
// Tecplot ASCII data files of the nodal stresses, and the 31-frame animation
// of the deforming mesh. False when the file cannot be opened or written in
// full (message shown, Enter awaited): the run then ends with status 1. `nodal` holds the averaged
// nodal stresses of `data` (AverageNodalStresses).

#include <vector>

#include "method/analysis_data.h"

namespace solvane {

bool WriteNodeStressTecplot(const AnalysisData& data, const std::vector<StressTriple>& nodal,
                            const char* fileName);
bool WriteEquivalentNodeStressTecplot(const AnalysisData& data,
                                      const std::vector<StressTriple>& nodal, const char* fileName);
bool WriteAnimateEquivalentNodeStressTecplot(const AnalysisData& data,
                                             const std::vector<StressTriple>& nodal,
                                             const char* fileName);

}  // namespace solvane
