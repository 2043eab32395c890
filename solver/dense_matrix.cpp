#include "dense_matrix.h"

namespace solvane {

void Scale(double* out, const double* in, double factor, int rows, int cols) {
  for (int i = 0; i < rows * cols; ++i) out[i] = factor * in[i];
}

}  // namespace solvane
