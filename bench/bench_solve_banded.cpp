// Times the plain banded elimination, the fast path and LAPACK's band Cholesky
// dpbsv side by side on the assembled systems of plate grids, square ones up
// to the largest whose band passes the 1024 MB guard and a long narrow one,
// and checks that the fast path's displacements have the plain elimination's
// bits.
//
// Usage: bench_solve_banded [--without-plain] [COLSxROWS ...]   plates of COLS
// x ROWS elements, numbered row by row (half-bandwidth 2 (COLS + 3)); default:
// the squares of 59, 99, 149, 199, 249, 296 and 320 elements a side and
// 160x800. --without-plain leaves out the plain elimination (minutes on the
// largest plates) and with it the check of the fast path's bits.
// Prints a Markdown table: wall-clock seconds (the fastest of three runs for
// the fast path and dpbsv, run in turn so that both see the same machine)
// with the processor seconds of all threads in parentheses, flop rates
// against the measured peak, ratios.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "../tests/solver/plate_band_system.h"
#include "silent_timing.h"
#include "fast/solve_banded_fast.h"
#include "fast/trailing_update.h"
#include "method/solve_banded.h"

extern "C" void dpbsv_(const char* uplo, const int* n, const int* kd, const int* nrhs, double* ab,
                       const int* ldab, double* b, const int* ldb, int* info, std::size_t uploLength);

namespace {

// Vectors pass by value only within inlined functions of this file.
#pragma GCC diagnostic ignored "-Wpsabi"

using bench::Seconds;
using bench::SecondsOf;
using bench::Silently;
using solvane::testing::BandSystem;

// The plain elimination is run once, and only while its predicted time stays
// below this; the fast path and dpbsv are run kRepeats times each.
constexpr double kPlainTimeLimitSeconds = 300.0;
constexpr int kRepeats = 3;

// Multiplies and adds of eliminating a full band, the same for all three
// methods: pivot j updates the upper triangle of the w x w block below it.
double EliminationFlops(int n, int b) {
  double flops = 0.0;
  for (int j = 0; j < n - 1; ++j) {
    const double w = std::min(b, n - j) - 1;
    flops += w * (w + 1.0) + w;
  }
  return flops;
}

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec + now.tv_nsec * 1e-9;
}

// Clock rate from chains of dependent integer additions, one per cycle, timed
// by this thread's CPU time so that other programs on the machine do not
// count; the fastest of several tries.
double MeasuredGigahertz() {
  constexpr long kRounds = 25'000'000;
  double fastest = 0.0;
  for (int attempt = 0; attempt < 8; ++attempt) {
    long x = 0;
    const double start = ThreadCpuSeconds();
    for (long i = 0; i < kRounds; ++i) {
      asm volatile("add $1, %0\n\tadd $1, %0\n\tadd $1, %0\n\tadd $1, %0" : "+r"(x));
    }
    fastest = std::max(fastest, 4.0 * kRounds / (ThreadCpuSeconds() - start) * 1e-9);
  }
  return fastest;
}

// What one thread sustains of separate multiplies and adds of a vector type
// from registers, timed by this thread's CPU time: the practical ceiling for
// code that may not fuse them. Sum k adds the product of inputs k % 5 and
// (k + k / 5) % 5, fifteen distinct products at most; 256-bit vectors take
// nine sums (sixteen registers), 512-bit ones fifteen, since nine 512-bit
// sums leave the adds waiting for each other's results.
using Vec256 = double __attribute__((vector_size(32)));
using Vec512 = double __attribute__((vector_size(64)));

template <class Vec, std::size_t... k>
[[gnu::always_inline]] inline double MulAddGigaflopsOf(std::index_sequence<k...>) {
  constexpr int kInputs = 5;
  constexpr int kSums = sizeof...(k);
  constexpr int kLanes = sizeof(Vec) / sizeof(double);
  constexpr long kRounds = 20'000'000;
  Vec sum[kSums] = {};
  Vec a = Vec{} + 1.0;
  Vec b = a;
  Vec c = a;
  Vec d = a;
  Vec e = a;
  const auto input = [&](int i) { return i == 0 ? a : i == 1 ? b : i == 2 ? c : i == 3 ? d : e; };
  const double start = ThreadCpuSeconds();
  for (long round = 0; round < kRounds; ++round) {
    asm volatile("" : "+v"(a), "+v"(b), "+v"(c), "+v"(d), "+v"(e));
    ((sum[k] = sum[k] + input(k % kInputs) * input((k + k / kInputs) % kInputs)), ...);
  }
  const double seconds = ThreadCpuSeconds() - start;
  for (int i = 1; i < kSums; ++i) sum[0] = sum[0] + sum[i];
  asm volatile("" : : "v"(sum[0]));
  return 2.0 * kSums * kLanes * kRounds / seconds * 1e-9;
}

