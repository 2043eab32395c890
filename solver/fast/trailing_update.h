#pragma once
// The update of the rows below a panel of pivots, where the fast elimination
// does nearly all its work, built once for each vector instruction set and
// chosen at run time by what the processor has. Every variant adds the same
// products to each entry in the same pivot order, a multiply then an add, so
// all of them leave the same bits.

#include <cstddef>
#include <vector>

#include "fast/cache_line_allocator.h"
#include "fast/solve_banded_fast_kernels.h"

namespace solvane {

// The most pivots a PackedPanel holds. Its column groups lie this many
// pivots apart whatever the count, a constant that the tile loop folds into
// its load addresses instead of computing them at every pivot.
inline constexpr int kMostPackedPivots = 32;

// Storage for the packed values of a PackedPanel: starting on a cache line,
// its vectors never straddle two.
using PackedValues = std::vector<double, CacheLineAllocator<double>>;

// A block of consecutive pivots set out for the update of the rows and
// columns below it, the region [base, base + width) of both. The values are
// packed so that those a register tile needs run contiguously pivot after
// pivot; the multipliers stay where the pivot steps wrote them. With L doubles
// a vector, for pivot k, region column x in group g = x / L and region row x:
//   value[L * (g * kMostPackedPivots + k) + x % L] is the pivot row's entry, 0
//   beyond its band and the region;
//   multiplier[k * multiplierStride + x] is the multiplier it applies to row
//   x, 0 beyond its band.
struct PackedPanel {
  double* value;  // room for L * ceil(width / L) * kMostPackedPivots, from a cache line on
  const double* multiplier;
  std::ptrdiff_t multiplierStride;
  int pivots;  // at most kMostPackedPivots
  int width;
  // Pivot k reaches region column x when x < k + reach.
  int reach;
};

// The instruction sets a variant is built for, narrowest first.
enum class VectorIsa { kSse2, kAvx2, kAvx512 };

struct TrailingUpdateKernel {
  const char* name;
  // Doubles a vector holds: the width of a column group in PackedPanel.
  int lanes;
  // Packs the values of the panel's pivots, given by their steps, for the
  // region that starts at global row and column `base`.
  void (*pack)(const PivotStep* steps, int base, const PackedPanel& panel);
  // Adds to region rows [xBegin, xEnd) every packed pivot's product in pivot
  // order, zero products included, on all columns at or right of the
  // diagonal. `origin` is the entry (base, base); region row x starts `stride`
  // entries after row x - 1. Only those entries are read or written.
  void (*update)(double* origin, std::ptrdiff_t stride, const PackedPanel& panel, int xBegin, int xEnd);
};

// The widest lanes of any variant: a PackedPanel sized for them fits all.
inline constexpr int kWidestLanes = 8;

// Whether this processor runs the instructions of `isa`.
bool ProcessorRuns(VectorIsa isa);

const TrailingUpdateKernel& TrailingUpdateKernelFor(VectorIsa isa);

// The variant of the widest instruction set this processor runs.
const TrailingUpdateKernel& FastestTrailingUpdateKernel();

}  // namespace solvane
