#pragma once
// The size of the banded global stiffness matrix and the guard that refuses a
// band larger than 1024 MB before it is allocated.

#include "method/analysis_data.h"

namespace solvane {

// Stored columns per band row, diagonal included: 2 * (largest spread of node
// numbers within one element + 1); 2 for a model without elements.
int ComputeHalfBandwidth(const AnalysisData& data);

// Band size in MB: halfBandwidth * 2^-17 * neq (8 bytes an entry, 2^20 bytes a MB).
double BandMegabytes(int halfBandwidth, int neq);

// True when the band fits; otherwise the user is told, Enter is awaited and
// the run must end with status 1.
bool BandFitsInMemory(const AnalysisData& data);

}  // namespace solvane
