#include "method/solve_banded.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "console/progress.h"
#include "method/collapsed_pivots.h"
#include "method/solve_system.h"
#include "plate_band_system.h"

namespace solvane {
namespace {

using testing::BandSystem;
using testing::CopyOf;

BandSystem Tridiagonal(int n) {
  BandSystem s{Band(n, 2), std::vector<double>(n)};
  for (int r = 0; r < n; ++r) {
    s.K(r, r) = 4.0;
    if (r + 1 < n) s.K(r, r + 1) = -1.0;
    s.F[r] = r + 1.0;
  }
  return s;
}

std::vector<double> Solve(BandSystem& s) {
  std::vector<double> U(s.n(), std::numeric_limits<double>::quiet_NaN());
  ::testing::internal::CaptureStdout();
  SolveBanded(s.K, U.data(), s.F.data());
  ::testing::internal::GetCapturedStdout();
  return U;
}

TEST(SolveBanded, SolvesATridiagonalSystem) {
  BandSystem s = Tridiagonal(6);
  const BandSystem original = CopyOf(s);
  const std::vector<double> U = Solve(s);
  for (int r = 0; r < s.n(); ++r) {
    double residual = original.F[r] - 4.0 * U[r];
    if (r > 0) residual += U[r - 1];
    if (r + 1 < s.n()) residual += U[r + 1];
    EXPECT_NEAR(residual, 0.0, 1e-14) << r;
  }
}

TEST(SolveBanded, DiagonalSystemDividesLoadByDiagonal) {
  BandSystem s{Band(4, 3), {1.0, -2.0, 3.0, 0.0}};
  const double diagonal[] = {2.0, 8.0, 1e20, 0.5};
  for (int r = 0; r < 4; ++r) s.K(r, r) = diagonal[r];
  const std::vector<double> U = Solve(s);
  EXPECT_EQ(U, (std::vector<double>{0.5, -0.25, 3e-20, 0.0}));
}

TEST(SolveBanded, SkipsZeroEntriesWithoutChangingTheAnswer) {
  // Band of width 4 with a zero gap in the first row: (0,1) = 0, (0,2) = 1.
  BandSystem s{Band(3, 4), {1.0, 2.0, 3.0}};
  s.K(0, 0) = 4.0, s.K(0, 2) = 1.0, s.K(1, 1) = 5.0, s.K(1, 2) = 2.0, s.K(2, 2) = 6.0;
  const std::vector<double> U = Solve(s);
  EXPECT_NEAR(4 * U[0] + U[2], 1.0, 1e-15);
  EXPECT_NEAR(5 * U[1] + 2 * U[2], 2.0, 1e-15);
  EXPECT_NEAR(U[0] + 2 * U[1] + 6 * U[2], 3.0, 1e-15);
}

TEST(SolveBanded, TinySystemsNeedNoElimination) {
  BandSystem one{Band(1, 2), {2.0}};
  one.K(0, 0) = 4.0;
  EXPECT_EQ(Solve(one), (std::vector<double>{0.5}));
  BandSystem none{Band(0, 2), {}};
  EXPECT_TRUE(Solve(none).empty());
}

TEST(SolveBanded, PrintsProgressPerPivotRow) {
  BandSystem two = Tridiagonal(2);
  std::vector<double> U(2);
  ::testing::internal::CaptureStdout();
  SolveBanded(two.K, U.data(), two.F.data());
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "100%Completed.\b\b\b\b\b\b\b\b\b\b\b\b\b");
  BandSystem four = Tridiagonal(4);
  U.resize(4);
  ::testing::internal::CaptureStdout();
  SolveBanded(four.K, U.data(), four.F.data());
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "33%Completed.\b\b\b\b\b\b\b\b\b\b\b\b\b66\b\b100%Completed.");
}

TEST(Progress, FirstFormWinsThenNumbersOverwriteInPlace) {
  const std::string backs(13, '\b');
  EXPECT_EQ(ProgressText(0, 1, "\n"), "100%Completed." + backs);
  EXPECT_EQ(ProgressText(0, 2, "\n"), "50%Completed." + backs);
  EXPECT_EQ(ProgressText(1, 2, "\n"), "100%Completed.\n");
  EXPECT_EQ(ProgressText(0, 200, "\n"), " 0%Completed." + backs);
  EXPECT_EQ(ProgressText(1, 200, "\n"), " 1\b\b");
  EXPECT_EQ(ProgressText(198, 200, "\n"), "99\b\b");
  EXPECT_EQ(ProgressText(199, 200, "\n"), "100%Completed.\n");
  // No overflow for element counts whose step times 100 exceeds 32 bits.
  EXPECT_EQ(ProgressText(29'999'998, 30'000'000, ""), "99\b\b");
}

TEST(SolutionTime, SwitchesToSecondsOnlyAboveOneSecond) {
  EXPECT_EQ(SolutionTimeText(0.00001234), "(Solution time:0.01 ms)\n");
  EXPECT_EQ(SolutionTimeText(0.5), "(Solution time:500.00 ms)\n");
  EXPECT_EQ(SolutionTimeText(1.0), "(Solution time:1000.00 ms)\n");
  EXPECT_EQ(SolutionTimeText(1.005001), "(Solution time:1.01 s)\n");
  EXPECT_EQ(SolutionTimeText(12.3456), "(Solution time:12.35 s)\n");
}

TEST(CollapsedPivots, FindsTheDirectionsAMechanismLeavesFree) {
  // A free bar of two springs: the last pivot collapses to round-off.
  AnalysisData data;
  data.neq = 3;
  data.halfBandwidth = 2;
  data.band = Band(3, 2);
  data.band(0, 0) = 1.0, data.band(0, 1) = -1.0, data.band(1, 1) = 2.0, data.band(1, 2) = -1.0;
  data.band(2, 2) = 1.0;
  data.load = {0.0, 0.0, 0.0};
  data.displacement.resize(3);
  const std::vector<double> assembled = BandDiagonal(data);
  ::testing::internal::CaptureStdout();
  SolveBanded(data.band, data.displacement.data(), data.load.data());
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(CollapsedPivots(assembled, data), (std::vector<int>{2}));

  data.band = Band(3, 2);  // an empty row after a NaN pivot
  data.band(0, 0) = 1.0;
  data.band(1, 1) = std::nan("");
  EXPECT_EQ(CollapsedPivots({1.0, 1.0, 0.0}, data), (std::vector<int>{1, 2}));
}

TEST(CollapsedPivots, WarningNamesNodeAndDirectionOfTheFirstFive) {
  EXPECT_EQ(CollapsedPivotWarning({3}),
            "警告: 总刚阵奇异(约束不足或结构为机构), 以下自由度的位移无效:\n    节点1 UY\n");
  const std::string many = CollapsedPivotWarning({0, 1, 2, 3, 4, 5, 6});
  EXPECT_NE(many.find("    节点0 UX\n    节点0 UY\n    节点1 UX\n    节点1 UY\n    节点2 UX\n"),
            std::string::npos);
  EXPECT_EQ(many.find("节点3"), std::string::npos);
  EXPECT_NE(many.find("    另有2个自由度同样无效.\n"), std::string::npos);
}

}  // namespace
}  // namespace solvane
