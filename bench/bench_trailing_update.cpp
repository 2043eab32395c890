// Times the panel update of the fast solve alone, each variant this processor
// runs, on one thread: every pivot of a panel applied to a trailing region of
// WIDTH rows and columns, the rows [0, ROWS) of it, over and over, so that the
// figure is the update's own speed with its data in the caches (a small
// region) or streamed through them (a region as wide as a large band), apart
// from the elimination within the panels, the packing, the back substitution
// and the sharing between threads that the whole solve adds.
//
// Usage: bench_trailing_update [WIDTHxROWS ...]   default: 96x96 (in the
// first two cache levels), 644x162 (a quarter of the rows below a panel of
// the 320 x 320 plate's band).
// Prints GFlop per thread CPU second, the best of five tries.

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "fast/trailing_update.h"

namespace {

using solvane::PackedPanel;
using solvane::TrailingUpdateKernel;
using solvane::VectorIsa;

// As many pivots as the fast solve's panels hold.
constexpr int kPivots = solvane::kMostPackedPivots;
// Each try applies the panel until it has done about this much work.
constexpr double kFlopsPerTry = 4e9;

double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

struct Region {
  int width;
  int rows;
};

// A multiply and an add for every entry on or right of the diagonal of each
// updated row, for every pivot (all of them reach every column here).
double FlopsOf(const Region& region) {
  double flops = 0.0;
  for (int x = 0; x < region.rows; ++x) flops += 2.0 * kPivots * (region.width - x);
  return flops;
}

// The update's GFlop per thread CPU second on `region`, the best of five.
double GigaflopsOf(const TrailingUpdateKernel& kernel, const Region& region) {
  const std::ptrdiff_t stride = region.width + kPivots;
  // Small values that stay normal through every repetition: subnormal
  // operands would time the processor's slow path instead.
  std::vector<double> entries(static_cast<std::size_t>(region.rows + 1) * stride, 1.0);
  std::vector<double> multipliers(static_cast<std::size_t>(kPivots) * stride, 1e-9);
  solvane::PackedValues values(static_cast<std::size_t>(kPivots) * (region.width + solvane::kWidestLanes), 1e-3);
  const PackedPanel panel{values.data(), multipliers.data(), stride - 1, kPivots, region.width,
                          region.width + kPivots};
  const double flops = FlopsOf(region);
  const int repeats = std::max(1, static_cast<int>(kFlopsPerTry / flops));
  double best = 0.0;
  for (int attempt = 0; attempt < 5; ++attempt) {
    const double start = ThreadSeconds();
    for (int r = 0; r < repeats; ++r) kernel.update(entries.data(), stride, panel, 0, region.rows);
    best = std::max(best, flops * repeats / (ThreadSeconds() - start) * 1e-9);
  }
  return best;
}

std::vector<Region> RegionsOf(int argc, char** argv) {
  std::vector<Region> regions;
  for (int a = 1; a < argc; ++a) {
    Region region{};
    if (std::sscanf(argv[a], "%dx%d", &region.width, &region.rows) == 2 && region.rows <= region.width) {
      regions.push_back(region);
    }
  }
  if (argc > 1) return regions;
  return {{96, 96}, {644, 162}};
}

}  // namespace

int main(int argc, char** argv) {
  std::printf("| region (width x rows) | variant | GFlop per thread CPU s |\n|---|---|---|\n");
  for (const Region& region : RegionsOf(argc, argv)) {
    for (const VectorIsa isa : {VectorIsa::kSse2, VectorIsa::kAvx2, VectorIsa::kAvx512}) {
      if (!solvane::ProcessorRuns(isa)) continue;
      const TrailingUpdateKernel& kernel = solvane::TrailingUpdateKernelFor(isa);
      std::printf("| %d x %d | %s | %.1f |\n", region.width, region.rows, kernel.name, GigaflopsOf(kernel, region));
      std::fflush(stdout);
    }
  }
  return 0;
}
