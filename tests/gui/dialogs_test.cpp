#include "dialog_templates.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model_file_writer.h"
#include "gui/window_fixture.h"

namespace kestrix {
namespace {

using namespace control_id;

class DialogsTest : public WindowTest {
 protected:
  OpenDialog& Open(int menuId) {
    window.OnCommand(menuId);
    return platform.dialogs.Latest();
  }

  void SelectAllNodes() {
    window.OnChar('s');
    Click(PixelOf(-1, -1));
    Click(PixelOf(5, 3));
  }
};

TEST_F(DialogsTest, CreateGeoPtAddsThePointAndRefitsTheView) {
  OpenDialog& dialog = Open(menu_id::kCreateGeoPt);
  dialog.controls.texts = {{kGeoPtX, "3"}, {kGeoPtY, "4"}};
  window.OnWheel(10, 10, 1);
  dialog.Press(kGeoPtApply);
  EXPECT_EQ(window.model().geoPoints().Count(), 1);
  EXPECT_EQ(window.storedBoundingBox(), (BoundingBox{2.5, 3.5, 3.5, 4.5}));
  EXPECT_DOUBLE_EQ(window.view().scale(), 0.95 * 200);
  EXPECT_EQ(window.view().ModelToScreen(3, 4), (ScreenPoint{100, 100}));
  EXPECT_GE(platform.repaints.fullRepaints, 1);
  EXPECT_TRUE(dialog.IsOpen());
  dialog.Press(kOk);
  EXPECT_EQ(platform.notifier.messages.size(), 1u);  // the same point again
  EXPECT_EQ(window.model().geoPoints().Count(), 1);
  EXPECT_FALSE(dialog.IsOpen());
}

TEST_F(DialogsTest, CreatePolygonUsesThePickedPoints) {
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}}) window.model().CreateGeoPt(x, y);
  window.RefitToModel();
  OpenDialog& dialog = Open(menu_id::kCreatePolygon);
  dialog.Press(kPolygonApply);
  EXPECT_EQ(window.model().polygons().Count(), 0);
  window.OnCommand(menu_id::kPickGeoPt);
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}}) Click(PixelOf(x, y));
  dialog.Press(kPolygonApply);
  EXPECT_EQ(window.model().polygons().Count(), 1);
}

TEST_F(DialogsTest, MaterialShowsTheModelValuesAndSetsThemOnOk) {
  platform.dialogs.modalScript = [](FakeDialogControls& controls, DialogBehaviour& dialog) {
    controls.texts = {{kMaterialE, "70000"}, {kMaterialMu, "0.33"}, {kMaterialThick, "2"}};
    dialog.OnCommand(kOk, controls);
  };
  window.OnCommand(menu_id::kMaterial);
  const auto& shown = platform.dialogs.lastModalOpened.texts;
  EXPECT_EQ(shown.at(kMaterialE), "210000.000000");
  EXPECT_EQ(shown.at(kMaterialMu), "0.300000");
  EXPECT_EQ(shown.at(kMaterialThick), "1.000000");
  EXPECT_EQ(window.model().E(), 70000);
  EXPECT_EQ(window.model().Mu(), 0.33);
  EXPECT_EQ(window.model().Thick(), 2);
  EXPECT_EQ(platform.repaints.repaints, 1);

  platform.dialogs.modalScript = [](FakeDialogControls& controls, DialogBehaviour& dialog) {
    controls.texts[kMaterialE] = "1";
    dialog.OnCommand(kCancel, controls);
  };
  window.OnCommand(menu_id::kMaterial);
  EXPECT_EQ(platform.dialogs.lastModalOpened.texts.at(kMaterialE), "70000.000000");
  EXPECT_EQ(window.model().E(), 70000);
}

TEST_F(DialogsTest, BoundaryConditionConstrainsTheSelectedNodesOnOkOnly) {
  BuildMeshedRectangle(2, 1);
  SelectAllNodes();
  platform.dialogs.modalScript = [](FakeDialogControls& controls, DialogBehaviour& dialog) {
    dialog.OnCommand(kCancel, controls);
  };
  window.OnCommand(menu_id::kBoundaryCondition);
  EXPECT_EQ(window.model().constraints().Count(), 0);
  EXPECT_EQ(SelectedNodeCount(), 6);

  platform.dialogs.modalScript = [](FakeDialogControls& controls, DialogBehaviour& dialog) {
    EXPECT_FALSE(controls.IsChecked(kUx));
    controls.SetChecked(kUy, true);
    dialog.OnCommand(kOk, controls);
  };
  window.OnCommand(menu_id::kBoundaryCondition);
  EXPECT_EQ(platform.dialogs.modalIds,
            (std::vector<int>{dialog_id::kBoundaryCondition, dialog_id::kBoundaryCondition}));
  ASSERT_EQ(window.model().constraints().Count(), 6);
  for (const Constraint& constraint : window.model().constraints()) {
    EXPECT_EQ(constraint.UX, 0);
    EXPECT_EQ(constraint.UY, 1);
  }
}

