#include "fast/solve_banded_fast.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "method/solve_banded.h"
#include "plate_band_system.h"

namespace solvane {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

using testing::BandSystem;

// What a solve leaves behind: the reduced band and load, the displacements and
// the console text.
struct SolveOutcome {
  std::vector<double> band;
  std::vector<double> F;
  std::vector<double> U;
  std::string console;
};

using BandSolver = std::function<void(Band&, double*, double*)>;

SolveOutcome SolveWith(const BandSolver& solve, const BandSystem& system) {
  BandSystem s = testing::CopyOf(system);
  std::vector<double> U(s.n(), kNaN);
  ::testing::internal::CaptureStdout();
  solve(s.K, U.data(), s.F.data());
  std::string console = ::testing::internal::GetCapturedStdout();
  return {testing::BandEntries(s.K), std::move(s.F), std::move(U), std::move(console)};
}

// Whether two entries hold the same bits. Two NaNs count as the same: which
// NaN's sign survives an operation on two NaNs depends on the operand order the
// compiler picks for a commutative + or x (instrumented builds pick otherwise).
bool SameBits(double a, double b) {
  if (std::isnan(a) && std::isnan(b)) return true;
  return std::memcmp(&a, &b, sizeof(double)) == 0;
}

// Index of the first entry whose bit pattern differs, or -1.
long FirstDifferentBits(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size()) return 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!SameBits(a[i], b[i])) return static_cast<long>(i);
  }
  return -1;
}

void ExpectSameBitsAsPlainElimination(const BandSystem& s, const TrailingUpdateKernel& kernel) {
  const SolveOutcome plain = SolveWith(SolveBanded, s);
  const SolveOutcome fast =
      SolveWith([&kernel](Band& K, double* U, double* F) { SolveBandedFastWith(kernel, K, U, F); }, s);
  EXPECT_EQ(FirstDifferentBits(plain.U, fast.U), -1) << "U, n " << s.n() << ", b " << s.b();
  EXPECT_EQ(FirstDifferentBits(plain.F, fast.F), -1) << "F, n " << s.n() << ", b " << s.b();
  EXPECT_EQ(FirstDifferentBits(plain.band, fast.band), -1) << "band, n " << s.n() << ", b " << s.b();
  EXPECT_EQ(plain.console, fast.console);
}

// A random band whose rows hold about `zeroShare` zeros among their entries;
// the diagonal dominates its row and column unless `dominant` is false.
BandSystem RandomBand(int n, int b, double zeroShare, unsigned seed, bool dominant = true) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::bernoulli_distribution zero(zeroShare);
  BandSystem s{Band(n, b), std::vector<double>(n)};
  std::vector<double> offDiagonalSum(n, 0.0);
  for (int r = 0; r < n; ++r) {
    for (int c = r + 1; c < std::min(r + b, n); ++c) {
      if (zero(random)) continue;
      s.K(r, c) = value(random);
      offDiagonalSum[r] += std::abs(s.K(r, c));
      offDiagonalSum[c] += std::abs(s.K(r, c));
    }
    s.F[r] = value(random);
  }
  for (int r = 0; r < n; ++r) s.K(r, r) = (dominant ? offDiagonalSum[r] : 0.0) + 0.5 + std::abs(value(random));
  return s;
}

// A random band whose rows end before the half-bandwidth, each at its own
// place, as rows do when a few elements join far-numbered nodes.
BandSystem ProfileBand(int n, int b, unsigned seed) {
  BandSystem s = RandomBand(n, b, 0.1, seed);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> extent(1, b);
  for (int r = 0; r < n; ++r) {
    const int rowExtent = r % 50 == 0 ? b : extent(random) / 4;
    for (int c = r + std::max(rowExtent, 1); c < std::min(r + b, n); ++c) s.K(r, c) = 0.0;
  }
  return s;
}

