#include "run_solver.h"

// Solvane takes no arguments: it always works on "fem.txt" in the current directory.
int main() { return solvane::RunSolver(); }
