#pragma once
// Scaling of dense row-major float64 arrays for the element work.

namespace solvane {

// out = factor * in; out may be in.
void Scale(double* out, const double* in, double factor, int rows, int cols);

}  // namespace solvane
