#include "interaction.h"

#include "gui/window_fixture.h"
#include "support/recording_canvas.h"

namespace kestrix {
namespace {

using InteractionTest = WindowTest;

TEST_F(InteractionTest, ClickAfterStartDoesNothing) {
  window.OnLeftButtonDown(50, 60);
  EXPECT_EQ(window.interaction().mode(), InteractionMode::Idle);
  EXPECT_EQ(window.interaction().clickCount(), 0);
  EXPECT_EQ(platform.repaints.Total(), 0);
}

TEST_F(InteractionTest, PanDragsThePictureBetweenTwoClicks) {
  window.OnChar('P');
  window.OnLeftButtonDown(100, 100);
  window.OnMouseMove(110, 105);
  EXPECT_EQ(window.view().originX(), 110);
  EXPECT_EQ(window.view().originY(), 105);
  window.OnMouseMove(120, 100);
  window.OnLeftButtonDown(125, 90);
  EXPECT_EQ(window.view().originX(), 125);
  EXPECT_EQ(window.view().originY(), 90);
  EXPECT_EQ(window.interaction().clickCount(), 0);
  window.OnMouseMove(150, 150);
  EXPECT_EQ(window.view().originX(), 125);
}

TEST_F(InteractionTest, PanKeyBetweenTheClicksRestartsTheGesture) {
  window.OnChar('p');
  window.OnLeftButtonDown(50, 50);
  window.OnChar('P');
  EXPECT_EQ(window.interaction().clickCount(), 0);
  window.OnLeftButtonDown(60, 60);
  EXPECT_EQ(window.view().originX(), 100);
  window.OnMouseMove(70, 65);
  EXPECT_EQ(window.view().originX(), 110);
  EXPECT_EQ(window.view().originY(), 105);
}

TEST_F(InteractionTest, ZoomWindowShowsItsRectangleUntilTheSecondClick) {
  BuildMeshedRectangle(4, 2);
  window.OnChar('z');
  EXPECT_FALSE(window.interaction().ShowsZoomRect());
  window.OnLeftButtonDown(50, 80);
  window.OnMouseMove(90, 120);
  EXPECT_TRUE(window.interaction().ShowsZoomRect());
  EXPECT_EQ(window.interaction().rubberBandEnd(), (ScreenPoint{90, 120}));
  const double scaleBefore = window.view().scale();
  window.OnLeftButtonDown(100, 105);
  EXPECT_FALSE(window.interaction().ShowsZoomRect());
  EXPECT_DOUBLE_EQ(window.view().scale(), scaleBefore * 4);  // 50 × 25 pixels fill 200 × 200
  RecordingCanvas canvas;
  window.Paint(canvas);
  EXPECT_TRUE(canvas.CallsOf(CanvasOp::SetRasterMode).empty());
}

TEST_F(InteractionTest, RectanglePickTogglesTheNodesInsideOnTheSecondClick) {
  BuildMeshedRectangle(4, 2);
  window.OnChar('s');
  const ScreenPoint lowerRight = PixelOf(4.5, -0.5);
  const ScreenPoint upperLeft = PixelOf(1.5, 2.5);
  Click(lowerRight);
  EXPECT_EQ(SelectedNodeCount(), 0);
  window.OnMouseMove(upperLeft.x, upperLeft.y);
  EXPECT_TRUE(window.interaction().ShowsPickRect());
  Click(upperLeft);
  EXPECT_EQ(SelectedNodeCount(), 9);  // columns x = 2, 3, 4
  EXPECT_FALSE(window.interaction().ShowsPickRect());
}

TEST_F(InteractionTest, PointPickTogglesTheNearestNodeWithEveryClick) {
  BuildMeshedRectangle(4, 2);
  window.OnCommand(menu_id::kPointPick);
  window.OnCommand(menu_id::kPickNode);
  Click(PixelOf(1.1, 0.9));
  EXPECT_EQ(SelectedNodeCount(), 1);
  EXPECT_FALSE(window.interaction().ShowsPickRect());
  Click(PixelOf(1.1, 0.9));
  EXPECT_EQ(SelectedNodeCount(), 0);
}

TEST_F(InteractionTest, SwitchingToPointPickBetweenTheClicksStillCompletesTheRectangle) {
  BuildMeshedRectangle(4, 2);
  window.OnCommand(menu_id::kPickNode);
  Click(PixelOf(-0.5, -0.5));
  window.OnCommand(menu_id::kPointPick);
  Click(PixelOf(2.5, 2.5));
  EXPECT_EQ(SelectedNodeCount(), 9);  // columns x = 0, 1, 2
  EXPECT_EQ(window.interaction().clickCount(), 0);
}

TEST_F(InteractionTest, EdgePickInRectangleSelectsEdgesWithBothEndsInside) {
  BuildMeshedRectangle(4, 2);
  window.OnCommand(menu_id::kPickElemEdge);
  Click(PixelOf(-0.5, 2.5));
  Click(PixelOf(1.5, 1.5));
  EXPECT_EQ(window.model().edges().CountSelected(), 1);  // the top side from (0, 2) to (1, 2)
}

TEST_F(InteractionTest, WheelZoomsOnlyOutsideTheEdgeGeoPtAndPolygonPicks) {
  struct Case {
    char32_t key;
    int menuId;
    bool zooms;
  };
  const Case cases[] = {{0, 0, true},
                        {'P', 0, true},
                        {'Z', 0, true},
                        {0, menu_id::kPickNode, true},
                        {0, menu_id::kPickElemEdge, false},
                        {0, menu_id::kPickGeoPt, false},
                        {0, menu_id::kPickPolygon, false}};
  for (const Case& c : cases) {
    if (c.key != 0) window.OnChar(c.key);
    if (c.menuId != 0) window.OnCommand(c.menuId);
    const double before = window.view().scale();
    window.OnWheel(30, 40, 120);
    EXPECT_EQ(window.view().scale(), c.zooms ? before * 1.1 : before)
        << int(window.interaction().mode());
  }
}

TEST_F(InteractionTest, WheelTowardsTheUserZoomsOutOneStepWhateverTheDelta) {
  const double before = window.view().scale();
  window.OnWheel(100, 100, -480);
  EXPECT_EQ(window.view().scale(), before / 1.1);
}

TEST_F(InteractionTest, EscClearsTheSelectionAndRepaints) {
  BuildMeshedRectangle(4, 2);
  window.OnChar('s');
  Click(PixelOf(-1, -1));
  Click(PixelOf(5, 3));
  ASSERT_EQ(SelectedNodeCount(), 15);
  const int repaintsBefore = platform.repaints.repaints;
  window.OnChar(27);
  EXPECT_EQ(SelectedNodeCount(), 0);
  EXPECT_EQ(platform.repaints.repaints, repaintsBefore + 1);
}

TEST_F(InteractionTest, FitKeyAndResizeDiscardPanAndZoom) {
  BuildMeshedRectangle(4, 2);
  const double fitted = window.view().scale();
  window.OnWheel(10, 10, 1);
  window.OnChar('x');
  EXPECT_EQ(window.view().scale(), fitted);
  window.OnChar('p');
  Click({0, 0});
  Click({30, 30});
  window.OnSize(200, 200);
  EXPECT_EQ(window.view().originX(), 100);
  EXPECT_EQ(window.view().scale(), fitted);
}

}  // namespace
}  // namespace kestrix
