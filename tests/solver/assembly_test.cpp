#include "method/assembly.h"

#include <gtest/gtest.h>

#include <cmath>

#include "method/band_size.h"
#include "method/loads_and_constraints.h"
#include "test_models.h"

namespace solvane {
namespace {

using testing::BandEntries;
using testing::ElementStiffnessOf;
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
  ASSERT_EQ(data.band.rows(), 12);
  ASSERT_EQ(data.band.halfBandwidth(), 10);
  ElementMatrix left;
  ElementMatrix right;
  ElementStiffnessOf(data, 0, left);
  ElementStiffnessOf(data, 1, right);
  // Node 1 is corner 1 of the left element and corner 0 of the right one.
  EXPECT_EQ(data.band(2, 2), left[2][2] + right[0][0]);
  EXPECT_EQ(data.band(2, 3), left[2][3] + right[0][1]);
  // Entry (node 0 x, node 4 y) lies 9 columns right of the diagonal: left corners 0 and 2.
  EXPECT_EQ(data.band(0, 9), left[0][5]);
  // Upper-triangle entry [5][6] of the left element (node 4 y against node 3 x)
  // has the larger global row and lands on its mirror.
  EXPECT_EQ(data.band(6, 9), left[5][6]);
  // Positions beyond the last equation stay zero.
  EXPECT_EQ(data.band(11, 11 + 9), 0.0);
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
  const std::vector<double> assembled = BandEntries(data.band);
  ApplyConstraints(data);
  EXPECT_EQ(data.load, (std::vector<double>{0, 0, 0, 0, 6, -1, 0, 8}));
  EXPECT_EQ(data.band(6, 6), 1e20);
  EXPECT_EQ(data.band(1, 1), 1e20);
  EXPECT_EQ(data.band(0, 0), assembled[0]);  // flag 2 leaves ux free
  EXPECT_EQ(data.band(6, 7), assembled[6 * 8 + 1]);
  EXPECT_EQ(data.displacement.size(), 8u);
}

}  // namespace
}  // namespace solvane
