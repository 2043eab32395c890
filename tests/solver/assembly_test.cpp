#include "method/assembly.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "method/band_size.h"
#include "method/element.h"
#include "method/loads_and_constraints.h"
#include "console/progress.h"
#include "test_models.h"

namespace solvane {
namespace {

using testing::MeshModel;
using testing::UnitSquare;

// Sizes and assembles the band with the console output swallowed.
void Assemble(AnalysisData& data) {
  data.halfBandwidth = ComputeHalfBandwidth(data);
  data.neq = 2 * data.NPOIN;
  ::testing::internal::CaptureStdout();
  AssembleStiffness(data);
  ::testing::internal::GetCapturedStdout();
}

double BandEntry(const AnalysisData& data, int r, int c) {
  return data.band[static_cast<std::size_t>(r) * data.halfBandwidth + (c - r)];
}

AnalysisData TwoElements() {
  return MeshModel({{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}, {0, 1, 4, 3, 1, 2, 5, 4});
}

TEST(HalfBandwidth, FollowsTheWidestNodeSpreadOfAnElement) {
  EXPECT_EQ(ComputeHalfBandwidth(UnitSquare()), 8);
  EXPECT_EQ(ComputeHalfBandwidth(TwoElements()), 10);
  EXPECT_EQ(ComputeHalfBandwidth(MeshModel({{0, 0}}, {})), 2);
  AnalysisData far = TwoElements();
  far.connectivity[4] = 5;  // second element now spans nodes 2 to 5
  far.connectivity[6] = 1;
  EXPECT_EQ(ComputeHalfBandwidth(far), 10);
  far.connectivity[0] = 5;  // corners 5,1,4,3 span 1 to 5
  EXPECT_EQ(ComputeHalfBandwidth(far), 10);
  far.connectivity[1] = 0;  // corners 5,0,4,3 span 0 to 5
  EXPECT_EQ(ComputeHalfBandwidth(far), 12);
}

TEST(MemoryGuard, AllowsExactlyOneGigabyteAndRefusesMore) {
  // 2^27 band entries of 8 bytes are exactly 1024 MB.
  EXPECT_EQ(BandMegabytes(8, 1 << 24), 1024.0);
  EXPECT_GT(BandMegabytes(8, (1 << 24) + 2), 1024.0);
  EXPECT_EQ(BandMegabytes(8, 8), 8.0 * 8 / (1 << 17));
}

TEST(Assembly, BandHoldsTheUpperTriangleOfTheGlobalMatrix) {
  AnalysisData data = TwoElements();
  Assemble(data);
  ASSERT_EQ(data.band.size(), 12u * 10u);
  ElementMatrix left;
  ElementMatrix right;
  ElementStiffness(data, 0, left);
  ElementStiffness(data, 1, right);
  // Node 1 is corner 1 of the left element and corner 0 of the right one.
  EXPECT_EQ(BandEntry(data, 2, 2), left[2][2] + right[0][0]);
  EXPECT_EQ(BandEntry(data, 2, 3), left[2][3] + right[0][1]);
  // Entry (node 0 x, node 4 y) lies 9 columns right of the diagonal: left corners 0 and 2.
  EXPECT_EQ(BandEntry(data, 0, 9), left[0][5]);
  // Upper-triangle entry [5][6] of the left element (node 4 y against node 3 x)
  // has the larger global row and lands on its mirror.
  EXPECT_EQ(BandEntry(data, 6, 9), left[5][6]);
  // Positions beyond the last equation stay zero.
  EXPECT_EQ(BandEntry(data, 11, 11 + 9), 0.0);
}

TEST(Assembly, ProgressIsShownPerElement) {
  AnalysisData data = TwoElements();
  data.halfBandwidth = ComputeHalfBandwidth(data);
  ::testing::internal::CaptureStdout();
  AssembleStiffness(data);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "Assembling the global stiffness matrix..."
            "50%Completed.\b\b\b\b\b\b\b\b\b\b\b\b\b100%Completed.\n");
  AnalysisData empty = MeshModel({{0, 0}}, {});
  empty.halfBandwidth = 2;
  ::testing::internal::CaptureStdout();
  AssembleStiffness(empty);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Assembling the global stiffness matrix...");
}

// A distorted cols x rows grid whose nodes are all moved again by different
// small amounts, so that no two elements have the same matrix.
AnalysisData IrregularGrid(int cols, int rows) {
  AnalysisData data = testing::DistortedGrid(cols, rows, 0.1 * cols, 0.1 * rows);
  data.Thick = 0.7;
  for (int n = 0; n < data.NPOIN; ++n) {
    data.nodes[n].x += 0.0003 * ((n * 7919) % 13 - 6);
    data.nodes[n].y += 0.0002 * ((n * 104729) % 11 - 5);
  }
  return data;
}

// The band summed the plain way: one element after the other, each entry of
// its upper triangle added to the band entry of the smaller and larger DOF.
std::vector<double> ElementByElementBand(const AnalysisData& data) {
  std::vector<double> band(static_cast<std::size_t>(data.neq) * data.halfBandwidth, 0.0);
  for (int e = 0; e < data.NELEM; ++e) {
    ElementMatrix ke;
    ElementStiffness(data, e, ke);
    for (int i = 0; i < kDofPerElement; ++i) {
      for (int j = i; j < kDofPerElement; ++j) {
        const int di = 2 * data.NodeOfCorner(e, i / 2) + i % 2;
        const int dj = 2 * data.NodeOfCorner(e, j / 2) + j % 2;
        const std::size_t row = std::min(di, dj);
        band[row * data.halfBandwidth + (std::max(di, dj) - row)] += ke[i][j];
      }
    }
  }
  return band;
}

// The index of the first entry whose bits differ, or -1.
long long FirstDifferentBits(const std::vector<double>& a, const std::vector<double>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::bit_cast<std::uint64_t>(a[i]) != std::bit_cast<std::uint64_t>(b[i])) return static_cast<long long>(i);
  }
  return -1;
}

