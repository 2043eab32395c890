#pragma once
// The steps of the element stiffness quadrature, written once over the number
// type: `Real` is double for one element, or a vector of doubles for several
// elements at once, one per lane. Every lane then goes through the very
// operations of the scalar form in the same order, so each lane's matrix has
// the bits of that element's own. Corners are anything with members x and y of
// type Real; geometries anything with the members of PointGeometry.

#include <array>
#include <cmath>
#include <type_traits>

#include "method/element.h"

namespace solvane {

inline constexpr int kQuadraturePoints = kGaussPointCount * kGaussPointCount;

// Shape values at the 6 x 6 quadrature points, point (a, b) at entry 6a + b;
// they are the same for every element, so they are evaluated once.
const std::array<ShapeValues, kQuadraturePoints>& QuadratureShapes();

// One entry of a matrix product: the sum of a(m) * b(m) from 0 over
// m = 0 .. kTerms - 1 in increasing order, the order every product of the
// element work keeps.
template <int kTerms, typename Left, typename Right>
[[gnu::always_inline]] inline auto ProductEntry(Left a, Right b) {
  decltype(a(0) * b(0)) sum{};
  for (int m = 0; m < kTerms; ++m) sum += a(m) * b(m);
  return sum;
}

// fabs of every lane: only the sign bit is cleared, NaNs included.
template <typename Real>
[[gnu::always_inline]] inline Real Magnitude(Real x) {
  if constexpr (std::is_same_v<Real, double>) {
    return std::fabs(x);
  } else {
    for (int l = 0; l < static_cast<int>(sizeof(Real) / sizeof(double)); ++l) x[l] = std::fabs(x[l]);
    return x;
  }
}

// Jacobian, determinant, inverse and Cartesian derivatives at one point, into a
// zero-initialised g.
template <typename Corner, typename Geometry>
[[gnu::always_inline]] inline void MapPoint(const Corner corners[kNodesPerElement], const ShapeValues& shape,
                                            Geometry& g) {
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
      g.dNdx[row][k] =
          ProductEntry<2>([&](int m) { return g.invJ[row][m]; }, [&](int m) { return shape.dN[m][k]; });
    }
  }
}

// Columns 2k and 2k+1 of B from the Cartesian derivatives of corner k.
template <typename Geometry, typename Real>
[[gnu::always_inline]] inline void FillStrainDisplacement(const Geometry& g, Real B[][kDofPerElement]) {
  for (int k = 0; k < kNodesPerElement; ++k) {
    const Real dx = g.dNdx[0][k];
    const Real dy = g.dNdx[1][k];
    B[0][2 * k] = dx;
    B[1][2 * k] = Real{};
    B[2][2 * k] = dy;
    B[0][2 * k + 1] = Real{};
    B[1][2 * k + 1] = dy;
    B[2][2 * k + 1] = dx;
  }
}

// ke += factor * (B^T (D B)) at one point, for the whole matrix or only its
// upper triangle. Each product entry is summed in its fixed order, then
// scaled and added, as separate roundings; the zeros of B are multiplied too.
template <typename Real>
[[gnu::always_inline]] inline void AddPointStiffness(const DMatrix D, const Real B[][kDofPerElement], Real factor,
                                                     StiffnessPart part, Real ke[][kDofPerElement]) {
  constexpr int s = kStressComponents;
  constexpr int n = kDofPerElement;
  Real DB[s][n];
  for (int i = 0; i < s; ++i) {
    for (int j = 0; j < n; ++j) {
      DB[i][j] = ProductEntry<s>([&](int m) { return D[i][m]; }, [&](int m) { return B[m][j]; });
    }
  }
  for (int i = 0; i < n; ++i) {
    const int first = part == StiffnessPart::kUpperTriangle ? i : 0;
    for (int j = first; j < n; ++j) {
      const Real BtDB = ProductEntry<s>([&](int m) { return B[m][i]; }, [&](int m) { return DB[m][j]; });
      ke[i][j] = ke[i][j] + factor * BtDB;
    }
  }
}

// ke += the sum over the 6 x 6 points of B^T D B * |detJ| * thick * wa * wb,
// point after point, with Geometry holding the mapping at one point.
template <typename Geometry, typename Corner, typename Real>
[[gnu::always_inline]] inline void AddQuadratureStiffness(const Corner corners[kNodesPerElement], const DMatrix D,
                                                          double thick, StiffnessPart part,
                                                          Real ke[][kDofPerElement]) {
  const std::array<ShapeValues, kQuadraturePoints>& shapes = QuadratureShapes();
  Real B[kStressComponents][kDofPerElement];
  for (int a = 0; a < kGaussPointCount; ++a) {
    for (int b = 0; b < kGaussPointCount; ++b) {
      Geometry geometry{};
      MapPoint(corners, shapes[a * kGaussPointCount + b], geometry);
      FillStrainDisplacement(geometry, B);
      const Real factor = Magnitude(geometry.detJ) * thick * kGaussWeights[a] * kGaussWeights[b];
      AddPointStiffness(D, B, factor, part, ke);
    }
  }
}

}  // namespace solvane
