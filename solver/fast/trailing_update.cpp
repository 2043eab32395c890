#include "fast/trailing_update.h"

#include <algorithm>
#include <cstring>

namespace solvane {

namespace {

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

// The mask register value that selects lanes [first, last).
[[gnu::always_inline]] inline unsigned short LaneMask(int first, int last) {
  return static_cast<unsigned short>((1u << last) - (1u << first));
}

// Lanes [first, last) of the vector at p, the others zero. Only those lanes
// are read: the others may belong to rows another thread is updating, or lie
// past the band. AVX-512 reads them with a mask, in one instruction.
template <int Lanes>
[[gnu::always_inline]] inline VecOf<Lanes> LoadLanes(const double* p, int first, int last) {
  if constexpr (Lanes == 8) {
    VecOf<8> v;
    asm("vmovupd %1, %0%{%2%}%{z%}" : "=v"(v) : "m"(*reinterpret_cast<const double(*)[8]>(p)),
        "Yk"(LaneMask(first, last)));
    return v;
  } else {
    VecOf<Lanes> v{};
    for (int l = first; l < last; ++l) v[l] = p[l];
    return v;
  }
}

// Writes lanes [first, last) of v to p, and nothing else.
template <int Lanes>
[[gnu::always_inline]] inline void StoreLanes(double* p, VecOf<Lanes> v, int first, int last) {
  if constexpr (Lanes == 8) {
    asm("vmovupd %1, %0%{%2%}" : "+m"(*reinterpret_cast<double(*)[8]>(p)) : "v"(v), "Yk"(LaneMask(first, last)));
  } else {
    for (int l = first; l < last; ++l) p[l] = v[l];
  }
}

// The multiplier of one tile row for one pivot, applied to the values of each
// of the tile's column groups. The narrower sets broadcast it into a register
// once and multiply from there. AVX-512 multiplies with it read from memory
// into every lane within the multiply itself: on a core that splits 512-bit
// operations in two halves, a separate broadcast into a 512-bit register
// takes a pipe the multiplies and adds need.
template <int Lanes>
struct RowMultiplier {
  explicit RowMultiplier(const double* p) : d(Broadcast<Lanes>(p)) {}
  [[gnu::always_inline]] VecOf<Lanes> Times(VecOf<Lanes> v) const { return d * v; }
  VecOf<Lanes> d;
};
template <>
struct RowMultiplier<8> {
  explicit RowMultiplier(const double* p) : p(p) {}
  [[gnu::always_inline]] VecOf<8> Times(VecOf<8> v) const {
    VecOf<8> product;
    asm("vmulpd %2%{1to8%}, %1, %0" : "=v"(product) : "v"(v), "m"(*p));
    return product;
  }
  const double* p;
};

// Rows and column groups of one register tile: its sums, one vector of values
// per group, a multiplier and a product fill the registers of the
// instruction set (sixteen for SSE2 and AVX2). AVX-512's 6 x 4 tile leaves two
// of its thirty-two free: its multipliers stay in memory (RowMultiplier).
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

// The entries of a tile of region rows from x and columns from y (a multiple
// of Lanes) that are its own: those at or right of the diagonal and inside the
// region, lanes [First(i, g), Last(g)) of group g in tile row i. The others
// belong to rows another thread may be updating, or lie past the band.
template <int Lanes>
struct OwnLanes {
  [[gnu::always_inline]] int First(int i, int g) const { return std::clamp(x + i - y - g * Lanes, 0, Lanes); }
  [[gnu::always_inline]] int Last(int g) const { return std::clamp(width - y - g * Lanes, 0, Lanes); }
  [[gnu::always_inline]] bool Whole(int i, int g) const { return First(i, g) == 0 && Last(g) == Lanes; }
  int x;
  int y;
  int width;
};

// The register tile: Rows region rows from x, Groups column groups from y,
// held in registers while every pivot reaching its columns is applied in
// order. A masked tile, on the diagonal or at the right edge, reads and writes
// only its own entries.
template <int Lanes, int Rows, int Groups, bool Masked>
[[gnu::always_inline]] inline void UpdateTile(double* tile, std::ptrdiff_t stride, const PackedPanel& panel,
                                              int x, int y) {
  using Vec = VecOf<Lanes>;
  const OwnLanes<Lanes> own{x, y, panel.width};
  const auto whole = [&](int i, int g) { return !Masked || own.Whole(i, g); };
  Vec sum[Rows][Groups];
  for (int i = 0; i < Rows; ++i) {
    for (int g = 0; g < Groups; ++g) {
      const double* in = tile + i * stride + g * Lanes;
      sum[i][g] = whole(i, g) ? Load<Lanes>(in) : LoadLanes<Lanes>(in, own.First(i, g), own.Last(g));
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
      const RowMultiplier<Lanes> d(multiplier + i);
      for (int g = 0; g < Groups; ++g) sum[i][g] = sum[i][g] + d.Times(v[g]);
    }
  }
  for (int i = 0; i < Rows; ++i) {
    for (int g = 0; g < Groups; ++g) {
      double* out = tile + i * stride + g * Lanes;
      if (whole(i, g)) {
        Store<Lanes>(out, sum[i][g]);
      } else {
        StoreLanes<Lanes>(out, sum[i][g], own.First(i, g), own.Last(g));
      }
    }
  }
}

// An AVX-512 masked tile goes through a scratch tile: its own entries are
// read into the scratch with masks, the others zero, the full register tile
// runs on the scratch, and its own entries are written back with masks. Masked
// reads and writes cost what plain ones do here, and the full tile keeps its
// sums in registers, where the compiler keeps a masked tile's on the stack,
// written back at every pivot.
template <int Rows, int Groups>
[[gnu::always_inline]] inline void UpdateTileThroughScratch(double* tile, std::ptrdiff_t stride,
                                                            const PackedPanel& panel, int x, int y) {
  constexpr int kLanes = 8;
  constexpr int kScratchStride = Groups * kLanes;
  const OwnLanes<kLanes> own{x, y, panel.width};
  alignas(64) double scratch[Rows * kScratchStride];
  for (int i = 0; i < Rows; ++i) {
    for (int g = 0; g < Groups; ++g) {
      const VecOf<kLanes> entries = LoadLanes<kLanes>(tile + i * stride + g * kLanes, own.First(i, g), own.Last(g));
      Store<kLanes>(scratch + i * kScratchStride + g * kLanes, entries);
    }
  }
  UpdateTile<kLanes, Rows, Groups, false>(scratch, kScratchStride, panel, x, y);
  for (int i = 0; i < Rows; ++i) {
    for (int g = 0; g < Groups; ++g) {
      const VecOf<kLanes> entries = Load<kLanes>(scratch + i * kScratchStride + g * kLanes);
      StoreLanes<kLanes>(tile + i * stride + g * kLanes, entries, own.First(i, g), own.Last(g));
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
  if constexpr (Lanes == 8) {
    UpdateTileThroughScratch<Rows, Groups>(tile, stride, panel, x, y);
  } else {
    UpdateTile<Lanes, Rows, Groups, true>(tile, stride, panel, x, y);
  }
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

// The last block of `rows` rows, fewer than a full tile's, in tiles of that
// many rows: each pivot's values are then loaded once for all of them.
template <int Lanes, int Rows>
[[gnu::always_inline]] inline void UpdateLastRowBlock(double* origin, std::ptrdiff_t stride,
                                                      const PackedPanel& panel, int x, int rows) {
  if constexpr (Rows > 1) {
    if (rows < Rows) return UpdateLastRowBlock<Lanes, Rows - 1>(origin, stride, panel, x, rows);
  }
  UpdateRowBlock<Lanes, Rows>(origin, stride, panel, x);
}

template <int Lanes>
[[gnu::always_inline]] inline void UpdateTrailingRowsOf(double* origin, std::ptrdiff_t stride,
                                                        const PackedPanel& panel, int xBegin, int xEnd) {
  constexpr int kRows = TileShape<Lanes>::kRows;
  int x = xBegin;
  for (; x + kRows <= xEnd; x += kRows) UpdateRowBlock<Lanes, kRows>(origin, stride, panel, x);
  if (x < xEnd) UpdateLastRowBlock<Lanes, kRows - 1>(origin, stride, panel, x, xEnd - x);
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

constexpr TrailingUpdateKernel kSse2{"SSE2", 2, PackPanelSse2, UpdateTrailingRowsSse2};
constexpr TrailingUpdateKernel kAvx2{"AVX2", 4, PackPanelAvx2, UpdateTrailingRowsAvx2};
constexpr TrailingUpdateKernel kAvx512{"AVX-512", 8, PackPanelAvx512, UpdateTrailingRowsAvx512};
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
