// Times the plain banded elimination, the fast path and LAPACK's band Cholesky
// dpbsv side by side on the assembled systems of square plate grids whose
// bands grow to about 800 MB, and checks that the fast path's displacements
// have the plain elimination's bits.
//
// Usage: bench_solve_banded [largest band in MB, default 820]

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include "../tests/solver/plate_band_system.h"
#include "solve_banded.h"
#include "solve_banded_fast.h"

extern "C" void dpbsv_(const char* uplo, const int* n, const int* kd, const int* nrhs, double* ab,
                       const int* ldab, double* b, const int* ldb, int* info, std::size_t uploLength);

namespace {

using solvane::testing::BandSystem;

// The plain elimination is run only while its predicted time stays below this.
constexpr double kPlainTimeLimitSeconds = 300.0;
// Double-precision flops per cycle and core: two 256-bit multiplies and two
// 256-bit adds (or two 256-bit fused multiply-adds) per cycle on Zen 3.
constexpr double kFlopsPerCycle = 16.0;

// Standard output goes to /dev/null while `work` runs, so that progress
// printing costs what it costs on a redirected console and stays off the table.
void Silently(const std::function<void()>& work) {
  std::fflush(stdout);
  const int saved = dup(STDOUT_FILENO);
  const int sink = open("/dev/null", O_WRONLY);
  dup2(sink, STDOUT_FILENO);
  work();
  std::fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(sink);
  close(saved);
}

double SecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  Silently(work);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

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

struct Timing {
  double seconds;
  std::vector<double> U;
};

Timing Run(void (*solve)(double*, double*, double*, int, int), const BandSystem& s) {
  std::vector<double> band = s.band;
  std::vector<double> F = s.F;
  std::vector<double> U(s.n);
  const double seconds = SecondsOf([&] { solve(band.data(), U.data(), F.data(), s.n, s.b); });
  return {seconds, std::move(U)};
}

Timing RunLapack(const BandSystem& s) {
  std::vector<double> band = s.band;
  std::vector<double> U = s.F;
  const int kd = s.b - 1;
  const int one = 1;
  int info = 0;
  const double seconds = SecondsOf([&] {
    dpbsv_("L", &s.n, &kd, &one, band.data(), &s.b, U.data(), &s.n, &info, 1);
  });
  if (info != 0) std::printf("dpbsv failed: info %d\n", info);
  return {seconds, std::move(U)};
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

}  // namespace

int main(int argc, char** argv) {
  const double largestMegabytes = argc > 1 ? std::atof(argv[1]) : 820.0;
  const double gigahertz = MeasuredGigahertz();
  const unsigned cores = std::thread::hardware_concurrency();
  const double peak = cores * gigahertz * kFlopsPerCycle;
  std::printf("Peak %.1f GFlop/s = %u cores x %.2f GHz (measured) x %.0f flops/cycle\n", peak, cores,
              gigahertz, kFlopsPerCycle);
  std::printf("%6s %8s %5s %7s %9s | %9s %7s | %9s %7s %6s | %9s %7s %6s | %7s %8s\n", "grid", "n", "b",
              "MB", "GFlop", "plain s", "GF/s", "fast s", "GF/s", "%peak", "dpbsv s", "GF/s", "%peak",
              "plain/", "fast/");
  std::printf("%104s%7s %8s\n", "", "fast", "dpbsv");
  double plainRate = 0.0;
  for (int side : {60, 100, 150, 200, 250, 297}) {
    const int cols = side - 1;
    BandSystem s;
    Silently([&] { s = solvane::testing::PlateBandSystem(cols, cols); });
    const double megabytes = s.n * (s.b / 131072.0);
    if (megabytes > largestMegabytes) break;
    const double gigaflops = EliminationFlops(s.n, s.b) * 1e-9;
    const Timing fast = Run(solvane::SolveBandedFast, s);
    const Timing lapack = RunLapack(s);
    const bool plainRuns = plainRate == 0.0 || gigaflops / plainRate < kPlainTimeLimitSeconds;
    double plainSeconds = gigaflops / plainRate;
    if (plainRuns) {
      const Timing plain = Run(solvane::SolveBanded, s);
      plainSeconds = plain.seconds;
      plainRate = gigaflops / plain.seconds;
      if (!SameBits(plain.U, fast.U)) std::printf("fast path differs from the plain elimination!\n");
    }
    std::printf("%3dx%-3d %7d %5d %7.1f %9.1f | %8.2f%s %7.2f | %9.3f %7.2f %5.1f%% | %9.3f %7.2f %5.1f%% | "
                "%7.1f %8.2f   dpbsv rel. diff %.1e\n",
                side, side, s.n, s.b, megabytes, gigaflops, plainSeconds, plainRuns ? " " : "*",
                gigaflops / plainSeconds, fast.seconds, gigaflops / fast.seconds,
                100.0 * gigaflops / fast.seconds / peak, lapack.seconds, gigaflops / lapack.seconds,
                100.0 * gigaflops / lapack.seconds / peak, plainSeconds / fast.seconds,
                fast.seconds / lapack.seconds, LargestRelativeDifference(fast.U, lapack.U));
    std::fflush(stdout);
  }
  std::printf("* predicted from the plain elimination's last measured flop rate\n");
  return 0;
}