[[gnu::target("avx2"), gnu::noinline]] double MulAdd256Gigaflops() {
  return MulAddGigaflopsOf<Vec256>(std::make_index_sequence<9>{});
}
[[gnu::target("avx512f"), gnu::noinline]] double MulAdd512Gigaflops() {
  return MulAddGigaflopsOf<Vec512>(std::make_index_sequence<15>{});
}

// The vector widths whose unfused rate is measured: 256-bit (AVX2) and, where
// the processor has it, 512-bit (AVX-512).
struct MulAddWidth {
  const char* name;
  solvane::VectorIsa isa;
  double (*gigaflops)();
};
constexpr MulAddWidth kMulAddWidths[] = {{"256-bit", solvane::VectorIsa::kAvx2, MulAdd256Gigaflops},
                                         {"512-bit", solvane::VectorIsa::kAvx512, MulAdd512Gigaflops}};

struct Timing {
  Seconds seconds;
  std::vector<double> U;
};

Timing Run(void (*solve)(solvane::Band&, double*, double*), const BandSystem& s) {
  BandSystem system = solvane::testing::CopyOf(s);
  std::vector<double> U(s.n());
  const Seconds seconds = SecondsOf([&] { solve(system.K, U.data(), system.F.data()); });
  return {seconds, std::move(U)};
}

Timing RunLapack(const BandSystem& s) {
  BandSystem system = solvane::testing::CopyOf(s);
  std::vector<double> U = s.F;
  const int n = s.n();
  const int b = s.b();
  const int kd = b - 1;
  const int one = 1;
  int info = 0;
  const Seconds seconds = SecondsOf([&] {
    dpbsv_("L", &n, &kd, &one, system.K.entries(), &b, U.data(), &n, &info, 1);
  });
  if (info != 0) std::printf("dpbsv failed: info %d\n", info);
  return {seconds, std::move(U)};
}

// The fastest of kRepeats runs of each solver by wall-clock time, the two run
// in turn: short runs would otherwise show whatever else the machine was doing,
// and a busy spell would fall on one solver only.
std::pair<Timing, Timing> FastestInTurn(const std::function<Timing()>& first,
                                        const std::function<Timing()>& second) {
  Timing bestFirst = first();
  Timing bestSecond = second();
  for (int repeat = 1; repeat < kRepeats; ++repeat) {
    Timing a = first();
    if (a.seconds.wall < bestFirst.seconds.wall) bestFirst = std::move(a);
    Timing b = second();
    if (b.seconds.wall < bestSecond.seconds.wall) bestSecond = std::move(b);
  }
  return {std::move(bestFirst), std::move(bestSecond)};
}

// The unfused ceiling of the whole machine at one width: every core runs it
// at once (two virtual cores may share one physical core's pipes), the sum of
// their rates, the best of five tries.
double MachineMulAddGigaflops(const MulAddWidth& width, unsigned cores) {
  double best = 0.0;
  for (int attempt = 0; attempt < 5; ++attempt) {
    std::vector<double> rates(cores);
    std::vector<std::thread> threads;
    for (unsigned c = 0; c < cores; ++c) {
      threads.emplace_back([&rates, &width, c] { rates[c] = width.gigaflops(); });
    }
    for (std::thread& thread : threads) thread.join();
    double sum = 0.0;
    for (double rate : rates) sum += rate;
    best = std::max(best, sum);
  }
  return best;
}

// Prints what one thread and all cores sustain at each width the processor
// runs, and returns the highest rate of all cores: the peak of the table.
double MeasuredPeak(double gigahertz) {
  const unsigned cores = std::thread::hardware_concurrency();
  double peak = 0.0;
  for (const MulAddWidth& width : kMulAddWidths) {
    if (!solvane::ProcessorRuns(width.isa)) continue;
    double one = 0.0;
    for (int attempt = 0; attempt < 5; ++attempt) one = std::max(one, width.gigaflops());
    const double all = MachineMulAddGigaflops(width, cores);
    std::printf("Unfused %s multiplies and adds from registers: one thread %.1f GFlop/s (%.1f flops a cycle), "
                "all %u cores at once %.1f GFlop/s.\n",
                width.name, one, one / gigahertz, cores, all);
    peak = std::max(peak, all);
  }
  return peak;
}

