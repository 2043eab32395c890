#pragma once
// The assembly of AssembleStiffness on two threads, with the very bits and
// the same console text.

#include "method/analysis_data.h"

namespace solvane {

// Maps the band's pages on both threads, then computes the element matrices
// four at a time a block ahead of their turn, on both threads, while the
// calling thread adds each block to the band in element order.
void AssembleStiffnessFast(AnalysisData& data);

}  // namespace solvane
