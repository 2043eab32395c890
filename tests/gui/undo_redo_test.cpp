// Undo and Redo as the user reaches them: each dialog's change recorded under
// its name, taken back and made again through the Edit menu's commands.

#include <functional>

#include "dialog_templates.h"
#include "gui/window_fixture.h"
#include "model_file_writer.h"

namespace kestrix {
namespace {

class UndoRedoTest : public WindowTest {
 protected:
  // Opens a modeless dialog, types `texts` into its fields and presses `button`.
  void ApplyIn(int menuId, std::map<int, std::string> texts, int button) {
    window.OnCommand(menuId);
    OpenDialog& dialog = platform.dialogs.Latest();
    for (const auto& [control, text] : texts) dialog.controls.texts[control] = text;
    dialog.Press(button);
  }

  void RunModal(int menuId, const FakeDialogHost::ModalScript& script) {
    platform.dialogs.modalScript = script;
    window.OnCommand(menuId);
  }

  FakeDocumentFrame::CommandText Item(int menuId) { return platform.frame.commands[menuId]; }

  // Picks through the window as the user does: the node at (0, 0), the lower
  // left edge, or the polygon.
  void PickNodeAtOrigin() {
    window.OnCommand(menu_id::kPointPick);
    window.OnCommand(menu_id::kPickNode);
    Click(PixelOf(0, 0));
  }
  void PickLowerLeftEdge() {
    window.OnCommand(menu_id::kPointPick);
    window.OnCommand(menu_id::kPickElemEdge);
    Click(PixelOf(1, 0));
  }
};

TEST_F(UndoRedoTest, EveryDialogsChangeIsUndoneAndRedoneUnderItsName) {
  using namespace control_id;
  struct Step {
    std::string name;
    std::function<void()> change;
  };
  const std::vector<Step> steps = {
      {"Create point (0, 0)", [&] { ApplyIn(menu_id::kCreateGeoPt, {{kGeoPtX, "0"}, {kGeoPtY, "0"}}, kGeoPtApply); }},
      {"Create point (4, 0)", [&] { ApplyIn(menu_id::kCreateGeoPt, {{kGeoPtX, "4"}, {kGeoPtY, "0"}}, kGeoPtApply); }},
      {"Create point (4, 2)", [&] { ApplyIn(menu_id::kCreateGeoPt, {{kGeoPtX, "4"}, {kGeoPtY, "2"}}, kGeoPtApply); }},
      {"Create point (0, 2)", [&] { ApplyIn(menu_id::kCreateGeoPt, {{kGeoPtX, "0"}, {kGeoPtY, "2"}}, kOk); }},
      {"Create polygon from 4 points",
       [&] {
         window.OnCommand(menu_id::kPickGeoPt);
         for (auto [x, y] : {std::pair(0, 0), {4, 0}, {4, 2}, {0, 2}}) Click(PixelOf(x, y));
         ApplyIn(menu_id::kCreatePolygon, {}, kPolygonApply);
       }},
      {"Mesh polygon 0",
       [&] {
         window.OnCommand(menu_id::kPickPolygon);
         Click(PixelOf(2, 1));
         ApplyIn(menu_id::kMeshQuad, {{kMeshLn, "2"}, {kMeshWn, "1"}}, kMesh);
       }},
      {"Apply constraints to 1 node",
       [&] {
         PickNodeAtOrigin();
         RunModal(menu_id::kBoundaryCondition, [](FakeDialogControls& c, DialogBehaviour& b) {
           c.checks[kUx] = true;
           b.OnCommand(kOk, c);
         });
       }},
      {"Apply forces to 1 node",
       [&] {
         PickNodeAtOrigin();
         ApplyIn(menu_id::kForce, {{kForceFx, "0"}, {kForceFy, "-10"}}, kForceApply);
       }},
      {"Apply edge loads to 1 edge",
       [&] {
         PickLowerLeftEdge();
         ApplyIn(menu_id::kDistributedLoad, {{kLoadQi, "5"}, {kLoadQj, "5"}}, kLoadApply);
       }},
      {"Set material and thickness",
       [&] {
         RunModal(menu_id::kMaterial, [](FakeDialogControls& c, DialogBehaviour& b) {
           c.texts[kMaterialE] = "70000";
           b.OnCommand(kOk, c);
         });
       }},
  };
  std::vector<std::string> files = {FormatModelFile(window.model())};
  for (const Step& step : steps) {
    step.change();
    files.push_back(FormatModelFile(window.model()));
    ASSERT_NE(files.back(), files[files.size() - 2]) << step.name;
    EXPECT_EQ(Item(menu_id::kUndo).text, "&Undo " + step.name);
    EXPECT_TRUE(Item(menu_id::kUndo).enabled);
  }
  EXPECT_FALSE(Item(menu_id::kRedo).enabled);
  for (std::size_t k = steps.size(); k-- > 0;) {
    window.OnCommand(menu_id::kUndo);
    EXPECT_EQ(FormatModelFile(window.model()), files[k]) << steps[k].name;
    EXPECT_EQ(Item(menu_id::kRedo).text, "&Redo " + steps[k].name);
  }
  EXPECT_EQ(Item(menu_id::kUndo).text, "&Undo");
  EXPECT_FALSE(Item(menu_id::kUndo).enabled);
  for (std::size_t k = 0; k < steps.size(); ++k) {
    window.OnCommand(menu_id::kRedo);
    EXPECT_EQ(FormatModelFile(window.model()), files[k + 1]) << steps[k].name;
  }
}

TEST_F(UndoRedoTest, ActionsThatChangeNothingLeaveNoStep) {
  RunModal(menu_id::kMaterial, [](FakeDialogControls& c, DialogBehaviour& b) {
    c.texts[control_id::kMaterialE] = "1";
    b.OnCommand(control_id::kCancel, c);
  });
  ApplyIn(menu_id::kForce, {{control_id::kForceFx, "1"}, {control_id::kForceFy, "0"}},
          control_id::kForceApply);  // no node picked
  EXPECT_FALSE(Item(menu_id::kUndo).enabled);
  EXPECT_EQ(platform.frame.title.find('*'), std::string::npos);
}

TEST_F(UndoRedoTest, UndoRepaintsAndLeavesASolvedModelUnsolved) {
  BuildMeshedRectangle(2, 1);
  window.model().SetSolved(true);
  window.ShowDeformedShape(true);
  PickNodeAtOrigin();
  ApplyIn(menu_id::kForce, {{control_id::kForceFx, "1"}, {control_id::kForceFy, "0"}},
          control_id::kForceApply);
  const int fullRepaints = platform.repaints.fullRepaints;
  window.OnCommand(menu_id::kUndo);
  EXPECT_FALSE(window.model().solved());
  EXPECT_EQ(window.model().forces().Count(), 0);
  EXPECT_GT(platform.repaints.fullRepaints, fullRepaints);
}

}  // namespace
}  // namespace kestrix
