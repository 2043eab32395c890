#pragma once

namespace solvane {

// The whole run of Solvane in the current directory: read "fem.txt", build and
// solve the system, write every result file, pause. Returns the exit status.
int RunSolver();

}  // namespace solvane
