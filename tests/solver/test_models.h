#pragma once
// Small models for the solver tests, built directly as AnalysisData.

#include <vector>

#include "method/analysis_data.h"
#include "method/element.h"
#include "method/stress_recovery.h"

namespace solvane::testing {

// Nodes and elements only; loads, constraints and the system stay empty.
inline AnalysisData MeshModel(std::vector<NodeCoord> nodes, std::vector<int> connectivity,
                              double E = 1.0, double Mu = 0.3, double Thick = 1.0) {
  AnalysisData data;
  data.E = E;
  data.Mu = Mu;
  data.Thick = Thick;
  data.NPOIN = static_cast<int>(nodes.size());
  data.NELEM = static_cast<int>(connectivity.size()) / kNodesPerElement;
  data.neq = kDofPerNode * data.NPOIN;
  data.nodes = std::move(nodes);
  data.connectivity = std::move(connectivity);
  return data;
}

inline AnalysisData UnitSquare(double E = 1.0, double Mu = 0.3, double Thick = 1.0) {
  return MeshModel({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {0, 1, 2, 3}, E, Mu, Thick);
}

// A rows x cols grid of distorted quadrilaterals over [0, width] x [0, height],
// nodes numbered row by row; interior nodes are shifted so that no element is
// a rectangle.
inline AnalysisData DistortedGrid(int cols, int rows, double width, double height) {
  std::vector<NodeCoord> nodes;
  for (int r = 0; r <= rows; ++r) {
    for (int c = 0; c <= cols; ++c) {
      double x = width * c / cols;
      double y = height * r / rows;
      if (r > 0 && r < rows && c > 0 && c < cols) {
        x += 0.15 * width / cols * ((r + c) % 2 == 0 ? 1 : -1);
        y += 0.1 * height / rows * (c % 2 == 0 ? 1 : -1);
      }
      nodes.push_back({x, y});
    }
  }
  std::vector<int> connectivity;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const int n0 = r * (cols + 1) + c;
      connectivity.insert(connectivity.end(), {n0, n0 + 1, n0 + cols + 2, n0 + cols + 1});
    }
  }
  return MeshModel(std::move(nodes), std::move(connectivity), 210000.0, 0.3, 1.0);
}

// The stiffness matrix of element e of `data`, as the assembly forms it.
inline void ElementStiffnessOf(const AnalysisData& data, int e, ElementMatrix ke) {
  CornerCoords corners;
  GatherCorners(data, e, corners);
  DMatrix D;
  ElasticityMatrix(data.E, data.Mu, D);
  ElementStiffness(corners, D, data.Thick, ke);
}

// The averaged nodal stresses of `data`, recovered element after element.
inline std::vector<StressTriple> NodalStressesOf(const AnalysisData& data) {
  return AverageNodalStresses(data, AllCornerStresses(data));
}

// A copy of every entry of the band, row after row.
inline std::vector<double> BandEntries(const Band& band) {
  return std::vector<double>(band.entries(), band.entries() + band.size());
}

}  // namespace solvane::testing
