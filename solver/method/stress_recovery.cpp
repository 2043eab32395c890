#include "method/stress_recovery.h"

#include <array>
#include <cmath>
#include <thread>
#include <vector>

#include "method/element.h"
#include "fast/element_quadrature.h"
#include "fast/shared_chunks.h"

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
    for (int i = 0; i < s; ++i) {
      for (int j = 0; j < n; ++j) {
        DB[i][j] = ProductEntry<s>([&](int m) { return D[i][m]; }, [&](int m) { return B[m][j]; });
      }
    }
    for (int i = 0; i < s; ++i) {
      sigma[i] = ProductEntry<n>([&](int j) { return DB[i][j]; }, [&](int j) { return de[j]; });
    }
    corners[k] = {sigma[0], sigma[1], sigma[2]};
  }
}

// Elements per piece of the corner stresses, and the fewest elements worth a
// second thread.
constexpr int kPieceElements = 256;
constexpr int kSharedElements = 4096;

}  // namespace

void ElementCornerStresses(const AnalysisData& data, int e, StressTriple corners[4]) {
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  CornerStresses(data, D, e, corners);
}

std::vector<StressTriple> AllCornerStresses(const AnalysisData& data) {
  std::vector<StressTriple> corners(static_cast<std::size_t>(data.NELEM) * kNodesPerElement);
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  const std::vector<IndexRange> pieces = PiecesOf(0, data.NELEM, kPieceElements);
  const SharedChunks::Work work = [&](const IndexRange& piece) {
    for (int e = piece.begin; e < piece.end; ++e) {
      CornerStresses(data, D, e, &corners[static_cast<std::size_t>(e) * kNodesPerElement]);
    }
  };
  SharedChunks chunks(data.NELEM >= kSharedElements && std::thread::hardware_concurrency() >= 2);
  chunks.Offer(work, pieces);
  chunks.Finish();
  return corners;
}

void AverageNodalStresses(const AnalysisData& data, const StressTriple* corners, StressTriple* nodal) {
  std::vector<int> count(data.NPOIN, 0);
  for (int n = 0; n < data.NPOIN; ++n) nodal[n] = {0.0, 0.0, 0.0};
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
}

void AverageNodalStresses(const AnalysisData& data, StressTriple* nodal) {
  AverageNodalStresses(data, AllCornerStresses(data).data(), nodal);
}

std::vector<StressTriple> NodalStresses(const AnalysisData& data, const std::vector<StressTriple>& corners) {
  std::vector<StressTriple> nodal(data.NPOIN);
  AverageNodalStresses(data, corners.data(), nodal.data());
  return nodal;
}

std::vector<StressTriple> NodalStresses(const AnalysisData& data) {
  return NodalStresses(data, AllCornerStresses(data));
}

double EquivalentStress(double SX, double SY, double TXY) {
  return std::sqrt(((SX - SY) * (SX - SY) + SY * SY + SX * SX + 6.0 * (TXY * TXY)) * 0.5);
}

}  // namespace solvane
