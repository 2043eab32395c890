// The assembly forms the element stiffness from gathered corners and a D
// formed once, and only its upper triangle; those entries must be the very
// numbers the element's own lookup gives, bit for bit.

#include <gtest/gtest.h>

#include "method/element.h"
#include "test_models.h"

namespace solvane {
namespace {

using testing::MeshModel;

AnalysisData DistortedElement() {
  return MeshModel({{0.13, -0.07}, {3.1, 0.52}, {2.47, 2.03}, {-0.21, 1.46}}, {0, 1, 2, 3}, 70000.0,
                   0.33, 3.5);
}

TEST(ElementStiffnessForms, UpperTriangleIsTheWholeMatrixAboveTheDiagonalBitForBit) {
  const AnalysisData data = DistortedElement();
  ElementMatrix whole;
  ElementStiffness(data, 0, whole);
  CornerCoords corners;
  GatherCorners(data, 0, corners);
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  ElementMatrix upper;
  ElementStiffness(corners, D, data.Thick, StiffnessPart::kUpperTriangle, upper);
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = 0; j < kDofPerElement; ++j) {
      EXPECT_EQ(upper[i][j], j >= i ? whole[i][j] : 0.0) << i << "," << j;
    }
  }
}

}  // namespace
}  // namespace solvane
