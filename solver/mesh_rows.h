#pragma once
// Comma-joined data rows of the stress files for outside viewers: the node
// rows with coordinates and stresses, and the element rows with corner nodes.

#include <initializer_list>
#include <string>
#include <vector>

#include "analysis_data.h"

namespace solvane {

// The averaged nodal stresses, one triple per node.
std::vector<StressTriple> NodalStresses(const AnalysisData& data);

// The values written as reals and joined by "," without spaces.
std::string CommaJoined(std::initializer_list<double> values);

// x, y, SX, SY, TXY and SE of one node.
std::string NodeStressRow(const NodeCoord& node, const StressTriple& stress);

// The four node numbers of element e in corner order, counted from
// `firstNodeNumber` (0 as in the model file, 1 for formats counting from 1).
std::string ConnectivityRow(const AnalysisData& data, int e, int firstNodeNumber);

}  // namespace solvane
