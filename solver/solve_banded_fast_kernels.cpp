#include "solve_banded_fast_kernels.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace solvane {

namespace {

// The helpers below pass vectors by value only between functions of this file,
// all inlined, so the baseline's note on the vector calling convention is moot.
#pragma GCC diagnostic ignored "-Wpsabi"

// Four doubles; with AVX2 one register, on the baseline two. Products and sums
// are separate instructions (the build never contracts them).
using Vec = double __attribute__((vector_size(32)));
using Lanes = std::int64_t __attribute__((vector_size(32)));
constexpr int kLanes = 4;

[[gnu::always_inline]] inline Vec Load(const double* p) {
  Vec v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

[[gnu::always_inline]] inline void Store(double* p, Vec v) { std::memcpy(p, &v, sizeof v); }

// All four lanes equal to x, -0 kept as -0.
[[gnu::always_inline]] inline Vec Splat(double x) { return Vec{x, x, x, x}; }

// Rows and four-lane column groups of one register tile of the trailing update.
constexpr int kTileRows = 6;
constexpr int kTileGroups = 2;
constexpr int kTileColumns = kTileGroups * kLanes;

[[gnu::always_inline]] inline int FirstReachingPivot(const PackedPanel& panel, int x) { return std::max(0, x - panel.reach + 1); }

// Adds to the entry at region (x, y) the products of every pivot that reaches
// its column, in pivot order.
[[gnu::always_inline]] inline void UpdateEntry(double* entry, const PackedPanel& panel, int x, int y) {
  double sum = *entry;
  for (int k = FirstReachingPivot(panel, y); k < panel.pivots; ++k) {
    const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(k) * panel.width;
    sum = sum + panel.multiplier[at + x] * panel.value[at + y];
  }
  *entry = sum;
}

// The register tile: Rows region rows from x, Groups * 4 columns from y, held in
// registers while every reaching pivot is applied. A tile on the diagonal
// writes back only its entries with column >= row; the others are entries of
// the row above far right of the region, which no one changes meanwhile.
template <int Rows, int Groups, bool OnDiagonal>
[[gnu::always_inline]] inline void UpdateTile(double* tile, std::ptrdiff_t stride, const PackedPanel& panel, int x, int y) {
  Vec sum[Rows][Groups];
  for (int i = 0; i < Rows; ++i) {
    for (int g = 0; g < Groups; ++g) sum[i][g] = Load(tile + i * stride + g * kLanes);
  }
  const double* value = panel.value + y;
  const double* multiplier = panel.multiplier + x;
  for (int k = FirstReachingPivot(panel, y); k < panel.pivots; ++k) {
    const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(k) * panel.width;
    Vec v[Groups];
    for (int g = 0; g < Groups; ++g) v[g] = Load(value + at + g * kLanes);
    for (int i = 0; i < Rows; ++i) {
      const Vec d = Splat(multiplier[at + i]);
      for (int g = 0; g < Groups; ++g) sum[i][g] = sum[i][g] + d * v[g];
    }
  }
  for (int i = 0; i < Rows; ++i) {
    for (int g = 0; g < Groups; ++g) {
      double* out = tile + i * stride + g * kLanes;
      if constexpr (OnDiagonal) {
        const Lanes column = Lanes{0, 1, 2, 3} + (y + g * kLanes - x - i);
        sum[i][g] = column >= 0 ? sum[i][g] : Load(out);
      }
      Store(out, sum[i][g]);
    }
  }
}

// Region rows [x, x + Rows), every column from the diagonal to the region's
// right edge: a diagonal tile, full tiles, a half tile, then single entries.
template <int Rows>
[[gnu::always_inline]] inline void UpdateRowBlock(double* origin, std::ptrdiff_t stride, const PackedPanel& panel, int x) {
  double* rowStart = origin + x * stride;
  const int width = panel.width;
  if (width - x < kTileColumns + Rows) {
    for (int i = 0; i < Rows; ++i) {
      for (int y = x + i; y < width; ++y) UpdateEntry(rowStart + i * stride + y, panel, x + i, y);
    }
    return;
  }
  int y = x;
  if (Rows > 1) {
    UpdateTile<Rows, kTileGroups, true>(rowStart + y, stride, panel, x, y);
    y += kTileColumns;
  }
  for (; y + kTileColumns <= width; y += kTileColumns) {
    UpdateTile<Rows, kTileGroups, false>(rowStart + y, stride, panel, x, y);
  }
  if (y + kLanes <= width) {
    UpdateTile<Rows, 1, false>(rowStart + y, stride, panel, x, y);
    y += kLanes;
  }
  for (int i = 0; i < Rows; ++i) {
    for (int c = y; c < width; ++c) UpdateEntry(rowStart + i * stride + c, panel, x + i, c);
  }
}

// True when the pivot row[0] is non-zero and every entry row[x] and every
// multiplier -(row[x] / row[0]) of the `count` entries is finite. Division is
// monotonic, so the largest magnitude decides for all multipliers.
[[gnu::always_inline]] inline bool HasFiniteMultipliers(const double* row, int count) {
  Vec largest{};
  Lanes finite = Lanes{} - 1;
  int x = 0;
  for (; x + kLanes <= count; x += kLanes) {
    const Vec v = Load(row + x);
    const Vec magnitude = v < 0.0 ? -v : v;
    largest = magnitude > largest ? magnitude : largest;
    finite &= v * 0.0 == 0.0;
  }
  double top = std::max({largest[0], largest[1], largest[2], largest[3]});
  bool allFinite = finite[0] && finite[1] && finite[2] && finite[3];
  for (; x < count; ++x) {
    top = std::max(top, std::abs(row[x]));
    allFinite = allFinite && std::isfinite(row[x]);
  }
  return row[0] != 0.0 && allFinite && std::isfinite(top / std::abs(row[0]));
}

// target[m] += d * source[m] for every m, zero products included.
[[gnu::always_inline]] inline void AddProducts(double* target, const double* source, double d, int count) {
  const Vec dv = Splat(d);
  int m = 0;
  for (; m + kLanes <= count; m += kLanes) Store(target + m, Load(target + m) + dv * Load(source + m));
  for (; m < count; ++m) target[m] = target[m] + d * source[m];
}

// target[m] += d * source[m] where source[m] is not zero; when both operands of
// the product or of the sum are NaN, the source's or the product's is kept.
[[gnu::always_inline]] inline void AddNonZeroProducts(double* target, const double* source, double d,
                                                      int count) {
  const Vec dv = Splat(d);
  int m = 0;
  for (; m + kLanes <= count; m += kLanes) {
    const Vec v = Load(source + m);
    const Vec old = Load(target + m);
    const Vec product = v != v ? v : v * dv;
    const Vec sum = product != product ? product : product + old;
    Store(target + m, v != 0.0 ? sum : old);
  }
  for (; m < count; ++m) {
    if (source[m] == 0.0) continue;
    const double product = std::isnan(source[m]) ? source[m] : source[m] * d;
    target[m] = std::isnan(product) ? product : product + target[m];
  }
}

}  // namespace

[[gnu::target_clones("avx2", "default")]]
PivotStep MakePivotStep(double* band, int n, int b, int j) {
  const double* row = BandRow(band, b, j);
  const int end = std::min(j + b, n);
  int first = j;
  while (first < end && row[first] == 0.0) ++first;
  return {row, j, end, std::min(first + 1, end), HasFiniteMultipliers(row + j, end - j)};
}

[[gnu::target_clones("avx2", "default")]]
void ApplyPivot(double* band, int b, const PivotStep& step, int rowBegin, int rowEnd,
                bool addZeroProducts) {
  const int last = std::min(rowEnd, step.end);
  for (int c = std::max(rowBegin, step.firstTarget); c < last; ++c) {
    if (step.row[c] == 0.0) continue;
    double* target = BandRow(band, b, c) + c;
    const double* source = step.row + c;
    const int count = step.end - c;
    if (addZeroProducts) {
      AddProducts(target, source, Multiplier(step, c), count);
    } else {
      AddNonZeroProducts(target, source, Multiplier(step, c), count);
    }
  }
}

void EliminateLoad(double* F, const PivotStep& step) {
  for (int c = step.firstTarget; c < step.end; ++c) {
    if (step.row[c] == 0.0) continue;
    const double d = Multiplier(step, c);
    const double product = std::isnan(d) ? d : d * F[step.j];
    F[c] = std::isnan(product) ? product : product + F[c];
  }
}

[[gnu::target_clones("avx2", "default")]]
void PackPanelPivot(const double* row, double pivot, int k, int columns, const PackedPanel& panel) {
  double* value = panel.value + static_cast<std::ptrdiff_t>(k) * panel.width;
  double* multiplier = panel.multiplier + static_cast<std::ptrdiff_t>(k) * panel.width;
  const Vec divisor = Splat(pivot);
  int x = 0;
  for (; x + kLanes <= columns; x += kLanes) {
    const Vec v = Load(row + x);
    Store(value + x, v);
    Store(multiplier + x, -(v / divisor));
  }
  for (; x < panel.width; ++x) {
    value[x] = x < columns ? row[x] : 0.0;
    multiplier[x] = -(value[x] / pivot);
  }
}

[[gnu::target_clones("avx2", "default")]]
void UpdateTrailingRows(double* origin, std::ptrdiff_t stride, const PackedPanel& panel,
                        int xBegin, int xEnd) {
  int x = xBegin;
  for (; x + kTileRows <= xEnd; x += kTileRows) UpdateRowBlock<kTileRows>(origin, stride, panel, x);
  for (; x < xEnd; ++x) UpdateRowBlock<1>(origin, stride, panel, x);
}

void BackSubstitute(double* band, double* U, const double* F, int n, int b) {
  U[n - 1] = F[n - 1] / BandRow(band, b, n - 1)[n - 1];
  for (int r = n - 2; r >= 0; --r) {
    const double* row = BandRow(band, b, r);
    const int end = std::min(r + b, n);
    double sum = F[r];
    // Subtracting +0 for a skipped entry leaves the sum as it is, -0 included.
    for (int c = r + 1; c < end; ++c) {
      const double product = std::isnan(row[c]) ? row[c] : row[c] * U[c];
      sum -= row[c] != 0.0 ? product : 0.0;
    }
    U[r] = sum / row[r];
  }
}

bool ContainsNegativeZero(const double* values, std::size_t count) {
  constexpr std::uint64_t kNegativeZero = std::bit_cast<std::uint64_t>(-0.0);
  bool found = false;
  for (std::size_t i = 0; i < count; ++i) found |= std::bit_cast<std::uint64_t>(values[i]) == kNegativeZero;
  return found;
}

}  // namespace solvane
