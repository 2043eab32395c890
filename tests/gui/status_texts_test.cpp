// The status bar's texts as the window's gestures change them.

#include "status_texts.h"

#include "gui/window_fixture.h"

namespace kestrix {
namespace {

using StatusTest = WindowTest;

TEST_F(StatusTest, ModeSaysWhatTheNextClickDoes) {
  EXPECT_EQ(window.Status().mode.rfind("Ready: ", 0), 0u);
  window.OnChar('z');
  EXPECT_EQ(window.Status().mode, "Zoom window: first corner");
  Click({10, 10});
  EXPECT_EQ(window.Status().mode, "Zoom window: second corner");
  Click({50, 50});
  EXPECT_EQ(window.Status().mode, "Zoom window: first corner");

  window.OnChar('p');
  EXPECT_EQ(window.Status().mode, "Pan: click to take hold");
  Click({10, 10});
  EXPECT_EQ(window.Status().mode, "Pan: move the picture, click to let go");

  window.OnChar('s');  // keeps the pan's click: the next click ends a rectangle
  EXPECT_EQ(window.Status().mode, "Pick nodes: click the second corner");
  Click({20, 20});
  EXPECT_EQ(window.Status().mode, "Pick nodes: click the first corner of a rectangle");
  window.OnCommand(menu_id::kPointPick);
  EXPECT_EQ(window.Status().mode, "Pick nodes: click to toggle the nearest node");
  window.OnCommand(menu_id::kPickElemEdge);
  EXPECT_EQ(window.Status().mode, "Pick edges: click on an edge to toggle it");
  window.OnCommand(menu_id::kPickPolygon);
  EXPECT_EQ(window.Status().mode, "Pick polygons: click inside one to toggle it");
}

TEST_F(StatusTest, PickingPointsCountsThePicks) {
  window.model().CreateGeoPt(0, 0);
  window.model().CreateGeoPt(1, 0);
  window.RefitToModel();
  window.OnCommand(menu_id::kPickGeoPt);
  EXPECT_EQ(window.Status().mode, "Pick points for a polygon: click near a point (0 picked)");
  Click(PixelOf(1, 0));
  EXPECT_EQ(window.Status().mode, "Pick points for a polygon: click near a point (1 picked)");
  EXPECT_EQ(window.Status().selection, "Selected: 1 point");
}

TEST_F(StatusTest, CountsAndSelectionFollowTheModel) {
  EXPECT_EQ(window.Status().counts,
            "0 points, 0 polygons, 0 nodes, 0 elements, 0 constraints, 0 forces, 0 edge loads");
  BuildMeshedRectangle(4, 2);
  EXPECT_EQ(window.Status().selection, "Nothing selected");
  window.OnChar('s');
  Click(PixelOf(-0.3, 2.3));
  Click(PixelOf(0.3, -0.3));
  EXPECT_EQ(window.Status().selection, "Selected: 3 nodes");
  window.model().ApplyConstraint(true, true);
  Click(PixelOf(3.7, 0.3));
  Click(PixelOf(4.3, -0.3));
  window.model().ApplyForce(0, -1);
  EXPECT_EQ(window.Status().counts,
            "4 points, 1 polygon, 15 nodes, 8 elements, 3 constraints, 1 force, 0 edge loads");
  window.OnCommand(menu_id::kPickElemEdge);
  Click(PixelOf(-0.3, 2.3));
  Click(PixelOf(4.3, 1.7));
  window.OnCommand(menu_id::kPickPolygon);
  Click(PixelOf(2, 1));
  EXPECT_EQ(window.Status().selection, "Selected: 4 edges, 1 polygon");
}

TEST_F(StatusTest, CursorShowsTheModelPositionOnceTheMouseIsOver) {
  EXPECT_EQ(window.Status().cursor, "");
  window.model().CreateGeoPt(0, 0);
  window.model().CreateGeoPt(4, 2);
  window.RefitToModel();
  const ScreenPoint p = PixelOf(1, 1);
  window.OnMouseMove(p.x, p.y);
  EXPECT_EQ(window.Status().cursor, CursorText(window.view().ModelFromScreen(p.x, p.y)));
  EXPECT_EQ(CursorText({1.5, -0.25}), "x = 1.5, y = -0.25");
  EXPECT_EQ(CursorText({1.0 / 3, 2e7}), "x = 0.333333, y = 2e+07");
}

TEST_F(StatusTest, DeformationScaleShowsOnlyWhileTheDeformedMeshIsDrawn) {
  BuildMeshedRectangle(1, 1);
  window.model().SetNodeDisplacement(2, 0.0, -0.0008);
  window.model().SetSolved(true);
  EXPECT_EQ(window.Status().deformation, "");
  window.ShowDeformedShape(true);
  // A tenth of the stored box (4 wide) for 0.0008.
  EXPECT_EQ(window.Status().deformation, "Deformation x 500 (automatic)");
  window.SetDeformationScale(1500.0);
  EXPECT_EQ(window.Status().deformation, "Deformation x 1500 (your own)");
  window.OnCommand(menu_id::kStructure);
  EXPECT_EQ(window.Status().deformation, "");
}

}  // namespace
}  // namespace kestrix
