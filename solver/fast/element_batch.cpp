#include "fast/element_batch.h"

#include <array>
#include <cmath>

namespace solvane {

namespace {

// One double per element; with AVX2 one register, on the baseline two. Each
// lane goes through the operations of ElementStiffness in their order, as
// separate products and sums (the build never contracts them), so each lane
// ends with the bits of its element's own matrix.
using Lanes = double __attribute__((vector_size(kElementBatchLanes * sizeof(double))));

struct CornerLanes {
  Lanes x;
  Lanes y;
};

struct GeometryLanes {
  Lanes J[2][2];
  Lanes detJ;
  Lanes invJ[2][2];
  Lanes dNdx[2][kNodesPerElement];
};

constexpr int kQuadraturePoints = kGaussPointCount * kGaussPointCount;

// Shape values at the 6 x 6 quadrature points, point (a, b) at entry 6a + b;
// they are the same for every element, so they are evaluated once.
const std::array<ShapeValues, kQuadraturePoints>& QuadratureShapes() {
  static const std::array<ShapeValues, kQuadraturePoints> shapes = [] {
    std::array<ShapeValues, kQuadraturePoints> values;
    for (int a = 0; a < kGaussPointCount; ++a) {
      for (int b = 0; b < kGaussPointCount; ++b) {
        values[a * kGaussPointCount + b] = ShapeFunctions(kGaussPoints[a], kGaussPoints[b]);
      }
    }
    return values;
  }();
  return shapes;
}

// fabs of every lane: only the sign bit is cleared, NaNs included.
[[gnu::always_inline]] inline Lanes Magnitude(Lanes x) {
  for (int l = 0; l < kElementBatchLanes; ++l) x[l] = std::fabs(x[l]);
  return x;
}

// ElementGeometry, lane by lane, into a zero-initialised g.
[[gnu::always_inline]] inline void MapPoint(const CornerLanes corners[kNodesPerElement], const ShapeValues& shape,
                                            GeometryLanes& g) {
  for (int row = 0; row < 2; ++row) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      g.J[row][0] += shape.dN[row][k] * corners[k].x;
      g.J[row][1] += shape.dN[row][k] * corners[k].y;
    }
  }
  g.detJ = g.J[0][0] * g.J[1][1] - g.J[1][0] * g.J[0][1];
  g.invJ[0][0] = g.J[1][1] / g.detJ;
  g.invJ[0][1] = -g.J[0][1] / g.detJ;
  g.invJ[1][0] = -g.J[1][0] / g.detJ;
  g.invJ[1][1] = g.J[0][0] / g.detJ;
  for (int row = 0; row < 2; ++row) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      for (int m = 0; m < 2; ++m) g.dNdx[row][k] += g.invJ[row][m] * shape.dN[m][k];
    }
  }
}

// ke += factor * B^T D B at one point, on and above the diagonal only, with
// B taken from the Cartesian derivatives (its zeros multiplied too, as the
// plain form multiplies them).
[[gnu::always_inline]] inline void AddPointStiffness(const DMatrix D, const GeometryLanes& g, Lanes factor,
                                                     Lanes ke[kDofPerElement][kDofPerElement]) {
  Lanes B[kStressComponents][kDofPerElement];
  for (int k = 0; k < kNodesPerElement; ++k) {
    B[0][2 * k] = g.dNdx[0][k];
    B[1][2 * k] = Lanes{};
    B[2][2 * k] = g.dNdx[1][k];
    B[0][2 * k + 1] = Lanes{};
    B[1][2 * k + 1] = g.dNdx[1][k];
    B[2][2 * k + 1] = g.dNdx[0][k];
  }
  Lanes DB[kStressComponents][kDofPerElement] = {};
  for (int i = 0; i < kStressComponents; ++i) {
    for (int j = 0; j < kDofPerElement; ++j) {
      for (int m = 0; m < kStressComponents; ++m) DB[i][j] += D[i][m] * B[m][j];
    }
  }
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = i; j < kDofPerElement; ++j) {
      Lanes BtDB{};
      for (int m = 0; m < kStressComponents; ++m) BtDB += B[m][i] * DB[m][j];
      ke[i][j] += factor * BtDB;
    }
  }
}

}  // namespace

[[gnu::target_clones("avx2", "default")]]
void UpperStiffnessBatch(const CornerCoords corners[kElementBatchLanes], const DMatrix D, double thick,
                         ElementMatrix* const ke[kElementBatchLanes]) {
  CornerLanes lanes[kNodesPerElement];
  for (int k = 0; k < kNodesPerElement; ++k) {
    for (int l = 0; l < kElementBatchLanes; ++l) {
      lanes[k].x[l] = corners[l][k].x;
      lanes[k].y[l] = corners[l][k].y;
    }
  }
  const std::array<ShapeValues, kQuadraturePoints>& shapes = QuadratureShapes();
  Lanes sum[kDofPerElement][kDofPerElement] = {};
  for (int a = 0; a < kGaussPointCount; ++a) {
    for (int b = 0; b < kGaussPointCount; ++b) {
      GeometryLanes geometry{};
      MapPoint(lanes, shapes[a * kGaussPointCount + b], geometry);
      const Lanes factor = Magnitude(geometry.detJ) * thick * kGaussWeights[a] * kGaussWeights[b];
      AddPointStiffness(D, geometry, factor, sum);
    }
  }
  for (int l = 0; l < kElementBatchLanes; ++l) {
    for (int i = 0; i < kDofPerElement; ++i) {
      for (int j = i; j < kDofPerElement; ++j) (*ke[l])[i][j] = sum[i][j][l];
    }
  }
}

}  // namespace solvane
