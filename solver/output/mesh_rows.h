#pragma once
// Comma-joined data rows of the stress files for outside viewers: the node
// rows with coordinates and stresses, and the element rows with corner nodes.

#include <cstddef>
#include <string>

#include "method/analysis_data.h"
#include "output/number_text.h"

namespace solvane {

// Appends the values, written as reals and joined by "," without spaces. They
// are written into a local buffer sized for them and appended in one piece.
template <std::size_t kCount>
void AppendCommaJoined(std::string& row, const double (&values)[kCount]) {
  char text[kCount * (kRealTextRoom + 1)];
  char* out = WriteReal(text, values[0]);
  for (std::size_t i = 1; i < kCount; ++i) {
    *out++ = ',';
    out = WriteReal(out, values[i]);
  }
  row.append(text, out);
}

// Appends x, y, SX, SY, TXY and SE of one node.
void AppendNodeStressRow(std::string& row, const NodeCoord& node, const StressTriple& stress);

// The rows of all elements, each ending with a newline: the four node numbers
// of the element in corner order, counted from `firstNodeNumber` (0 as in the
// model file, 1 for formats counting from 1).
std::string ConnectivityRows(const AnalysisData& data, int firstNodeNumber);

}  // namespace solvane
