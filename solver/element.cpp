#include "element.h"

#include <array>
#include <cmath>

#include "dense_matrix.h"

namespace solvane {

namespace {

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

// One entry of a matrix product: the sum of a(m) * b(m) from 0 over
// m = 0 .. kTerms - 1 in increasing order, as Multiply sums it.
template <int kTerms, typename Left, typename Right>
double ProductEntry(Left a, Right b) {
  double sum = 0.0;
  for (int m = 0; m < kTerms; ++m) sum += a(m) * b(m);
  return sum;
}

// ke += factor * (B^T (D B)) at one point, for the whole matrix or only its
// upper triangle. Each product entry is summed in its fixed order, then
// scaled and added, as separate roundings.
void AddPointStiffness(const DMatrix D, const BMatrix B, double factor, StiffnessPart part,
                       ElementMatrix ke) {
  constexpr int s = kStressComponents;
  constexpr int n = kDofPerElement;
  double DB[s][n];
  for (int i = 0; i < s; ++i) {
    for (int j = 0; j < n; ++j) {
      DB[i][j] = ProductEntry<s>([&](int m) { return D[i][m]; }, [&](int m) { return B[m][j]; });
    }
  }
  for (int i = 0; i < n; ++i) {
    const int first = part == StiffnessPart::kUpperTriangle ? i : 0;
    for (int j = first; j < n; ++j) {
      const double BtDB = ProductEntry<s>([&](int m) { return B[m][i]; }, [&](int m) { return DB[m][j]; });
      ke[i][j] = ke[i][j] + factor * BtDB;
    }
  }
}

}  // namespace

ShapeValues ShapeFunctions(double xi, double eta) {
  ShapeValues s;
  s.N[0] = (1.0 - xi) * (1.0 - eta) / 4.0;
  s.N[1] = (1.0 + xi) * (1.0 - eta) / 4.0;
  s.N[2] = (1.0 + xi) * (1.0 + eta) / 4.0;
  s.N[3] = (1.0 - xi) * (1.0 + eta) / 4.0;
  s.dN[0][0] = (eta - 1.0) / 4.0;
  s.dN[0][1] = (1.0 - eta) / 4.0;
  s.dN[0][2] = (1.0 + eta) / 4.0;
  s.dN[0][3] = (-1.0 - eta) / 4.0;
  s.dN[1][0] = (xi - 1.0) / 4.0;
  s.dN[1][1] = (-1.0 - xi) / 4.0;
  s.dN[1][2] = (1.0 + xi) / 4.0;
  s.dN[1][3] = (1.0 - xi) / 4.0;
  return s;
}

void GatherCorners(const AnalysisData& data, int e, CornerCoords corners) {
  for (int k = 0; k < kNodesPerElement; ++k) corners[k] = data.nodes[data.NodeOfCorner(e, k)];
}

PointGeometry ElementGeometry(const CornerCoords corners, const ShapeValues& shape) {
  PointGeometry g{};
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
  return g;
}

PointGeometry ElementGeometry(const AnalysisData& data, int e, const ShapeValues& shape) {
  CornerCoords corners;
  GatherCorners(data, e, corners);
  return ElementGeometry(corners, shape);
}

void StrainDisplacement(const PointGeometry& geometry, BMatrix B) {
  for (int k = 0; k < kNodesPerElement; ++k) {
    const double dx = geometry.dNdx[0][k];
    const double dy = geometry.dNdx[1][k];
    B[0][2 * k] = dx;
    B[1][2 * k] = 0.0;
    B[2][2 * k] = dy;
    B[0][2 * k + 1] = 0.0;
    B[1][2 * k + 1] = dy;
    B[2][2 * k + 1] = dx;
  }
}

void ElasticityMatrix(double E, double Mu, DMatrix D) {
  const DMatrix shape = {{1.0, Mu, 0.0}, {Mu, 1.0, 0.0}, {0.0, 0.0, (1.0 - Mu) / 2.0}};
  Scale(&D[0][0], &shape[0][0], E / (1.0 - Mu * Mu), kStressComponents, kStressComponents);
}

void ElementStiffness(const CornerCoords corners, const DMatrix D, double thick, StiffnessPart part,
                      ElementMatrix ke) {
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = 0; j < kDofPerElement; ++j) ke[i][j] = 0.0;
  }
  const std::array<ShapeValues, kQuadraturePoints>& shapes = QuadratureShapes();
  BMatrix B;
  for (int a = 0; a < kGaussPointCount; ++a) {
    for (int b = 0; b < kGaussPointCount; ++b) {
      const PointGeometry geometry = ElementGeometry(corners, shapes[a * kGaussPointCount + b]);
      StrainDisplacement(geometry, B);
      const double factor = std::fabs(geometry.detJ) * thick * kGaussWeights[a] * kGaussWeights[b];
      AddPointStiffness(D, B, factor, part, ke);
    }
  }
}

void ElementStiffness(const AnalysisData& data, int e, ElementMatrix ke) {
  CornerCoords corners;
  GatherCorners(data, e, corners);
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  ElementStiffness(corners, D, data.Thick, StiffnessPart::kWhole, ke);
}

}  // namespace solvane
