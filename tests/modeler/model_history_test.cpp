#include "model_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model_file_writer.h"
#include "modeler/model_harness.h"

namespace kestrix {
namespace {

// The history of a 2 × 1 mesh with its node at the origin selected. Each kind
// of change is undone and redone through the window's dialogs in the GUI's tests.
class ModelHistoryTest : public ::testing::Test {
 protected:
  ModelHistoryTest() {
    harness.DrawPolygon({{0, 0}, {2, 0}, {2, 1}, {0, 1}});
    harness.MeshPolygonAround(1, 0.5, 2, 1);
    harness.ClickNode(0, 0);
  }

  // Records the step, makes the change and checks that it changed the file.
  void Change(const std::string& name, const std::function<void(Model&)>& change) {
    history.Record(model(), name);
    const std::string before = FormatModelFile(model());
    change(model());
    history.Settle(model());
    ASSERT_NE(FormatModelFile(model()), before) << name;
  }

  Model& model() { return harness.model; }

  ModelHarness harness;
  ModelHistory history;
};

TEST_F(ModelHistoryTest, UndoAndRedoLeaveTheModelUnsolved) {
  model().SetSolved(true);
  Change("Apply forces to 1 node", [](Model& m) { m.ApplyForce(1, 0); });
  EXPECT_TRUE(model().solved());
  history.Undo(model());
  EXPECT_FALSE(model().solved());
  model().SetSolved(true);
  history.Redo(model());
  EXPECT_FALSE(model().solved());
}

TEST_F(ModelHistoryTest, AStepThatChangedNothingIsDroppedAndKeepsTheModelUnmodified) {
  model().ClearSelection();
  history.Record(model(), "Apply forces to 0 nodes");
  EXPECT_TRUE(history.IsModified());
  model().ApplyForce(1, 1);
  history.Settle(model());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.IsModified());

  history.Record(model(), "Set material and thickness");
  model().SetMaterial(model().E(), model().Mu(), model().Thick());
  history.Record(model(), "Create point (7, 7)");  // settles the one before
  model().CreateGeoPt(7, 7);
  EXPECT_EQ(history.undoCount(), 1);
  EXPECT_EQ(history.undoName(), "Create point (7, 7)");
}

TEST_F(ModelHistoryTest, ANewStepDropsWhatCouldBeRedone) {
  Change("Create point (5, 5)", [](Model& m) { m.CreateGeoPt(5, 5); });
  Change("Create point (6, 6)", [](Model& m) { m.CreateGeoPt(6, 6); });
  history.Undo(model());
  EXPECT_TRUE(history.CanRedo());
  Change("Create point (7, 7)", [](Model& m) { m.CreateGeoPt(7, 7); });
  EXPECT_FALSE(history.CanRedo());
  EXPECT_FALSE(history.Redo(model()));
  EXPECT_EQ(history.undoCount(), 2);
}

TEST_F(ModelHistoryTest, ModifiedMeansAnotherStateThanTheSavedOne) {
  EXPECT_FALSE(history.IsModified());
  Change("Create point (5, 5)", [](Model& m) { m.CreateGeoPt(5, 5); });
  EXPECT_TRUE(history.IsModified());
  history.Undo(model());
  EXPECT_FALSE(history.IsModified());
  history.Redo(model());
  history.MarkSaved();
  EXPECT_FALSE(history.IsModified());
  history.Undo(model());
  EXPECT_TRUE(history.IsModified());
  history.Redo(model());
  EXPECT_FALSE(history.IsModified());
  Change("Create point (6, 6)", [](Model& m) { m.CreateGeoPt(6, 6); });
  history.Clear();
  EXPECT_FALSE(history.IsModified());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.bytes(), 0u);
}

TEST(ModelHistoryLimits, TheOldestStepsGoFirstOnceEitherBoundIsPassed) {
  Model model;
  ModelHistory byCount({.maxSteps = 3});
  for (int k = 0; k < 5; ++k) {
    byCount.Record(model, "Create point " + std::to_string(k));
    model.CreateGeoPt(k, 0);
  }
  EXPECT_EQ(byCount.undoCount(), 3);
  while (byCount.Undo(model)) {
  }
  EXPECT_EQ(model.geoPoints().Count(), 2);
  EXPECT_TRUE(byCount.IsModified());  // the opened state is gone

  const std::size_t snapshot = EstimateModelBytes(model);
  ModelHistory byBytes({.maxSteps = 64, .maxBytes = 3 * snapshot + snapshot / 2});
  for (int k = 0; k < 10; ++k) {
    byBytes.Record(model, "Create point");
    model.CreateGeoPt(k, 1);
    EXPECT_LE(byBytes.bytes(), 3 * snapshot + snapshot / 2);
  }
  EXPECT_GE(byBytes.undoCount(), 2);
  EXPECT_LE(byBytes.undoCount(), 3);
}

}  // namespace
}  // namespace kestrix
