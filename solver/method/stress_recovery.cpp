#include "method/stress_recovery.h"

#include <array>
#include <cmath>

#include "method/element.h"

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

}  // namespace

void ElementCornerStresses(const AnalysisData& data, int e, StressTriple corners[kNodesPerElement]) {
  double de[kDofPerElement];
  for (int k = 0; k < kNodesPerElement; ++k) {
    for (int c = 0; c < kDofPerNode; ++c) de[Dof(k, c)] = data.displacement[Dof(data.NodeOfCorner(e, k), c)];
  }
  CornerCoords coords;
  GatherCorners(data, e, coords);
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  BMatrix B;
  BMatrix DB;
  for (int k = 0; k < kNodesPerElement; ++k) {
    StrainDisplacement(ElementGeometry(coords, CornerShapes()[k]), B);
    StressDisplacement(D, B, DB);
    double sigma[kStressComponents] = {};
    for (int i = 0; i < kStressComponents; ++i) {
      for (int j = 0; j < kDofPerElement; ++j) sigma[i] += DB[i][j] * de[j];
    }
    corners[k] = {sigma[0], sigma[1], sigma[2]};
  }
}

std::vector<StressTriple> AllCornerStresses(const AnalysisData& data) {
  std::vector<StressTriple> corners(static_cast<std::size_t>(data.NELEM) * kNodesPerElement);
  for (int e = 0; e < data.NELEM; ++e) {
    ElementCornerStresses(data, e, &corners[static_cast<std::size_t>(e) * kNodesPerElement]);
  }
  return corners;
}

std::vector<StressTriple> AverageNodalStresses(const AnalysisData& data,
                                               const std::vector<StressTriple>& corners) {
  std::vector<StressTriple> nodal(data.NPOIN, {0.0, 0.0, 0.0});
  std::vector<int> count(data.NPOIN, 0);
  for (int e = 0; e < data.NELEM; ++e) {
    for (int k = 0; k < kNodesPerElement; ++k) {
      const int node = data.NodeOfCorner(e, k);
      const StressTriple& corner = corners[static_cast<std::size_t>(e) * kNodesPerElement + k];
      nodal[node].SX += corner.SX;
      nodal[node].SY += corner.SY;
      nodal[node].TXY += corner.TXY;
      ++count[node];
    }
  }
  for (int n = 0; n < data.NPOIN; ++n) {
    if (count[n] == 0) continue;
    nodal[n].SX /= count[n];
    nodal[n].SY /= count[n];
    nodal[n].TXY /= count[n];
  }
  return nodal;
}

double EquivalentStress(double SX, double SY, double TXY) {
  return std::sqrt(((SX - SY) * (SX - SY) + SY * SY + SX * SX + 6.0 * (TXY * TXY)) * 0.5);
}

}  // namespace solvane
