#include "method/element.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_models.h"

namespace solvane {
namespace {

using testing::ElementStiffnessOf;
using testing::MeshModel;
using testing::UnitSquare;

struct Stiffness {
  ElementMatrix k;
};

Stiffness StiffnessOf(const AnalysisData& data, int e = 0) {
  Stiffness s;
  ElementStiffnessOf(data, e, s.k);
  return s;
}

TEST(ElementStiffness, UnitSquareMatchesReferenceDigits) {
  const Stiffness s = StiffnessOf(UnitSquare());
  EXPECT_NEAR(s.k[0][0], 0.4945055005, 5e-11);
  EXPECT_NEAR(s.k[0][1], 0.1785714286, 5e-11);
  // The rounded quadrature constants are part of the result: the exact
  // integral 0.4945054945 must not come out.
  EXPECT_GT(std::fabs(s.k[0][0] - 0.4945054945), 1e-9);
}

TEST(ElementStiffness, IsSymmetric) {
  const AnalysisData data = MeshModel({{0, 0}, {3, 0.5}, {2.5, 2}, {-0.2, 1.5}}, {0, 1, 2, 3});
  const Stiffness s = StiffnessOf(data);
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = 0; j < kDofPerElement; ++j) EXPECT_NEAR(s.k[i][j], s.k[j][i], 1e-14);
  }
}

TEST(ElementStiffness, RigidTranslationGivesNoForce) {
  const AnalysisData data = MeshModel({{0, 0}, {3, 0.5}, {2.5, 2}, {-0.2, 1.5}}, {0, 1, 2, 3});
  const Stiffness s = StiffnessOf(data);
  for (int i = 0; i < kDofPerElement; ++i) {
    double xSum = 0.0;
    double ySum = 0.0;
    for (int k = 0; k < kNodesPerElement; ++k) {
      xSum += s.k[i][2 * k];
      ySum += s.k[i][2 * k + 1];
    }
    EXPECT_NEAR(xSum, 0.0, 1e-13);
    EXPECT_NEAR(ySum, 0.0, 1e-13);
  }
}

TEST(ElementStiffness, ClockwiseElementHasSameStiffness) {
  const std::vector<NodeCoord> nodes = {{0, 0}, {3, 0.5}, {2.5, 2}, {-0.2, 1.5}};
  const Stiffness ccw = StiffnessOf(MeshModel(nodes, {0, 1, 2, 3}));
  const Stiffness cw = StiffnessOf(MeshModel(nodes, {0, 3, 2, 1}));
  // Corner k of the clockwise element is node cwNode[k], corner ccwCorner[k] of the other.
  const int ccwCorner[4] = {0, 3, 2, 1};
  for (int a = 0; a < 4; ++a) {
    for (int b = 0; b < 4; ++b) {
      for (int c = 0; c < 2; ++c) {
        for (int d = 0; d < 2; ++d) {
          EXPECT_NEAR(cw.k[2 * a + c][2 * b + d], ccw.k[2 * ccwCorner[a] + c][2 * ccwCorner[b] + d],
                      1e-13);
        }
      }
    }
  }
}

TEST(ElementStiffness, ScalesWithThicknessNotWithSize) {
  const std::vector<NodeCoord> nodes = {{0, 0}, {3, 0.5}, {2.5, 2}, {-0.2, 1.5}};
  std::vector<NodeCoord> bigger;
  for (const NodeCoord& n : nodes) bigger.push_back({7.5 * n.x, 7.5 * n.y});
  const Stiffness base = StiffnessOf(MeshModel(nodes, {0, 1, 2, 3}, 1.0, 0.3, 1.0));
  const Stiffness thick = StiffnessOf(MeshModel(nodes, {0, 1, 2, 3}, 1.0, 0.3, 2.0));
  const Stiffness large = StiffnessOf(MeshModel(bigger, {0, 1, 2, 3}, 1.0, 0.3, 1.0));
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = 0; j < kDofPerElement; ++j) {
      EXPECT_DOUBLE_EQ(thick.k[i][j], 2.0 * base.k[i][j]);
      EXPECT_NEAR(large.k[i][j], base.k[i][j], 1e-13);
    }
  }
}

TEST(ElementGeometry, ClockwiseElementHasNegativeDeterminant) {
  const CornerCoords counterClockwise = {{0, 0}, {2, 0}, {2, 1}, {0, 1}};
  const CornerCoords clockwise = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};
  const ShapeValues centre = ShapeFunctions(0.0, 0.0);
  EXPECT_DOUBLE_EQ(ElementGeometry(counterClockwise, centre).detJ, 0.5);
  EXPECT_DOUBLE_EQ(ElementGeometry(clockwise, centre).detJ, -0.5);
}

TEST(ShapeFunctions, AreOneAtTheirOwnCornerAndSumToOne) {
  for (int corner = 0; corner < 4; ++corner) {
    const ShapeValues s = ShapeFunctions(kCornerXi[corner], kCornerEta[corner]);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(s.N[k], k == corner ? 1.0 : 0.0);
  }
  const ShapeValues inside = ShapeFunctions(0.3, -0.7);
  EXPECT_DOUBLE_EQ(inside.N[0] + inside.N[1] + inside.N[2] + inside.N[3], 1.0);
}

}  // namespace
}  // namespace solvane
