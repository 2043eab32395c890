#pragma once
// Gaussian elimination without pivoting of the symmetric banded system K U = F
// held in the upper band storage of the assembly (row r holds columns r to
// r + b - 1), then back substitution. Band and F are consumed in place.

namespace solvane {

// The elimination as the method states it: pivot row by pivot row, skipping
// the zero entries of each pivot row. The reference for every faster path.
void SolveBanded(double* band, double* U, double* F, int n, int b);

// Prints the elimination progress after pivot row j of n equations: the
// percentage ((j + 1) * 100) / (n - 1), redrawn in place with backspaces.
void PrintEliminationProgress(int j, int n);

}  // namespace solvane
