#include "dialog_templates.h"
#include "gui/window_fixture.h"
#include "support/recording_canvas.h"

namespace kestrix {
namespace {

using MenuCommandsTest = WindowTest;

int TextCount(MainWindow& window) {
  RecordingCanvas canvas;
  window.Paint(canvas);
  return static_cast<int>(canvas.Texts().size());
}

TEST_F(MenuCommandsTest, NumbersToggleWithTheirCheckMarks) {
  BuildMeshedRectangle(2, 1);
  window.OnCommand(menu_id::kNodeNumbers);
  EXPECT_TRUE(platform.menuChecks.IsChecked(menu_id::kNodeNumbers));
  EXPECT_EQ(TextCount(window), 6);
  window.OnCommand(menu_id::kElemNumbers);
  EXPECT_EQ(TextCount(window), 8);
  window.OnCommand(menu_id::kNodeNumbers);
  window.OnCommand(menu_id::kElemNumbers);
  EXPECT_FALSE(platform.menuChecks.IsChecked(menu_id::kNodeNumbers));
  EXPECT_FALSE(platform.menuChecks.IsChecked(menu_id::kElemNumbers));
  EXPECT_EQ(TextCount(window), 0);
}

TEST_F(MenuCommandsTest, BackgroundItemsMoveTheirCheckMarkAndFillColour) {
  window.OnCommand(menu_id::kWhiteBackground);
  EXPECT_TRUE(platform.menuChecks.IsChecked(menu_id::kWhiteBackground));
  EXPECT_FALSE(platform.menuChecks.IsChecked(menu_id::kBlackBackground));
  RecordingCanvas canvas;
  window.Paint(canvas);
  ASSERT_FALSE(canvas.Calls().empty());
  EXPECT_EQ(canvas.Calls().front().op, CanvasOp::FillBackground);
  EXPECT_EQ(canvas.Calls().front().colour, (Rgb{255, 255, 255}));
  window.OnCommand(menu_id::kBlackBackground);
  EXPECT_EQ(window.display().Background(), (Rgb{0, 0, 0}));
  EXPECT_FALSE(platform.menuChecks.IsChecked(menu_id::kWhiteBackground));
}

TEST_F(MenuCommandsTest, PickModeItemsMoveTheirCheckMark) {
  window.OnCommand(menu_id::kPointPick);
  EXPECT_FALSE(window.interaction().rectanglePick());
  EXPECT_TRUE(platform.menuChecks.IsChecked(menu_id::kPointPick));
  EXPECT_FALSE(platform.menuChecks.IsChecked(menu_id::kRectanglePick));
  window.OnCommand(menu_id::kRectanglePick);
  EXPECT_TRUE(window.interaction().rectanglePick());
  EXPECT_FALSE(platform.menuChecks.IsChecked(menu_id::kPointPick));
}

TEST_F(MenuCommandsTest, PickElementAndUnknownIdsAreLeftToTheToolkit) {
  EXPECT_FALSE(window.OnCommand(menu_id::kPickElement));
  EXPECT_FALSE(window.OnCommand(12345));
  EXPECT_TRUE(window.OnCommand(menu_id::kStructure));
}

TEST_F(MenuCommandsTest, StructureBringsTheModelBackAfterDefOnly) {
  BuildMeshedRectangle(2, 1);
  window.ShowDeformedShape(false);
  EXPECT_FALSE(platform.menuChecks.IsChecked(menu_id::kStructure));
  RecordingCanvas hidden;
  window.Paint(hidden);
  EXPECT_TRUE(hidden.CallsOf(CanvasOp::DrawEllipse).empty());
  window.OnCommand(menu_id::kStructure);
  EXPECT_TRUE(window.display().showStructure);
  EXPECT_FALSE(window.display().showDeformed);
  EXPECT_TRUE(platform.menuChecks.IsChecked(menu_id::kStructure));
  RecordingCanvas shown;
  window.Paint(shown);
  EXPECT_EQ(shown.CallsOf(CanvasOp::DrawEllipse).size(), 6u + 4u);  // nodes and GeoPts
}

TEST_F(MenuCommandsTest, DeformedShapeBeforeSolveWarnsThenOpensItsDialog) {
  window.OnCommand(menu_id::kDeformedShape);
  ASSERT_EQ(platform.notifier.messages.size(), 1u);
  EXPECT_EQ(platform.notifier.messages[0].text, "绘制变形图之前, 应首先进行计算!");
  EXPECT_EQ(platform.notifier.messages[0].caption, "Warning!");
  ASSERT_EQ(platform.dialogs.modeless.size(), 1u);
  EXPECT_EQ(platform.dialogs.Latest().dialogId, dialog_id::kDeformedShape);
}

TEST_F(MenuCommandsTest, ResultTablesOpenWithoutAnyTest) {
  window.OnCommand(menu_id::kNodeDof);
  window.OnCommand(menu_id::kNodeStress);
  window.OnCommand(menu_id::kElementStress);
  window.OnCommand(menu_id::kReactionForces);
  EXPECT_EQ(platform.programs.shown,
            (std::vector<std::string>{"Node_Dis.txt", "Node_Stress.txt", "Element_Stress.txt",
                                      "Node_Reaction.txt"}));
  EXPECT_TRUE(platform.notifier.messages.empty());
}

// The zoom rectangle lies under the model, the selection rectangle over it.
TEST_F(MenuCommandsTest, RubberBandsArePaintedUnderAndOverTheModel) {
  BuildMeshedRectangle(2, 1);
  auto firstEllipse = [](const RecordingCanvas& canvas) {
    const auto& calls = canvas.Calls();
    for (std::size_t k = 0; k < calls.size(); ++k) {
      if (calls[k].op == CanvasOp::DrawEllipse) return k;
    }
    return calls.size();
  };
  auto invertedLines = [](const RecordingCanvas& canvas) {
    std::vector<std::size_t> positions;
    const auto& calls = canvas.Calls();
    for (std::size_t k = 0; k < calls.size(); ++k) {
      if (calls[k].op == CanvasOp::DrawLine && calls[k].rasterMode == RasterMode::Invert) {
        positions.push_back(k);
      }
    }
    return positions;
  };
  window.OnChar('z');
  window.OnLeftButtonDown(20, 20);
  window.OnMouseMove(60, 70);
  RecordingCanvas zoom;
  window.Paint(zoom);
  ASSERT_EQ(invertedLines(zoom).size(), 4u);
  EXPECT_LT(invertedLines(zoom).back(), firstEllipse(zoom));
  EXPECT_EQ(zoom.Lines().front().pen.colour, (Rgb{255, 255, 255}));

  window.OnChar('s');
  window.OnMouseMove(10, 30);
  RecordingCanvas pick;
  window.Paint(pick);
  ASSERT_EQ(invertedLines(pick).size(), 4u);
  EXPECT_GT(invertedLines(pick).front(), firstEllipse(pick));
  EXPECT_EQ(pick.Lines().back().pen.style, PenStyle::Dashed);  // spanned leftwards
}

}  // namespace
}  // namespace kestrix