struct Grid {
  int cols;
  int rows;
};

constexpr std::string_view kWithoutPlain = "--without-plain";

bool RunsPlain(int argc, char** argv) {
  return std::none_of(argv + 1, argv + argc, [](const char* arg) { return arg == kWithoutPlain; });
}

std::vector<Grid> GridsOf(int argc, char** argv) {
  std::vector<Grid> grids;
  for (int a = 1; a < argc; ++a) {
    Grid grid{};
    if (std::sscanf(argv[a], "%dx%d", &grid.cols, &grid.rows) == 2) grids.push_back(grid);
  }
  if (!grids.empty()) return grids;
  return {{59, 59}, {99, 99}, {149, 149}, {199, 199}, {249, 249}, {296, 296}, {320, 320}, {160, 800}};
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

double LargestRelativeDifference(const std::vector<double>& a, const std::vector<double>& b) {
  double scale = 0.0;
  double difference = 0.0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    scale = std::max(scale, std::abs(a[i]));
    difference = std::max(difference, std::abs(a[i] - b[i]));
  }
  return difference / scale;
}

std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string one, five, fifteen;
  file >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

// "wall (processor)" seconds of one method.
std::string TimeCell(const Seconds& seconds) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f (%.2f)", seconds.wall, seconds.processor);
  return text;
}

std::string RateCell(double gigaflops, double seconds, double peak) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f (%.0f%%)", gigaflops / seconds, 100.0 * gigaflops / seconds / peak);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<Grid> grids = GridsOf(argc, argv);
  const bool withPlain = RunsPlain(argc, argv);
  const double gigahertz = MeasuredGigahertz();
  std::printf("Clock %.2f GHz (measured).\n", gigahertz);
  const double peak = MeasuredPeak(gigahertz);
  std::printf("The peak below: %.1f GFlop/s.\n", peak);
  std::printf("Fast path: %s panel update. Load average %s\n\n", solvane::FastestTrailingUpdateKernel().name,
              LoadAverage().c_str());
  std::printf("| grid (elements) | n | b | band MB | GFlop | plain s (cpu) | fast s (cpu) | dpbsv s (cpu) | plain GF/s "
              "(%% peak) | fast GF/s (%% peak) | dpbsv GF/s (%% peak) | plain / fast | dpbsv / fast | "
              "fast = plain bits | dpbsv rel. diff |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
  double plainRate = 0.0;
  for (const Grid& grid : grids) {
    BandSystem s;
    Silently([&] { s = solvane::testing::PlateBandSystem(grid.cols, grid.rows); });
    const double megabytes = s.n() * (s.b() / 131072.0);
    const double gigaflops = EliminationFlops(s.n(), s.b()) * 1e-9;
    const auto [fast, lapack] =
        FastestInTurn([&] { return Run(solvane::SolveBandedFast, s); }, [&] { return RunLapack(s); });
    const bool plainRuns = withPlain && (plainRate == 0.0 || gigaflops / plainRate < kPlainTimeLimitSeconds);
    char predicted[64];
    std::snprintf(predicted, sizeof predicted, "%.0f predicted", gigaflops / plainRate);
    std::string plainCell = withPlain ? predicted : "not run";
    std::string sameBits = "not run";
    double plainSeconds = gigaflops / plainRate;
    if (plainRuns) {
      const Timing plain = Run(solvane::SolveBanded, s);
      plainSeconds = plain.seconds.wall;
      plainRate = gigaflops / plainSeconds;
      plainCell = TimeCell(plain.seconds);
      sameBits = SameBits(plain.U, fast.U) ? "yes" : "NO";
    }
    std::printf("| %d x %d | %d | %d | %.1f | %.1f | %s | %s | %s | %s | %s | %s | %.1f | %.2f | %s | %.1e |\n",
                grid.cols, grid.rows, s.n(), s.b(), megabytes, gigaflops, plainCell.c_str(),
                TimeCell(fast.seconds).c_str(), TimeCell(lapack.seconds).c_str(),
                RateCell(gigaflops, plainSeconds, peak).c_str(), RateCell(gigaflops, fast.seconds.wall, peak).c_str(),
                RateCell(gigaflops, lapack.seconds.wall, peak).c_str(), plainSeconds / fast.seconds.wall,
                lapack.seconds.wall / fast.seconds.wall, sameBits.c_str(), LargestRelativeDifference(fast.U, lapack.U));
    std::fflush(stdout);
  }
  std::printf("\nload average %s\n", LoadAverage().c_str());
  return 0;
}
