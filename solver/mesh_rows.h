#pragma once
// Comma-joined data rows of the stress files for outside viewers: the node
// rows with coordinates and stresses, and the element rows with corner nodes.

#include <initializer_list>
#include <string>

#include "analysis_data.h"

namespace solvane {

// Appends the values, written as reals and joined by "," without spaces.
void AppendCommaJoined(std::string& row, std::initializer_list<double> values);

// Appends x, y, SX, SY, TXY and SE of one node.
void AppendNodeStressRow(std::string& row, const NodeCoord& node, const StressTriple& stress);

// The rows of all elements, each ending with a newline: the four node numbers
// of the element in corner order, counted from `firstNodeNumber` (0 as in the
// model file, 1 for formats counting from 1).
std::string ConnectivityRows(const AnalysisData& data, int firstNodeNumber);

}  // namespace solvane
