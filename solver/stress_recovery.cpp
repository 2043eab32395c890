#include "stress_recovery.h"

#include <array>
#include <cmath>
#include <vector>

#include "dense_matrix.h"
#include "element.h"

namespace solvane {

namespace {

// Shape values at the four corners, the same for every element.
const std::array<ShapeValues, kNodesPerElement>& CornerShapes() {
  static const std::array<ShapeValues, kNodesPerElement> shapes = [] {
    std::array<ShapeValues, kNodesPerElement> values;
    for (int k = 0; k < kNodesPerElement; ++k) values[k] = ShapeFunctions(kCornerXi[k], kCornerEta[k]);
    return values;
  }();
  return shapes;
}

// ElementCornerStresses with the elasticity matrix formed by the caller.
void CornerStresses(const AnalysisData& data, const DMatrix D, int e, StressTriple corners[4]) {
  constexpr int s = kStressComponents;
  constexpr int n = kDofPerElement;
  double de[n];
  for (int k = 0; k < kNodesPerElement; ++k) {
    const int node = data.NodeOfCorner(e, k);
    de[2 * k] = data.displacement[2 * static_cast<std::size_t>(node)];
    de[2 * k + 1] = data.displacement[2 * static_cast<std::size_t>(node) + 1];
  }
  CornerCoords coords;
  GatherCorners(data, e, coords);
  BMatrix B;
  double DB[s][n];
  double sigma[s];
  for (int k = 0; k < kNodesPerElement; ++k) {
    StrainDisplacement(ElementGeometry(coords, CornerShapes()[k]), B);
    Multiply(&DB[0][0], &D[0][0], &B[0][0], s, s, n);
    Multiply(sigma, &DB[0][0], de, s, n, 1);
    corners[k] = {sigma[0], sigma[1], sigma[2]};
  }
}

}  // namespace

void ElementCornerStresses(const AnalysisData& data, int e, StressTriple corners[4]) {
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  CornerStresses(data, D, e, corners);
}

void AverageNodalStresses(const AnalysisData& data, StressTriple* nodal) {
  std::vector<int> count(data.NPOIN, 0);
  for (int n = 0; n < data.NPOIN; ++n) nodal[n] = {0.0, 0.0, 0.0};
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  StressTriple corners[kNodesPerElement];
  for (int e = 0; e < data.NELEM; ++e) {
    CornerStresses(data, D, e, corners);
    for (int k = 0; k < kNodesPerElement; ++k) {
      const int node = data.NodeOfCorner(e, k);
      nodal[node].SX += corners[k].SX;
      nodal[node].SY += corners[k].SY;
      nodal[node].TXY += corners[k].TXY;
      ++count[node];
    }
  }
  for (int n = 0; n < data.NPOIN; ++n) {
    if (count[n] == 0) continue;
    nodal[n].SX /= count[n];
    nodal[n].SY /= count[n];
    nodal[n].TXY /= count[n];
  }
}

std::vector<StressTriple> NodalStresses(const AnalysisData& data) {
  std::vector<StressTriple> nodal(data.NPOIN);
  AverageNodalStresses(data, nodal.data());
  return nodal;
}

double EquivalentStress(double SX, double SY, double TXY) {
  return std::sqrt(((SX - SY) * (SX - SY) + SY * SY + SX * SX + 6.0 * (TXY * TXY)) * 0.5);
}

}  // namespace solvane
