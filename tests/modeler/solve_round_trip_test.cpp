// A model built through the Model's operations goes to the real Solvane as
// "fem.txt" and its displacements come back through "Node_Dis.txt".

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "deformed_shape.h"
#include "displacement_reader.h"
#include "model_file_writer.h"
#include "model_session.h"
#include "support/scratch_folder.h"

namespace kestrix {
namespace {

constexpr double kE = 210000.0;
constexpr double kMu = 0.3;
constexpr double kStress = 100.0;

// Runs Solvane in `directory` as Kestrix does, with no key ever pressed:
// standard input is empty, so its closing pause ends at once.
void RunSolvane(const std::string& directory) {
  const std::string command = "cd '" + directory + "' && '" SOLVANE_PATH "' </dev/null >solvane.log 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << "Solvane failed in " << directory;
}

// A 4 × 2 plate meshed 4 × 2, its left side held in x (and its lower left
// corner in y), pulled on its right side by a uniform stress: half of it as
// nodal forces, half as an edge load (negative pressure).
void BuildStretchedPlate(ModelSession& session) {
  session.AddQuad({{{0, 0}, {4, 0}, {4, 2}, {0, 2}}});
  session.MeshPolygonAround({2, 1}, 4, 2);
  session.model.SetMaterial(kE, kMu, 1.0);

  session.SelectNodesIn({0, 0}, {0, 2});
  session.model.ApplyConstraint(true, false);
  session.SelectNodeAt({0, 0});
  session.model.ApplyConstraint(false, true);

  const double half = kStress / 2;
  session.SelectNodeAt({4, 0});
  session.SelectNodeAt({4, 2});
  session.model.ApplyForce(half / 2, 0);
  session.SelectNodeAt({4, 1});
  session.model.ApplyForce(half, 0);

  session.SelectEdgesIn({4, 0}, {4, 2});
  session.model.ApplyDistributedLoad(-half, -half);
}

// A cantilever 10 long and 1 deep, clamped on its left side, meshed 40 × 4,
// with a downward load spread over the nodes of its free end.
void BuildCantilever(ModelSession& session, double tipLoad) {
  session.AddQuad({{{0, 0}, {10, 0}, {10, 1}, {0, 1}}});
  session.MeshPolygonAround({5, 0.5}, 40, 4);
  session.model.SetMaterial(kE, kMu, 1.0);
  session.SelectNodesIn({0, 0}, {0, 1});
  session.model.ApplyConstraint(true, true);
  session.SelectNodesIn({10, 0}, {10, 1});
  session.model.ApplyForce(0, -tipLoad / 5);
}

// Exports the model, solves it in a scratch directory and reads the result back.
void Solve(ModelSession& session, const test_support::ScratchFolder& scratch) {
  ASSERT_TRUE(ExportModelFile(session.model, (scratch / "fem.txt").string()));
  RunSolvane(scratch.path().string());
  ASSERT_TRUE(ReadDisplacements((scratch / "Node_Dis.txt").string(), session.model));
  EXPECT_TRUE(session.model.solved());
  EXPECT_TRUE(session.notifier.messages.empty());
}

TEST(SolveRoundTrip, UniformStretchComesBackAsExactStrain) {
  if (!std::filesystem::exists(SOLVANE_PATH)) GTEST_SKIP() << "Solvane is not built";
  test_support::ScratchFolder scratch;
  ModelSession session;
  BuildStretchedPlate(session);
  ASSERT_EQ(session.model.NPOIN(), 15);
  ASSERT_EQ(session.model.distributedLoads().Count(), 2);
  Solve(session, scratch);

  // Constant stress is reproduced exactly: u = σ/E · x and v = −ν σ/E · y.
  const std::vector<double>& u = session.model.displacements();
  for (const ModelPoint& node : session.model.nodeArray()) {
    const double ux = kStress / kE * node.x;
    const double uy = -kMu * kStress / kE * node.y;
    EXPECT_NEAR(u[2 * node.number], ux, 1e-5 * std::abs(ux) + 1e-12) << "node " << node.number;
    EXPECT_NEAR(u[2 * node.number + 1], uy, 1e-5 * std::abs(uy) + 1e-12) << "node " << node.number;
  }
  // The largest component, at the right side, is drawn a tenth of the plate length.
  EXPECT_NEAR(DeformationScale(session.model), 0.1 * 4 / (kStress / kE * 4), 1e-3);
}

TEST(SolveRoundTrip, CantileverTipDeflectsDownNearBeamTheory) {
  if (!std::filesystem::exists(SOLVANE_PATH)) GTEST_SKIP() << "Solvane is not built";
  test_support::ScratchFolder scratch;
  ModelSession session;
  const double tipLoad = 1.0;
  BuildCantilever(session, tipLoad);
  ASSERT_EQ(session.model.forces().Count(), 5);
  Solve(session, scratch);

  // P L³ / (3 E I) with I = 1/12; four-node quadrilaterals are somewhat too
  // stiff in bending, so the computed tip stays a little short of it.
  const double beamTheory = tipLoad * 1000.0 / (3.0 * kE / 12.0);
  const double tip = session.model.displacements()[2 * session.model.NPOIN() - 1];
  EXPECT_LT(tip, -0.9 * beamTheory);
  EXPECT_GT(tip, -1.02 * beamTheory);
}

}  // namespace
}  // namespace kestrix
