#include "element.h"

#include <cmath>

#include "dense_matrix.h"

namespace solvane {

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

PointGeometry ElementGeometry(const AnalysisData& data, int e, const ShapeValues& shape) {
  PointGeometry g{};
  for (int row = 0; row < 2; ++row) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      const NodeCoord& node = data.nodes[data.NodeOfCorner(e, k)];
      g.J[row][0] += shape.dN[row][k] * node.x;
      g.J[row][1] += shape.dN[row][k] * node.y;
    }
  }
  g.detJ = g.J[0][0] * g.J[1][1] - g.J[1][0] * g.J[0][1];
  g.invJ[0][0] = g.J[1][1] / g.detJ;
  g.invJ[0][1] = -g.J[0][1] / g.detJ;
  g.invJ[1][0] = -g.J[1][0] / g.detJ;
  g.invJ[1][1] = g.J[0][0] / g.detJ;
  Multiply(&g.dNdx[0][0], &g.invJ[0][0], &shape.dN[0][0], 2, 2, kNodesPerElement);
  return g;
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

void ElementStiffness(const AnalysisData& data, int e, ElementMatrix ke) {
  constexpr int s = kStressComponents;
  constexpr int n = kDofPerElement;
  double Bt[n][s];
  double DB[s][n];
  double BtDB[n][n];
  double scaled[n][n];
  DMatrix D;
  BMatrix B;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) ke[i][j] = 0.0;
  }
  for (int a = 0; a < kGaussPointCount; ++a) {
    for (int b = 0; b < kGaussPointCount; ++b) {
      const ShapeValues shape = ShapeFunctions(kGaussPoints[a], kGaussPoints[b]);
      const PointGeometry geometry = ElementGeometry(data, e, shape);
      StrainDisplacement(geometry, B);
      ElasticityMatrix(data.E, data.Mu, D);
      Transpose(&Bt[0][0], &B[0][0], s, n);
      Multiply(&DB[0][0], &D[0][0], &B[0][0], s, s, n);
      Multiply(&BtDB[0][0], &Bt[0][0], &DB[0][0], n, s, n);
      const double factor = std::fabs(geometry.detJ) * data.Thick * kGaussWeights[a] * kGaussWeights[b];
      Scale(&scaled[0][0], &BtDB[0][0], factor, n, n);
      Add(&ke[0][0], &ke[0][0], &scaled[0][0], n, n);
    }
  }
}

}  // namespace solvane
