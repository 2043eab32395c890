#pragma once
// The plain-text result tables. False when the file cannot be opened or
// written in full (message shown, Enter awaited): the run then ends with
// status 1. `nodal` holds the averaged nodal stresses of `data`
// (AverageNodalStresses), `corners` the corner stresses of its elements
// (AllCornerStresses).

#include <vector>

#include "method/analysis_data.h"
#include "method/reactions.h"

namespace solvane {

bool WriteNodeDis(const AnalysisData& data, const char* fileName);
bool WriteNodeStress(const AnalysisData& data, const std::vector<StressTriple>& nodal,
                     const char* fileName);
bool WriteElementStress(const AnalysisData& data, const std::vector<StressTriple>& corners,
                        const char* fileName);

// The reactions at the fixed nodes (NodeReactions), laid out as the rows of
// Node_Dis.txt, then a row "Sum:" with the totals of each direction.
bool WriteNodeReaction(const std::vector<NodeReaction>& reactions, const char* fileName);

}  // namespace solvane
