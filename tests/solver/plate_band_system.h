#pragma once
// Band systems K U = F in the solver's upper band storage, taken from assembled
// plate models, for comparing band solvers with each other.

#include <algorithm>
#include <utility>
#include <vector>

#include "method/analysis_data.h"
#include "method/assembly.h"
#include "method/band_size.h"
#include "method/loads_and_constraints.h"
#include "test_models.h"

namespace solvane::testing {

// A symmetric system of n() equations in upper band storage of width b().
struct BandSystem {
  Band K;
  std::vector<double> F;

  int n() const { return K.rows(); }
  int b() const { return K.halfBandwidth(); }
};

// A copy of band and load, for a solver to consume.
inline BandSystem CopyOf(const BandSystem& s) {
  BandSystem copy{Band(s.n(), s.b()), s.F};
  std::copy(s.K.entries(), s.K.entries() + s.K.size(), copy.K.entries());
  return copy;
}

// A distorted plate grid of cols x rows elements numbered row by row (half-
// bandwidth 2 * (cols + 2)), its left edge held, a force at the far corner and
// a pressure along the top edge. The assembly prints its progress.
inline BandSystem PlateBandSystem(int cols, int rows) {
  AnalysisData data = DistortedGrid(cols, rows, 4.0, 1.0);
  for (int r = 0; r <= rows; ++r) data.constraints.push_back({1, r == 0 ? 1 : 0, r * (cols + 1)});
  data.forces.push_back({cols, 0.0, -50.0});
  const int topLeft = rows * (cols + 1);
  for (int c = 0; c < cols; ++c) {
    const NodeCoord& i = data.nodes[topLeft + c + 1];
    const NodeCoord& j = data.nodes[topLeft + c];
    data.edgeLoads.push_back({i.x, i.y, j.x, j.y, topLeft + c + 1, topLeft + c, 10.0, 12.0, 1.0, 0.0, 1.0});
  }
  data.NRN = static_cast<int>(data.constraints.size());
  data.NFOR = static_cast<int>(data.forces.size());
  data.NPRS = static_cast<int>(data.edgeLoads.size());
  data.halfBandwidth = ComputeHalfBandwidth(data);
  AssembleStiffness(data);
  ApplyLoads(data);
  ApplyConstraints(data);
  return {std::move(data.band), std::move(data.load)};
}

}  // namespace solvane::testing
