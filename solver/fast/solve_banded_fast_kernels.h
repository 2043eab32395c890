#pragma once
// The inner loops of SolveBandedFast around its panel update
// (fast/trailing_update.h). Each band entry gets the product of a multiplier
// and a pivot-row value added in its own order, mul then add, as the plain
// elimination does; only the order across entries and the instructions differ.
// Each loop is built for AVX2 and for the baseline, chosen at run time.

#include <cstddef>

#include "method/band.h"

namespace solvane {

// One pivot row as the elimination sees it. Its targets are the rows c in
// [firstTarget, end) whose entry row[c] is not zero (NaN counts as non-zero);
// when the pivot itself is zero, the first non-zero entry is passed over.
// `end` follows the row's last non-zero entry, so that the work of a step
// grows with the row's extent, not with the half-bandwidth.
struct PivotStep {
  const double* row;         // row[c] is the entry (j, c)
  const double* multiplier;  // multiplier[c - j] = -(K(j, c) / K(j, j))
  int j;
  int end;
  int firstTarget;
  // The pivot is non-zero and every multiplier of the row is finite.
  bool finite;
};

// The step of pivot row j, its multipliers written to `multiplier` (room for
// the half-bandwidth).
PivotStep MakePivotStep(Band& K, int j, double* multiplier);

// Applies one pivot to its target rows within [rowBegin, rowEnd). Exactly,
// zero entries of the pivot row are skipped and a NaN meeting a NaN keeps the
// operand the plain elimination keeps: the pivot-row value's in a product, the
// product's in a sum. With `addZeroProducts` every product is added; that gives
// the same bits when the step is finite and no entry is -0.
void ApplyPivot(Band& K, const PivotStep& step, int rowBegin, int rowEnd, bool addZeroProducts);

// F[c] += multiplier * F[j] for every target row c of the pivot.
void EliminateLoad(double* F, const PivotStep& step);

// The back substitution: U from the reduced band and load, zero entries
// skipped, each row's sum taken in increasing column order.
void BackSubstitute(const Band& K, double* U, const double* F);

// True when some entry among the first `count` holds -0.
bool ContainsNegativeZero(const double* values, std::size_t count);

}  // namespace solvane
