// The deformed shape's scale of the user's own, and the fit (X) to
// everything drawn: load symbols and the deformed mesh included.

#include "deformation_scale_choice.h"
#include "dialog_templates.h"
#include "gui/window_fixture.h"
#include "support/recording_canvas.h"

namespace kestrix {
namespace {

using namespace control_id;

class DeformedViewTest : public WindowTest {
 protected:
  // The 4 × 2 rectangle meshed 1 × 1 (stored box 4 × 2), its upper right
  // corner moved 0.0008 down: the automatic scale is 0.1 × 4 / 0.0008 = 500.
  void BuildSolvedRectangle() {
    BuildMeshedRectangle(1, 1);
    window.model().SetNodeDisplacement(3, 0.0, -0.0008);
    window.model().SetSolved(true);
  }

  OpenDialog& OpenDeformedShape() {
    window.OnCommand(menu_id::kDeformedShape);
    return platform.dialogs.Latest();
  }

  // The lowest pixel row and the rightmost column that the paint draws on.
  ScreenPoint LowerRightmostDrawn() {
    RecordingCanvas canvas;
    window.Paint(canvas);
    ScreenPoint extreme{-1000000, -1000000};
    for (const CanvasCall& line : canvas.Lines()) {
      extreme.x = std::max({extreme.x, line.x1, line.x2});
      extreme.y = std::max({extreme.y, line.y1, line.y2});
    }
    return extreme;
  }
};

TEST_F(DeformedViewTest, DialogShowsTheAutomaticScaleAndTakesTheUsersOwn) {
  OpenDialog& before = OpenDeformedShape();
  EXPECT_EQ(before.controls.Text(kDeformAutoScale), "Automatic: after a solve");
  before.Press(kCancel);

  BuildSolvedRectangle();
  OpenDialog& dialog = OpenDeformedShape();
  EXPECT_EQ(dialog.controls.Text(kDeformAutoScale), "Automatic: 500");
  EXPECT_EQ(dialog.controls.Text(kDeformScale), "");
  dialog.controls.SetText(kDeformScale, "2000");
  dialog.Press(kDeformedApply);
  EXPECT_EQ(window.display().deformationScale, 2000.0);
  EXPECT_EQ(ShownDeformationScale(window.model(), window.display()), 2000.0);
  EXPECT_TRUE(window.display().showDeformed);

  // A scale that is no number above 0 is refused; OK then keeps the dialog open.
  for (const char* refused : {"-5", "0", "abc", "inf"}) {
    const std::size_t messages = platform.notifier.messages.size();
    dialog.controls.SetText(kDeformScale, refused);
    dialog.Press(kOk);
    EXPECT_TRUE(dialog.IsOpen()) << refused;
    ASSERT_EQ(platform.notifier.messages.size(), messages + 1) << refused;
    EXPECT_EQ(platform.notifier.messages.back().caption, kWarningCaption);
    EXPECT_EQ(window.display().deformationScale, 2000.0);
  }

  // Opened again, the field shows the user's scale; emptied, the automatic one is back.
  dialog.Press(kCancel);
  OpenDialog& again = OpenDeformedShape();
  EXPECT_EQ(again.controls.Text(kDeformScale), "2000");
  again.controls.SetText(kDeformScale, " ");
  again.Press(kOk);
  EXPECT_FALSE(again.IsOpen());
  EXPECT_EQ(window.display().deformationScale, std::nullopt);
  EXPECT_EQ(ShownDeformationScale(window.model(), window.display()), 500.0);
}

TEST_F(DeformedViewTest, TheDeformedMeshIsDrawnWithTheChosenScale) {
  BuildSolvedRectangle();
  window.ShowDeformedShape(false);
  window.OnChar('x');
  const ScreenPoint automatic = PixelOf(4, 2 - 500 * 0.0008);
  RecordingCanvas canvas;
  window.Paint(canvas);
  const auto endsAt = [&canvas](ScreenPoint p) {
    for (const CanvasCall& line : canvas.Lines()) {
      if ((line.x1 == p.x && line.y1 == p.y) || (line.x2 == p.x && line.y2 == p.y)) return true;
    }
    return false;
  };
  EXPECT_TRUE(endsAt(automatic));
  window.SetDeformationScale(100.0);
  canvas = RecordingCanvas();
  window.Paint(canvas);
  EXPECT_TRUE(endsAt(PixelOf(4, 2 - 100 * 0.0008)));
  EXPECT_FALSE(endsAt(automatic));
}

TEST_F(DeformedViewTest, FitTakesTheLoadSymbolsIntoTheWindow) {
  BuildMeshedRectangle(4, 2);
  // A force far larger than the model's size: the arrow reaches 0.4 to the
  // right; an edge load on the top stands 0.4 above it.
  window.OnChar('s');
  Click(PixelOf(3.7, 1.7));
  Click(PixelOf(4.3, 2.3));
  window.model().ApplyForce(1000, 0);
  window.OnCommand(menu_id::kPickElemEdge);
  Click(PixelOf(-0.3, 2.3));
  Click(PixelOf(4.3, 1.7));
  window.model().ApplyDistributedLoad(-50, -50);
  window.OnChar('x');
  RecordingCanvas canvas;
  window.Paint(canvas);
  for (const CanvasCall& line : canvas.Lines()) {
    for (const ScreenPoint p : {ScreenPoint{line.x1, line.y1}, ScreenPoint{line.x2, line.y2}}) {
      EXPECT_TRUE(p.x >= 0 && p.x < 200 && p.y >= 0 && p.y < 200) << p.x << "," << p.y;
    }
  }
  // The constraint symbols' 15 pixels fit too.
  window.OnChar('s');
  Click(PixelOf(-0.3, 2.3));
  Click(PixelOf(0.3, -0.3));
  window.model().ApplyConstraint(true, true);
  window.OnChar('x');
  EXPECT_GE(PixelOf(0, 0).x, 15);
}

TEST_F(DeformedViewTest, FitTakesTheDeformedMeshIntoTheWindow) {
  BuildSolvedRectangle();
  window.SetDeformationScale(5000.0);  // the corner 4 units down
  window.ShowDeformedShape(true);
  window.OnChar('x');
  const ScreenPoint extreme = LowerRightmostDrawn();
  EXPECT_LT(extreme.y, 200);
  EXPECT_GT(PixelOf(4, -2).y, 180);  // and fills the window
  // Only the structure: the fit is the model's again.
  window.OnCommand(menu_id::kStructure);
  window.OnChar('x');
  EXPECT_GE(PixelOf(4, -2).y, 200);
}

}  // namespace
}  // namespace kestrix