TEST_F(DialogsTest, MeshingTakesWholeNumbersFromOneAndStaysOpen) {
  BuildSelectedRectangle();
  OpenDialog& dialog = Open(menu_id::kMeshQuad);
  dialog.controls.texts = {{kMeshLn, "4"}, {kMeshWn, "abc"}};
  dialog.Press(kMesh);
  EXPECT_EQ(window.model().NELEM(), 0);
  ASSERT_EQ(platform.notifier.messages.size(), 1u);
  EXPECT_EQ(platform.notifier.messages[0],
            (ShownMessage{"\"WN=\"的输入\"abc\"无效, 应为不小于1的整数!", "Warning!"}));
  dialog.controls.texts = {{kMeshLn, "2.5"}, {kMeshWn, "0"}};
  dialog.Press(kMesh);
  EXPECT_EQ(platform.notifier.messages.back().text, "\"LN=\"的输入\"2.5\"无效, 应为不小于1的整数!");
  dialog.controls.texts = {{kMeshLn, "4"}, {kMeshWn, "2"}};  // the polygon is still selected
  dialog.Press(kMesh);
  EXPECT_EQ(window.model().NELEM(), 8);
  EXPECT_TRUE(dialog.IsOpen());
  dialog.Press(kMeshExit);
  EXPECT_FALSE(dialog.IsOpen());
}

TEST_F(DialogsTest, ForceTakesBothComponents) {
  BuildMeshedRectangle(1, 1);
  window.OnCommand(menu_id::kPointPick);
  window.OnCommand(menu_id::kPickNode);
  Click(PixelOf(4, 2));
  OpenDialog& dialog = Open(menu_id::kForce);
  dialog.controls.texts = {{kForceFx, "1e3"}, {kForceFy, " -0 "}};
  dialog.Press(kForceApply);
  ASSERT_EQ(window.model().forces().Count(), 1);
  EXPECT_EQ(window.model().forces().Front().Fx, 1000);
  EXPECT_EQ(window.model().forces().Front().Fy, 0);
  dialog.Press(kCancel);
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_EQ(window.model().forces().Count(), 1);
}

// Every numeric field of every dialog: a field that does not hold a number of
// its range is named, the model keeps what it had and the dialog stays open,
// whether Apply or OK was pressed.
TEST_F(DialogsTest, AFieldWithoutAValidNumberIsNamedAndChangesNothing) {
  BuildMeshedRectangle(1, 1);
  window.OnCommand(menu_id::kPointPick);
  window.OnCommand(menu_id::kPickNode);
  Click(PixelOf(4, 2));
  const struct {
    int menuId;
    std::map<int, std::string> texts;
    int button;
    std::string message;
  } cases[] = {
      {menu_id::kCreateGeoPt, {{kGeoPtX, "1"}, {kGeoPtY, "nan"}}, kGeoPtApply,
       "\"y\"的输入\"nan\"无效, 应为有限的数!"},
      {menu_id::kCreateGeoPt, {{kGeoPtX, ""}, {kGeoPtY, "2"}}, kOk, "\"x\"的输入\"\"无效, 应为有限的数!"},
      {menu_id::kForce, {{kForceFx, "1e3"}, {kForceFy, ""}}, kForceApply,
       "\"Fy=\"的输入\"\"无效, 应为有限的数!"},
      {menu_id::kForce, {{kForceFx, "1e999"}, {kForceFy, "0"}}, kOk,
       "\"Fx=\"的输入\"1e999\"无效, 应为有限的数!"},
      {menu_id::kDistributedLoad, {{kLoadQi, "10"}, {kLoadQj, "abc"}}, kLoadApply,
       "\"qj=\"的输入\"abc\"无效, 应为有限的数!"},
      {menu_id::kDistributedLoad, {{kLoadQi, "10x"}, {kLoadQj, "1"}}, kOk,
       "\"qi=\"的输入\"10x\"无效, 应为有限的数!"},
  };
  const std::string before = FormatModelFile(window.model());
  for (const auto& typed : cases) {
    SCOPED_TRACE(typed.message);
    platform.notifier.messages.clear();
    OpenDialog& dialog = Open(typed.menuId);
    dialog.controls.texts = typed.texts;
    dialog.Press(typed.button);
    EXPECT_EQ(platform.notifier.messages, (std::vector<ShownMessage>{{typed.message, "Warning!"}}));
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(FormatModelFile(window.model()), before);
  }
  EXPECT_EQ(window.model().nodes().CountSelected(), 1);
}

