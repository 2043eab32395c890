// Solves one plate's band system with the fast path alone, several times, so
// that a profiler (perf record -e cpu-clock) sees the solve and nothing else:
// no dpbsv, no assembly, and no first touch of fresh pages, since every solve
// works in the same storage, into which the assembled band is copied again
// before it.
//
// Usage: bench_fast_solve [COLSxROWS] [SOLVES]   a plate of COLS x ROWS
// elements numbered row by row (half-bandwidth 2 (COLS + 3)), default 320x320,
// solved SOLVES times (default 5). Prints each solve's wall-clock and processor
// seconds, then the fastest.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../tests/solver/plate_band_system.h"
#include "fast/solve_banded_fast.h"
#include "silent_timing.h"

namespace {

using solvane::testing::BandSystem;

struct Options {
  int cols = 320;
  int rows = 320;
  int solves = 5;
};

Options OptionsOf(int argc, char** argv) {
  Options options;
  for (int a = 1; a < argc; ++a) {
    int cols = 0;
    int rows = 0;
    if (std::sscanf(argv[a], "%dx%d", &cols, &rows) == 2) {
      options.cols = cols;
      options.rows = rows;
    } else {
      options.solves = std::max(1, std::atoi(argv[a]));
    }
  }
  return options;
}

// Puts the assembled band and load back into `work`, whose storage the
// previous solve has already touched.
void Restore(const BandSystem& assembled, BandSystem& work) {
  std::copy(assembled.K.entries(), assembled.K.entries() + assembled.K.size(), work.K.entries());
  work.F = assembled.F;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = OptionsOf(argc, argv);
  BandSystem assembled;
  bench::Silently([&] { assembled = solvane::testing::PlateBandSystem(options.cols, options.rows); });
  BandSystem work = solvane::testing::CopyOf(assembled);
  std::vector<double> U(assembled.n());
  std::printf("%d x %d: n %d, half-band %d\n", options.cols, options.rows, assembled.n(), assembled.b());
  double fastest = 0.0;
  for (int solve = 0; solve < options.solves; ++solve) {
    if (solve > 0) Restore(assembled, work);
    const bench::Seconds seconds =
        bench::SecondsOf([&] { solvane::SolveBandedFast(work.K, U.data(), work.F.data()); });
    std::printf("  solve %d: %.3f s (processor %.2f s)\n", solve + 1, seconds.wall, seconds.processor);
    fastest = solve == 0 ? seconds.wall : std::min(fastest, seconds.wall);
  }
  std::printf("fastest %.3f s\n", fastest);
  return 0;
}
