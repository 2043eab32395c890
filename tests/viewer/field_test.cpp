// The field inside the elements, its extremes, and the deformed shape.

#include <gtest/gtest.h>

#include "deformation.h"
#include "field_probe.h"
#include "nodal_field.h"

namespace ambrel {
namespace {

// One skewed element with values that no plane passes through.
const std::vector<ModelPosition> kCorners{{0, 0}, {2, 0}, {2.5, 1.5}, {0, 1}};
const std::vector<ElementNodes> kElement{{0, 1, 2, 3}};
const std::vector<double> kValues{1, 2, 3, 10};

double ValueAt(ModelPosition p) {
  return ProbeField(kCorners, kCorners, kElement, kValues, p).value().value;
}

TEST(Interpolation, IsExactAtTheNodes) {
  for (int k = 0; k < 4; ++k) EXPECT_DOUBLE_EQ(ValueAt(kCorners[k]), kValues[k]);
}

TEST(Interpolation, GivesTheMeanOfTheCornersAtTheCentre) {
  EXPECT_DOUBLE_EQ(ValueAt({4.5 / 4, 2.5 / 4}), 4.0);
}

TEST(Interpolation, ReproducesALinearFieldEverywhere) {
  std::vector<double> linear;
  for (const ModelPosition& p : kCorners) linear.push_back(3 * p.x - 2 * p.y + 1);
  for (const ModelPosition p : {ModelPosition{0.3, 0.2}, {1.9, 0.4}, {1.2, 1.1}}) {
    const auto probe = ProbeField(kCorners, kCorners, kElement, linear, p);
    ASSERT_TRUE(probe);
    EXPECT_NEAR(probe->value, 3 * p.x - 2 * p.y + 1, 1e-12);
  }
}

TEST(Interpolation, NamesTheElementAndThePointOnTheUndeformedModel) {
  const std::vector<ModelPosition> nodes{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
  const std::vector<ElementNodes> elements{{0, 1, 4, 3}, {1, 2, 5, 4}};
  std::vector<ModelPosition> drawn;
  for (const ModelPosition& p : nodes) drawn.push_back({p.x + 10, p.y});
  const auto probe = ProbeField(drawn, nodes, elements, {0, 1, 2, 0, 1, 2}, {11.5, 0.5});
  ASSERT_TRUE(probe);
  EXPECT_EQ(probe->element, 1);
  EXPECT_DOUBLE_EQ(probe->value, 1.5);
  EXPECT_DOUBLE_EQ(probe->position.x, 1.5);
  EXPECT_DOUBLE_EQ(probe->position.y, 0.5);
  EXPECT_FALSE(ProbeField(drawn, nodes, elements, {0, 1, 2, 0, 1, 2}, {1.5, 0.5}));
}

TEST(Extremes, FindTheNodesWithTheLowestNumberOnATie) {
  std::vector<NodalStress> stresses;
  for (const double se : {3.0, -1.0, 5.0, -1.0, 5.0}) stresses.push_back({0, 0, 0, se});
  const FieldExtremes extremes = FieldOf(stresses, StressComponent::SE).extremes;
  EXPECT_EQ(extremes.minNode, 1);
  EXPECT_EQ(extremes.min, -1.0);
  EXPECT_EQ(extremes.maxNode, 2);
  EXPECT_EQ(extremes.max, 5.0);
}

TEST(Deformation, ScaleDrawsTheLargestComponentAsATenthOfTheLargerSide) {
  const std::vector<ModelPosition> nodes{{0, 0}, {10, 5}};
  const std::vector<Displacement> displacements{{0, -0.001}, {0.002, 0}};
  const double scale = DeformationScale(nodes, displacements);
  EXPECT_DOUBLE_EQ(scale, 500.0);
  const auto deformed = DeformedPositions(nodes, displacements, scale);
  EXPECT_DOUBLE_EQ(deformed[0].y, -0.5);
  EXPECT_DOUBLE_EQ(deformed[1].x, 11.0);
}

TEST(Deformation, AllZeroDisplacementsLeaveTheMeshUndeformed) {
  const std::vector<ModelPosition> nodes{{0, 0}, {10, 5}};
  EXPECT_EQ(DeformationScale(nodes, {{0, 0}, {0, -0.0}}), 0.0);
  EXPECT_EQ(DeformationScale(nodes, {}), 0.0);
}

}  // namespace
}  // namespace ambrel
