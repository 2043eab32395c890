#include "method/element.h"

#include <cmath>

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
      for (int m = 0; m < 2; ++m) g.dNdx[row][k] += g.invJ[row][m] * shape.dN[m][k];
    }
  }
  return g;
}

void StrainDisplacement(const PointGeometry& geometry, BMatrix B) {
  for (int k = 0; k < kNodesPerElement; ++k) {
    const double dx = geometry.dNdx[0][k];
    const double dy = geometry.dNdx[1][k];
    B[0][Dof(k, kDirectionX)] = dx;
    B[1][Dof(k, kDirectionX)] = 0.0;
    B[2][Dof(k, kDirectionX)] = dy;
    B[0][Dof(k, kDirectionY)] = 0.0;
    B[1][Dof(k, kDirectionY)] = dy;
    B[2][Dof(k, kDirectionY)] = dx;
  }
}

void ElasticityMatrix(double E, double Mu, DMatrix D) {
  const DMatrix shape = {{1.0, Mu, 0.0}, {Mu, 1.0, 0.0}, {0.0, 0.0, (1.0 - Mu) / 2.0}};
  const double factor = E / (1.0 - Mu * Mu);
  for (int i = 0; i < kStressComponents; ++i) {
    for (int j = 0; j < kStressComponents; ++j) D[i][j] = factor * shape[i][j];
  }
}

void StressDisplacement(const DMatrix D, const BMatrix B, BMatrix DB) {
  for (int i = 0; i < kStressComponents; ++i) {
    for (int j = 0; j < kDofPerElement; ++j) {
      DB[i][j] = 0.0;
      for (int m = 0; m < kStressComponents; ++m) DB[i][j] += D[i][m] * B[m][j];
    }
  }
}

void ElementStiffness(const CornerCoords corners, const DMatrix D, double thick, ElementMatrix ke) {
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = 0; j < kDofPerElement; ++j) ke[i][j] = 0.0;
  }
  BMatrix B;
  BMatrix DB;
  for (int a = 0; a < kGaussPointCount; ++a) {
    for (int b = 0; b < kGaussPointCount; ++b) {
      const ShapeValues shape = ShapeFunctions(kGaussPoints[a], kGaussPoints[b]);
      const PointGeometry geometry = ElementGeometry(corners, shape);
      StrainDisplacement(geometry, B);
      StressDisplacement(D, B, DB);
      const double factor = std::fabs(geometry.detJ) * thick * kGaussWeights[a] * kGaussWeights[b];
      // B^T D B, each entry summed from 0, then scaled and added to ke.
      for (int i = 0; i < kDofPerElement; ++i) {
        for (int j = 0; j < kDofPerElement; ++j) {
          double BtDB = 0.0;
          for (int m = 0; m < kStressComponents; ++m) BtDB += B[m][i] * DB[m][j];
          ke[i][j] += factor * BtDB;
        }
      }
    }
  }
}

}  // namespace solvane