TEST_F(DialogsTest, MaterialNeedsPositiveModulusAndThicknessAndAPoissonsRatioBelowAHalf) {
  const struct {
    std::string E, Mu, Thick, message;
  } cases[] = {
      {"abc", "0.3", "1", "\"Young's Modulus E=\"的输入\"abc\"无效, 应为大于0的数!"},
      {"0", "0.3", "1", "\"Young's Modulus E=\"的输入\"0\"无效, 应为大于0的数!"},
      {"1e5", "0.5", "1", "\"Poisson's Ratio Mu=\"的输入\"0.5\"无效, 应为大于-1且小于0.5的数!"},
      {"1e5", "-1", "1", "\"Poisson's Ratio Mu=\"的输入\"-1\"无效, 应为大于-1且小于0.5的数!"},
      {"1e5", "0.3", "", "\"Thick t=\"的输入\"\"无效, 应为大于0的数!"},
      {"1e5", "0.3", "-2", "\"Thick t=\"的输入\"-2\"无效, 应为大于0的数!"},
  };
  for (const auto& typed : cases) {
    SCOPED_TRACE(typed.message);
    platform.notifier.messages.clear();
    std::optional<int> ended;
    platform.dialogs.modalScript = [&](FakeDialogControls& controls, DialogBehaviour& dialog) {
      controls.texts = {{kMaterialE, typed.E}, {kMaterialMu, typed.Mu}, {kMaterialThick, typed.Thick}};
      dialog.OnCommand(kOk, controls);
      ended = controls.result;
    };
    window.OnCommand(menu_id::kMaterial);
    EXPECT_EQ(ended, std::nullopt);
    EXPECT_EQ(platform.notifier.messages, (std::vector<ShownMessage>{{typed.message, "Warning!"}}));
    EXPECT_EQ(window.model().E(), 210000);
    EXPECT_EQ(window.model().Mu(), 0.3);
    EXPECT_EQ(window.model().Thick(), 1);
  }
  platform.dialogs.modalScript = [](FakeDialogControls& controls, DialogBehaviour& dialog) {
    controls.texts = {{kMaterialE, "70000"}, {kMaterialMu, "-0.99"}, {kMaterialThick, "0.5"}};
    dialog.OnCommand(kOk, controls);
  };
  window.OnCommand(menu_id::kMaterial);
  EXPECT_EQ(window.model().Mu(), -0.99);
}

TEST_F(DialogsTest, DistributedLoadTakesQiFromTheUpperField) {
  BuildMeshedRectangle(1, 1);
  window.OnCommand(menu_id::kPointPick);
  window.OnCommand(menu_id::kPickElemEdge);
  Click(PixelOf(2, 0));
  ASSERT_EQ(window.model().edges().CountSelected(), 1);
  OpenDialog& dialog = Open(menu_id::kDistributedLoad);
  dialog.controls.texts = {{kLoadQi, "10"}, {kLoadQj, "20"}};
  dialog.Press(kOk);
  ASSERT_EQ(window.model().distributedLoads().Count(), 1);
  EXPECT_EQ(window.model().distributedLoads().Front().qi, 10);
  EXPECT_EQ(window.model().distributedLoads().Front().qj, 20);
  EXPECT_FALSE(dialog.IsOpen());
}

TEST_F(DialogsTest, DeformedShapeRemembersItsChoiceAndCancelChangesNothing) {
  OpenDialog& first = Open(menu_id::kDeformedShape);
  EXPECT_TRUE(first.controls.IsChecked(kDefAndUndeformed));
  first.Press(kDefOnly);
  first.Press(kCancel);
  EXPECT_FALSE(window.display().showDeformed);
  OpenDialog& second = Open(menu_id::kDeformedShape);
  EXPECT_TRUE(second.controls.IsChecked(kDefOnly));
  EXPECT_FALSE(second.controls.IsChecked(kDefAndUndeformed));
  second.Press(kDeformedApply);
  EXPECT_TRUE(window.display().showDeformed);
  EXPECT_FALSE(window.display().showStructure);
  EXPECT_FALSE(platform.menuChecks.IsChecked(menu_id::kStructure));
  second.Press(kDefAndUndeformed);
  second.Press(kOk);
  EXPECT_TRUE(window.display().showStructure);
  EXPECT_TRUE(platform.menuChecks.IsChecked(menu_id::kStructure));
}

TEST_F(DialogsTest, AnOpenDialogActsOnTheModelThatReplacedTheOldOne) {
  OpenDialog& dialog = Open(menu_id::kCreateGeoPt);
  window.ReplaceModel(std::make_unique<Model>(), std::make_unique<ViewTransform>());
  dialog.controls.texts = {{kGeoPtX, "1"}, {kGeoPtY, "2"}};
  dialog.Press(kGeoPtApply);
  EXPECT_EQ(window.model().geoPoints().Count(), 1);
}

}  // namespace
}  // namespace kestrix
