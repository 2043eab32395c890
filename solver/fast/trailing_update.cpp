#include "fast/trailing_update.h"

#include <algorithm>
#include <cstring>

namespace solvane {

namespace {

// Vectors pass by value only between inlined functions of this file, so the
// note on the vector calling convention of the narrower builds is moot.
#pragma GCC diagnostic ignored "-Wpsabi"

// Lanes doubles; products and sums are separate instructions (the build
// never contracts them).
template <int Lanes>
struct VectorOf;
template <>
struct VectorOf<2> {
  using Type = double __attribute__((vector_size(16)));
};
template <>
struct VectorOf<4> {
  using Type = double __attribute__((vector_size(32)));
};
template <>
struct VectorOf<8> {
  using Type = double __attribute__((vector_size(64)));
};
template <int Lanes>
using VecOf = typename VectorOf<Lanes>::Type;

template <int Lanes>
[[gnu::always_inline]] inline VecOf<Lanes> Load(const double* p) {
  VecOf<Lanes> v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <int Lanes>
[[gnu::always_inline]] inline void Store(double* p, VecOf<Lanes> v) {
  std::memcpy(p, &v, sizeof v);
}

// All lanes equal to *p, -0 kept as -0. The wider sets read it from memory
// straight into every lane, which takes a load port only; the compiler would
// build it with shuffles on the pipes the products and sums need.
template <int Lanes>
[[gnu::always_inline]] inline VecOf<Lanes> Broadcast(const double* p) {
  VecOf<Lanes> v;
  if constexpr (Lanes == 2) {
    v = VecOf<2>{*p, *p};
  } else {
    asm("vbroadcastsd %1, %0" : "=v"(v) : "m"(*p));
  }
  return v;
}

// Rows and column groups of one register tile: its sums, one vector of values
// per group and a multiplier fill the registers of the instruction set
// (sixteen for SSE2 and AVX2, thirty-two for AVX-512).
template <int Lanes>
struct TileShape;
template <>
struct TileShape<2> {
  static constexpr int kRows = 3;
  static constexpr int kGroups = 4;
};
template <>
struct TileShape<4> {
  static constexpr int kRows = 3;
  static constexpr int kGroups = 3;
};
template <>
struct TileShape<8> {
  static constexpr int kRows = 6;
  static constexpr int kGroups = 4;
};

[[gnu::always_inline]] inline int FirstReachingPivot(const PackedPanel& panel, int y) {
  return std::max(0, y - panel.reach + 1);
}

// The register tile: Rows region rows from x, Groups column groups from y (a
// multiple of Lanes), held in registers while every pivot reaching its columns
// is applied in order. A masked tile, on the diagonal or at the right edge,
// reads and writes only the entries at or right of the diagonal and inside the
// region: the others belong to rows another thread may be updating.
template <int Lanes, int Rows, int Groups, bool Masked>
[[gnu::always_inline]] inline void UpdateTile(double* tile, std::ptrdiff_t stride, const PackedPanel& panel,
                                              int x, int y) {
  using Vec = VecOf<Lanes>;
  // Lanes [first(i, g), last(g)) of group g in row i are the tile's own.
  const auto first = [&](int i, int g) { return std::clamp(x + i - y - g * Lanes, 0, Lanes); };
  const auto last = [&](int g) { return std::clamp(panel.width - y - g * Lanes, 0, Lanes); };
  const auto whole = [&](int i, int g) { return !Masked || (first(i, g) == 0 && last(g) == Lanes); };
  Vec sum[Rows][Groups];
  for (int i = 0; i < Rows; ++i) {
    for (int g = 0; g < Groups; ++g) {
      const double* in = tile + i * stride + g * Lanes;
      if (whole(i, g)) {
        sum[i][g] = Load<Lanes>(in);
        continue;
      }
      sum[i][g] = Vec{};
      for (int l = first(i, g); l < last(g); ++l) sum[i][g][l] = in[l];
    }
  }
  constexpr std::ptrdiff_t kGroupPivots = kMostPackedPivots;
  const int firstPivot = FirstReachingPivot(panel, y);
  const double* value = panel.value + Lanes * ((y / Lanes) * kGroupPivots + firstPivot);
  const double* multiplier = panel.multiplier + firstPivot * panel.multiplierStride + x;
  // Two pivots a turn: fewer loop instructions per product.
  #pragma GCC unroll 2
  for (int k = firstPivot; k < panel.pivots; ++k, value += Lanes, multiplier += panel.multiplierStride) {
    Vec v[Groups];
    for (int g = 0; g < Groups; ++g) v[g] = Load<Lanes>(value + Lanes * g * kGroupPivots);
    for (int i = 0; i < Rows; ++i) {
      const Vec d = Broadcast<Lanes>(multiplier + i);
      for (int g = 0; g < Groups; ++g) sum[i][g] = sum[i][g] + d * v[g];
    }
  }
  for (int i = 0; i < Rows; ++i) {
    for (int g = 0; g < Groups; ++g) {
      double* out = tile + i * stride + g * Lanes;
      if (whole(i, g)) {
        Store<Lanes>(out, sum[i][g]);
        continue;
      }
      for (int l = first(i, g); l < last(g); ++l) out[l] = sum[i][g][l];
    }
  }
}

// A masked tile of one to Groups groups.
template <int Lanes, int Rows, int Groups>
[[gnu::always_inline]] inline void UpdateMaskedTile(int groups, double* tile, std::ptrdiff_t stride,
                                                    const PackedPanel& panel, int x, int y) {
  if constexpr (Groups > 1) {
    if (groups < Groups) return UpdateMaskedTile<Lanes, Rows, Groups - 1>(groups, tile, stride, panel, x, y);
  }
  UpdateTile<Lanes, Rows, Groups, true>(tile, stride, panel, x, y);
}

// Asks for the entries of the next tile while this one computes: a band far
// wider than the cache keeps them in the last-level cache at best.
template <int Rows, int Columns>
[[gnu::always_inline]] inline void PrefetchTile(const double* tile, std::ptrdiff_t stride) {
  for (int i = 0; i < Rows; ++i) {
    for (int c = 0; c < Columns; c += 8) __builtin_prefetch(tile + i * stride + c, 1);
    __builtin_prefetch(tile + i * stride + Columns - 1, 1);
  }
}

// Region rows [x, x + Rows), every column from the diagonal to the region's
// right edge: a masked tile from the group holding the diagonal, full tiles,
// and a masked tile for what is left.
template <int Lanes, int Rows>
[[gnu::always_inline]] inline void UpdateRowBlock(double* origin, std::ptrdiff_t stride,
                                                  const PackedPanel& panel, int x) {
  constexpr int kGroups = TileShape<Lanes>::kGroups;
  constexpr int kColumns = kGroups * Lanes;
  // The full tiles after the first, masked one hold no entry left of the
  // diagonal.
  static_assert(TileShape<Lanes>::kRows + Lanes - 2 <= kColumns);
  const int width = panel.width;
  const auto groupsLeft = [&](int y) { return std::min((width - y + Lanes - 1) / Lanes, kGroups); };
  double* rowStart = origin + x * stride;
  int y = x - x % Lanes;
  UpdateMaskedTile<Lanes, Rows, kGroups>(groupsLeft(y), rowStart + y, stride, panel, x, y);
  y += kColumns;
  for (; y + kColumns <= width; y += kColumns) {
    if (y + 2 * kColumns <= width) PrefetchTile<Rows, kColumns>(rowStart + y + kColumns, stride);
    UpdateTile<Lanes, Rows, kGroups, false>(rowStart + y, stride, panel, x, y);
  }
  if (y < width) UpdateMaskedTile<Lanes, Rows, kGroups>(groupsLeft(y), rowStart + y, stride, panel, x, y);
}

template <int Lanes>
[[gnu::always_inline]] inline void UpdateTrailingRowsOf(double* origin, std::ptrdiff_t stride,
                                                        const PackedPanel& panel, int xBegin, int xEnd) {
  constexpr int kRows = TileShape<Lanes>::kRows;
  int x = xBegin;
  for (; x + kRows <= xEnd; x += kRows) UpdateRowBlock<Lanes, kRows>(origin, stride, panel, x);
  for (; x < xEnd; ++x) UpdateRowBlock<Lanes, 1>(origin, stride, panel, x);
}

template <int Lanes>
[[gnu::always_inline]] inline void PackPanelOf(const PivotStep* steps, int base, const PackedPanel& panel) {
  // Region columns [0, reached(k)) lie inside pivot k's band.
  const auto reached = [&](int k) { return std::clamp(steps[k].end - base, 0, panel.width); };
  for (int g = 0; g * Lanes < panel.width; ++g) {
    for (int k = 0; k < panel.pivots; ++k) {
      double* value = panel.value + Lanes * (g * kMostPackedPivots + k);
      const int first = base + g * Lanes;
      const int lanes = std::clamp(reached(k) - g * Lanes, 0, Lanes);
      if (lanes == Lanes) {
        Store<Lanes>(value, Load<Lanes>(steps[k].row + first));
        continue;
      }
      for (int l = 0; l < Lanes; ++l) value[l] = l < lanes ? steps[k].row[first + l] : 0.0;
    }
  }
}

void PackPanelSse2(const PivotStep* steps, int base, const PackedPanel& panel) {
  PackPanelOf<2>(steps, base, panel);
}

void UpdateTrailingRowsSse2(double* origin, std::ptrdiff_t stride, const PackedPanel& panel, int xBegin,
                            int xEnd) {
  UpdateTrailingRowsOf<2>(origin, stride, panel, xBegin, xEnd);
}

[[gnu::target("avx2")]] void PackPanelAvx2(const PivotStep* steps, int base, const PackedPanel& panel) {
  PackPanelOf<4>(steps, base, panel);
}

[[gnu::target("avx2")]] void UpdateTrailingRowsAvx2(double* origin, std::ptrdiff_t stride,
                                                    const PackedPanel& panel, int xBegin, int xEnd) {
  UpdateTrailingRowsOf<4>(origin, stride, panel, xBegin, xEnd);
}

[[gnu::target("avx512f")]] void PackPanelAvx512(const PivotStep* steps, int base, const PackedPanel& panel) {
  PackPanelOf<8>(steps, base, panel);
}

[[gnu::target("avx512f")]] void UpdateTrailingRowsAvx512(double* origin, std::ptrdiff_t stride,
                                                         const PackedPanel& panel, int xBegin, int xEnd) {
  UpdateTrailingRowsOf<8>(origin, stride, panel, xBegin, xEnd);
}

constexpr TrailingUpdateKernel kSse2{VectorIsa::kSse2, "SSE2", 2, PackPanelSse2, UpdateTrailingRowsSse2};
constexpr TrailingUpdateKernel kAvx2{VectorIsa::kAvx2, "AVX2", 4, PackPanelAvx2, UpdateTrailingRowsAvx2};
constexpr TrailingUpdateKernel kAvx512{VectorIsa::kAvx512, "AVX-512", 8, PackPanelAvx512,
                                       UpdateTrailingRowsAvx512};
static_assert(kAvx512.lanes == kWidestLanes);

}  // namespace

bool ProcessorRuns(VectorIsa isa) {
  switch (isa) {
    case VectorIsa::kAvx512:
      return __builtin_cpu_supports("avx512f");
    case VectorIsa::kAvx2:
      return __builtin_cpu_supports("avx2");
    case VectorIsa::kSse2:
      return true;
  }
  return false;
}

const TrailingUpdateKernel& TrailingUpdateKernelFor(VectorIsa isa) {
  switch (isa) {
    case VectorIsa::kAvx512:
      return kAvx512;
    case VectorIsa::kAvx2:
      return kAvx2;
    case VectorIsa::kSse2:
      break;
  }
  return kSse2;
}

const TrailingUpdateKernel& FastestTrailingUpdateKernel() {
  static const TrailingUpdateKernel& fastest = ProcessorRuns(VectorIsa::kAvx512) ? kAvx512
                                               : ProcessorRuns(VectorIsa::kAvx2)  ? kAvx2
                                                                                  : kSse2;
  return fastest;
}

}  // namespace solvane