// Fixes a direction as the constraints do: 1e20 on the diagonal, zero load.
void Constrain(BandSystem& s, int r) {
  s.K(r, r) = 1e20;
  s.F[r] = 0.0;
}

// The assembled plate system, its assembly progress kept off the console.
BandSystem PlateSystem(int cols, int rows) {
  ::testing::internal::CaptureStdout();
  BandSystem s = testing::PlateBandSystem(cols, rows);
  ::testing::internal::GetCapturedStdout();
  return s;
}

// Each case runs with every variant of the panel update: each must leave the
// plain elimination's bits. A variant this processor cannot run is skipped.
class SolveBandedFastVariant : public ::testing::TestWithParam<VectorIsa> {
 protected:
  void SetUp() override {
    if (!ProcessorRuns(GetParam())) {
      GTEST_SKIP() << "this processor lacks " << Kernel().name << ": its variant is built but cannot run here";
    }
  }

  const TrailingUpdateKernel& Kernel() const { return TrailingUpdateKernelFor(GetParam()); }

  void ExpectSameBitsAsPlainElimination(const BandSystem& s) const {
    solvane::ExpectSameBitsAsPlainElimination(s, Kernel());
  }
};

INSTANTIATE_TEST_SUITE_P(EveryVariant, SolveBandedFastVariant,
                         ::testing::Values(VectorIsa::kSse2, VectorIsa::kAvx2, VectorIsa::kAvx512),
                         [](const ::testing::TestParamInfo<VectorIsa>& info) {
                           std::string name = TrailingUpdateKernelFor(info.param).name;
                           std::erase(name, '-');
                           return name;
                         });

TEST_P(SolveBandedFastVariant, MatchesPlainEliminationOnRandomBandsWithZerosInRows) {
  ExpectSameBitsAsPlainElimination(RandomBand(60, 2, 0.3, 1));
  ExpectSameBitsAsPlainElimination(RandomBand(200, 17, 0.4, 2));
  ExpectSameBitsAsPlainElimination(RandomBand(300, 40, 0.0, 3));
  ExpectSameBitsAsPlainElimination(RandomBand(500, 130, 0.5, 4));
  ExpectSameBitsAsPlainElimination(RandomBand(700, 200, 0.05, 5));
}

TEST_P(SolveBandedFastVariant, MatchesPlainEliminationWithoutDiagonalDominance) {
  ExpectSameBitsAsPlainElimination(RandomBand(400, 120, 0.2, 6, false));
  ExpectSameBitsAsPlainElimination(RandomBand(150, 33, 0.6, 7, false));
}

TEST_P(SolveBandedFastVariant, MatchesPlainEliminationOnTinySystems) {
  ExpectSameBitsAsPlainElimination(RandomBand(1, 2, 0.0, 8));
  ExpectSameBitsAsPlainElimination(RandomBand(2, 2, 0.0, 9));
  ExpectSameBitsAsPlainElimination(RandomBand(2, 2, 1.0, 10));
  ExpectSameBitsAsPlainElimination(RandomBand(3, 2, 0.0, 11));
}

TEST_P(SolveBandedFastVariant, MatchesPlainEliminationWhenTheBandIsWiderThanTheSystem) {
  ExpectSameBitsAsPlainElimination(RandomBand(5, 8, 0.2, 12));
  ExpectSameBitsAsPlainElimination(RandomBand(50, 50, 0.3, 13));
  ExpectSameBitsAsPlainElimination(RandomBand(120, 400, 0.1, 14));
}

TEST_P(SolveBandedFastVariant, MatchesPlainEliminationWhenRowsEndBeforeTheBand) {
  ExpectSameBitsAsPlainElimination(ProfileBand(800, 300, 24));
  ExpectSameBitsAsPlainElimination(ProfileBand(300, 40, 25));
}

