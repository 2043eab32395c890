#include "fast/solve_banded_fast_kernels.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "fast/cache_line_allocator.h"

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
constexpr int kCacheLineDoubles = kCacheLineBytes / sizeof(double);

[[gnu::always_inline]] inline Vec Load(const double* p) {
  Vec v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

[[gnu::always_inline]] inline void Store(double* p, Vec v) { std::memcpy(p, &v, sizeof v); }

// All four lanes equal to x, -0 kept as -0.
[[gnu::always_inline]] inline Vec Splat(double x) { return Vec{x, x, x, x}; }

// multiplier[x] = -(row[x] / row[0]) for x in [0, count); true when row[0] is
// not zero and every multiplier is finite, which holds the entries finite too.
[[gnu::always_inline]] inline bool ComputeMultipliers(const double* row, int count, double* multiplier) {
  const Vec pivot = Splat(row[0]);
  Lanes finite = Lanes{} - 1;
  int x = 0;
  for (; x + kLanes <= count; x += kLanes) {
    const Vec d = -(Load(row + x) / pivot);
    Store(multiplier + x, d);
    finite &= d * 0.0 == 0.0;
  }
  bool allFinite = finite[0] && finite[1] && finite[2] && finite[3];
  for (; x < count; ++x) {
    multiplier[x] = -(row[x] / row[0]);
    allFinite = allFinite && std::isfinite(multiplier[x]);
  }
  return row[0] != 0.0 && allFinite;
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

// product[c] = row[c] * U[c], or +0 where row[c] is 0: subtracting +0 leaves
// any sum as it is, -0 included. A NaN entry keeps its own NaN, as a product
// with the entry first does.
[[gnu::always_inline]] inline void ProductsWithSolved(const double* row, const double* U, int count,
                                                      double* product) {
  int c = 0;
  for (; c + kLanes <= count; c += kLanes) {
    const Vec k = Load(row + c);
    const Vec p = k != k ? k : k * Load(U + c);
    Store(product + c, k != 0.0 ? p : Vec{});
  }
  for (; c < count; ++c) {
    const double p = std::isnan(row[c]) ? row[c] : row[c] * U[c];
    product[c] = row[c] != 0.0 ? p : 0.0;
  }
}

}  // namespace

[[gnu::target_clones("avx2", "default")]]
PivotStep MakePivotStep(Band& K, int j, double* multiplier) {
  const double* row = K.Row(j);
  int end = std::min(j + K.halfBandwidth(), K.rows());
  while (end > j + 1 && row[end - 1] == 0.0) --end;
  int first = j;
  while (first < end && row[first] == 0.0) ++first;
  const bool finite = ComputeMultipliers(row + j, end - j, multiplier);
  return {row, multiplier, j, end, std::min(first + 1, end), finite};
}

[[gnu::target_clones("avx2", "default")]]
void ApplyPivot(Band& K, const PivotStep& step, int rowBegin, int rowEnd, bool addZeroProducts) {
  const int last = std::min(rowEnd, step.end);
  for (int c = std::max(rowBegin, step.firstTarget); c < last; ++c) {
    if (step.row[c] == 0.0) continue;
    double* target = &K(c, c);
    const double* source = step.row + c;
    const double d = step.multiplier[c - step.j];
    const int count = step.end - c;
    if (addZeroProducts) {
      AddProducts(target, source, d, count);
    } else {
      AddNonZeroProducts(target, source, d, count);
    }
  }
}

[[gnu::target_clones("avx2", "default")]]
void EliminateLoad(double* F, const PivotStep& step) {
  const double load = F[step.j];
  const Vec loadVec = Splat(load);
  const double* multiplier = step.multiplier;
  int c = step.firstTarget;
  for (; c + kLanes <= step.end; c += kLanes) {
    const Vec d = Load(multiplier + (c - step.j));
    const Vec old = Load(F + c);
    const Vec product = d != d ? d : d * loadVec;
    const Vec sum = product != product ? product : product + old;
    Store(F + c, Load(step.row + c) != 0.0 ? sum : old);
  }
  for (; c < step.end; ++c) {
    if (step.row[c] == 0.0) continue;
    const double d = multiplier[c - step.j];
    const double product = std::isnan(d) ? d : d * load;
    F[c] = std::isnan(product) ? product : product + F[c];
  }
}

[[gnu::target_clones("avx2", "default")]]
void BackSubstitute(const Band& K, double* U, const double* F) {
  const int n = K.rows();
  const int b = K.halfBandwidth();
  std::vector<double> products(b);
  U[n - 1] = F[n - 1] / K.Diagonal(n - 1);
  for (int r = n - 2; r >= 0; --r) {
    const double* row = K.Row(r);
    const int count = std::min(r + b, n) - (r + 1);
    ProductsWithSolved(row + r + 1, U + r + 1, count, products.data());
    // The sum is one chain of dependent subtractions, which leaves time to
    // ask for the next row's entries (those of row r - 1, which lie just
    // before this row's) a cache line per eight steps: the row is read from
    // memory otherwise, once the chain is done.
    const double* nextRow = K.Row(std::max(r - 1, 0)) + std::max(r - 1, 0);
    double sum = F[r];
    for (int first = 0; first < count; first += kCacheLineDoubles) {
      __builtin_prefetch(nextRow + first);
      const int last = std::min(first + kCacheLineDoubles, count);
      for (int c = first; c < last; ++c) sum -= products[c];
    }
    U[r] = sum / row[r];
  }
}

[[gnu::target_clones("avx2", "default")]]
bool ContainsNegativeZero(const double* values, std::size_t count) {
  constexpr std::int64_t kNegativeZero = std::bit_cast<std::int64_t>(-0.0);
  Lanes found{};
  std::size_t i = 0;
  for (; i + kLanes <= count; i += kLanes) {
    Lanes bits;
    std::memcpy(&bits, values + i, sizeof bits);
    found |= bits == kNegativeZero;
  }
  bool any = found[0] || found[1] || found[2] || found[3];
  for (; i < count; ++i) any = any || std::bit_cast<std::int64_t>(values[i]) == kNegativeZero;
  return any;
}

}  // namespace solvane
