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

// ke += factor * B^T D B at one point, on and above the diagonal only, with
// B taken from the Cartesian derivatives of every lane (its zeros multiplied
// too, as the plain form multiplies them).
[[gnu::always_inline]] inline void AddPointStiffness(const DMatrix D, const Lanes dNdx[2][kNodesPerElement],
                                                     Lanes factor, Lanes ke[kDofPerElement][kDofPerElement]) {
  Lanes B[kStressComponents][kDofPerElement];
  for (int k = 0; k < kNodesPerElement; ++k) {
    B[0][Dof(k, kDirectionX)] = dNdx[0][k];
    B[1][Dof(k, kDirectionX)] = Lanes{};
    B[2][Dof(k, kDirectionX)] = dNdx[1][k];
    B[0][Dof(k, kDirectionY)] = Lanes{};
    B[1][Dof(k, kDirectionY)] = dNdx[1][k];
    B[2][Dof(k, kDirectionY)] = dNdx[0][k];
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
  const std::array<ShapeValues, kQuadraturePoints>& shapes = QuadratureShapes();
  Lanes sum[kDofPerElement][kDofPerElement] = {};
  for (int a = 0; a < kGaussPointCount; ++a) {
    for (int b = 0; b < kGaussPointCount; ++b) {
      // The mapping is the plain one, element by element; only the products
      // that follow it go through the lanes.
      Lanes dNdx[2][kNodesPerElement];
      Lanes factor;
      for (int l = 0; l < kElementBatchLanes; ++l) {
        const PointGeometry geometry = ElementGeometry(corners[l], shapes[a * kGaussPointCount + b]);
        for (int row = 0; row < 2; ++row) {
          for (int k = 0; k < kNodesPerElement; ++k) dNdx[row][k][l] = geometry.dNdx[row][k];
        }
        factor[l] = std::fabs(geometry.detJ) * thick * kGaussWeights[a] * kGaussWeights[b];
      }
      AddPointStiffness(D, dNdx, factor, sum);
    }
  }
  for (int l = 0; l < kElementBatchLanes; ++l) {
    for (int i = 0; i < kDofPerElement; ++i) {
      for (int j = i; j < kDofPerElement; ++j) (*ke[l])[i][j] = sum[i][j][l];
    }
  }
}

}  // namespace solvane
