// Support reactions from the solved displacements: they must hold the applied
// loads in equilibrium, forces and moment, and agree with statics where the
// supports alone determine them.

#include "method/reactions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "method/assembly.h"
#include "method/band_size.h"
#include "method/loads_and_constraints.h"
#include "method/solve_banded.h"
#include "method/solve_system.h"
#include "test_models.h"

namespace solvane {
namespace {

using testing::DistortedGrid;

// Forces along x and y and their moment about the origin.
struct Wrench {
  double fx = 0.0;
  double fy = 0.0;
  double m = 0.0;

  void Add(double x, double y, double forceX, double forceY) {
    fx += forceX;
    fy += forceY;
    m += x * forceY - y * forceX;
  }
};

DistributedLoad EdgeLoad(const AnalysisData& data, int i, int j, double qi, double qj, double ti,
                         double tj) {
  const NodeCoord& a = data.nodes[i];
  const NodeCoord& b = data.nodes[j];
  return {a.x, a.y, b.x, b.y, i, j, qi, qj, ti, tj, data.Thick};
}

// The traction of an edge load integrated along its edge by Simpson's rule,
// exact here: the traction is linear along the edge and its moment quadratic.
// q pushes along the left normal of i -> j, t pulls along i -> j.
Wrench EdgeLoadWrench(const DistributedLoad& q) {
  const double length = std::hypot(q.xj - q.xi, q.yj - q.yi);
  const double sx = (q.xj - q.xi) / length;
  const double sy = (q.yj - q.yi) / length;
  constexpr double kAt[] = {0.0, 0.5, 1.0};
  constexpr double kWeight[] = {1.0, 4.0, 1.0};
  Wrench w;
  for (int k = 0; k < 3; ++k) {
    const double s = kAt[k];
    const double normal = q.qi + s * (q.qj - q.qi);
    const double tangential = q.ti + s * (q.tj - q.ti);
    const double scale = q.thickness * length * kWeight[k] / 6;
    w.Add(q.xi + s * (q.xj - q.xi), q.yi + s * (q.yj - q.yi),
          scale * (-sy * normal + sx * tangential), scale * (sx * normal + sy * tangential));
  }
  return w;
}

void Solve(AnalysisData& data) {
  data.NRN = static_cast<int>(data.constraints.size());
  data.NFOR = static_cast<int>(data.forces.size());
  data.NPRS = static_cast<int>(data.edgeLoads.size());
  data.halfBandwidth = ComputeHalfBandwidth(data);
  data.neq = kDofPerNode * data.NPOIN;
  ::testing::internal::CaptureStdout();
  AssembleStiffness(data);
  ApplyLoads(data);
  ApplyConstraints(data);
  SolveSystem(data, SolveBanded);
  ::testing::internal::GetCapturedStdout();
}

// A distorted 6 x 4 plate: left edge held in x, its lower corner also in y
// and the lower right corner in y; edge loads with normal and tangential
// parts on the right and top edges (one walked backwards), nodal forces, one
// of them on a fixed direction, a repeated constraint and a flag of 2.
AnalysisData LoadedPlate() {
  constexpr int kCols = 6;
  constexpr int kRows = 4;
  auto node = [](int r, int c) { return r * (kCols + 1) + c; };
  AnalysisData data = DistortedGrid(kCols, kRows, 12.0, 5.0);
  data.Thick = 1.5;
  for (int r = kRows; r >= 0; --r) data.constraints.push_back({1, r == 0 ? 1 : 0, node(r, 0)});
  data.constraints.push_back({2, 1, node(0, kCols)});
  data.constraints.push_back({0, 1, node(0, kCols)});
  data.forces.push_back({node(kRows, kCols), 30.0, -250.0});
  data.forces.push_back({node(0, 0), 0.0, 40.0});
  for (int r = 0; r < kRows; ++r) {
    data.edgeLoads.push_back(
        EdgeLoad(data, node(r, kCols), node(r + 1, kCols), -20.0 + r, -19.0 + r, 6.0, -3.0 * r));
  }
  for (int c = 0; c < kCols; ++c) {
    data.edgeLoads.push_back(
        EdgeLoad(data, node(kRows, c), node(kRows, c + 1), -8.0 - c, -7.0 - c, 2.5, 1.0));
  }
  return data;
}

TEST(Reactions, HoldTheAppliedLoadsInEquilibrium) {
  AnalysisData data = LoadedPlate();
  Solve(data);
  Wrench total;
  for (const NodalForce& f : data.forces) {
    total.Add(data.nodes[f.node].x, data.nodes[f.node].y, f.fx, f.fy);
  }
  for (const DistributedLoad& q : data.edgeLoads) {
    const Wrench w = EdgeLoadWrench(q);
    total.fx += w.fx;
    total.fy += w.fy;
    total.m += w.m;
  }
  const double scale = std::fabs(total.fx) + std::fabs(total.fy);
  ASSERT_GT(scale, 100.0);
  for (const NodeReaction& r : NodeReactions(data)) {
    total.Add(data.nodes[r.node].x, data.nodes[r.node].y, r.rx, r.ry);
  }
  EXPECT_NEAR(total.fx, 0.0, 1e-9 * scale);
  EXPECT_NEAR(total.fy, 0.0, 1e-9 * scale);
  EXPECT_NEAR(total.m, 0.0, 1e-9 * scale * 12.0);
}

// The unit square of the model-file example rests on three supports, so
// statics alone gives the reactions: moments about node 0 leave -95 in x at
// node 3, and node 0 takes the rest of the 100 down and the 10 of pressure.
// Nodes come in node order, a free direction shows 0, and a node whose flags
// fix nothing (0, or 2) is not listed.
TEST(Reactions, StaticallyDeterminateSupportsCarryWhatStaticsGives) {
  AnalysisData data = testing::UnitSquare(210000.0, 0.3, 1.0);
  data.constraints = {{1, 0, 3}, {1, 1, 0}, {0, 0, 1}, {2, 2, 2}};
  data.forces = {{2, 0.0, -100.0}};
  data.edgeLoads = {EdgeLoad(data, 1, 2, 10.0, 10.0, 0.0, 0.0)};
  Solve(data);
  const std::vector<NodeReaction> reactions = NodeReactions(data);
  ASSERT_EQ(reactions.size(), 2u);
  EXPECT_EQ(reactions[0].node, 0);
  EXPECT_NEAR(reactions[0].rx, 105.0, 1e-9);
  EXPECT_NEAR(reactions[0].ry, 100.0, 1e-9);
  EXPECT_EQ(reactions[1].node, 3);
  EXPECT_NEAR(reactions[1].rx, -95.0, 1e-9);
  EXPECT_EQ(reactions[1].ry, 0.0);
}

}  // namespace
}  // namespace solvane