// 97 x 53 = 5141 elements: enough for both threads, several blocks and a last
// block cut short at a count that no block or piece size divides.
TEST(Assembly, ManyElementsGiveTheBitsOfTheElementByElementSum) {
  AnalysisData data = IrregularGrid(97, 53);
  data.halfBandwidth = ComputeHalfBandwidth(data);
  ::testing::internal::CaptureStdout();
  AssembleStiffness(data);
  const std::string console = ::testing::internal::GetCapturedStdout();
  const std::vector<double> reference = ElementByElementBand(data);
  ASSERT_EQ(data.band.size(), reference.size());
  EXPECT_EQ(FirstDifferentBits(data.band, reference), -1);
  std::string progress = "Assembling the global stiffness matrix...";
  for (int e = 0; e < data.NELEM; ++e) progress += ProgressText(e, data.NELEM, "\n");
  EXPECT_EQ(console, progress);
}

TEST(Assembly, ReassemblyStartsFromZeros) {
  AnalysisData data = IrregularGrid(60, 70);
  data.halfBandwidth = ComputeHalfBandwidth(data);
  ::testing::internal::CaptureStdout();
  AssembleStiffness(data);
  AssembleStiffness(data);
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(FirstDifferentBits(data.band, ElementByElementBand(data)), -1);
}

TEST(EdgeLoad, UniformPressurePutsHalfTheResultantOnEachEndAlongTheLeftNormal) {
  DistributedLoad q{};
  q.xi = 1.0, q.yi = 0.0, q.xj = 1.0, q.yj = 2.0;  // edge of length 2 walking up
  q.i = 4, q.j = 7;
  q.qi = q.qj = 10.0;
  q.thickness = 0.5;
  const EdgeForces f = EdgeLoadForces(q);
  EXPECT_EQ(f.i, 4);
  EXPECT_EQ(f.j, 7);
  // q t L / 2 = 5 on each end, towards -x (left of the upward direction).
  EXPECT_DOUBLE_EQ(f.fxi, -5.0);
  EXPECT_DOUBLE_EQ(f.fxj, -5.0);
  EXPECT_DOUBLE_EQ(f.fyi, 0.0);
  EXPECT_DOUBLE_EQ(f.fyj, 0.0);
}

TEST(EdgeLoad, LinearLoadsGiveConsistentForces) {
  DistributedLoad q{};
  q.xi = 0.0, q.yi = 0.0, q.xj = 3.0, q.yj = 0.0;  // walking along +x: left normal is +y
  q.qi = 0.0, q.qj = 6.0;                          // triangle: resultant 9, 1/3 at i, 2/3 at j
  q.ti = 2.0, q.tj = 2.0;                          // uniform pull along +x: 3 on each end
  q.thickness = 1.0;
  const EdgeForces f = EdgeLoadForces(q);
  EXPECT_DOUBLE_EQ(f.fyi, 3.0);
  EXPECT_DOUBLE_EQ(f.fyj, 6.0);
  EXPECT_DOUBLE_EQ(f.fxi, 3.0);
  EXPECT_DOUBLE_EQ(f.fxj, 3.0);
}

TEST(LoadsAndConstraints, ConstraintsReplaceDiagonalAndDiscardLoads) {
  AnalysisData data = UnitSquare();
  Assemble(data);
  data.forces = {{2, 5.0, -1.0}, {2, 1.0, 0.0}, {3, 7.0, 8.0}};
  data.constraints = {{1, 0, 3}, {1, 0, 3}, {0, 0, 2}, {2, 1, 0}};
  ApplyLoads(data);
  const std::vector<double> assembled = data.band;
  ApplyConstraints(data);
  EXPECT_EQ(data.load, (std::vector<double>{0, 0, 0, 0, 6, -1, 0, 8}));
  EXPECT_EQ(BandEntry(data, 6, 6), 1e20);
  EXPECT_EQ(BandEntry(data, 1, 1), 1e20);
  EXPECT_EQ(BandEntry(data, 0, 0), assembled[0]);  // flag 2 leaves ux free
  EXPECT_EQ(BandEntry(data, 6, 7), assembled[6 * 8 + 1]);
  EXPECT_EQ(data.displacement.size(), 8u);
}

}  // namespace
}  // namespace solvane
