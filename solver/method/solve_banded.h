#pragma once
// Gaussian elimination without pivoting of the symmetric banded system K U = F
// held in the upper band, then back substitution. Band and F are consumed in
// place.

#include "method/band.h"

namespace solvane {

// The elimination as the method states it: pivot row by pivot row, skipping
// the zero entries of each pivot row. U and F have one entry per band row.
void SolveBanded(Band& K, double* U, double* F);

// Prints the elimination progress after pivot row j of n equations: the
// percentage ((j + 1) * 100) / (n - 1), redrawn in place with backspaces.
void PrintEliminationProgress(int j, int n);

}  // namespace solvane
