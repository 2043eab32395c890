#include "method/solve_banded.h"

#include <algorithm>
#include <vector>

#include "console/progress.h"

namespace solvane {

namespace {

// One non-zero entry of the current pivot row.
struct PivotRowEntry {
  double value;
  int column;
};

}  // namespace

void SolveBanded(Band& K, double* U, double* F) {
  const int n = K.rows();
  const int b = K.halfBandwidth();
  if (n <= 0) return;
  std::vector<PivotRowEntry> pivotRow(b);
  for (int j = 0; j <= n - 2; ++j) {
    const int end = std::min(j + b, n);
    int count = 0;
    for (int c = j; c < end; ++c) {
      if (K(j, c) != 0.0) pivotRow[count++] = {K(j, c), c};
    }
    for (int k = 1; k < count; ++k) {
      const int c = pivotRow[k].column;
      const double d = -(K(j, c) / K(j, j));
      for (int m = k; m < count; ++m) K(c, pivotRow[m].column) += d * pivotRow[m].value;
      F[c] += d * F[j];
    }
    PrintEliminationProgress(j, n);
  }
  U[n - 1] = F[n - 1] / K(n - 1, n - 1);
  for (int r = n - 2; r >= 0; --r) {
    double s = F[r];
    const int end = std::min(r + b, n);
    for (int c = r + 1; c < end; ++c) {
      if (K(r, c) != 0.0) s -= K(r, c) * U[c];
    }
    U[r] = s / K(r, r);
  }
}

void PrintEliminationProgress(int j, int n) { PrintProgress(j, n - 1, ""); }

}  // namespace solvane
