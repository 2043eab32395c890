#pragma once
// Assembly of the element stiffness matrices into the upper band of the
// global matrix, with the percentage shown on the console.

#include "method/analysis_data.h"

namespace solvane {

// Prints "Assembling the global stiffness matrix...", allocates the band
// (neq x halfBandwidth, zeroed) and adds the upper triangle of every element
// matrix to it in element order. On a large model the element matrices are
// computed on two threads ahead of their turn.
void AssembleStiffness(AnalysisData& data);

}  // namespace solvane
