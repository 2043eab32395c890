#include "dense_matrix.h"

namespace solvane {

void Multiply(double* out, const double* a, const double* b, int r, int k, int c) {
  for (int i = 0; i < r; ++i) {
    for (int j = 0; j < c; ++j) {
      double sum = 0.0;
      for (int m = 0; m < k; ++m) sum += a[i * k + m] * b[m * c + j];
      out[i * c + j] = sum;
    }
  }
}

void Scale(double* out, const double* in, double factor, int rows, int cols) {
  for (int i = 0; i < rows * cols; ++i) out[i] = factor * in[i];
}

}  // namespace solvane
