#pragma once
// Dense row-major matrix operations on float64 arrays for the element work.
// The summation order is fixed, because it decides the last printed digits.

namespace solvane {

// out (r x c) = a (r x k) times b (k x c); each entry is summed from 0 over
// m = 0 .. k-1 in increasing order.
void Multiply(double* out, const double* a, const double* b, int r, int k, int c);

// out = factor * in; out may be in.
void Scale(double* out, const double* in, double factor, int rows, int cols);

}  // namespace solvane
