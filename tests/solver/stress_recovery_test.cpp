#include "method/stress_recovery.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "test_models.h"

namespace solvane {
namespace {

using testing::DistortedGrid;
using testing::MeshModel;
using testing::NodalStressesOf;

// Sets every displacement from the field (u, v) = f(x, y).
template <typename Field>
void Impose(AnalysisData& data, Field field) {
  data.displacement.resize(data.neq);
  for (int n = 0; n < data.NPOIN; ++n) {
    const auto [u, v] = field(data.nodes[n].x, data.nodes[n].y);
    data.displacement[Dof(n, kDirectionX)] = u;
    data.displacement[Dof(n, kDirectionY)] = v;
  }
}

TEST(StressRecovery, UniformStretchGivesUniformStressEverywhere) {
  AnalysisData data = DistortedGrid(3, 2, 6.0, 2.0);
  const double a = 1e-3;
  Impose(data, [a](double x, double) { return std::pair{a * x, 0.0}; });
  const double sx = 210000.0 / (1.0 - 0.09) * a;
  StressTriple corners[4];
  for (int e = 0; e < data.NELEM; ++e) {
    ElementCornerStresses(data, e, corners);
    for (const StressTriple& s : corners) {
      EXPECT_NEAR(s.SX, sx, 1e-9);
      EXPECT_NEAR(s.SY, 0.3 * sx, 1e-9);
      EXPECT_NEAR(s.TXY, 0.0, 1e-9);
    }
  }
  const std::vector<StressTriple> nodal = NodalStressesOf(data);
  for (const StressTriple& s : nodal) {
    EXPECT_NEAR(s.SX, sx, 1e-9);
    EXPECT_NEAR(s.SY, 0.3 * sx, 1e-9);
  }
}

TEST(StressRecovery, RigidMotionGivesNoStress) {
  AnalysisData data = DistortedGrid(3, 2, 6.0, 2.0);
  const double angle = 1e-4;  // small rotation plus translation
  Impose(data, [angle](double x, double y) { return std::pair{0.5 - angle * y, -0.25 + angle * x}; });
  const std::vector<StressTriple> nodal = NodalStressesOf(data);
  for (const StressTriple& s : nodal) {
    EXPECT_NEAR(s.SX, 0.0, 1e-9);
    EXPECT_NEAR(s.SY, 0.0, 1e-9);
    EXPECT_NEAR(s.TXY, 0.0, 1e-9);
  }
}

TEST(StressRecovery, SharedNodeGetsMeanOfCornerValuesAndLoneNodeZero) {
  // Two elements side by side; node 6 belongs to no element.
  AnalysisData data = MeshModel({{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {5, 5}},
                                {0, 1, 4, 3, 1, 2, 5, 4}, 1000.0, 0.25, 1.0);
  Impose(data, [](double x, double y) { return std::pair{0.01 * x * x, 0.02 * x * y}; });
  StressTriple left[4];
  StressTriple right[4];
  ElementCornerStresses(data, 0, left);
  ElementCornerStresses(data, 1, right);
  const std::vector<StressTriple> nodal = NodalStressesOf(data);
  EXPECT_DOUBLE_EQ(nodal[1].SX, (left[1].SX + right[0].SX) / 2);
  EXPECT_DOUBLE_EQ(nodal[4].TXY, (left[2].TXY + right[3].TXY) / 2);
  EXPECT_EQ(nodal[0].SY, left[0].SY);
  EXPECT_EQ(nodal[2].SX, right[1].SX);
  EXPECT_EQ(nodal[6].SX, 0.0);
  EXPECT_EQ(nodal[6].SY, 0.0);
  EXPECT_EQ(nodal[6].TXY, 0.0);
}

TEST(EquivalentStress, IsVonMisesOfPlaneStress) {
  EXPECT_DOUBLE_EQ(EquivalentStress(100, 0, 0), 100);
  EXPECT_DOUBLE_EQ(EquivalentStress(0, 0, 10), 10 * std::sqrt(3.0));
  EXPECT_DOUBLE_EQ(EquivalentStress(50, 50, 0), 50);
  EXPECT_EQ(EquivalentStress(0, 0, 0), 0.0);
}

TEST(StressRecovery, CornerStressesOfAllElementsAreThoseOfEachElementInOrder) {
  AnalysisData data = DistortedGrid(3, 2, 6.0, 2.0);
  Impose(data, [](double x, double y) { return std::pair{1e-3 * x * y - 2e-4 * y * y, 3e-4 * x * x}; });
  const std::vector<StressTriple> all = AllCornerStresses(data);
  ASSERT_EQ(all.size(), 4u * data.NELEM);
  StressTriple corners[4];
  for (int e = 0; e < data.NELEM; ++e) {
    ElementCornerStresses(data, e, corners);
    EXPECT_EQ(std::memcmp(&all[4 * e], corners, sizeof corners), 0) << e;
  }
}

}  // namespace
}  // namespace solvane