TEST_P(SolveBandedFastVariant, MatchesPlainEliminationWithConstrainedRows) {
  BandSystem s = RandomBand(600, 150, 0.1, 15);
  for (int r : {0, 1, 7, 100, 101, 333, 598, 599}) Constrain(s, r);
  ExpectSameBitsAsPlainElimination(s);
}

TEST_P(SolveBandedFastVariant, MatchesPlainEliminationOnAssembledPlates) {
  ExpectSameBitsAsPlainElimination(PlateSystem(3, 2));
  ExpectSameBitsAsPlainElimination(PlateSystem(20, 12));
  ExpectSameBitsAsPlainElimination(PlateSystem(60, 25));
}

TEST_P(SolveBandedFastVariant, SpreadsANaNInTheBandAsThePlainEliminationDoes) {
  for (int b : {9, 140}) {
    BandSystem s = RandomBand(400, b, 0.2, 16);
    s.K(150, 150 + b / 2) = kNaN;
    s.K(260, 260) = kNaN;
    ExpectSameBitsAsPlainElimination(s);
  }
}

TEST_P(SolveBandedFastVariant, SpreadsANaNInTheLoadAsThePlainEliminationDoes) {
  BandSystem s = RandomBand(400, 140, 0.2, 17);
  s.F[200] = kNaN;
  ExpectSameBitsAsPlainElimination(s);
}

TEST_P(SolveBandedFastVariant, SpreadsAnInfinityAsThePlainEliminationDoes) {
  BandSystem offDiagonal = RandomBand(400, 140, 0.2, 18);
  offDiagonal.K(100, 130) = kInfinity;
  ExpectSameBitsAsPlainElimination(offDiagonal);
  BandSystem onDiagonal = RandomBand(400, 140, 0.2, 19);
  onDiagonal.K(90, 90) = -kInfinity;
  ExpectSameBitsAsPlainElimination(onDiagonal);
}

// Row 120 reaches its turn as a zero pivot with one entry: that entry's row
// is not reduced, so only U[120] comes out infinite.
TEST_P(SolveBandedFastVariant, PassesOverTheFirstEntryOfARowWithAZeroPivot) {
  BandSystem s = RandomBand(400, 140, 0.2, 20);
  for (int r = 0; r < 120; ++r) s.K(r, 120) = 0.0;
  for (int c = 120; c < 120 + 140; ++c) s.K(120, c) = 0.0;
  s.K(120, 125) = 0.5;
  ExpectSameBitsAsPlainElimination(s);
}

TEST_P(SolveBandedFastVariant, DividesByZeroForAnEmptyRowAsThePlainEliminationDoes) {
  BandSystem s = RandomBand(400, 140, 0.2, 21);
  for (int c = 250; c < 250 + 140; ++c) s.K(250, c) = 0.0;
  for (int r = 250 - 139; r < 250; ++r) s.K(r, 250) = 0.0;
  ExpectSameBitsAsPlainElimination(s);
}

TEST_P(SolveBandedFastVariant, KeepsNegativeZerosThatThePlainEliminationKeeps) {
  BandSystem s = RandomBand(600, 140, 0.5, 22);
  for (int r = 301; r < s.n(); r += 3) {
    for (int c = r + 1; c < std::min(r + s.b(), s.n()); ++c) {
      if (s.K(r, c) == 0.0) s.K(r, c) = -0.0;
    }
  }
  s.F[10] = -0.0;
  ExpectSameBitsAsPlainElimination(s);
}

TEST(SolveBandedFast, PrintsTheSameProgressAsThePlainElimination) {
  const BandSystem s = RandomBand(300, 100, 0.1, 23);
  const std::string console = SolveWith(SolveBandedFast, s).console;
  EXPECT_EQ(console, SolveWith(SolveBanded, s).console);
  EXPECT_EQ(console.substr(0, 16), " 0%Completed.\b\b\b");
  EXPECT_EQ(console.substr(console.size() - 14), "100%Completed.");
}

}  // namespace
}  // namespace solvane
