// Patch tests through the whole chain of assembly, loads, constraints, solve
// and stress recovery, on a mesh of distorted elements.

#include <gtest/gtest.h>

#include <vector>

#include "method/assembly.h"
#include "method/band_size.h"
#include "method/loads_and_constraints.h"
#include "method/solve_banded.h"
#include "method/solve_system.h"
#include "method/stress_recovery.h"
#include "test_models.h"

namespace solvane {
namespace {

using testing::DistortedGrid;

constexpr int kCols = 4;
constexpr int kRows = 3;

int NodeAt(int row, int col) { return row * (kCols + 1) + col; }

// Left edge held in x, its bottom node also in y; a uniform traction `q` on the
// right edge, walked upwards (negative q pulls outwards).
AnalysisData PlateUnderTension(double q) {
  AnalysisData data = DistortedGrid(kCols, kRows, 8.0, 3.0);
  for (int r = 0; r <= kRows; ++r) data.constraints.push_back({1, r == 0 ? 1 : 0, NodeAt(r, 0)});
  for (int r = 0; r < kRows; ++r) {
    DistributedLoad load{};
    load.i = NodeAt(r, kCols);
    load.j = NodeAt(r + 1, kCols);
    load.xi = data.nodes[load.i].x, load.yi = data.nodes[load.i].y;
    load.xj = data.nodes[load.j].x, load.yj = data.nodes[load.j].y;
    load.qi = load.qj = q;
    load.thickness = data.Thick;
    data.edgeLoads.push_back(load);
  }
  data.NRN = static_cast<int>(data.constraints.size());
  data.NPRS = static_cast<int>(data.edgeLoads.size());
  return data;
}

bool Solve(AnalysisData& data) {
  data.halfBandwidth = ComputeHalfBandwidth(data);
  data.neq = kDofPerNode * data.NPOIN;
  ::testing::internal::CaptureStdout();
  AssembleStiffness(data);
  ApplyLoads(data);
  ApplyConstraints(data);
  const bool solvable = SolveSystem(data, SolveBanded);
  ::testing::internal::GetCapturedStdout();
  return solvable;
}

TEST(PatchTest, UniformTensionGivesUniformStressOnDistortedMesh) {
  AnalysisData data = PlateUnderTension(-100.0);
  ASSERT_TRUE(Solve(data));
  const std::vector<StressTriple> nodal = testing::NodalStressesOf(data);
  for (const StressTriple& s : nodal) {
    EXPECT_NEAR(s.SX, 100.0, 1e-8);
    EXPECT_NEAR(s.SY, 0.0, 1e-8);
    EXPECT_NEAR(s.TXY, 0.0, 1e-8);
  }
  // u = SX / E * x and v = -Mu * SX / E * y from the held corner.
  const NodeCoord& far = data.nodes[NodeAt(kRows, kCols)];
  const int farNode = NodeAt(kRows, kCols);
  EXPECT_NEAR(data.displacement[Dof(farNode, kDirectionX)], 100.0 / 210000.0 * far.x, 1e-12);
  EXPECT_NEAR(data.displacement[Dof(farNode, kDirectionY)], -0.3 * 100.0 / 210000.0 * far.y, 1e-12);
}

TEST(PatchTest, ForceOnAFixedDirectionHasNoEffect) {
  AnalysisData plain = PlateUnderTension(-100.0);
  AnalysisData pushed = PlateUnderTension(-100.0);
  pushed.forces = {{NodeAt(2, 0), 1e6, 0.0}};
  pushed.NFOR = 1;
  ASSERT_TRUE(Solve(plain));
  ASSERT_TRUE(Solve(pushed));
  EXPECT_EQ(plain.displacement, pushed.displacement);
}

TEST(PatchTest, DuplicateConstraintsActAsOne) {
  AnalysisData once = PlateUnderTension(-100.0);
  AnalysisData twice = PlateUnderTension(-100.0);
  twice.constraints.push_back(twice.constraints.front());
  twice.NRN += 1;
  ASSERT_TRUE(Solve(once));
  ASSERT_TRUE(Solve(twice));
  EXPECT_EQ(once.displacement, twice.displacement);
}

TEST(PatchTest, MissingSupportIsDetected) {
  AnalysisData data = PlateUnderTension(-100.0);
  data.constraints.front().uy = 0;  // nothing holds the plate in y any more
  EXPECT_FALSE(Solve(data));
}

}  // namespace
}  // namespace solvane
