#include "method/element.h"

#include <array>

#include "fast/element_quadrature.h"

namespace solvane {

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
  MapPoint(corners, shape, g);
  return g;
}

PointGeometry ElementGeometry(const AnalysisData& data, int e, const ShapeValues& shape) {
  CornerCoords corners;
  GatherCorners(data, e, corners);
  return ElementGeometry(corners, shape);
}

void StrainDisplacement(const PointGeometry& geometry, BMatrix B) { FillStrainDisplacement(geometry, B); }

void ElasticityMatrix(double E, double Mu, DMatrix D) {
  const DMatrix shape = {{1.0, Mu, 0.0}, {Mu, 1.0, 0.0}, {0.0, 0.0, (1.0 - Mu) / 2.0}};
  const double factor = E / (1.0 - Mu * Mu);
  for (int i = 0; i < kStressComponents; ++i) {
    for (int j = 0; j < kStressComponents; ++j) D[i][j] = factor * shape[i][j];
  }
}

void ElementStiffness(const CornerCoords corners, const DMatrix D, double thick, StiffnessPart part,
                      ElementMatrix ke) {
  for (int i = 0; i < kDofPerElement; ++i) {
    for (int j = 0; j < kDofPerElement; ++j) ke[i][j] = 0.0;
  }
  AddQuadratureStiffness<PointGeometry>(corners, D, thick, part, ke);
}

void ElementStiffness(const AnalysisData& data, int e, ElementMatrix ke) {
  CornerCoords corners;
  GatherCorners(data, e, corners);
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  ElementStiffness(corners, D, data.Thick, StiffnessPart::kWhole, ke);
}

}  // namespace solvane
