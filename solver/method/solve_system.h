#pragma once
// The solve step of the run: the banded elimination with its console message,
// percentage and timing line, and the check for a singular system.

#include <string>

#include "method/analysis_data.h"

namespace solvane {

// An elimination with back substitution of the band, as SolveBanded does it.
using Elimination = void (*)(Band& K, double* U, double* F);

// Solves K U = F in place with `eliminate` and fills the displacement vector.
// False when the system proved singular; the warning has then been printed.
bool SolveSystem(AnalysisData& data, Elimination eliminate);

// "(Solution time:%.2lf s)\n" above one second, else the same in ms.
std::string SolutionTimeText(double seconds);

}  // namespace solvane
